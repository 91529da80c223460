// How much memory the machine can still give the process.
#pragma once

#include <cstdint>
#include <optional>

/// Bytes of memory available for new allocations (physical memory not in use, including what the
/// page cache can give back), or nothing when the system does not tell.
std::optional<uint64_t> AvailableMemoryBytes();
