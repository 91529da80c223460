// System commands: the event that carries them and their default actions.
#include "SysCommands.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWhatsThis>
#include <QWidget>
#include <QWindow>

void SendSysCommand(QWidget* window, int command) {
    if (window == nullptr) return;
    QPointer<QWidget> alive(window);
    TSysCommandEvent event(command);
    QCoreApplication::sendEvent(window, &event);
    if (!event.Handled && alive) DefaultSysCommand(window, command);
}

void DefaultSysCommand(QWidget* window, int command) {
    if (window == nullptr) return;
    QWindow* handle = window->windowHandle();
    switch (command) {
        case SC_MINIMIZE: window->showMinimized(); break;
        case SC_MAXIMIZE: window->showMaximized(); break;
        case SC_RESTORE: window->showNormal(); break;
        case SC_CLOSE: window->close(); break;
        case SC_MOVE:
        case SC_DRAGMOVE:
            if (handle != nullptr) handle->startSystemMove();
            break;
        case SC_SIZE:
            if (handle != nullptr) handle->startSystemResize(Qt::BottomEdge | Qt::RightEdge);
            break;
        case SC_CONTEXTHELP: QWhatsThis::enterWhatsThisMode(); break;
        default: break;
    }
}
