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
