// Available memory as the system's memory status gives it.
#include "core/os/AvailableMemory.h"

#include "WindowsApi.h"

std::optional<uint64_t> AvailableMemoryBytes() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) return std::nullopt;
    return static_cast<uint64_t>(status.ullAvailPhys);
}
