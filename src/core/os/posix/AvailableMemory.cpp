// Available memory from /proc/meminfo (Linux), or the free pages elsewhere.
#include "core/os/AvailableMemory.h"

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

std::optional<uint64_t> AvailableMemoryBytes() {
    std::ifstream meminfo("/proc/meminfo");
    std::string line;
    while (std::getline(meminfo, line)) {
        if (line.rfind("MemAvailable:", 0) == 0) {
            std::istringstream fields(line.substr(13));
            uint64_t kib = 0;
            if (fields >> kib) return kib * 1024;
        }
    }
#if defined(_SC_AVPHYS_PAGES)
    long pages = sysconf(_SC_AVPHYS_PAGES);
    long pageSize = sysconf(_SC_PAGESIZE);
    if (pages > 0 && pageSize > 0) return static_cast<uint64_t>(pages) * static_cast<uint64_t>(pageSize);
#endif
    return std::nullopt;
}
