// The system's own text for an error number.
#pragma once

#include <string>

/// The system's description of an errno value, as the system words it (empty when it has none).
std::string SystemErrorText(int errnoValue);
