// The stop request of the command line (Ctrl+C, SIGTERM): a run stops cleanly at its next tile.
#pragma once

#include "core/Exception.h"

/// Thrown from the progress once a stop signal came: the run unwinds, whole files stay.
class EInterrupted : public Exception {
public:
    explicit EInterrupted(int signal) : Exception("interrupted"), Signal(signal) {}
    int Signal;
};

/// Catches the stop request: the first only notes its signal number (a second one ends the program
/// the usual way).
void InstallInterruptHandlers();

/// Throws EInterrupted when a signal came.
void ThrowIfInterrupted();
