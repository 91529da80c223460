// Available memory from the kernel's page counts: the free pages and the inactive ones, which the
// system reclaims before it swaps.
#include "core/os/AvailableMemory.h"

#include <mach/mach.h>
#include <unistd.h>

std::optional<uint64_t> AvailableMemoryBytes() {
    vm_statistics64_data_t stats{};
    mach_msg_type_number_t count = HOST_VM_INFO64_COUNT;
    if (host_statistics64(mach_host_self(), HOST_VM_INFO64, reinterpret_cast<host_info64_t>(&stats), &count) !=
        KERN_SUCCESS) {
        return std::nullopt;
    }
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pageSize <= 0) return std::nullopt;
    return (static_cast<uint64_t>(stats.free_count) + stats.inactive_count) * static_cast<uint64_t>(pageSize);
}
