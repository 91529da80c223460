// TsCustomColorBox: items, the selected colour and the custom colour.
#include "sComboBoxes.h"

#include <algorithm>

#include <QKeyEvent>

#include "ColorDialogLink.h"
#include "skin/binding/ControlKinds.h"
#include "sColorsPanel.h"
#include "core/ColorNames.h"
#include "core/SystemColors.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/UpwardHooks.h"

namespace {
constexpr int kColorRole = Qt::UserRole + 1;
constexpr TColor kNoSelection = 0xFF000000;
}  // namespace

TsCustomColorBox::TsCustomColorBox(QWidget* parent) : TsCustomComboBoxEx(parent, ckCustomColorBox) {
    RebuildColorItems();
}

void TsCustomColorBox::SetStyle(TsColorBoxStyle style) {
    Style_ = style;
    setEnabled((style & (cbStandardColors | cbExtendedColors | cbSystemColors | cbCustomColor)) != 0);
    RebuildColorItems();
    SkinData.Invalidate();
}

void TsCustomColorBox::SetMargin(int value) {
    Margin_ = std::clamp(value, 0, height() / 2);
    SkinData.Invalidate();
}

TColor TsCustomColorBox::ItemColor(int index) const {
    if (index < 0 || index >= count()) return kNoSelection;
    return itemData(index, kColorRole).toUInt();
}

void TsCustomColorBox::SetItemColor(int index, TColor color) {
    setItemData(index, color, kColorRole);
    // The face and the rows are drawn from the item's colour.
    SkinData.CacheInvalid = true;
    update();
}

void TsCustomColorBox::InsertItem(int index, const QString& text, TColor color) {
    insertItem(index, text);
    SetItemColor(index, color);
}

void TsCustomColorBox::AddColorItem(const char* identifier) {
    for (const ColorNameEntry& entry : ColorNameTable()) {
        if (entry.Identifier != identifier) continue;
        const std::string text = (Style_ & cbPrettyNames) ? PrettyColorName(entry.Identifier)
                                                          : std::string(entry.Identifier);
        InsertItem(count(), QString::fromStdString(text), entry.Value);
        return;
    }
}

void TsCustomColorBox::RebuildColorItems() {
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
    const auto customColors = InstalledHooks<TColorDialogLink>().CustomColors;
    if ((Style_ & cbSavedColors) && customColors != nullptr) {
        // The shared dialog's custom colours, each named by its hexadecimal text; empty slots skipped.
        for (const QString& entry : customColors())
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

TColor TsCustomColorBox::Selected() const {
    const int index = currentIndex();
    return index < 0 ? kNoSelection : ItemColor(index);
}

void TsCustomColorBox::SetSelected(TColor value) {
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
    SkinData.Invalidate();
}

bool TsCustomColorBox::RunCustomColorDialog() {
    TColor color = ColorToRGB(ItemColor(0));
    const TColorDialogLink& link = InstalledHooks<TColorDialogLink>();
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
    SkinData.Invalidate();
    return true;
}

void TsCustomColorBox::ItemActivated(int index) {
    if (ClosedUp_) {
        ClosedUp_ = false;
        if ((Style_ & cbCustomColor) && index == 0 && !RunCustomColorDialog()) return;
    }
    StoredSelected_ = Selected();
    TsCustomComboBoxEx::ItemActivated(index);
}

void TsCustomColorBox::showPopup() {
    // The custom colours may have changed in the shared dialog since the last rebuild.
    if (!ReadOnly && (Style_ & cbSavedColors)) RebuildColorItems();
    TsCustomComboBoxEx::showPopup();
}

void TsCustomColorBox::keyPressEvent(QKeyEvent* event) {
    ClosedUp_ = false;
    if (!ReadOnly && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (Style_ & cbCustomColor) && currentIndex() == 0) {
        RunCustomColorDialog();
        return;
    }
    TsCustomComboBoxEx::keyPressEvent(event);
}
