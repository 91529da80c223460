// The hide animation: a closing window replaced by its picture fading (and, in zoom mode, shrinking) away.
#pragma once

#include <memory>

#include <QPointer>

#include "core/Bitmap32.h"
#include "skin/effects/LayeredWindow.h"
#include "skin/effects/ThreadedTimer.h"

enum TWindowAnimType { watFading = 0, watZoom = 1 };

/// The animation's frame of the source for the rectangle (l, t, r, b): a transparent black picture
/// of the source's size with the source stretched (nearest pixel) into the rectangle, its corners
/// rounded to the nearest pixel; the source itself once l or t is negative.
Bitmap32 ZoomFrame(const Bitmap32& source, double l, double t, double r, double b);

/// The process-wide timer of the hide animation (12 ms ticks on the threaded timer).
class HideAnimationTimer : public ThreadedTimer {
    Q_OBJECT
public:
    HideAnimationTimer();
    ~HideAnimationTimer() override;

    /// Takes the window (freed when the animation ends or another one starts) and its picture.
    void Begin(TLayeredWindow* window, const Bitmap32& picture, int steps, int mode, int startAlpha);
    /// Frees the window and the pictures; the timer stops ticking.
    void Finish();
    bool Animating() const { return Window != nullptr; }

    /// One step: the next alpha (and rectangle) handed to the window; the last step ends it.
    void Step();

    QPointer<TLayeredWindow> Window;
    Bitmap32 SrcBmp;
    Bitmap32 DstBmp;
    int i = 0;
    int StepCount = 0;
    int StartBlendValue = 255;
    double CurrentAlpha = 255;
    double AlphaStep = 0;
    int AnimType = watFading;
    double l = 0, t = 0, r = 0, b = 0;
    double dx = 0, dy = 0;

protected:
    void Tick() override { Step(); }
};

/// Replaces a closing window by its picture fading away over time milliseconds (steps of 12 ms;
/// nothing for fewer than 12, the window is freed then). The layered window takes the picture at
/// its own place; mode watZoom also shrinks it towards its centre. Runs only where layered windows
/// are available (elsewhere the window is freed at once). Takes the window.
void StartHideAnimation(TLayeredWindow* window, const Bitmap32& picture, int time, int mode, int startAlpha);

/// The process-wide timer, or null before the first animation.
HideAnimationTimer* HideAnimation();
/// Frees the process-wide timer and a window it still animates.
void FreeHideAnimation();
