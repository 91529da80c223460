// Beep and open-URL over Qt.
#include "Shell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

namespace {
ShellOpenHandler OpenHandler = nullptr;
}

void MessageBeep() { QApplication::beep(); }

void SetShellOpenHandler(ShellOpenHandler handler) { OpenHandler = handler; }

bool ShellOpen(const QString& address) {
    if (OpenHandler != nullptr) return OpenHandler(address);
    return QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}
