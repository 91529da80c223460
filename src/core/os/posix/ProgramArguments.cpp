// The arguments are the bytes the caller passed, UTF-8 in a UTF-8 locale.
#include "core/os/ProgramArguments.h"

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return {argv + (argc > 0 ? 1 : 0), argv + argc};
}

void PrepareConsoleOutput() {}
