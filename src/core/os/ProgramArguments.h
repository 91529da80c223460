// The command line's arguments as the program's text, UTF-8.
#pragma once

#include <string>
#include <vector>

/// The arguments after the program's name. On Windows they are read again from the wide command
/// line: argv holds them in the ANSI code page, which turns a Cyrillic folder name into "?".
std::vector<std::string> ProgramArguments(int argc, char** argv);

/// Makes a console show the program's UTF-8 output as text (a Windows console expects its OEM code
/// page); output to a file or a pipe is bytes anyway.
void PrepareConsoleOutput();
