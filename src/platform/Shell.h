// The shell's small services: the default beep and opening a web address.
#pragma once

#include <QString>

/// The system's default beep.
void MessageBeep();

/// Asks the system to "open" the address (normally the browser); a failure shows nothing.
/// Returns whether the system accepted the request.
bool ShellOpen(const QString& address);

/// Test hook: when set, ShellOpen hands the address here instead of the system.
using ShellOpenHandler = bool (*)(const QString& address);
void SetShellOpenHandler(ShellOpenHandler handler);
