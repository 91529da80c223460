// The geometry of a skinned frame: border and caption metrics, the icon, the caption buttons, the caption
// text rectangle and the hit test, computed from the window's style and the skin.
#pragma once

#include <array>
#include <vector>

#include "core/Rect.h"
#include "platform/Forms.h"
#include "skin/model/SkinModel.h"

class TTitleButtonAnimation;

enum class TFrameWindowState { Normal, Minimized, Maximized };

/// What the frame rules read of a window.
struct TFrameWindowInfo {
    TFormBorderStyle BorderStyle = TFormBorderStyle::bsSizeable;
    TBorderIcons BorderIcons = biSystemMenu | biMinimize | biMaximize;
    /// The window style's bits, as the border style gives them (StyleFromBorderStyle).
    bool ThickFrame = true;
    bool Border = true;
    bool Caption = true;
    TFrameWindowState State = TFrameWindowState::Normal;
    /// The window had the system menu when the frame took it over.
    bool HasSystemMenu = true;
    bool MdiChild = false;
    bool ShowAppIcon = true;
    int TitleIconWidth = 0;
    int TitleIconHeight = 0;
    /// A main menu that is shown in the window's menu line.
    bool MenuShown = false;
    /// The window has maximum size constraints.
    bool MaxConstraints = false;
    int Width = 0;
    int Height = 0;
    /// The frame rules of an unowned system dialog instead of a form's.
    bool DialogFrame = false;
    /// Size grip drawn (GripMode gmRightBottom on a sizeable window that is not maximized).
    bool GripShown = false;
};

/// Sets the style bits of the info from its border style (a border and caption for every style but
/// bsNone, the thick frame for the sizeable ones).
void StyleFromBorderStyle(TFrameWindowInfo& info);

enum TFrameButtonIndex { fbMinimize = 0, fbMaximize = 1, fbClose = 2, fbHelp = 3 };

/// One caption button: its state and picture, its rectangle in window coordinates, its glow and
/// animation, and the hit code it answers.
struct TFrameButton {
    int State = 0;  // 0 normal, 1 hot, 2 pressed
    int ImageIndex = -1;
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool BigImage = false;
    int GlowHandle = -1;
    TTitleButtonAnimation* Animation = nullptr;
    int HitCode = 0;
    // What the window's style makes of the button.
    bool Visible = false;
    bool Enabled = false;

    TRect Rect() const { return {Left, Top, Right, Bottom}; }
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
};

/// A user caption button as the layout sees it.
struct TUserButtonInfo {
    bool Visible = true;
    bool Enabled = true;
};

/// Border width: the thick frame's metric, else the dialog frame's with a border, else 0.
int FrameBorderWidth(const TFrameWindowInfo& info);
/// Caption height: 0 without a caption (unless minimized); the small caption for tool windows.
int FrameCaptionHeight(const TFrameWindowInfo& info);

/// The frame of one window: recomputed whenever the window, its state or the skin changes.
class TFrameLayout {
public:
    /// Computes everything; the buttons' State, GlowHandle and Animation are kept.
    void Update(const TFrameWindowInfo& info, const SkinModel& model, int captionSectionIndex,
                const std::vector<TUserButtonInfo>& userButtons = {});

    const TFrameWindowInfo& Info() const { return Info_; }
    int BorderWidth = 0;
    int CaptionHeight = 0;
    int MenuHeight = 0;
    bool IconShown = false;
    TRect Icon;
    std::array<TFrameButton, 4> Buttons;
    std::vector<TFrameButton> UserButtons;
    int ButtonGroupWidth = 0;
    /// The caption text's rectangle before the text's height centres it vertically.
    TRect CaptionRect;
    /// The mask index of user buttons' background ("TITLEBUTTON"), -1 none.
    int TitleButtonMask = -1;

    /// Height of the title band and the menu line together: the client's top.
    int NonClientTop() const { return BorderWidth + CaptionHeight + MenuHeight; }
    bool HasAnyButton() const;
    /// The leftmost visible caption button's left edge, or the width when none is visible.
    int ButtonsLeft() const;
    /// The button of a hit code (8, 9, 20, 21 or 1000 + i), or null.
    TFrameButton* ButtonByHitCode(int code);
    const TFrameButton* ButtonByHitCode(int code) const;

    /// Whether maximizing is enabled, or the window is maximized and restoring is allowed.
    bool MaximizeEnabled() const;
    /// The hit code of a point in window coordinates (caption buttons, sizing edges, title band,
    /// menu line, grip, client), gripPicture: the grip image's top-left corner.
    int HitTest(int x, int y, TPoint gripCorner = {-1, -1}) const;

private:
    void ChoosePictures(const SkinModel& model);
    void Place(const SkinModel& model);
    int ButtonWidth(const SkinModel& model, int imageIndex) const;

    TFrameWindowInfo Info_;
};

/// The cell width of a picture: its own bitmap's (or its source rectangle's) width divided by its
/// state count; 21 without a picture.
int TitleButtonCellWidth(const SkinModel& model, int maskIndex);
/// The cell height of a picture (its source height over the mask layout's halves); 21 without one.
int TitleButtonCellHeight(const SkinModel& model, int maskIndex);
