// The error text of the C runtime, which keeps the errno values the engine reports.
#include "core/os/ErrorText.h"

#include <cstring>

std::string SystemErrorText(int errnoValue) {
    char buffer[256] = {};
    return strerror_s(buffer, sizeof buffer, errnoValue) == 0 ? std::string(buffer) : std::string();
}
