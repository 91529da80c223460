// The skin command message: an event carrying a command number, a small argument and a pointer.
#pragma once

#include <cstdint>

#include <QEvent>

class QObject;
class TsSkinManager;

constexpr int SM_NIMBRELCMD = 0xA100;

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
