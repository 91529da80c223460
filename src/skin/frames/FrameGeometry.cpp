// Frame metrics, caption-button rules and placement, caption rectangle and hit test.
#include "FrameGeometry.h"

#include <algorithm>

#include "platform/SysCommands.h"
#include "platform/SystemMetrics.h"

namespace {

constexpr int kNoPictureSize = 21;
// The gap before the user buttons.
constexpr int kUserButtonGap = 8;

bool WideSpacing(const TFrameWindowInfo& info) {
    return info.BorderStyle == TFormBorderStyle::bsSingle || info.BorderStyle == TFormBorderStyle::bsSizeable;
}

int Mask(const SkinModel& model, const char* name) { return model.MaskIndexOf("GLOBALINFO", name); }

}  // namespace

void StyleFromBorderStyle(TFrameWindowInfo& info) {
    const TFormBorderStyle bs = info.BorderStyle;
    info.Border = bs != TFormBorderStyle::bsNone;
    info.Caption = bs != TFormBorderStyle::bsNone;
    info.ThickFrame = bs == TFormBorderStyle::bsSizeable || bs == TFormBorderStyle::bsSizeToolWin;
}

int FrameBorderWidth(const TFrameWindowInfo& info) {
    if (info.ThickFrame) return GetSystemMetrics(SM_CXFRAME);
    if (info.Border) return GetSystemMetrics(SM_CXDLGFRAME);
    return 0;
}

int FrameCaptionHeight(const TFrameWindowInfo& info) {
    const bool minimized = info.State == TFrameWindowState::Minimized;
    const bool captioned = minimized || ((info.BorderStyle != TFormBorderStyle::bsNone || info.MdiChild) && info.Caption);
    if (!captioned) return 0;
    const bool tool =
        info.BorderStyle == TFormBorderStyle::bsToolWindow || info.BorderStyle == TFormBorderStyle::bsSizeToolWin;
    return tool && !minimized ? GetSystemMetrics(SM_CYSMCAPTION) : GetSystemMetrics(SM_CYCAPTION);
}

int TitleButtonCellWidth(const SkinModel& model, int maskIndex) {
    const TsMaskData* mask = model.MaskAt(maskIndex);
    if (mask == nullptr) return kNoPictureSize;
    const int states = std::max<int>(1, mask->StateCount);
    if (mask->Picture && !mask->Picture->Empty() && RectEmpty(mask->SourceRect)) return mask->Picture->Width() / states;
    return mask->SourceRect.Width() / states;
}

int TitleButtonCellHeight(const SkinModel& model, int maskIndex) {
    const TsMaskData* mask = model.MaskAt(maskIndex);
    if (mask == nullptr) return kNoPictureSize;
    const int halves = std::max(0, static_cast<int>(mask->MaskLayout)) + 1;
    if (mask->Picture && !mask->Picture->Empty() && RectEmpty(mask->SourceRect)) return mask->Picture->Height() / halves;
    return mask->SourceRect.Height() / halves;
}

int TFrameLayout::ButtonWidth(const SkinModel& model, int imageIndex) const {
    return TitleButtonCellWidth(model, imageIndex);
}

