// The skin command message: an event carrying a command number, a small argument and a pointer.
#pragma once

#include <cstdint>

#include <QEvent>

class QObject;
class TsSkinManager;

constexpr int SM_NIMBRELCMD = 0xA100;

// Commands of the message that the manager and the controls exchange.
// The second parameter's type is given where a command carries data.
constexpr int AC_SETNEWSKIN = 1;
constexpr int AC_REMOVESKIN = 2;
constexpr int AC_REFRESH = 3;
constexpr int AC_GETPROVIDER = 4;
constexpr int AC_RESUME = 6;             // painting may go on
constexpr int AC_CTRLHANDLED = 7;
constexpr int AC_SETSUSPENDED = 8;       // argument 1 suspends painting, 0 resumes it
constexpr int AC_SETURGENT = 9;          // argument 1: urgent painting
constexpr int AC_ISSUSPENDED = 10;       // answers whether painting waits (cache out of date or suspended)
constexpr int AC_ISPARTLYVISIBLE = 11;
constexpr int AC_SECTIONCHANGED = 13;    // data: const QString* (the section's name)
constexpr int AC_SETSECTION = 15;        // data: const QString* (the new section's name)
constexpr int AC_STOPFADING = 16;
constexpr int AC_INVALIDATE = 17;
constexpr int AC_REPAINT = 18;           // repaint now (a windowless control from its animation frame)
constexpr int AC_DEPENDSONPOSITION = 19; // answers whether the picture depends on the position
constexpr int AC_INVALIDATECHILDREN = 20;// argument 1: also redraw the window
constexpr int AC_GETBGCOLOR = 21;        // answers the background colour
constexpr int AC_MARKPARTLYVISIBLE = 22;
constexpr int AC_PREPARECACHE = 23;      // rebuild the cache for the current state
constexpr int AC_FRAMEREADY = 24;        // data: const Bitmap32* (an animation frame); 1: drawn by the control
constexpr int AC_REGISTERCONTROL = 25;   // data: QWidget* (the control)
constexpr int AC_GETSECTIONINDEX = 26;   // data: int* receiving the section index
constexpr int AC_MOUSEENTER_ACTIVE = 29;  // became the manager's active control
constexpr int AC_MOUSELEAVE_ACTIVE = 30;  // stopped being the manager's active control
constexpr int AC_BEGINUPDATE = 31;
constexpr int AC_ENDUPDATE = 32;
constexpr int AC_GETBACKGROUND = 34;     // data: BackgroundRequest*; argument: the state
constexpr int AC_SKINSTATE = 36;         // argument 1: recompute; else answers the skin state
constexpr int AC_PRINTTARGET = 38;       // data: TDrawTarget* (null: printing ended)

/// The first parameter: command in the high 16 bits, argument in the low 16 bits.
constexpr uint32_t MakeNimbrelParam(int command, int argument = 0) {
    return (static_cast<uint32_t>(command) << 16) | (static_cast<uint32_t>(argument) & 0xFFFFu);
}

/// The message as an event. The second parameter carries the sending manager for the manager's
/// commands, or a pointer for the commands that exchange data; the accessors give each its type.
class TNimbrelCommandEvent : public QEvent {
public:
    static constexpr QEvent::Type EventType = static_cast<QEvent::Type>(SM_NIMBRELCMD);

    TNimbrelCommandEvent(uint32_t wParam, intptr_t lParam)
        : QEvent(EventType), WParam(wParam), LParam(lParam) {}
    /// A command sent by a skin manager.
    TNimbrelCommandEvent(uint32_t wParam, TsSkinManager* manager)
        : QEvent(EventType), WParam(wParam), LParam(reinterpret_cast<intptr_t>(manager)), Manager_(manager) {}

    int Command() const { return static_cast<int>(WParam >> 16); }
    int Argument() const { return static_cast<int>(WParam & 0xFFFFu); }
    /// The manager that sent the command; null when a manager did not send it.
    TsSkinManager* Manager() const { return Manager_; }
    /// The record of a command that exchanges data; T is that command's record type.
    template <typename T>
    T* Data() const {
        return reinterpret_cast<T*>(LParam);
    }

    uint32_t WParam;
    intptr_t LParam;
    intptr_t Result = 0;

private:
    TsSkinManager* Manager_ = nullptr;
};

/// The event as a command message, or null for any other event.
TNimbrelCommandEvent* AsNimbrelCommand(QEvent* event);

/// Sends the message synchronously and returns the receiver's answer (0 when it has none).
intptr_t SendNimbrelCommand(QObject* receiver, uint32_t wParam, intptr_t lParam = 0);
/// The same for a command of a skin manager, which travels with it.
intptr_t SendSkinCommand(QObject* receiver, uint32_t wParam, TsSkinManager* manager);

/// Whether the receiver handles the skin commands itself (answers 1 to command 7).
bool AnswersSkinCommands(QObject* receiver);
