// The stop signals: noted by the handler, acted on by the run between two tiles.
#include "Interruption.h"

#include <atomic>

#include "core/os/Interrupt.h"

namespace {

// Set from a signal handler or the console's own thread: a lock-free atomic serves both.
std::atomic<int> Received{0};
static_assert(std::atomic<int>::is_always_lock_free);

void Note(int signal) { Received.store(signal); }

}  // namespace

void InstallInterruptHandlers() { CatchInterrupt(Note); }

void ThrowIfInterrupted() {
    if (int signal = Received.load(); signal != 0) throw EInterrupted(signal);
}
