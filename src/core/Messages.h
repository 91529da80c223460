// How the program's messages are finished before they are shown.
#pragma once

#include <string>

/// Appends a full stop when the last character's code is above that of "." (letters, digits and
/// typographic quotes get one; ".", ")", "!" and the ASCII quotes, whose codes are lower, do not).
std::string WithFullStop(std::string message);
