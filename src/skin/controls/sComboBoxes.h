// TsCustomColorBox and TsColorBox: a drop-down list of named colours with a "Custom..." item.
#pragma once

#include <functional>
#include <vector>

#include "sComboBoxEx.h"

enum TsColorBoxStyles : unsigned {
    cbStandardColors = 1u << 0,
    cbExtendedColors = 1u << 1,
    cbSystemColors = 1u << 2,
    cbIncludeNone = 1u << 3,
    cbIncludeDefault = 1u << 4,
    cbCustomColor = 1u << 5,
    cbPrettyNames = 1u << 6,
    cbCustomColors = 1u << 7,
    cbSavedColors = 1u << 8,
};
using TsColorBoxStyle = unsigned;

/// One item of the list: its text and colour.
struct TsColorItem {
    QString Text;
    TColor Color = clBlack;
};

class TsCustomColorBox : public TsCustomComboBoxEx {
    Q_OBJECT
public:
    explicit TsCustomColorBox(QWidget* parent = nullptr);

    TsColorBoxStyle Style() const { return Style_; }
    /// Enables the box only with a colour group or the custom item; rebuilds the items.
    void SetStyle(TsColorBoxStyle style);
    /// The selected item's colour; 0xFF000000 when nothing is selected.
    TColor Selected() const;
    void SetSelected(TColor value);
    /// Whether the closed box shows the name beside the swatch.
    bool ShowColorName = true;
    TColor DefaultColorColor = clBlack;
    TColor NoneColorColor = clBlack;
    /// The swatch's extra inset on the face; at most half the control's height.
    int Margin() const { return Margin_; }
    void SetMargin(int value);

    /// With cbCustomColors: adds or changes items at the end of every rebuild.
    std::function<void(TsCustomColorBox* sender, std::vector<TsColorItem>& items)> OnCollectColors;

    TColor ItemColor(int index) const;
    void RebuildColorItems();
    void AddColorItem(const char* identifier);
    /// Runs the colour dialog for the custom item; true when the user confirmed.
    bool RunCustomColorDialog();

    /// Draws item index: its swatch and (unless the face hides it) its name.
    bool PaintListItem(int index, const QRect& rect, Bitmap32* target, TOwnerDrawState state) override;

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void ItemActivated(int index) override;
    void ClosedUp() override { ClosedUp_ = true; }

private:
    void InsertItem(int index, const QString& text, TColor color);
    void SetItemColor(int index, TColor color);
    TColor SwatchColor(TColor color) const;

    TsColorBoxStyle Style_ = cbStandardColors | cbExtendedColors | cbSystemColors;
    TColor StoredSelected_ = clBlack;
    int Margin_ = 0;
    bool ClosedUp_ = false;
};

class TsColorBox : public TsCustomColorBox {
    Q_OBJECT
public:
    explicit TsColorBox(QWidget* parent = nullptr) : TsCustomColorBox(parent) {}
};

/// The swatch's frame: grey on light colours; on dark ones white when selected, else the colour
/// itself, so that the swatch always has an edge.
TColor ContrastFrameColor(TColor color, bool selected);
