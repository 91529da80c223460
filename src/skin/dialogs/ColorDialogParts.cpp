// The colour dialog's panel and shape.
#include "ColorDialogParts.h"

#include <QMouseEvent>
#include <QPainter>

#include "skin/binding/ControlKinds.h"
#include "platform/SystemMetrics.h"

TColorAreaPanel::TColorAreaPanel(QWidget* parent)
    : QWidget(parent), SkinData(this, this, ckPanel, false, QStringLiteral("CHECKBOX")) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TColorAreaPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (OnPaint) OnPaint(painter);
}

void TColorAreaPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && OnMouseDown) OnMouseDown(event);
}

void TColorAreaPanel::mouseMoveEvent(QMouseEvent* event) {
    if (OnMouseMove) OnMouseMove(event);
}

void TColorAreaPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && OnMouseUp) OnMouseUp(event);
}

bool TColorAreaPanel::event(QEvent* event) { return HandleSkinEvent(SkinData, event) || QWidget::event(event); }

TShape::TShape(QWidget* parent) : QWidget(parent) {}

void TShape::SetBrushColor(TColor color) {
    BrushColor_ = color;
    update();
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(BrushColor_));
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
