// Key presses as the 16-bit shortcuts the controls compare them with: virtual key and modifier flags.
#pragma once

class QKeyEvent;

constexpr int kShortcutShift = 0x2000;
constexpr int kShortcutCtrl = 0x4000;
constexpr int kShortcutAlt = 0x8000;

/// The virtual key of a Qt key (0 for a key no shortcut can name). With keypad set, digits, operators
/// and the point are the numeric keypad's. Symbols a Shift of the US layout produces ("!", "{") are the
/// keys that carry them, so that Shift+1 is '1' with Shift as the shortcut names it.
int VirtualKeyOf(int qtKey, bool keypad = false);
/// The shortcut of a key press: virtual key in the low byte, Shift 0x2000, Ctrl 0x4000, Alt 0x8000;
/// -1 for a key no shortcut can name (a modifier alone, most symbols outside the US layout).
int ShortcutOf(const QKeyEvent& event);
