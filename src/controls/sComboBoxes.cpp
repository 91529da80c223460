// TsColorBox: items, the selected colour and the custom colour.
#include "sComboBoxes.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QWheelEvent>

#include "ColorDialogLink.h"
#include "ControlColors.h"
#include "binding/ControlKinds.h"
#include "sColorsPanel.h"
#include "core/ColorNames.h"
#include "core/SystemColors.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/SystemMetrics.h"

namespace {
constexpr int kColorRole = Qt::UserRole + 1;
constexpr TColor kNoSelection = 0xFF000000;

// Keys that would move the selection of a read-only box: space, paging, end and home, arrows, letters
// and any typed character. Enter and Escape still reach the form's default and cancel buttons.
bool MovesSelection(const QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_End ||
        key == Qt::Key_Home || key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right ||
        key == Qt::Key_Down || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return true;
    return !event->text().isEmpty() && event->text().at(0).isPrint();
}

TColor SwatchColor(TColor color, const TsColorBox& box) {
    if (color == clDefault) return box.DefaultColorColor;
    if (color == clNone) return box.NoneColorColor;
    return color;
}

/// Grey on light colours, the colour itself on dark ones, so that the swatch always has an edge.
QColor ContrastFrameColor(TColor color) {
    const QColor c = ToQColor(color);
    if (c.red() > 128 || c.green() > 128 || c.blue() > 128) return QColor(128, 128, 128);
    return c;
}
}  // namespace

TsColorBox::TsColorBox(QWidget* parent)
    : QComboBox(parent), SkinData(this, this, ckCustomColorBox, false, QStringLiteral("COMBOBOX")) {
    setEditable(false);
    setMaxVisibleItems(8);
    connect(this, qOverload<int>(&QComboBox::activated), this, &TsColorBox::ItemActivated);
    RebuildColorItems();
}

void TsColorBox::SetStyle(TsColorBoxStyle style) {
    Style_ = style;
    setEnabled((style & (cbStandardColors | cbExtendedColors | cbSystemColors | cbCustomColor)) != 0);
    RebuildColorItems();
    update();
}

void TsColorBox::SetItemHeight(int value) {
    ItemHeight_ = value;
    setIconSize(QSize(2 * (value - 2), value - 2));
    RebuildColorItems();
}

void TsColorBox::SetColor(TColor color) {
    Color_ = color;
    SetControlColor(this, color);
}

void TsColorBox::SetFontColor(TColor color) {
    FontColor_ = color;
    SetControlFontColor(this, color);
}

TColor TsColorBox::ItemColor(int index) const {
    if (index < 0 || index >= count()) return kNoSelection;
    return itemData(index, kColorRole).toUInt();
}

void TsColorBox::SetItemColor(int index, TColor color) {
    setItemData(index, color, kColorRole);
    const int h = ItemHeight_ - 2;
    QPixmap swatch(2 * h, h);
    swatch.fill(ToQColor(SwatchColor(color, *this)));
    QPainter painter(&swatch);
    painter.setPen(ContrastFrameColor(SwatchColor(color, *this)));
    painter.drawRect(0, 0, swatch.width() - 1, swatch.height() - 1);
    painter.end();
    setItemIcon(index, QIcon(swatch));
}

void TsColorBox::InsertItem(int index, const QString& text, TColor color) {
    insertItem(index, text);
    SetItemColor(index, color);
}

void TsColorBox::AddColorItem(const char* identifier) {
    for (const ColorNameEntry& entry : ColorNameTable()) {
        if (entry.Identifier != identifier) continue;
        const std::string text = (Style_ & cbPrettyNames) ? PrettyColorName(entry.Identifier)
                                                          : std::string(entry.Identifier);
        InsertItem(count(), QString::fromStdString(text), entry.Value);
        return;
    }
}

