// Large blocks aligned to large pages and marked for them where the system has them.
#include "core/os/LargeBlock.h"

#include <sys/mman.h>

#include <cstdlib>

namespace {

constexpr size_t kHugePage = 2u << 20;

}  // namespace

void* ReserveLargeBlock(size_t bytes) {
    // A canvas's first touch of every page is a fault, costly on virtual machines: large pages take
    // a 512th of them.
    const size_t size = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* block = nullptr;
    if (size < bytes || posix_memalign(&block, kHugePage, size) != 0) return nullptr;
#ifdef MADV_HUGEPAGE
    ::madvise(block, size, MADV_HUGEPAGE);
#endif
    return block;
}

void ReleaseLargeBlock(void* block) noexcept { std::free(block); }
