// The caption-button animation's steps.
#include "TitleButtonAnimation.h"

#include <QTimer>
#include <QWidget>

#include "SkinnedFrame.h"
#include "skin/paint/PixelBlends.h"

TTitleButtonAnimation::TTitleButtonAnimation(TSkinnedFrame& frame, int hitCode)
    : QObject(&frame), Frame_(frame), HitCode_(hitCode), Timer_(new QTimer(this)) {
    Timer_->setInterval(kIntervalMs);
    connect(Timer_, &QTimer::timeout, this, &TTitleButtonAnimation::Tick);
}

TTitleButtonAnimation::~TTitleButtonAnimation() {
    if (Timer_->isActive()) --Live_;
}

void TTitleButtonAnimation::Start(TSkinnedFrame& frame, TFrameButton& button, Bitmap32 newLook) {
    Bitmap32* picture = frame.SkinData().CacheBitmap.get();
    if (picture == nullptr) return;
    if (button.Animation == nullptr) button.Animation = new TTitleButtonAnimation(frame, button.HitCode);
    TTitleButtonAnimation& animation = *button.Animation;
    // The old look is what the window shows now, a half-blended frame included.
    animation.From_ = picture->Copy(button.Left, button.Top, button.Right, button.Bottom);
    animation.To_ = std::move(newLook);
    animation.Step_ = 0;
    animation.Steps_ = button.State == 2 ? 1 : kSteps;
    if (!animation.Timer_->isActive()) ++Live_;
    animation.Timer_->start();
}

void TTitleButtonAnimation::Tick() {
    TFrameButton* button = Frame_.Layout.ButtonByHitCode(HitCode_);
    Bitmap32* picture = Frame_.SkinData().CacheBitmap.get();
    ++Step_;
    const bool last = Step_ >= Steps_;
    if (button != nullptr && picture != nullptr && From_.Width() == To_.Width() && From_.Height() == To_.Height()) {
        Bitmap32 frame = To_;
        if (!last) {
            // The old look keeps the weight of the steps still to come.
            const int alpha = 255 - Step_ * 255 / Steps_;
            frame = To_;
            BlendBitmap(frame, From_, 255 - alpha, {0, 0}, {0, 0, From_.Width(), From_.Height()});
        }
        picture->Paste(frame, button->Left, button->Top);
        if (QWidget* window = Frame_.Window())
            window->update(button->Left, button->Top, button->Right - button->Left, button->Bottom - button->Top);
    }
    if (last) {
        if (Timer_->isActive()) --Live_;
        Timer_->stop();
        if (button != nullptr) button->Animation = nullptr;
        deleteLater();
    }
}
