// The test seam of the file layer: one hook, consulted before creating or writing an output file.
#include "FileFaults.h"

#include <atomic>
#include <mutex>

namespace {

std::mutex& HookMutex() {
    static std::mutex mutex;
    return mutex;
}

FileFaultHook& Hook() {
    static FileFaultHook hook;
    return hook;
}

std::atomic<bool> HookSet{false};

}  // namespace

void SetFileFaultHookForTesting(FileFaultHook hook) {
    std::lock_guard lock(HookMutex());
    HookSet = static_cast<bool>(hook);
    Hook() = std::move(hook);
}

int InjectedFileFault(const std::string& path, FileOperation operation) {
    if (!HookSet) return 0;
    std::lock_guard lock(HookMutex());
    return Hook() ? Hook()(path, operation) : 0;
}
