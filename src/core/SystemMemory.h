// How much memory the machine can still give the process.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

/// Bytes of memory available for new allocations (physical memory not in use, including what the
/// page cache can give back), or nothing when the system does not tell.
std::optional<uint64_t> AvailableMemoryBytes();

/// "1.5 GiB", "320 MiB": a byte count for messages.
std::string FormatByteSize(uint64_t bytes);
