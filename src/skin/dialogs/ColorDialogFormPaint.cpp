// TsColorDialogForm: painting of the field, the bar and its marker, and the mouse on both.
#include "ColorDialogForm.h"

#include <algorithm>

#include <QMouseEvent>
#include <QPainter>

#include "ColorDialogParts.h"
#include "core/Rounding.h"
#include "platform/CursorClip.h"
#include "platform/SystemMetrics.h"
#include "sColorDialog.h"

using namespace ColorDialogMath;

namespace {
// Global rectangle of a widget's area.
QRect GlobalRect(const QWidget* widget, const QRect& local) {
    return {widget->mapToGlobal(local.topLeft()), local.size()};
}
}  // namespace

QRect TsColorDialogForm::BarStrip() const {
    const QRect bar = GradPanel->geometry();
    return {bar.right() + 1, bar.top() - 5, std::max(Client()->width() - bar.right() - 1, 0), bar.height() + 10};
}

TColor TsColorDialogForm::BarMarkerColor() const { return SkinnedColorDialog() ? DialogSkinTextColor() : clBlack; }

void TsColorDialogForm::ColorPanelPaint(QPainter& painter) {
    painter.drawImage(0, 0, FieldPicture_);
    if (FieldDragging_) return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(Marker_.X - 5 + 0.5, Marker_.Y - 5 + 0.5, 9, 9));
}

void TsColorDialogForm::GradPanelPaint(QPainter& painter) {
    const int height = GradPanel->height();
    for (int row = 0; row < height; ++row) {
        const TColor c = BarPaintColorAt(BaseColor_, row, height);
        painter.fillRect(0, row, GradPanel->width(), 1, QColor(GetRValue(c), GetGValue(c), GetBValue(c)));
    }
}

void TsColorDialogForm::FormPaint(QPainter& painter) {
    // The bar's marker: a solid triangle pointing left, its tip one pixel right of the bar.
    const int tipX = GradPanel->geometry().right() + 2;
    const int y = GradPanel->y() + BarPosition_;
    painter.setPen(ToQColor(BarMarkerColor()));
    for (int d = -4; d <= 4; ++d) {
        const int length = 5 - std::abs(d);
        painter.drawLine(tipX + 5 - length, y + d, tipX + 4, y + d);
    }
}

void TsColorDialogForm::ColorPanelMouseDown(const QPoint& pos) {
    ColorPanel->setFocus(Qt::MouseFocusReason);
    FieldDragging_ = true;
    ColorPanelMouseMove(pos);
    ColorPanel->update();
    ClipCursor(GlobalRect(ColorPanel, ColorPanel->rect()));
}

void TsColorDialogForm::ColorPanelMouseMove(const QPoint& pos) {
    if (!FieldDragging_) return;
    const int w = ColorPanel->width(), h = ColorPanel->height();
    const int x = std::clamp(pos.x(), 0, w - 1), y = std::clamp(pos.y(), 0, h - 1);
    SetHueSat(static_cast<int>(RoundHalfEven(x * 360.0 / w)), 1 - static_cast<double>(y) / h);
}

void TsColorDialogForm::ColorPanelMouseUp() {
    ReleaseCursor();
    FieldDragging_ = false;
    ColorPanel->update();
}

void TsColorDialogForm::GradPanelMouseDown(const QPoint& pos) {
    GradPanel->setFocus(Qt::MouseFocusReason);
    BarDragging_ = true;
    GradPanelMouseMove(pos);
    const QRect strip(GradPanel->width(), 0, 8, GradPanel->height());
    ClipCursor(GlobalRect(GradPanel, strip));
}

void TsColorDialogForm::GradPanelMouseMove(const QPoint& pos) {
    if (!BarDragging_) return;
    BarPosition_ = std::clamp(pos.y(), 0, GradPanel->height() - 1);
    bool barIsSource = BarIsSource_;
    BarIsSource_ = true;
    SetCurrentColor(GradientColorAt(BarPosition_));
    BarIsSource_ = barIsSource;
    ColorPanel->update();
}

void TsColorDialogForm::GradPanelMouseUp() {
    ReleaseCursor();
    BarDragging_ = false;
}

bool TsColorDialogForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Client()) return TForm::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::Paint: {
            QPainter painter(Client());
            FormPaint(painter);
            return false;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease: {
            // The strip right of the bar drags the bar's marker.
            auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint pos = mouse->position().toPoint();
            const QRect bar = GradPanel->geometry();
            const QRect strip(bar.right() + 1, bar.top(), Client()->width() - bar.right() - 1, bar.height());
            const bool inStrip = strip.contains(pos);
            const QPoint relative = pos - bar.topLeft();
            if (event->type() == QEvent::MouseButtonPress && inStrip && mouse->button() == Qt::LeftButton) {
                GradPanelMouseDown(relative);
                return true;
            }
            if (event->type() == QEvent::MouseMove && BarDragging_) {
                GradPanelMouseMove(relative);
                return true;
            }
            if (event->type() == QEvent::MouseButtonRelease && BarDragging_ && mouse->button() == Qt::LeftButton) {
                GradPanelMouseUp();
                return true;
            }
            return false;
        }
        default: return false;
    }
}
