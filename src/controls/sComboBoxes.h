// TsColorBox: a drop-down list of named colours with a "Custom..." item.
#pragma once

#include <functional>
#include <vector>

#include <QComboBox>

#include "binding/SkinnedControl.h"
#include "binding/sCommonData.h"
#include "core/Color.h"

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

class TsColorBox : public QComboBox, public TsSkinnedControl {
    Q_OBJECT
public:
    explicit TsColorBox(QWidget* parent = nullptr);

    TsColorBoxStyle Style() const { return Style_; }
    void SetStyle(TsColorBoxStyle style);
    /// The selected item's colour; 0xFF000000 when nothing is selected.
    TColor Selected() const;
    void SetSelected(TColor value);
    bool ShowColorName = true;
    TColor DefaultColorColor = clBlack;
    TColor NoneColorColor = clBlack;
    int ItemHeight() const { return ItemHeight_; }
    void SetItemHeight(int value);
    TColor Color() const { return Color_; }
    void SetColor(TColor color);
    TColor FontColor() const { return FontColor_; }
    void SetFontColor(TColor color);
    /// The selection cannot be changed: keys that move it, typed characters and the list are ignored.
    bool ReadOnly = false;

    /// Called after a user's pick (not for a cancelled custom colour).
    std::function<void(QObject*)> OnSelect;
    /// With cbCustomColors: adds or changes items at the end of every rebuild.
    std::function<void(TsColorBox* sender, std::vector<TsColorItem>& items)> OnCollectColors;

    TColor ItemColor(int index) const;
    void RebuildColorItems();
    void AddColorItem(const char* identifier);
    /// Runs the colour dialog for the custom item; true when the user confirmed.
    bool RunCustomColorDialog();
    /// The list closes: a pick that follows counts as chosen from the list.
    void hidePopup() override;
    void showPopup() override;

    TsCtrlSkinData SkinData;
    TsCommonData& SkinBinding() override { return SkinData; }
    TColor OwnerColor() const override { return Color_; }
    void SetOwnerColor(TColor color) override { SetColor(color); }
    TColor OwnerFontColor() const override { return FontColor_; }
    void SetOwnerFontColor(TColor color) override { SetFontColor(color); }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void InsertItem(int index, const QString& text, TColor color);
    void SetItemColor(int index, TColor color);
    void ItemActivated(int index);

    TsColorBoxStyle Style_ = cbStandardColors | cbExtendedColors | cbSystemColors;
    TColor StoredSelected_ = clBlack;
    TColor Color_ = clWindow;
    TColor FontColor_ = clWindowText;
    int ItemHeight_ = 16;
    bool ClosedUp_ = false;
};
