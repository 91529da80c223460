// Key presses as shortcuts: the virtual key of every kind of key and the modifier flags.
#include <gtest/gtest.h>

#include <QKeyEvent>

#include "platform/Shortcuts.h"

TEST(Shortcuts, EveryKindOfKeyHasItsVirtualKey) {
    const struct {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        int Shortcut;
    } cases[] = {
        {Qt::Key_Down, Qt::AltModifier, 0x8028},  // the edits' click key
        {Qt::Key_Up, Qt::NoModifier, 0x26},
        {Qt::Key_Left, Qt::NoModifier, 0x25},
        {Qt::Key_Right, Qt::ShiftModifier, 0x2027},
        {Qt::Key_Return, Qt::ControlModifier, 0x400D},
        {Qt::Key_Enter, Qt::KeypadModifier, 0x0D},
        {Qt::Key_F1, Qt::NoModifier, 0x70},
        {Qt::Key_F4, Qt::AltModifier, 0x8073},
        {Qt::Key_F12, Qt::NoModifier, 0x7B},
        {Qt::Key_F24, Qt::NoModifier, 0x87},
        {Qt::Key_A, Qt::ControlModifier, 0x4041},
        {Qt::Key_Z, Qt::ShiftModifier | Qt::AltModifier, 0xA05A},
        {Qt::Key_0, Qt::NoModifier, 0x30},
        {Qt::Key_9, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier, 0xE039},
        {Qt::Key_0, Qt::KeypadModifier, 0x60},
        {Qt::Key_7, Qt::KeypadModifier, 0x67},
        {Qt::Key_Asterisk, Qt::KeypadModifier, 0x6A},
        {Qt::Key_Asterisk, Qt::ShiftModifier, 0x2038},  // Shift+8 on the main block
        {Qt::Key_Exclam, Qt::ShiftModifier, 0x2031},
        {Qt::Key_Plus, Qt::KeypadModifier, 0x6B},
        {Qt::Key_Minus, Qt::KeypadModifier, 0x6D},
        {Qt::Key_Minus, Qt::NoModifier, 0xBD},
        {Qt::Key_Comma, Qt::KeypadModifier, 0x6E},
        {Qt::Key_Period, Qt::KeypadModifier, 0x6E},
        {Qt::Key_Slash, Qt::KeypadModifier, 0x6F},
        {Qt::Key_Question, Qt::ShiftModifier, 0x20BF},
        {Qt::Key_BracketLeft, Qt::NoModifier, 0xDB},
        {Qt::Key_QuoteLeft, Qt::NoModifier, 0xC0},
        {Qt::Key_Backspace, Qt::AltModifier, 0x8008},
        {Qt::Key_Tab, Qt::NoModifier, 0x09},
        {Qt::Key_Backtab, Qt::ShiftModifier, 0x2009},
        {Qt::Key_Escape, Qt::NoModifier, 0x1B},
        {Qt::Key_Space, Qt::ControlModifier, 0x4020},
        {Qt::Key_PageUp, Qt::NoModifier, 0x21},
        {Qt::Key_PageDown, Qt::NoModifier, 0x22},
        {Qt::Key_Home, Qt::NoModifier, 0x24},
        {Qt::Key_End, Qt::NoModifier, 0x23},
        {Qt::Key_Insert, Qt::ShiftModifier, 0x202D},
        {Qt::Key_Delete, Qt::ControlModifier, 0x402E},
        {Qt::Key_Pause, Qt::NoModifier, 0x13},
        {Qt::Key_Print, Qt::NoModifier, 0x2C},
        {Qt::Key_Menu, Qt::NoModifier, 0x5D},
        {Qt::Key_NumLock, Qt::NoModifier, 0x90},
        // No shortcut names a modifier alone or a key outside the table.
        {Qt::Key_Shift, Qt::ShiftModifier, -1},
        {Qt::Key_Control, Qt::ControlModifier, -1},
        {Qt::Key_Alt, Qt::AltModifier, -1},
        {static_cast<Qt::Key>(0x0410), Qt::NoModifier, -1},  // the Cyrillic А
    };
    for (const auto& c : cases) {
        const QKeyEvent press(QEvent::KeyPress, c.Key, c.Modifiers);
        EXPECT_EQ(ShortcutOf(press), c.Shortcut) << std::hex << "key 0x" << c.Key << " modifiers 0x" << c.Modifiers.toInt();
    }
}
