// The stop request as SIGINT and SIGTERM.
#include "core/os/Interrupt.h"

#include <csignal>

namespace {

InterruptHandler Handler = nullptr;

void OnSignal(int signal) { Handler(signal); }

}  // namespace

void CatchInterrupt(InterruptHandler handler) {
    Handler = handler;
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls go on; the handler is removed after the first signal.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}
