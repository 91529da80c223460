// Cross-fades: the frames, the fade timer of windowed controls and the animation timer of windowless ones.
#include "sFade.h"

#include <algorithm>

#include <QWidget>

#include "skin/binding/RepaintPath.h"
#include "skin/binding/SkinnedControl.h"
#include "skin/binding/sCommonData.h"
#include "skin/effects/GlowRule.h"
#include "skin/effects/ThreadedTimer.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/PixelBlends.h"

namespace {
bool FadesBlockedNow = false;
int Live = 0;
constexpr int kFadeStepMilliseconds = 10;

bool SkinChanging() { return TsSkinManager::SkinLoading() || TsSkinManager::AnimatingSkinChange(); }

int FadingIterations(const TsCommonData& data) {
    const TsGeneralData* section = data.Section();
    return section != nullptr ? section->FadingIterations : 0;
}

bool FadingEnabled(const TsCommonData& data) {
    const TsGeneralData* section = data.Section();
    return section != nullptr && section->FadingEnabled;
}
}  // namespace

bool FadingBlocked() { return FadesBlockedNow; }
void SetFadingBlocked(bool blocked) { FadesBlockedNow = blocked; }
int LiveFadeTimers() { return Live; }

int FadeAlpha(int fadeLevel, int iterations) {
    if (iterations == 0) return 0;
    return std::clamp(255 - fadeLevel * 256 / iterations, 0, 255);
}

Bitmap32 FadeFrame(const Bitmap32& from, const Bitmap32& to, int alpha) {
    Bitmap32 frame = from;
    if (from.Width() == to.Width() && from.Height() == to.Height())
        BlendBitmap(frame, to, alpha, {0, 0}, {0, 0, to.Width(), to.Height()});
    return frame;
}

// --- TsFadeTimer ------------------------------------------------------------------------------------

TsFadeTimer::TsFadeTimer(QWidget* owner) : QTimer(owner), Owner_(owner) {
    ++Live;
    setInterval(kFadeStepMilliseconds);
    connect(this, &QTimer::timeout, this, &TsFadeTimer::OnTick);
}

TsFadeTimer::~TsFadeTimer() {
    Destroying_ = true;
    --Live;
}

void TsFadeTimer::SetEnabled(bool enabled) {
    if (enabled)
        start();
    else
        stop();
}

bool TsFadeTimer::OwnerAlive() const {
    // The binding lives as long as its control: a control still there has it.
    return OwnerData != nullptr && !Owner_.isNull() && !OwnerData->Destroying();
}

bool TsFadeTimer::Finished() {
    if (!OwnerAlive() || ApplicationTerminating()) {
        Direction = 0;
        return false;
    }
    if (FadeLevel >= 0 && FadeLevel <= Iterations) return false;
    SendNimbrelCommand(Owner_, MakeNimbrelParam(AC_STOPFADING));
    return true;
}

void TsFadeTimer::Step() {
    if (!OwnerAlive() || Iterations == 0 || FadingBlocked()) return;
    QWidget* owner = Owner_;
    if (!owner->isEnabled()) {
        stop();
        Iterations = 0;
        OwnerData->AnimationFrame = nullptr;
        OwnerData->Invalidate();
        return;
    }
    const Bitmap32* cache = OwnerData->CacheBitmap.get();
    Frame_ = FadeFrame(BmpFrom, cache != nullptr ? *cache : Bitmap32(), FadeAlpha(FadeLevel, Iterations));
    // The control may draw the frame itself; otherwise its paint shows the frame instead of the cache.
    if (SendNimbrelCommand(owner, MakeNimbrelParam(AC_FRAMEREADY), reinterpret_cast<intptr_t>(&Frame_)) == 0) {
        OwnerData->AnimationFrame = &Frame_;
        owner->repaint();
    }
    ++FadeLevel;
}

void TsFadeTimer::OnTick() {
    if (OwnerData == nullptr || Destroying_ || FadingBlocked()) return;
    // The owner frees this timer when it is told the fade is over.
    QPointer<TsFadeTimer> self(this);
    if (Finished() || !self) return;
    if (Direction == 1 || Direction == 2) Step();
}

void StopFade(TsFadeTimer*& timerSlot, TsCommonData& binding) {
    TsFadeTimer* timer = timerSlot;
    if (timer == nullptr || timer->Destroying()) return;
    timer->stop();
    timer->Direction = 0;
    timerSlot = nullptr;
    if (binding.AnimationFrame == &timer->Frame()) {
        binding.AnimationFrame = nullptr;
        if (binding.OwnerControl != nullptr) binding.OwnerControl->update();  // from the cache again
    }
    delete timer;
}

