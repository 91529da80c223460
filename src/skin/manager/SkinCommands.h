// The skin protocol: the commands that the manager, the providers and the controls exchange through
// the skin command message.
#pragma once

#include "platform/NimbrelCommand.h"

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

/// Whether the receiver handles the skin commands itself (answers 1 to AC_CTRLHANDLED).
bool AnswersSkinCommands(QObject* receiver);
