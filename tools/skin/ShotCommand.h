// The skin tool's shot command: one of the program's windows, skinned, in asked states, as a PNG.
#pragma once

#include <string>
#include <vector>

extern const char* const kShotUsage;

/// Runs "shot" with the arguments after the command name (see kShotUsage). Returns the exit code
/// (ShotExit) after printing the failure's message.
int RunShotCommand(const std::vector<std::string>& args);