void TFrameLayout::Update(const TFrameWindowInfo& info, const SkinModel& model, int captionSectionIndex,
                          const std::vector<TUserButtonInfo>& userButtons) {
    Info_ = info;
    BorderWidth = FrameBorderWidth(info);
    CaptionHeight = FrameCaptionHeight(info);
    MenuHeight = info.MenuShown ? GetSystemMetrics(SM_CYMENU) - 1 : 0;
    const TsSkinData& skin = model.SkinData;

    // Which buttons the window has.
    const bool wide = WideSpacing(info);
    const bool minimized = info.State == TFrameWindowState::Minimized;
    const bool maximized = info.State == TFrameWindowState::Maximized;
    const bool sys = info.HasSystemMenu;
    const TBorderIcons icons = info.BorderIcons;
    TFrameButton& close = Buttons[fbClose];
    TFrameButton& max = Buttons[fbMaximize];
    TFrameButton& min = Buttons[fbMinimize];
    TFrameButton& help = Buttons[fbHelp];
    close.HitCode = HTCLOSE;
    max.HitCode = HTMAXBUTTON;
    min.HitCode = HTMINBUTTON;
    help.HitCode = HTHELP;
    close.Visible = sys;
    close.Enabled = true;
    max.Visible = sys && (minimized || info.MdiChild || (wide && (icons & biMaximize)));
    max.Enabled = maximized ? (icons & biMaximize) != 0 : (icons & biMaximize) && (info.MdiChild || wide);
    min.Visible = sys && (minimized || info.MdiChild || (wide && (icons & biMinimize)));
    min.Enabled = minimized || (icons & biMinimize) != 0;
    help.Visible = sys && (icons & biHelp) != 0;
    help.Enabled = true;
    ChoosePictures(model);

    UserButtons.resize(userButtons.size());
    TitleButtonMask = Mask(model, "TITLEBUTTON");
    for (size_t i = 0; i < userButtons.size(); ++i) {
        TFrameButton& user = UserButtons[i];
        user.HitCode = 1000 + static_cast<int>(i);
        user.Visible = sys && userButtons[i].Visible;
        user.Enabled = userButtons[i].Enabled;
        user.ImageIndex = TitleButtonMask;
        user.BigImage = false;
    }

    // The group's width: the close button, the others with their spacing, the user buttons after a gap.
    const int spacing = wide ? skin.TitleButtonSpacing : 0;
    ButtonGroupWidth = skin.TitleButtonRight;
    if (close.Visible) ButtonGroupWidth += ButtonWidth(model, close.ImageIndex);
    for (const TFrameButton* other : {&max, &min, &help})
        if (other->Visible) ButtonGroupWidth += ButtonWidth(model, other->ImageIndex) + spacing;
    bool anyUser = false;
    for (const TFrameButton& user : UserButtons) {
        if (!user.Visible) continue;
        anyUser = true;
        ButtonGroupWidth += ButtonWidth(model, user.ImageIndex) + spacing;
    }
    if (anyUser) ButtonGroupWidth += kUserButtonGap;
    Place(model);

    // The icon.
    IconShown = (info.BorderStyle == TFormBorderStyle::bsSingle || info.BorderStyle == TFormBorderStyle::bsSizeable) &&
                info.ShowAppIcon && sys && !info.DialogFrame;
    const auto side = [this](int given) {
        return given > 0 ? given : (CaptionHeight <= 8 ? 1 : CaptionHeight <= 16 ? 8 : 16);
    };
    const int iconWidth = side(info.TitleIconWidth);
    const int iconHeight = side(info.TitleIconHeight);
    const int t0 = BorderWidth / 2 - 1;
    Icon.Left = BorderWidth + skin.TitleButtonLeft;
    Icon.Top = t0 + (BorderWidth + CaptionHeight - t0 - iconHeight) / 2;
    Icon.Right = Icon.Left + iconWidth;
    Icon.Bottom = Icon.Top + iconHeight;

    // The caption text's rectangle.
    const int icon = IconShown ? Icon.Width() : 0;
    if (info.DialogFrame) {
        CaptionRect.Left = BorderWidth + icon + skin.TitleButtonLeft + 4;
        CaptionRect.Right = info.Width - ButtonGroupWidth - 6;
    } else {
        CaptionRect.Left = BorderWidth + icon + skin.TitleButtonLeft + (captionSectionIndex >= 0 ? 2 : 0) + 4;
        CaptionRect.Right = info.Width - ButtonGroupWidth - 12;
    }
    CaptionRect.Top = maximized ? BorderWidth / 2 + 1 : 2;
    CaptionRect.Bottom = BorderWidth + CaptionHeight;
}

