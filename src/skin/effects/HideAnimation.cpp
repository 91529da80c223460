// The hide animation on the process-wide threaded timer: alpha and rectangle per step, the frames.
#include "HideAnimation.h"

#include <algorithm>

#include <QThread>

#include "core/Rounding.h"
#include "platform/DesktopEffects.h"

namespace {
HideAnimationTimer* Timer = nullptr;
constexpr unsigned kStepMilliseconds = 12;
}  // namespace

Bitmap32 ZoomFrame(const Bitmap32& source, double l, double t, double r, double b) {
    if (l < 0 || t < 0) return source;
    Bitmap32 frame(source.Width(), source.Height(), 0);
    const int left = static_cast<int>(RoundHalfEven(l)), top = static_cast<int>(RoundHalfEven(t));
    const int right = static_cast<int>(RoundHalfEven(r)), bottom = static_cast<int>(RoundHalfEven(b));
    const int w = right - left, h = bottom - top;
    if (w <= 0 || h <= 0 || source.Empty()) return frame;
    // Nearest pixel, as a plain stretch that drops rows and columns.
    for (int y = std::max(0, top); y < std::min(bottom, frame.Height()); ++y) {
        const int sy = static_cast<int>(static_cast<long long>(y - top) * source.Height() / h);
        const uint32_t* src = source.Row(sy);
        uint32_t* dst = frame.Row(y);
        for (int x = std::max(0, left); x < std::min(right, frame.Width()); ++x)
            dst[x] = src[static_cast<long long>(x - left) * source.Width() / w];
    }
    return frame;
}

HideAnimationTimer::HideAnimationTimer() : ThreadedTimer(nullptr, true) {}

HideAnimationTimer::~HideAnimationTimer() { Finish(); }

void HideAnimationTimer::Begin(TLayeredWindow* window, const Bitmap32& picture, int steps, int mode, int startAlpha) {
    if (Animating()) Finish();  // a running animation gives its window up
    Window = window;
    SrcBmp = picture;
    DstBmp = Bitmap32();
    i = 0;
    StepCount = steps;
    StartBlendValue = std::clamp(startAlpha, 0, 255);
    CurrentAlpha = StartBlendValue;
    AlphaStep = static_cast<double>(StartBlendValue) / steps;
    AnimType = mode;
    l = 0;
    t = 0;
    r = picture.Width();
    b = picture.Height();
    dx = picture.Width() / (steps * 8.0);
    dy = picture.Height() / (steps * 8.0);
    SetInterval(kStepMilliseconds);
}

void HideAnimationTimer::Finish() {
    SetEnabled(false);
    SetInterval(65535);
    if (TLayeredWindow* window = Window) {
        Window = nullptr;
        window->hide();
        delete window;
    }
    SrcBmp = Bitmap32();
    DstBmp = Bitmap32();
}

void HideAnimationTimer::Step() {
    if (!Window) {
        Finish();
        return;
    }
    ++i;
    CurrentAlpha = std::max(0.0, CurrentAlpha - AlphaStep);
    const int alpha = static_cast<int>(RoundHalfEven(CurrentAlpha));
    if (AnimType == watZoom) {
        DstBmp = ZoomFrame(SrcBmp, l, t, r, b);
        Window->UpdateLayered(DstBmp, alpha);
        l += dx;
        t += dy;
        r -= dx;
        b -= dy;
    } else {
        Window->SetConstantAlpha(alpha);
    }
    if (i > StepCount) Finish();
}

void StartHideAnimation(TLayeredWindow* window, const Bitmap32& picture, int time, int mode, int startAlpha) {
    const int steps = time / static_cast<int>(kStepMilliseconds);
    if (window == nullptr) return;
    if (steps <= 0 || picture.Empty() || !LayeredWindowsAvailable()) {
        delete window;
        return;
    }
    if (Timer == nullptr) Timer = new HideAnimationTimer();
    Timer->Begin(window, picture, steps, mode, startAlpha);
    window->UpdateLayered(picture, startAlpha);
    window->SetTopmost(true);
    window->ShowWithoutActivation();
    Timer->Step();
    if (ApplicationTerminating()) {
        // No event loop will run the ticks: the steps run here.
        while (Timer->Animating()) {
            QThread::msleep(kStepMilliseconds);
            Timer->Step();
        }
        return;
    }
    if (Timer->Animating()) Timer->SetEnabled(true);
}

HideAnimationTimer* HideAnimation() { return Timer; }

void FreeHideAnimation() {
    delete Timer;
    Timer = nullptr;
}
