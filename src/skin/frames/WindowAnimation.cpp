// The window animation's steps.
#include "WindowAnimation.h"

#include <algorithm>
#include <cmath>

#include <QRegion>
#include <QScreen>
#include <QWidget>

#include "core/Rounding.h"
#include "skin/effects/LayeredWindow.h"
#include "skin/effects/ThreadedTimer.h"
#include "skin/paint/PaintPattern.h"

TWindowAnimation::TWindowAnimation(QWidget& window, int timeMs, bool minimizing)
    : Window_(&window), TimeMs_(timeMs) {
    Minimizing = minimizing;
    Steps = std::max(1, timeMs / kIntervalMs);
    StartRect = window.frameGeometry();
    const QPoint centre(StartRect.left() + StartRect.width() / 2, StartRect.top() + StartRect.height() / 2);
    const QScreen* screen = window.screen();
    TargetRect = screen != nullptr ? TaskbarPoint(screen->geometry(), screen->availableGeometry(), centre)
                                   : QRect(centre, QSize(0, 0));
    const double targetX = TargetRect.left() + TargetRect.width() / 2;
    const double targetY = TargetRect.top() + TargetRect.height() / 2;
    StepX = (targetX - centre.x()) / Steps;
    StepY = (targetY - centre.y()) / Steps;
    ShrinkX = double(StartRect.width() - TargetRect.width()) / (2.0 * Steps);
    ShrinkY = double(StartRect.height() - TargetRect.height()) / (2.0 * Steps);
    const double opacity = window.windowOpacity();
    StartAlpha = opacity < 1.0 ? static_cast<int>(std::lround(opacity * 255)) : 255;
    AlphaStep = double(StartAlpha) / std::max(1, Steps - 1);
    if (Minimizing) {
        CenterX = centre.x();
        CenterY = centre.y();
        Width = StartRect.width();
        Height = StartRect.height();
        Alpha = StartAlpha;
    } else {
        CenterX = targetX;
        CenterY = targetY;
        Width = TargetRect.width();
        Height = TargetRect.height();
        Alpha = 0;
    }
}

TWindowAnimation::~TWindowAnimation() {
    Timer_.reset();
    if (!Finished_ && Window_ != nullptr) Window_->setWindowOpacity(StartAlpha / 255.0);
}

QRect TWindowAnimation::TaskbarPoint(const QRect& screen, const QRect& workArea, QPoint centre) {
    const int x = std::clamp(centre.x(), screen.left(), screen.right());
    const int y = std::clamp(centre.y(), screen.top(), screen.bottom());
    if (workArea.top() > screen.top()) return {QPoint(x, (screen.top() + workArea.top()) / 2), QSize(0, 0)};
    if (workArea.left() > screen.left()) return {QPoint((screen.left() + workArea.left()) / 2, y), QSize(0, 0)};
    if (workArea.right() < screen.right()) return {QPoint((workArea.right() + screen.right()) / 2, y), QSize(0, 0)};
    const int bottom = workArea.bottom() < screen.bottom() ? (workArea.bottom() + screen.bottom()) / 2 : screen.bottom();
    return {QPoint(x, bottom), QSize(0, 0)};
}

void TWindowAnimation::Start() {
    if (Window_ == nullptr) return;
    WasMaximized_ = Window_->isMaximized();
    // The window's picture, transparent outside its shape.
    const QImage grabbed = Window_->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    Picture_ = Bitmap32(grabbed.width(), grabbed.height());
    const QRegion shape = Window_->mask();
    for (int y = 0; y < grabbed.height(); ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(grabbed.constScanLine(y));
        for (int x = 0; x < grabbed.width(); ++x)
            Picture_.At(x, y) = shape.isEmpty() || shape.contains(QPoint(x, y)) ? (row[x] | 0xFF000000u) : 0;
    }
    Window_->setWindowOpacity(0.0);
    Aux_ = std::make_unique<TLayeredWindow>();
    Aux_->setObjectName(QStringLiteral("MinimizeAnimation"));
    Timer_ = std::make_unique<ThreadedTimer>(nullptr);
    Timer_->SetInterval(kIntervalMs);
    Timer_->SetOnTimer([this](QObject*) { Step(); });
    ShowFrame();
}

void TWindowAnimation::ShowFrame() {
    if (Aux_ == nullptr || Picture_.Empty()) return;
    // The picture stretched to the rectangle's size, centred in a frame of the start size.
    Bitmap32 frame(Picture_.Width(), Picture_.Height(), 0);
    const int w = std::max(0, static_cast<int>(std::lround(Width)));
    const int h = std::max(0, static_cast<int>(std::lround(Height)));
    const int left = (frame.Width() - w) / 2, top = (frame.Height() - h) / 2;
    if (w > 0 && h > 0)
        StretchPixels(frame, {left, top, left + w, top + h}, Picture_, {0, 0, Picture_.Width(), Picture_.Height()});
    Aux_->UpdateLayered(frame, Alpha);
    Aux_->move(static_cast<int>(std::lround(CenterX)) - frame.Width() / 2,
               static_cast<int>(std::lround(CenterY)) - frame.Height() / 2);
    if (!Aux_->isVisible()) Aux_->ShowWithoutActivation();
}

bool TWindowAnimation::Step() {
    if (Finished_) return false;
    const double sign = Minimizing ? 1.0 : -1.0;
    CenterX += sign * StepX;
    CenterY += sign * StepY;
    Width -= sign * 2 * ShrinkX;
    Height -= sign * 2 * ShrinkY;
    if (Minimizing) {
        Alpha = std::max(0, static_cast<int>(RoundHalfEven(Alpha - AlphaStep)));
        if (Alpha == 0) {
            Finish();
            return false;
        }
    } else {
        Alpha = std::min(StartAlpha, std::min(255, static_cast<int>(RoundHalfEven(Alpha + AlphaStep))));
        if (Alpha >= StartAlpha) {
            CenterX = StartRect.left() + StartRect.width() / 2;
            CenterY = StartRect.top() + StartRect.height() / 2;
            Width = StartRect.width();
            Height = StartRect.height();
            ShowFrame();
            Finish();
            return false;
        }
    }
    ShowFrame();
    return true;
}

void TWindowAnimation::Finish() {
    Finished_ = true;
    if (Timer_ != nullptr) Timer_->SetEnabled(false);
    if (Aux_ != nullptr) Aux_->hide();
    if (Window_ != nullptr) {
        if (Minimizing) {
            Window_->showMinimized();
            // Out of sight now; a restore without animation must not find it transparent.
            Window_->setWindowOpacity(StartAlpha / 255.0);
        } else {
            if (WasMaximized_) Window_->showMaximized();
            Window_->setWindowOpacity(StartAlpha / 255.0);
            Window_->update();
            Window_->activateWindow();
        }
    }
    if (OnFinished) OnFinished();
}