void TFrameLayout::ChoosePictures(const SkinModel& model) {
    TFrameButton& close = Buttons[fbClose];
    TFrameButton& max = Buttons[fbMaximize];
    TFrameButton& min = Buttons[fbMinimize];
    TFrameButton& help = Buttons[fbHelp];
    const auto big = [&] {
        min.ImageIndex = Mask(model, "BICONMIN");
        max.ImageIndex = Mask(model, "BICONMAX");
        help.ImageIndex = Mask(model, "BICONHELP");
        const int alone = Mask(model, "BICLOSEALONE");
        close.ImageIndex = !max.Visible && !min.Visible && alone >= 0 ? alone : Mask(model, "BICONCLOSE");
    };
    int restore = -1;
    if (WideSpacing(Info_)) {
        big();
        min.BigImage = max.BigImage = close.BigImage = true;
        help.BigImage = false;
        restore = Mask(model, "BICONNORM");
    } else {
        close.ImageIndex = Mask(model, "SICONCLOSE");
        min.ImageIndex = Mask(model, "SICONMIN");
        max.ImageIndex = Mask(model, "SICONMAX");
        help.ImageIndex = Mask(model, "SICONHELP");
        if (help.ImageIndex < 0) help.ImageIndex = Mask(model, "BICONHELP");
        for (TFrameButton* button : {&close, &min, &max, &help}) button->BigImage = false;
        restore = Mask(model, "SICONNORM");
        if (restore < 0) restore = Mask(model, "BICONNORM");
    }
    // A skin without small pictures: all four take the big ones.
    if (close.ImageIndex < 0) {
        big();
        for (TFrameButton* button : {&close, &min, &max, &help}) button->BigImage = true;
        restore = Mask(model, "BICONNORM");
    }
    if (Info_.State == TFrameWindowState::Maximized) max.ImageIndex = restore;
    if (Info_.State == TFrameWindowState::Minimized) min.ImageIndex = restore;
}

void TFrameLayout::Place(const SkinModel& model) {
    const TsSkinData& skin = model.SkinData;
    const bool wide = WideSpacing(Info_);
    const int spacing = wide ? skin.TitleButtonSpacing : 0;
    const int height = TitleButtonCellHeight(model, Buttons[fbClose].ImageIndex);
    const bool maximized = Info_.State == TFrameWindowState::Maximized;
    int right = Info_.Width - skin.TitleButtonRight - BorderWidth;
    const auto place = [&](TFrameButton& button) {
        if (!button.Visible) {
            button.Left = button.Top = button.Right = button.Bottom = 0;
            return;
        }
        button.Right = right;
        button.Left = right - ButtonWidth(model, button.ImageIndex);
        right = button.Left - spacing;
        if (button.BigImage && skin.TitleButtonVAlign == 1) {
            button.Top = maximized && !Info_.MaxConstraints ? BorderWidth - 1 : 0;
        } else {
            button.Top = (BorderWidth + CaptionHeight - height) / 2;
            if (wide && height < 16 && !Info_.DialogFrame) button.Top += 2;
        }
        button.Bottom = button.Top + height;
    };
    for (const int index : {fbClose, fbMaximize, fbMinimize, fbHelp}) place(Buttons[static_cast<size_t>(index)]);
    bool first = true;
    for (TFrameButton& user : UserButtons) {
        if (user.Visible && first) {
            right -= kUserButtonGap;
            first = false;
        }
        place(user);
    }
}

bool TFrameLayout::HasAnyButton() const {
    for (const TFrameButton& button : Buttons)
        if (button.Visible) return true;
    for (const TFrameButton& button : UserButtons)
        if (button.Visible) return true;
    return false;
}

int TFrameLayout::ButtonsLeft() const {
    int left = Info_.Width;
    for (const TFrameButton& button : Buttons)
        if (button.Visible) left = std::min(left, button.Left);
    for (const TFrameButton& button : UserButtons)
        if (button.Visible) left = std::min(left, button.Left);
    return left;
}

