// The wide command line split as the C runtime splits it, each argument in UTF-8.
#include "core/os/ProgramArguments.h"

#include "WideText.h"
#include "WindowsApi.h"
// After <windows.h>, whose types it uses.
#include <shellapi.h>

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return {argv + (argc > 0 ? 1 : 0), argv + argc};
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i) args.push_back(Narrow(wide[i]));
    LocalFree(wide);
    return args;
}

void PrepareConsoleOutput() {
    SetConsoleOutputCP(CP_UTF8);
}
