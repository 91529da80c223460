// Large blocks as committed virtual memory: the system gives a page when it is first touched.
#include "core/os/LargeBlock.h"

#include "WindowsApi.h"

void* ReserveLargeBlock(size_t bytes) {
    return VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

void ReleaseLargeBlock(void* block) noexcept {
    if (block != nullptr) VirtualFree(block, 0, MEM_RELEASE);
}
