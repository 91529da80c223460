// The caption-button animation: a button blended from its old look to its new one on a 12 ms timer.
#pragma once

#include <QObject>

#include "core/Bitmap32.h"

class QTimer;
class TSkinnedFrame;
struct TFrameButton;

class TTitleButtonAnimation : public QObject {
    Q_OBJECT
public:
    /// Steps towards a hot or normal look; a press takes one step.
    static constexpr int kSteps = 10;
    static constexpr int kIntervalMs = 12;

    /// Starts (or restarts from what the window shows now) the button's change to newLook.
    static void Start(TSkinnedFrame& frame, TFrameButton& button, Bitmap32 newLook);

    /// Caption-button animations running now in the process (a picture of a window waits for them).
    static int Live() { return Live_; }

    int Steps() const { return Steps_; }
    int Step() const { return Step_; }
    /// One step: the next blend of the two looks into the picture and onto the window; the last one
    /// ends the animation (and frees it).
    void Tick();

private:
    TTitleButtonAnimation(TSkinnedFrame& frame, int hitCode);
    ~TTitleButtonAnimation() override;
    friend class TSkinnedFrame;

    static inline int Live_ = 0;
    TSkinnedFrame& Frame_;
    int HitCode_;
    Bitmap32 From_;
    Bitmap32 To_;
    int Step_ = 0;
    int Steps_ = kSteps;
    QTimer* Timer_;
};
