// The minimize and restore animation: the window's picture shrinking towards the taskbar (and growing back)
// in a layered window, on the threaded timer.
#pragma once

#include <functional>
#include <memory>

#include <QPointer>
#include <QRect>

#include "core/Bitmap32.h"

class QScreen;
class QWidget;
class ThreadedTimer;
class TLayeredWindow;

class TWindowAnimation {
public:
    static constexpr int kIntervalMs = 12;

    /// An animation of window over timeMs (steps of 12 ms); minimizing, or restoring when false.
    TWindowAnimation(QWidget& window, int timeMs, bool minimizing);
    ~TWindowAnimation();
    TWindowAnimation(const TWindowAnimation&) = delete;
    TWindowAnimation& operator=(const TWindowAnimation&) = delete;

    /// Hides the window (fully transparent), keeps its picture, shows the auxiliary window and starts
    /// the timer.
    void Start();
    /// One tick; false once the animation has ended (the window minimized, or shown again).
    bool Step();
    bool Finished() const { return Finished_; }
    /// Called once the animation has ended.
    std::function<void()> OnFinished;

    // --- The animation's numbers --------------------------------------------------------------
    int Steps = 0;
    QRect StartRect;
    QRect TargetRect;
    double CenterX = 0, CenterY = 0;
    double Width = 0, Height = 0;
    double StepX = 0, StepY = 0;          // centre per step
    double ShrinkX = 0, ShrinkY = 0;      // each side per step
    double AlphaStep = 0;
    int StartAlpha = 255;
    int Alpha = 255;
    bool Minimizing = true;
    TLayeredWindow* AuxWindow() const { return Aux_.get(); }

    /// Where a minimized window goes when the taskbar button is unknown: a point on the taskbar's
    /// edge of the screen (the edge the work area leaves free, else the bottom) nearest the centre.
    static QRect TaskbarPoint(const QRect& screen, const QRect& workArea, QPoint centre);

private:
    void ShowFrame();
    void Finish();

    QPointer<QWidget> Window_;
    int TimeMs_;
    Bitmap32 Picture_;
    std::unique_ptr<TLayeredWindow> Aux_;
    std::unique_ptr<ThreadedTimer> Timer_;
    bool Finished_ = false;
    bool WasMaximized_ = false;
};
