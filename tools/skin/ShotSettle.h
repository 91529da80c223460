// Letting a window finish what is pending before it is taken.
#pragma once

#include <chrono>

/// How long a shot waits for the platform or a control to reach the asked state.
inline constexpr int kShotWaitMs = 2000;

/// Processes events until nothing is pending (posted events, paints, timers due) and no fade or
/// animation of a control is running any more, at most for the limit.
void SettleWindow(std::chrono::milliseconds limit = std::chrono::milliseconds(2000));
