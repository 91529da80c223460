// The window's system commands and the hit codes of its frame, and the default action of each command.
#pragma once

#include <QEvent>

class QWidget;

// Hit codes: what part of a window a point lies in.
constexpr int HTNOWHERE = 0;
constexpr int HTCLIENT = 1;
constexpr int HTCAPTION = 2;
constexpr int HTSYSMENU = 3;
constexpr int HTMENU = 5;
constexpr int HTMINBUTTON = 8;
constexpr int HTMAXBUTTON = 9;
constexpr int HTLEFT = 10;
constexpr int HTRIGHT = 11;
constexpr int HTTOP = 12;
constexpr int HTTOPLEFT = 13;
constexpr int HTTOPRIGHT = 14;
constexpr int HTBOTTOM = 15;
constexpr int HTBOTTOMLEFT = 16;
constexpr int HTBOTTOMRIGHT = 17;
constexpr int HTCLOSE = 20;
constexpr int HTHELP = 21;

// System commands.
constexpr int SC_SIZE = 0xF000;
constexpr int SC_MOVE = 0xF010;
constexpr int SC_MINIMIZE = 0xF020;
constexpr int SC_MAXIMIZE = 0xF030;
constexpr int SC_DRAGMOVE = 0xF012;
constexpr int SC_CLOSE = 0xF060;
constexpr int SC_RESTORE = 0xF120;
constexpr int SC_CONTEXTHELP = 0xF180;

/// A system command on its way to a window. Whoever takes it over (a frame that animates the
/// minimizing, a test) sets Handled; otherwise the command's default action runs.
class TSysCommandEvent : public QEvent {
public:
    static constexpr QEvent::Type EventType = static_cast<QEvent::Type>(QEvent::User + 0x0112);
    explicit TSysCommandEvent(int command) : QEvent(EventType), Command(command) {}
    int Command;
    bool Handled = false;
};

/// Sends the command to the window; unless a receiver handled it, the default action runs:
/// minimize, maximize and restore change the window state, close closes the window (its close query
/// may refuse), move and drag-move start the platform's move, size its resize from the bottom-right
/// corner, context help enters the what's-this mode. Unknown commands do nothing. Commands below
/// 0xF000 (a window's own menu items) have no default action.
void SendSysCommand(QWidget* window, int command);

/// The default action alone.
void DefaultSysCommand(QWidget* window, int command);
