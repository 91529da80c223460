// SIGINT and SIGTERM for the command line: a run stops cleanly at its next tile.
#pragma once

#include "core/Exception.h"

/// Thrown from the progress once a stop signal came: the run unwinds, whole files stay.
class EInterrupted : public Exception {
public:
    explicit EInterrupted(int signal) : Exception("interrupted"), Signal(signal) {}
    int Signal;
};

/// Catches SIGINT and SIGTERM: the first only notes the signal (a second one ends the program
/// the usual way).
void InstallInterruptHandlers();

/// Throws EInterrupted when a signal came.
void ThrowIfInterrupted();
