// TsBevel.
#include "sBevel.h"

#include "binding/ControlKinds.h"

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

void TsBevel::UpdateSection() {
    SkinData.SetSkinSection(SectionFor(Shape_, Style_));
    SkinData.CacheInvalid = true;
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

bool TsBevel::event(QEvent* event) { return HandleSkinEvent(SkinData, event) || QFrame::event(event); }