void TsColorBox::RebuildColorItems() {
    const QSignalBlocker blocker(this);
    const TColor custom = (Style_ & cbCustomColor) && count() > 0 ? ItemColor(0) : clBlack;
    const TColor selected = StoredSelected_;
    clear();
    for (const ColorNameEntry& entry : ColorNameTable()) AddColorItem(std::string(entry.Identifier).c_str());
    auto removeColor = [this](TColor color) {
        for (int i = 0; i < count(); ++i)
            if (ItemColor(i) == color) {
                removeItem(i);
                return;
            }
    };
    if (!(Style_ & cbIncludeNone)) removeColor(clNone);
    if (!(Style_ & cbIncludeDefault)) removeColor(clDefault);
    // Each step works on the indexes the previous one left.
    if (!(Style_ & cbSystemColors))
        while (count() > 20) removeItem(20);
    if (!(Style_ & cbExtendedColors))
        for (int i = 19; i >= 16; --i)
            if (i < count()) removeItem(i);
    if (!(Style_ & cbStandardColors))
        for (int i = 15; i >= 0; --i)
            if (i < count()) removeItem(i);
    if ((Style_ & cbSavedColors) && ColorDialogLink().CustomColors) {
        // The shared dialog's custom colours, each named by its hexadecimal text; empty slots skipped.
        for (const QString& entry : ColorDialogLink().CustomColors())
            if (entry != QStringLiteral("FFFFFF")) InsertItem(0, entry, ColorFromHexText(entry));
    }
    if (Style_ & cbCustomColor) InsertItem(0, QStringLiteral("Custom..."), custom);
    if ((Style_ & cbCustomColors) && OnCollectColors) {
        std::vector<TsColorItem> items;
        for (int i = 0; i < count(); ++i) items.push_back({itemText(i), ItemColor(i)});
        FireEvent(OnCollectColors, this, items);
        clear();
        for (const TsColorItem& item : items) InsertItem(count(), item.Text, item.Color);
    }
    SetSelected(selected);
}

TColor TsColorBox::Selected() const {
    const int index = currentIndex();
    return index < 0 ? kNoSelection : ItemColor(index);
}

void TsColorBox::SetSelected(TColor value) {
    const QSignalBlocker blocker(this);
    int found = -1;
    for (int i = 0; i < count(); ++i)
        if (ItemColor(i) == value) {
            found = i;
            break;
        }
    const bool custom = Style_ & cbCustomColor;
    if (value != clBlack) {
        if (found == -1 && custom && value != kNoSelection && count() > 0) {
            SetItemColor(0, value);
            found = 0;
        }
        setCurrentIndex(found);
    } else if (custom) {
        if (found == -1 && count() > 0) {
            SetItemColor(0, value);
            found = 0;
        }
        if (found != 0 || ItemColor(0) != value) {
            setCurrentIndex(found);
        } else {
            // Black shows as the named black item rather than as the custom one.
            setCurrentIndex(0);
            for (int i = 1; i < count(); ++i)
                if (ItemColor(i) == value) {
                    setCurrentIndex(i);
                    break;
                }
        }
    } else {
        setCurrentIndex(found);
    }
    StoredSelected_ = value;
    update();
}

bool TsColorBox::RunCustomColorDialog() {
    TColor color = ColorToRGB(ItemColor(0));
    const TColorDialogLink& link = ColorDialogLink();
    if (!(link.Run ? link.Run(this, color) : RunColorDialog(this, color))) return false;
    if (Style_ & cbSavedColors) {
        setUpdatesEnabled(false);
        RebuildColorItems();
        setUpdatesEnabled(true);
    }
    SetItemColor(0, color);
    SetSelected(color);
    {
        const QSignalBlocker blocker(this);
        setCurrentIndex(0);
    }
    update();
    return true;
}

void TsColorBox::ItemActivated(int index) {
    if (ClosedUp_) {
        ClosedUp_ = false;
        if ((Style_ & cbCustomColor) && index == 0 && !RunCustomColorDialog()) return;
    }
    StoredSelected_ = Selected();
    FireEvent(OnSelect, this);
}

void TsColorBox::hidePopup() {
    ClosedUp_ = true;
    QComboBox::hidePopup();
}

void TsColorBox::showPopup() {
    if (ReadOnly) return;
    // The custom colours may have changed in the shared dialog since the last rebuild.
    if (Style_ & cbSavedColors) RebuildColorItems();
    QComboBox::showPopup();
}

void TsColorBox::wheelEvent(QWheelEvent* event) {
    if (ReadOnly) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

void TsColorBox::keyPressEvent(QKeyEvent* event) {
    ClosedUp_ = false;
    if (ReadOnly && MovesSelection(event)) return;
    if (!ReadOnly && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (Style_ & cbCustomColor) && currentIndex() == 0) {
        RunCustomColorDialog();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void TsColorBox::paintEvent(QPaintEvent* event) {
    if (ShowColorName) {
        QComboBox::paintEvent(event);
        return;
    }
    // Without the name the face is the swatch alone, inset in the box's frame.
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    if (currentIndex() >= 0) {
        const QRect swatch = field.adjusted(1, 1, -1, -1);
        const TColor color = SwatchColor(ItemColor(currentIndex()), *this);
        painter.fillRect(swatch, ToQColor(color));
        painter.setPen(ContrastFrameColor(color));
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    }
}

bool TsColorBox::event(QEvent* event) { return HandleSkinEvent(SkinData, event) || QComboBox::event(event); }
