// popen-based runner for the tool tests.
#include "RunProgram.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>

ProgramResult RunProgram(const std::string& commandLine) {
    ProgramResult r;
    FILE* pipe = ::popen((commandLine + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return r;
    std::array<char, 4096> buffer{};
    size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) r.Out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    r.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}
