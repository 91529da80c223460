// TsBevel: the section by shape and style, the strips from the cache and the bevel's skin commands.
#include "sBevel.h"

#include <QPaintEvent>
#include <QPainter>

#include "skin/binding/ControlKinds.h"
#include "skin/binding/RepaintPath.h"
#include "platform/BitmapView.h"
#include "platform/QtRects.h"
#include "skin/manager/SkinCommands.h"

namespace {
constexpr int kStrip = 3;
}  // namespace

TsBevel::TsBevel(QWidget* parent)
    : QFrame(parent), SkinData(this, this, ckBevel, true, SectionFor(TBevelShape::bsBox, TBevelStyle::bsLowered)) {
    // The bevel paints on its parent's surface: the skin engine treats it as windowless.
    SkinData.Windowless = true;
    // A bevel only decorates: clicks go to what lies under it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    UpdateFrame();
}

void TsBevel::SetShape(TBevelShape shape) {
    Shape_ = shape;
    UpdateFrame();
    UpdateSection();
}

void TsBevel::SetStyle(TBevelStyle style) {
    Style_ = style;
    UpdateFrame();
    UpdateSection();
}

QString TsBevel::SectionFor(TBevelShape shape, TBevelStyle style) {
    if (shape == TBevelShape::bsFrame) return QStringLiteral("GROUPBOX");
    return style == TBevelStyle::bsRaised ? QStringLiteral("PANEL") : QStringLiteral("PANEL_LOW");
}

std::vector<TRect> TsBevel::Strips(TBevelShape shape, int width, int height) {
    const int w = width, h = height, s = kStrip;
    switch (shape) {
        case TBevelShape::bsBox:
        case TBevelShape::bsFrame: return {{0, 0, w, s}, {0, h - s, w, h}, {0, s, s, h - s}, {w - s, s, w, h - s}};
        case TBevelShape::bsTopLine: return {{s, 0, w - s, s}};
        case TBevelShape::bsBottomLine: return {{s, h - s, w - s, h}};
        case TBevelShape::bsLeftLine: return {{0, s, s, h - s}};
        case TBevelShape::bsRightLine: return {{w - s, s, w, h - s}};
        case TBevelShape::bsSpacer: break;
    }
    return {};
}

void TsBevel::UpdateSection() {
    SkinData.SetSkinSection(SectionFor(Shape_, Style_));
    SkinData.CacheInvalid = true;
    update();
}

void TsBevel::UpdateFrame() {
    QFrame::Shape shape = QFrame::Box;
    switch (Shape_) {
        case TBevelShape::bsBox:
        case TBevelShape::bsFrame: shape = QFrame::Box; break;
        case TBevelShape::bsTopLine:
        case TBevelShape::bsBottomLine: shape = QFrame::HLine; break;
        case TBevelShape::bsLeftLine:
        case TBevelShape::bsRightLine: shape = QFrame::VLine; break;
        case TBevelShape::bsSpacer: shape = QFrame::NoFrame; break;
    }
    setFrameShape(shape);
    setFrameShadow(Style_ == TBevelStyle::bsLowered ? QFrame::Sunken : QFrame::Raised);
}

void TsBevel::paintEvent(QPaintEvent* event) {
    if (!SkinData.IsSkinned()) {
        QFrame::paintEvent(event);
        return;
    }
    if (SkinData.IsPaintingSuspended() || TsCommonData::GlobalPaintingOff()) return;
    if (SkinData.CacheInvalid || !SkinData.CacheBitmap) RebuildSkinCache(*this);
    const Bitmap32& cache = *SkinData.CacheBitmap;
    if (cache.Empty()) return;
    QRegion strips;
    for (const TRect& r : Strips(Shape_, width(), height()))
        if (!RectEmpty(r)) strips += ToQRect(r);
    QPainter painter(this);
    painter.setClipRegion(strips & event->region());
    painter.drawImage(0, 0, BitmapView(cache));
}

bool TsBevel::event(QEvent* event) {
    if (TNimbrelCommandEvent* command = AsNimbrelCommand(event)) {
        switch (command->Command()) {
            case AC_REMOVESKIN:
            case AC_REFRESH: {
                const bool handled = SkinData.HandleSkinCommand(*command);
                if (isVisible()) update();
                return handled || QFrame::event(event);
            }
            case AC_REPAINT:
                SkinData.PaintingSuspended = false;
                SkinData.CacheInvalid = true;
                update();
                return true;
            default: break;
        }
        return SkinData.HandleSkinCommand(*command) || QFrame::event(event);
    }
    switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            if (isVisible()) SkinData.CacheInvalid = true;
            break;
        default: break;
    }
    return HandleSkinEvent(SkinData, event) || QFrame::event(event);
}
