// TsColorsPanel: cell layout, hit test, selection, painting and the hexadecimal colour texts.
#include "sColorsPanel.h"

#include <algorithm>

#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QStyleOptionFocusRect>

#include "skin/binding/ControlKinds.h"
#include "skin/binding/RepaintPath.h"
#include "platform/BitmapView.h"
#include "core/SystemColors.h"
#include "platform/Application.h"
#include "platform/SystemMetrics.h"

TColor ColorFromHexText(const QString& text) {
    QString digits = text;
    const qsizetype end = digits.indexOf(QRegularExpression(QStringLiteral("[ \\r\\n]")));
    if (end >= 0) digits.truncate(end);
    if (digits.endsWith(QLatin1Char('H')) || digits.endsWith(QLatin1Char('h'))) digits.chop(1);
    if (digits.isEmpty()) return clBlack;
    uint32_t value = 0;
    for (const QChar c : digits) {
        const int digit = c.isDigit() ? c.digitValue()
                          : (c >= QLatin1Char('A') && c <= QLatin1Char('F')) ? c.unicode() - 'A' + 10
                          : (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ? c.unicode() - 'a' + 10
                                                                             : -1;
        if (digit < 0 || c.unicode() > 0x7F) return clBlack;
        value = (value << 4) | static_cast<uint32_t>(digit);
    }
    // Red first in the text, red in the low byte of the colour.
    return RGB(static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value));
}

QString HexTextOfColor(TColor color) {
    color = ColorToRGB(color);
    const uint32_t value = (static_cast<uint32_t>(GetRValue(color)) << 16) |
                           (static_cast<uint32_t>(GetGValue(color)) << 8) | GetBValue(color);
    return QStringLiteral("%1").arg(value, 6, 16, QLatin1Char('0')).toUpper();
}

TsColorsPanel::TsColorsPanel(QWidget* parent)
    : QWidget(parent), SkinData(this, this, ckPanel, false, QStringLiteral("CHECKBOX")) {
    setFocusPolicy(Qt::StrongFocus);
    resize(140, 60);
    BuildCells();
}

void TsColorsPanel::SetColors(const QStringList& colors) {
    Colors_ = colors;
    BuildCells();
}

void TsColorsPanel::SetColCount(int value) {
    ColCount_ = std::max(value, 0);
    BuildCells();
}

void TsColorsPanel::SetRowCount(int value) {
    RowCount_ = std::max(value, 0);
    BuildCells();
}

void TsColorsPanel::SetItemHeight(int value) {
    ItemHeight_ = value;
    BuildCells();
}

void TsColorsPanel::BuildCells() {
    const int count = RowCount_ * ColCount_;
    while (Colors_.size() < count) Colors_ << QStringLiteral("FFFFFF");
    Cells_.assign(static_cast<size_t>(count), TColorCell{});
    for (int r = 0; r < RowCount_; ++r)
        for (int k = 0; k < ColCount_; ++k) {
            const int index = r * ColCount_ + k;
            TColorCell& cell = Cells_[static_cast<size_t>(index)];
            cell.Index = index;
            cell.Color = ColorFromHexText(Colors_[index]);
            cell.Rect = QRect(ItemMargin_ + (ItemWidth_ + ItemMargin_) * k, ItemMargin_ + (ItemHeight_ + ItemMargin_) * r,
                              ItemWidth_, ItemHeight_);
            cell.Selected = index == ItemIndex_;
        }
    update();
}

int TsColorsPanel::CellAt(const QPoint& point) const {
    for (const TColorCell& cell : Cells_)
        if (cell.Rect.adjusted(-ItemMargin_, -ItemMargin_, ItemMargin_, ItemMargin_).contains(point)) return cell.Index;
    return -1;
}

int TsColorsPanel::ItemIndex() const {
    return ItemIndex_ >= 0 && ItemIndex_ < static_cast<int>(Cells_.size()) ? ItemIndex_ : -1;
}

TColor TsColorsPanel::SelectedColor() const {
    const int index = ItemIndex();
    return index < 0 ? clNone : Cells_[static_cast<size_t>(index)].Color;
}

void TsColorsPanel::SetItemIndex(int value) {
    if (value < 0 || value >= static_cast<int>(Cells_.size())) value = -1;
    if (value == ItemIndex()) return;
    ItemIndex_ = value;
    for (TColorCell& cell : Cells_) cell.Selected = cell.Index == value;
    update();
    FireEvent(OnChange, this);
}

void TsColorsPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The panel's own face first: the section's in state 0, else the window colour.
    if (SkinData.IsSkinned() && PrepareSkinnedPaint(*this))
        painter.drawImage(0, 0, BitmapView(*SkinData.CacheBitmap));
    else
        painter.fillRect(rect(), palette().window());
    for (const TColorCell& cell : Cells_) {
        painter.fillRect(cell.Rect, ToQColor(cell.Color));
        if (!cell.Selected) continue;
        // A white frame just outside the cell, a black one outside that, the focus frame further out.
        painter.setPen(Qt::white);
        painter.drawRect(cell.Rect.adjusted(-1, -1, 0, 0));
        painter.setPen(Qt::black);
        painter.drawRect(cell.Rect.adjusted(-2, -2, 1, 1));
        if (hasFocus()) {
            QStyleOptionFocusRect option;
            option.initFrom(this);
            option.rect = cell.Rect.adjusted(-4, -4, 4, 4);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
        }
    }
}

void TsColorsPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        SetItemIndex(CellAt(event->position().toPoint()));
    }
    QWidget::mousePressEvent(event);
}

void TsColorsPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) FireEvent(OnDblClick, this);
    QWidget::mouseDoubleClickEvent(event);
}

void TsColorsPanel::focusInEvent(QFocusEvent* event) {
    if (ItemIndex() >= 0) update();
    QWidget::focusInEvent(event);
}

void TsColorsPanel::focusOutEvent(QFocusEvent* event) {
    if (ItemIndex() >= 0) update();
    QWidget::focusOutEvent(event);
}

bool TsColorsPanel::event(QEvent* event) { return HandleSkinEvent(SkinData, event) || QWidget::event(event); }
