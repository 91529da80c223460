// Cross-fades of a control's state changes: TsFadeTimer (windowed controls), TsAnimTimer (windowless).
#pragma once

#include <cstdint>
#include <functional>

#include <QPointer>
#include <QTimer>

#include "core/Bitmap32.h"

class QWidget;
class TsCommonData;
class TsSkinnedControl;

/// Process-wide fading block: while set, no fade starts and running ones do not step.
bool FadingBlocked();
void SetFadingBlocked(bool blocked);

/// The number of fade and animation timers alive in the process.
int LiveFadeTimers();

/// The blend weight of the old look in the frame of step fadeLevel out of iterations:
/// clamp(255 - fadeLevel * 256 div iterations, 0, 255).
int FadeAlpha(int fadeLevel, int iterations);
/// The frame of a step: a copy of the old look, each byte (old * alpha + new * (255 - alpha) + 127) >> 8;
/// the old look unchanged when the two differ in size.
Bitmap32 FadeFrame(const Bitmap32& from, const Bitmap32& to, int alpha);

/// Fades a windowed control from its old look to its new one, one step every 10 ms. The control
/// answers the commands: stop fading (16) by calling StopFade, prepare cache (23) by rebuilding its
/// cache for its current state, frame ready (24) with 1 when it drew the frame itself. Otherwise
/// each frame is shown through the binding's AnimationFrame and a repaint of the control.
class TsFadeTimer : public QTimer {
    Q_OBJECT
public:
    /// Owned by the control (freed with it at the latest); disabled.
    explicit TsFadeTimer(QWidget* owner);
    ~TsFadeTimer() override;

    uint8_t Direction = 0;  // 0 none; 1 or 2 fading
    TsCommonData* OwnerData = nullptr;
    int Iterations = 0;
    int FadeLevel = 1;
    Bitmap32 BmpFrom;

    /// False while 0 <= FadeLevel <= Iterations; past the end the owner is sent stop-fading and the
    /// answer is true. A gone owner or a terminating application: Direction 0 and false.
    bool Finished();
    /// One frame: the old look blended with the cache by FadeAlpha, shown on the control; then the
    /// next level. A disabled owner stops the fade and repaints from its cache instead.
    void Step();

    bool Destroying() const { return Destroying_; }
    /// The frame shown last.
    const Bitmap32& Frame() const { return Frame_; }

    void SetEnabled(bool enabled);
    bool Enabled() const { return isActive(); }

private:
    void OnTick();
    bool OwnerAlive() const;

    QPointer<QWidget> Owner_;
    Bitmap32 Frame_;
    bool Destroying_ = false;
};

/// Starts (or restarts) the fade of a windowed control whose look is about to change: quick for
/// mouse down and up (half the steps), direction 1 or 2 (1 for buttons), animate false for a
/// change that must not fade. Without fading the cache is marked out of date, a running fade stops
/// and the control repaints at once. Either way the glow follows (UpdateGlow).
void StartFade(TsFadeTimer*& timerSlot, TsCommonData& binding, bool quick, int direction, bool animate);
/// Stops and frees a running fade (not one being destroyed); the slot is emptied.
void StopFade(TsFadeTimer*& timerSlot, TsCommonData& binding);

/// The animation of a windowless control: the control paints the frame (the binding's
/// AnimationFrame, TmpBmp) instead of its cache while the timer is enabled.
class TsAnimTimer : public QTimer {
    Q_OBJECT
public:
    /// Freed with the control at the latest; disabled.
    explicit TsAnimTimer(TsCommonData& binding);
    ~TsAnimTimer() override;

    TsCommonData* OwnerData = nullptr;
    int Iterations = 0;
    int FadeLevel = 1;
    Bitmap32 BmpFrom;
    Bitmap32 TmpBmp;
    bool FadeInProcess = false;

    /// One frame into TmpBmp, then the owner is told to resume (8, 0) and repaint now (18).
    void Step();
    bool Destroying() const { return Destroying_; }
    void SetEnabled(bool enabled);

private:
    void OnTick();
    bool OwnerAlive() const;

    QPointer<QWidget> Owner_;
    bool Destroying_ = false;
};

/// Animates a windowless control's change of state: the old look is painted into the cache and
/// kept, updateState changes the control's state, the new look is painted, and the frames blend
/// from one to the other (half the steps when quick). A running animation is replaced and the new
/// one starts where it had got to. Without fading (section or block) the state is changed and the
/// control repainted at once. The control answers stop-fading (16) by calling StopAnim.
void StartAnim(TsAnimTimer*& timerSlot, TsSkinnedControl& control, bool quick, const std::function<void()>& updateState);
/// Frees a running animation (not one being destroyed) and repaints the control from its cache.
void StopAnim(TsAnimTimer*& timerSlot);
