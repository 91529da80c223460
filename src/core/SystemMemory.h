// How much memory the machine can still give the process.
#pragma once

#include <cstdint>
#include <string>

#include "core/os/AvailableMemory.h"

/// "1.5 GiB", "320 MiB": a byte count for messages.
std::string FormatByteSize(uint64_t bytes);
