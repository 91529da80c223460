// Letting a window finish what is pending before it is taken.
#pragma once

#include <chrono>

/// Processes events until nothing is pending (posted events, paints, timers due), at most for the
/// limit. Where the window's pictures are still changing by themselves later, the wait for them
/// belongs here too.
void SettleWindow(std::chrono::milliseconds limit = std::chrono::milliseconds(2000));
