// What the desktop offers for window effects: layered (per-pixel translucent) windows and composition.
#pragma once

#include <optional>

/// Whether translucent top-level windows are composited, so that shadows and glows show as meant.
/// An X11 display answers whether a compositing manager runs now (without one, translucent windows
/// show opaque); Wayland, Windows and macOS answer true; the off-screen platform false.
bool LayeredWindowsAvailable();
/// Tests may force the answer; std::nullopt returns to the platform's.
void SetLayeredWindowsOverride(std::optional<bool> available);

/// The system's desktop composition in the sense of window frames drawn by the system: reported off.
bool DesktopCompositionEnabled();
/// Tests may force the answer; std::nullopt returns to the platform's.
void SetDesktopCompositionOverride(std::optional<bool> enabled);

/// Whether a window's shape limits only where it takes the mouse, not what shows (Wayland): there the
/// forms get a translucent background, so that the pixels cut out of their shape are transparent.
bool ShapesNeedTranslucentWindows();
