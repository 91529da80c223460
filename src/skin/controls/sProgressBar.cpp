// TsProgressBar: PaintBar, BuildBarCache, the marquee timer and the bar's skin commands.
#include "sProgressBar.h"

#include <QPaintEvent>

#include "skin/binding/ControlKinds.h"
#include "skin/binding/ParentBackground.h"
#include "skin/binding/RepaintPath.h"
#include "skin/manager/SkinCommands.h"
#include "skin/paint/ControlFace.h"

namespace {
constexpr int kMarqueeIntervalMs = 30;
}  // namespace

TsProgressBar::TsProgressBar(QWidget* parent)
    : QProgressBar(parent), SkinData(this, this, ckProgressBar, false, QStringLiteral("GAUGE")) {
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
    Marquee_.setInterval(kMarqueeIntervalMs);
    connect(&Marquee_, &QTimer::timeout, this, [this] { MarqueeTick(); });
    // Qt repaints a new value only where its own bar would change.
    connect(this, &QProgressBar::valueChanged, this, [this] {
        if (SkinData.IsSkinned()) update();
    });
}

void TsProgressBar::SetPosition(int value) {
    // Positions outside the range are clamped rather than ignored.
    setValue(qBound(minimum(), value, maximum()));
}

void TsProgressBar::SetStyle(TProgressBarStyle value) {
    Style_ = value;
    LastBlocks_ = -1;
    UpdateMarqueeTimer();
    update();
}

void TsProgressBar::UpdateMarqueeTimer() {
    if (Style_ == pbstMarquee && SkinData.IsSkinned())
        Marquee_.start();
    else
        Marquee_.stop();
}

TsBarLayout TsProgressBar::Layout() const {
    TsBarSettings s;
    s.Width = width();
    s.Height = height();
    s.BorderWidth = BorderWidth_;
    s.Vertical = Orientation_ == pbVertical;
    s.Smooth = Smooth_;
    s.Marquee = Style_ == pbstMarquee;
    s.Min = minimum();
    s.Max = maximum();
    s.Position = value();
    s.MarqueePosition = MarqueePosition_;
    return LayoutBar(s);
}

bool TsProgressBar::BuildBarCache() {
    const TsBarLayout layout = Layout();
    const Bitmap32* cache = SkinData.CacheBitmap.get();
    if (Style_ != pbstMarquee && !Smooth_ && cache != nullptr && cache->Width() == width() &&
        cache->Height() == height()) {
        if (layout.FilledBlocks == LastBlocks_ && value() - minimum() != maximum()) return false;
        LastBlocks_ = layout.FilledBlocks;
    }
    SkinData.EnsureCache();
    Bitmap32& target = *SkinData.CacheBitmap;
    // The trough: the bar's own section over the parent background.
    BackgroundInfo parentBg;
    SkinData.ParentBackgroundFor(parentBg);
    PaintControlFace(SkinData, parentBg, 0, target, {x(), y()}, {0, 0, target.Width(), target.Height()});
    const SkinModel* model = SkinData.Model();
    if (model == nullptr || layout.Blocks.empty()) return true;
    const QString name = !ProgressSkin.isEmpty() ? ProgressSkin.toUpper()
                         : Orientation_ == pbVertical ? QStringLiteral("PROGRESSV")
                                                      : QStringLiteral("PROGRESSH");
    const SectionBinding fill = BindSection(*model, name.toStdString());
    if (fill.SectionIndex < 0) return true;
    // The filled part lies over the trough just painted.
    BackgroundInfo under;
    under.Bitmap = &target;
    under.HasBitmap = true;
    for (const TRect& r : layout.Blocks) {
        if (RectEmpty(r)) continue;
        Bitmap32 block(r.Width(), r.Height());
        PaintControlFace(fill, under, 0, block, {r.Left, r.Top}, {0, 0, r.Width(), r.Height()});
        target.Paste(block, r.Left, r.Top);
    }
    return true;
}

void TsProgressBar::paintEvent(QPaintEvent* event) {
    if (!SkinData.IsSkinned()) {
        QProgressBar::paintEvent(event);
        return;
    }
    if (width() <= 0 || height() <= 0) return;
    // The bar never marks its cache current: every paint goes through BuildBarCache.
    if (!OpenSkinnedPaint(SkinData)) return;
    BuildBarCache();
    // The trough's rounded corners show the parent as it is now, which may have repainted alone.
    SkinData.RefreshCorners(0);
    if (SkinData.CacheBitmap) CopyCacheToWidget(this, *SkinData.CacheBitmap, event->region());
}

void TsProgressBar::MarqueeTick() {
    if (!SkinData.IsSkinned()) {
        Marquee_.stop();
        return;
    }
    if (!isVisible()) return;
    BuildBarCache();
    repaint();
    MarqueePosition_ += MarqueeDirection_ * kMarqueeStep;
    if (State_ == pbsError) {
        if (MarqueePosition_ >= width() - kMarqueeLength - BorderWidth_ - kMarqueeStep ||
            MarqueePosition_ <= BorderWidth_)
            MarqueeDirection_ = -MarqueeDirection_;
    } else if (MarqueePosition_ >= width() - kMarqueeStep) {
        MarqueePosition_ = 0;
    }
}

bool TsProgressBar::event(QEvent* event) {
    if (TNimbrelCommandEvent* command = AsNimbrelCommand(event)) {
        switch (command->Command()) {
            case AC_SETNEWSKIN: {
                const bool handled = SkinData.HandleSkinCommand(*command);
                UpdateMarqueeTimer();
                LastBlocks_ = -1;
                return handled || QProgressBar::event(event);
            }
            case AC_REMOVESKIN: {
                Marquee_.stop();
                const bool handled = SkinData.HandleSkinCommand(*command);
                update();
                return handled || QProgressBar::event(event);
            }
            case AC_REFRESH: {
                const bool handled = SkinData.HandleSkinCommand(*command);
                update();
                LastBlocks_ = -1;
                return handled || QProgressBar::event(event);
            }
            case AC_RESUME:
                if (SkinData.PaintingSuspended) SkinData.PaintingSuspended = false;
                return true;
            case AC_GETBACKGROUND:
                if (auto* request = command->Data<BackgroundRequest>(); request != nullptr && SkinData.CacheBitmap) {
                    request->Kind = 2;
                    request->Bitmap = SkinData.CacheBitmap.get();
                    request->OffsetX = 0;
                    request->OffsetY = 0;
                    return true;
                }
                break;
            default: break;
        }
        return SkinData.HandleSkinCommand(*command) || QProgressBar::event(event);
    }
    switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize: LastBlocks_ = -1; break;
        default: break;
    }
    return HandleSkinEvent(SkinData, event) || QProgressBar::event(event);
}
