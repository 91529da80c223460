// The stop request as the console's control events, which arrive on a thread of their own.
#include "core/os/Interrupt.h"

#include <atomic>
#include <csignal>

#include "WindowsApi.h"

namespace {

InterruptHandler Handler = nullptr;
std::atomic<bool> Caught{false};

BOOL WINAPI OnControl(DWORD event) {
    // A second request goes to the next handler, the system's, which ends the program.
    if (Caught.exchange(true)) return FALSE;
    Handler(event == CTRL_C_EVENT ? SIGINT : SIGTERM);
    // Closing the console or logging off ends the process once this returns: the run gets what time
    // the system leaves it.
    return TRUE;
}

}  // namespace

void CatchInterrupt(InterruptHandler handler) {
    Handler = handler;
    SetConsoleCtrlHandler(OnControl, TRUE);
}
