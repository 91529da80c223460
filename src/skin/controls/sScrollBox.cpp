// TsScrollBox and its skinned panel.
#include "sScrollBox.h"

#include <QPaintEvent>
#include <QPainter>

#include "skin/binding/ControlKinds.h"
#include "skin/binding/RepaintPath.h"

TsScrollBoxPanel::TsScrollBoxPanel(QWidget* parent, const QString& section)
    : QWidget(parent), SkinData(this, this, ckPanel, false, section) {}

bool TsScrollBoxPanel::event(QEvent* event) { return HandleSkinEvent(SkinData, event) || QWidget::event(event); }

void TsScrollBoxPanel::paintEvent(QPaintEvent* event) {
    if (PaintSkinnedControl(*this, event)) return;
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
}

TsScrollBox::TsScrollBox(QWidget* parent, const QString& section)
    : QScrollArea(parent), Panel_(new TsScrollBoxPanel(nullptr, section)) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(true);
    setWidget(Panel_);
}
