// The request to stop a console run: Ctrl+C, a termination signal, the console window closing.
#pragma once

/// Called with SIGINT for Ctrl+C and SIGTERM for the other requests. It may run on a thread of its
/// own or inside a signal handler, so it may only store the number in a lock-free atomic.
using InterruptHandler = void (*)(int signal);

/// Sends the first stop request to the handler; a second one ends the program the usual way.
void CatchInterrupt(InterruptHandler handler);