TFrameButton* TFrameLayout::ButtonByHitCode(int code) {
    return const_cast<TFrameButton*>(static_cast<const TFrameLayout*>(this)->ButtonByHitCode(code));
}

const TFrameButton* TFrameLayout::ButtonByHitCode(int code) const {
    switch (code) {
        case HTMINBUTTON: return &Buttons[fbMinimize];
        case HTMAXBUTTON: return &Buttons[fbMaximize];
        case HTCLOSE: return &Buttons[fbClose];
        case HTHELP: return &Buttons[fbHelp];
        default: break;
    }
    if (code >= 1000 && code - 1000 < static_cast<int>(UserButtons.size()))
        return &UserButtons[static_cast<size_t>(code - 1000)];
    return nullptr;
}

bool TFrameLayout::MaximizeEnabled() const {
    const TFrameButton& max = Buttons[fbMaximize];
    if (Info_.State == TFrameWindowState::Maximized) return (Info_.BorderIcons & biMaximize) != 0;
    return max.Enabled;
}

int TFrameLayout::HitTest(int x, int y, TPoint gripCorner) const {
    const bool minimized = Info_.State == TFrameWindowState::Minimized;
    const bool maximized = Info_.State == TFrameWindowState::Maximized;
    const int width = Info_.Width;
    const int height = Info_.Height;
    // Caption buttons first: they sit in the title band.
    if (Info_.HasSystemMenu) {
        for (const int index : {fbClose, fbMaximize, fbMinimize, fbHelp}) {
            const TFrameButton& button = Buttons[static_cast<size_t>(index)];
            if (!button.Visible || !button.Contains(x, y)) continue;
            switch (index) {
                case fbClose: return HTCLOSE;
                case fbMaximize: return MaximizeEnabled() ? HTMAXBUTTON : HTCAPTION;
                case fbMinimize: return button.Enabled || minimized ? HTMINBUTTON : HTCAPTION;
                default: return HTHELP;
            }
        }
        for (const TFrameButton& user : UserButtons)
            if (user.Visible && user.Enabled && user.Contains(x, y)) return user.HitCode;
    }
    // Then the sizing edges.
    if (Info_.ThickFrame && !maximized) {
        const bool bottom = y > height - BorderWidth;
        const bool top = y < BorderWidth;
        if (x < BorderWidth) return top ? HTTOPLEFT : bottom ? HTBOTTOMLEFT : HTLEFT;
        if (x > width - BorderWidth) return top ? HTTOPRIGHT : bottom ? HTBOTTOMRIGHT : HTRIGHT;
        if (top) return HTTOP;
        if (bottom) return HTBOTTOM;
    }
    // Then the title band and the menu line.
    if (MenuHeight > 0 && y > BorderWidth + CaptionHeight && y < BorderWidth + CaptionHeight + MenuHeight) return HTMENU;
    if (y >= 0 && y <= BorderWidth + CaptionHeight) {
        if (Info_.DialogFrame) {
            const TFrameButton& close = Buttons[fbClose];
            const int top = close.Visible ? close.Top : 0;
            const int bottom = close.Visible ? close.Bottom : BorderWidth + CaptionHeight;
            if (x >= BorderWidth && x < BorderWidth + GetSystemMetrics(SM_CXSMICON) && y >= top && y < bottom)
                return HTSYSMENU;
        } else if (IconShown && x >= Icon.Left && x < Icon.Right && y >= Icon.Top && y < Icon.Bottom) {
            return HTSYSMENU;
        }
        return HTCAPTION;
    }
    // Last the size grip; everything else is client.
    if (Info_.GripShown && gripCorner.X >= 0 && x >= gripCorner.X && y >= gripCorner.Y) return HTBOTTOMRIGHT;
    return HTCLIENT;
}
