// The stop signals: noted by the handler, acted on by the run between two tiles.
#include "Interruption.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t Received = 0;

void Note(int signal) { Received = signal; }

}  // namespace

void InstallInterruptHandlers() {
    struct sigaction action {};
    action.sa_handler = Note;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls go on; the handler is removed after the first signal.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

void ThrowIfInterrupted() {
    if (int signal = Received; signal != 0) throw EInterrupted(signal);
}
