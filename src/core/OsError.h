// Operating-system error codes and descriptions as the program reports them.
#pragma once

#include <string>

/// The system's description of an errno value, with trailing spaces, line breaks and full stops
/// removed (it is followed by the program's own full stop).
std::string OsErrorDescription(int errnoValue);

/// Maps an errno value to the Windows-style error code used in I/O error messages
/// (2 file not found, 3 path not found, 4 too many open files, 5 access denied, ...).
int OsErrorCode(int errnoValue);

/// Removes trailing spaces, line breaks and full stops.
std::string TrimOsDescription(std::string text);

/// The message of a run-time I/O error on the file or folder, by its Windows-style code.
std::string InOutErrorMessage(int code, const std::string& path);
