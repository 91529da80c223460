// TsBevel.
#include "sBevel.h"

TsBevel::TsBevel(QWidget* parent) : QFrame(parent), SkinData(QStringLiteral("")) {
    // A bevel only decorates: clicks go to what lies under it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    UpdateFrame();
}

void TsBevel::SetShape(TBevelShape shape) {
    Shape_ = shape;
    UpdateFrame();
}

void TsBevel::SetStyle(TBevelStyle style) {
    Style_ = style;
    UpdateFrame();
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

bool TsBevel::event(QEvent* event) { return SkinData.Handle(this, event) || QFrame::event(event); }