void StartFade(TsFadeTimer*& timerSlot, TsCommonData& binding, bool quick, int direction, bool animate) {
    if (!binding.IsSkinned()) return;
    QWidget* owner = binding.OwnerControl;
    const bool cacheReady = binding.CacheBitmap != nullptr && !binding.CacheBitmap->Empty() && !binding.CacheInvalid;
    if (!animate || SkinChanging() || !FadingEnabled(binding) || FadingBlocked() || !cacheReady || owner == nullptr) {
        binding.CacheInvalid = true;
        StopFade(timerSlot, binding);
        if (owner != nullptr) owner->repaint();
        UpdateGlow(binding, quick);
        return;
    }
    binding.CacheInvalid = true;

    const int iterations = FadingIterations(binding);
    const uint8_t previousDirection = timerSlot != nullptr ? timerSlot->Direction : 0;
    if (timerSlot != nullptr) {
        timerSlot->FadeLevel = iterations;
    } else {
        timerSlot = new TsFadeTimer(owner);
    }
    TsFadeTimer& timer = *timerSlot;
    timer.OwnerData = &binding;
    if (binding.CacheInvalid && (binding.CacheBitmap == nullptr || binding.CacheBitmap->Empty()))
        SendNimbrelCommand(owner, MakeNimbrelParam(AC_PREPARECACHE));
    // The look before the change: a restart takes the previous target look, not a blended frame.
    timer.BmpFrom = binding.CacheBitmap != nullptr ? *binding.CacheBitmap : Bitmap32();
    timer.setInterval(kFadeStepMilliseconds);
    if (previousDirection == 1)
        timer.Iterations = timer.FadeLevel;
    else if (previousDirection == 2)
        timer.Iterations = iterations - timer.FadeLevel;
    else
        timer.Iterations = iterations;
    if (quick) timer.Iterations /= 2;
    if (timer.FadeLevel >= timer.Iterations || timer.FadeLevel <= 0) timer.FadeLevel = 1;
    SendNimbrelCommand(owner, MakeNimbrelParam(AC_PREPARECACHE));  // the cache takes the new look
    timer.Direction = static_cast<uint8_t>(direction);
    timer.SetEnabled(timer.Direction != 0);
    UpdateGlow(binding, quick);
}

// --- TsAnimTimer ------------------------------------------------------------------------------------

TsAnimTimer::TsAnimTimer(TsCommonData& binding)
    : QTimer(binding.OwnerControl), OwnerData(&binding), Owner_(binding.OwnerControl) {
    ++Live;
    setInterval(kFadeStepMilliseconds);
    connect(this, &QTimer::timeout, this, &TsAnimTimer::OnTick);
}

TsAnimTimer::~TsAnimTimer() {
    Destroying_ = true;
    --Live;
}

void TsAnimTimer::SetEnabled(bool enabled) {
    if (enabled)
        start();
    else
        stop();
}

bool TsAnimTimer::OwnerAlive() const {
    return OwnerData != nullptr && !Owner_.isNull() && !OwnerData->Destroying();
}

void TsAnimTimer::Step() {
    if (FadeInProcess || !OwnerAlive() || Iterations == 0 || FadeLevel < 0) return;
    FadeInProcess = true;
    const Bitmap32* cache = OwnerData->CacheBitmap.get();
    TmpBmp = FadeFrame(BmpFrom, cache != nullptr ? *cache : Bitmap32(), FadeAlpha(FadeLevel, Iterations));
    OwnerData->AnimationFrame = &TmpBmp;
    QPointer<TsAnimTimer> self(this);
    QWidget* owner = Owner_;
    SendNimbrelCommand(owner, MakeNimbrelParam(AC_SETSUSPENDED, 0));
    // A control that does not repaint itself on the command is repainted here, from the frame.
    if (self && SendNimbrelCommand(owner, MakeNimbrelParam(AC_REPAINT)) == 0 && self && !Owner_.isNull())
        owner->repaint();
    if (self) FadeInProcess = false;
}

void TsAnimTimer::OnTick() {
    if (Destroying_ || !OwnerAlive() || ApplicationTerminating()) {
        stop();
        return;
    }
    QPointer<TsAnimTimer> self(this);
    if (FadeLevel < 0 || FadeLevel > Iterations) {
        SendNimbrelCommand(Owner_, MakeNimbrelParam(AC_STOPFADING));
        return;
    }
    Step();
    if (self) ++FadeLevel;
}

void StopAnim(TsAnimTimer*& timerSlot) {
    TsAnimTimer* timer = timerSlot;
    if (timer == nullptr || timer->Destroying()) return;
    timer->stop();
    timerSlot = nullptr;
    TsCommonData* data = timer->OwnerData;
    if (data != nullptr && data->AnimationFrame == &timer->TmpBmp) {
        data->AnimationFrame = nullptr;
        if (data->OwnerControl != nullptr) data->OwnerControl->update();
    }
    delete timer;
}

void StartAnim(TsAnimTimer*& timerSlot, TsSkinnedControl& control, bool quick, const std::function<void()>& updateState) {
    TsCommonData& data = control.SkinBinding();
    int startLevel = 1;
    if (timerSlot != nullptr) {
        startLevel = timerSlot->Iterations - timerSlot->FadeLevel;
        StopAnim(timerSlot);
    }
    if (!data.IsSkinned() || !FadingEnabled(data) || FadingBlocked() || data.OwnerControl == nullptr) {
        if (updateState) updateState();
        data.Invalidate();
        return;
    }
    auto* timer = new TsAnimTimer(data);
    timerSlot = timer;
    timer->Iterations = FadingIterations(data);
    if (quick) timer->Iterations /= 2;
    timer->FadeLevel = startLevel;
    RebuildSkinCache(control);  // the look now
    timer->BmpFrom = data.CacheBitmap != nullptr ? *data.CacheBitmap : Bitmap32();
    if (updateState) updateState();
    RebuildSkinCache(control);  // the new look
    data.RefreshCorners(control.PaintState());
    timer->SetEnabled(true);
    timer->Step();
}
