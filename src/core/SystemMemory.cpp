// Byte counts for messages.
#include "SystemMemory.h"

#include <cstdio>
#include <string>

std::string FormatByteSize(uint64_t bytes) {
    char text[64];
    constexpr double kMiB = 1024.0 * 1024.0;
    constexpr double kGiB = kMiB * 1024.0;
    if (bytes >= static_cast<uint64_t>(kGiB)) {
        std::snprintf(text, sizeof text, "%.1f GiB", static_cast<double>(bytes) / kGiB);
    } else {
        std::snprintf(text, sizeof text, "%.0f MiB", static_cast<double>(bytes) / kMiB);
    }
    return text;
}
