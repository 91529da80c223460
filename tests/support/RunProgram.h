// Running a built program from a test through the shell.
#pragma once

#include <string>

struct ProgramResult {
    int Status = -1;  // exit status, -1 when it did not exit normally
    std::string Out;  // standard output and standard error together
};

/// Runs a shell command line with its standard error folded into the output.
ProgramResult RunProgram(const std::string& commandLine);
