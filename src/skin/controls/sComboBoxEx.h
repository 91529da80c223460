// TsCustomComboBoxEx: the skinned drop-down list whose face and rows the control draws itself.
#pragma once

#include <functional>
#include <memory>

#include <QComboBox>
#include <QRect>

#include "skin/binding/SkinnedControl.h"
#include "skin/binding/sBoundLabel.h"
#include "skin/binding/sCommonData.h"
#include "core/Color.h"

class TsComboListSkin;

/// What a row or the face is drawn as: the platform's per-item draw states, translated.
enum TOwnerDrawStateFlag : unsigned {
    odSelected = 1u << 0,      // selected or hot-lit
    odFocused = 1u << 1,       // has the focus
    odDisabled = 1u << 2,      // the control is disabled
    odComboBoxEdit = 1u << 3,  // the closed box's own face rather than a row of the list
};
using TOwnerDrawState = unsigned;

class TsCustomComboBoxEx : public QComboBox, public TsSkinnedControl {
    Q_OBJECT
public:
    explicit TsCustomComboBoxEx(QWidget* parent = nullptr);
    ~TsCustomComboBoxEx() override;

    TsCtrlSkinData SkinData;
    TsBoundLabel BoundLabel;

    TsDisabledKind DisabledKind() const override { return DisabledKind_; }
    void SetDisabledKind(TsDisabledKind value);
    /// Whether the face shows the drop-down button.
    bool ShowButton() const { return ShowButton_; }
    void SetShowButton(bool value);
    /// The selection cannot be changed: keys that move it, typed characters and the list are ignored.
    bool ReadOnly = false;
    int DropDownCount() const { return maxVisibleItems(); }
    /// The height of a row of the dropped-down list.
    int ItemHeight() const { return ItemHeight_; }
    void SetItemHeight(int value);
    TColor Color() const { return Color_; }
    void SetColor(TColor color);
    TColor FontColor() const { return FontColor_; }
    void SetFontColor(TColor color);

    /// Called after a user's pick (not for a cancelled custom colour).
    std::function<void(QObject*)> OnSelect;
    std::function<void(QObject*)> OnDropDown;
    std::function<void(QObject*)> OnCloseUp;

    /// Set while the list is dropped down.
    bool DroppedDown() const { return DroppedDown_; }
    /// The drop-down button's rectangle on the face (at the left under right-to-left reading).
    QRect DropButtonRect() const;
    /// The state the face's item is drawn in: the face, and selected and focused while the box has
    /// the focus and is enabled.
    TOwnerDrawState FaceState() const;

    /// Draws item index (the face or a row) over rect of target; a null target means the control's
    /// cache (with a skin active). False, drawing nothing, for an index below 0 or nowhere to draw.
    virtual bool PaintListItem(int index, const QRect& rect, Bitmap32* target, TOwnerDrawState state) = 0;

    /// Drops the list down, unless read-only; a skinned box wraps its list window first.
    void showPopup() override;
    /// The list closes: a pick that follows counts as chosen from the list.
    void hidePopup() override;

    // --- The binding and the repaint path ---------------------------------------------------------
    TsCommonData& SkinBinding() override { return SkinData; }
    TColor OwnerColor() const override { return Color_; }
    void SetOwnerColor(TColor color) override { SetColor(color); }
    TColor OwnerFontColor() const override { return FontColor_; }
    void SetOwnerFontColor(TColor color) override { SetFontColor(color); }
    /// The face over the whole control, then the drop-down button and its arrow.
    void PaintFace(Bitmap32& cache, const BackgroundInfo& bg, int state) override;
    /// The selected item on the face, left of the button.
    void PaintContent(Bitmap32& cache, QPainter& painter, int state) override;

    /// The skin's wrapper of the dropped-down list window, while the box is skinned and has dropped
    /// its list down once; null otherwise.
    TsComboListSkin* ListSkin() const { return ListSkin_.get(); }
    /// Gives the list window its plain frame back (the skin was removed).
    void ReleaseListSkin();

protected:
    /// For descendants with their own kind code.
    TsCustomComboBoxEx(QWidget* parent, int kind);

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    /// The user picked item index from the list or by key; the base fires OnSelect.
    virtual void ItemActivated(int index);
    /// The list closed (the close-up notification).
    virtual void ClosedUp() {}

private:
    void PaintPlain();
    void SetDroppedDown(bool value);

    TsDisabledKind DisabledKind_ = dkBlended;
    bool ShowButton_ = true;
    int ItemHeight_ = 16;
    TColor Color_ = clWindow;
    TColor FontColor_ = clWindowText;
    bool DroppedDown_ = false;
    std::unique_ptr<TsComboListSkin> ListSkin_;
};
