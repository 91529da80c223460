// Frame geometry with the internal skin: metrics, icon, caption buttons, caption rectangle, hit codes,
// snapping and the system menu's item rules.
#include <gtest/gtest.h>

#include "FramesTestSupport.h"
#include "skin/frames/FrameGeometry.h"
#include "skin/frames/SkinnedFrame.h"
#include "skin/frames/sSystemMenu.h"
#include "platform/SysCommands.h"

namespace {

TFrameWindowInfo Info(TFormBorderStyle style, TBorderIcons icons, int width, int height,
                      TFrameWindowState state = TFrameWindowState::Normal) {
    TFrameWindowInfo info;
    info.BorderStyle = style;
    info.BorderIcons = icons;
    StyleFromBorderStyle(info);
    info.State = state;
    info.Width = width;
    info.Height = height;
    return info;
}

std::string Picture(const SkinModel& model, const TFrameButton& button) {
    return button.ImageIndex >= 0 ? model.Masks[static_cast<size_t>(button.ImageIndex)].KeyName : "";
}

}  // namespace

// The program's two windows as the skin frames them.
TEST(FrameGeometry, MainAndAboutWindowsWithTheInternalSkin) {
    const auto manager = MakeGlimmerManager();
    const SkinModel& model = manager->CommonSkinData();
    ASSERT_LT(model.SectionIndexOf("CAPTION"), 0);  // the caption rectangle has no +2 for a CAPTION section

    TFrameLayout main;
    main.Update(Info(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 399, 223), model, -1);
    EXPECT_EQ(main.BorderWidth, 3);
    EXPECT_EQ(main.CaptionHeight, 22);
    EXPECT_EQ(main.NonClientTop(), 25);  // the title band: rows 0 to 25
    EXPECT_TRUE(main.IconShown);
    EXPECT_EQ(main.Icon, (TRect{5, 4, 21, 20}));
    const TFrameButton& close = main.Buttons[fbClose];
    EXPECT_EQ(close.Rect(), (TRect{368, 7, 396, 22}));
    EXPECT_EQ(Picture(model, close), "BICONCLOSE");
    EXPECT_TRUE(close.BigImage);
    const TFrameButton& min = main.Buttons[fbMinimize];
    EXPECT_EQ(min.Rect(), (TRect{342, 7, 366, 22}));
    EXPECT_EQ(Picture(model, min), "BICONMIN");
    EXPECT_FALSE(main.Buttons[fbMaximize].Visible);  // no disabled maximize button is drawn
    EXPECT_FALSE(main.Buttons[fbHelp].Visible);
    EXPECT_EQ(main.ButtonGroupWidth, 54);
    EXPECT_EQ(main.CaptionRect, (TRect{25, 2, 333, 25}));

    TFrameLayout about;
    about.Update(Info(TFormBorderStyle::bsDialog, biSystemMenu, 434, 362), model, -1);
    EXPECT_EQ(about.BorderWidth, 3);
    EXPECT_EQ(about.CaptionHeight, 22);
    EXPECT_FALSE(about.IconShown);
    // No small pictures in this skin: the big close picture, without the +2 of wide spacing.
    EXPECT_EQ(Picture(model, about.Buttons[fbClose]), "BICONCLOSE");
    EXPECT_TRUE(about.Buttons[fbClose].BigImage);
    EXPECT_EQ(about.Buttons[fbClose].Rect(), (TRect{403, 5, 431, 20}));
    EXPECT_FALSE(about.Buttons[fbMinimize].Visible);
    EXPECT_EQ(about.CaptionRect.Left, 9);  // B + BILEFT + 4
    EXPECT_EQ(about.CaptionRect.Right, 434 - 28 - 12);

    // A system dialog's frame: its own caption rectangle and no vertical correction.
    TFrameWindowInfo dialogInfo = Info(TFormBorderStyle::bsDialog, biSystemMenu, 300, 200);
    dialogInfo.DialogFrame = true;
    TFrameLayout dialog;
    dialog.Update(dialogInfo, model, -1);
    EXPECT_EQ(dialog.CaptionRect.Left, 9);
    EXPECT_EQ(dialog.CaptionRect.Right, 300 - 28 - 6);
    EXPECT_EQ(dialog.HitTest(5, 10), HTSYSMENU);  // x from B to B + 16 within the buttons' rows
    EXPECT_EQ(dialog.HitTest(5, 2), HTCAPTION);
    EXPECT_EQ(dialog.HitTest(25, 10), HTCAPTION);
}

// Which buttons and pictures other styles and states get.
TEST(FrameGeometry, ButtonsFollowTheStyleAndTheWindowState) {
    const auto manager = MakeGlimmerManager();
    const SkinModel& model = manager->CommonSkinData();
    const TBorderIcons all = biSystemMenu | biMinimize | biMaximize;
    const struct {
        const char* Name;
        TFrameWindowInfo Info;
        int BorderWidth, CaptionHeight;
        bool MaxVisible, MaxEnabled, MinVisible;
        const char* MaxPicture;
        const char* MinPicture;
    } cases[] = {
        {"sizeable", Info(TFormBorderStyle::bsSizeable, all, 500, 300), 4, 22, true, true, true, "BICONMAX", "BICONMIN"},
        {"maximized", Info(TFormBorderStyle::bsSizeable, all, 500, 300, TFrameWindowState::Maximized), 4, 22, true,
         true, true, "BICONNORM", "BICONMIN"},
        {"minimized", Info(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 399, 223, TFrameWindowState::Minimized),
         3, 22, true, false, true, "BICONMAX", "BICONNORM"},
        {"tool window", Info(TFormBorderStyle::bsToolWindow, all, 200, 100), 3, 17, false, false, false, "", ""},
        {"single without minimize", Info(TFormBorderStyle::bsSingle, biSystemMenu | biMaximize, 399, 223), 3, 22, true,
         true, false, "BICONMAX", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TFrameLayout layout;
        layout.Update(c.Info, model, -1);
        EXPECT_EQ(layout.BorderWidth, c.BorderWidth);
        EXPECT_EQ(layout.CaptionHeight, c.CaptionHeight);
        EXPECT_EQ(layout.Buttons[fbMaximize].Visible, c.MaxVisible);
        EXPECT_EQ(layout.Buttons[fbMaximize].Enabled, c.MaxEnabled);
        EXPECT_EQ(layout.Buttons[fbMinimize].Visible, c.MinVisible);
        if (c.MaxVisible) {
            EXPECT_EQ(Picture(model, layout.Buttons[fbMaximize]), c.MaxPicture);
        }
        if (c.MinVisible) {
            EXPECT_EQ(Picture(model, layout.Buttons[fbMinimize]), c.MinPicture);
        }
    }
    // Without the system menu no button is drawn, and the group is only the right margin wide.
    TFrameWindowInfo bare = Info(TFormBorderStyle::bsSingle, biMinimize, 399, 223);
    bare.HasSystemMenu = false;
    TFrameLayout layout;
    layout.Update(bare, model, -1);
    EXPECT_FALSE(layout.HasAnyButton());
    EXPECT_FALSE(layout.IconShown);
    EXPECT_EQ(layout.ButtonGroupWidth, 0);
    EXPECT_EQ(layout.HitTest(380, 14), HTCAPTION);
}

TEST(FrameGeometry, HitCodesOfThePoints) {
    const auto manager = MakeGlimmerManager();
    const SkinModel& model = manager->CommonSkinData();
    TFrameLayout main;
    main.Update(Info(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 399, 223), model, -1);
    TFrameLayout sizeable;
    sizeable.Update(Info(TFormBorderStyle::bsSizeable, biSystemMenu | biMinimize | biMaximize, 500, 300), model, -1);
    const struct {
        const TFrameLayout* Layout;
        int X, Y, Code;
    } cases[] = {
        {&main, 380, 14, HTCLOSE},       {&main, 368, 7, HTCLOSE},       {&main, 395, 21, HTCLOSE},
        {&main, 396, 14, HTCAPTION},     {&main, 366, 14, HTCAPTION},    {&main, 367, 14, HTCAPTION},  // the gap
        {&main, 350, 14, HTMINBUTTON},   {&main, 10, 10, HTSYSMENU},     {&main, 200, 10, HTCAPTION},
        {&main, 200, 25, HTCAPTION},     {&main, 200, 26, HTCLIENT},     {&main, 0, 100, HTCLIENT},  // no thick frame
        {&sizeable, 0, 100, HTLEFT},     {&sizeable, 499, 100, HTRIGHT}, {&sizeable, 250, 0, HTTOP},
        {&sizeable, 250, 299, HTBOTTOM}, {&sizeable, 0, 0, HTTOPLEFT},   {&sizeable, 499, 299, HTBOTTOMRIGHT},
        {&sizeable, 0, 299, HTBOTTOMLEFT}, {&sizeable, 499, 0, HTTOPRIGHT},
    };
    for (const auto& c : cases) EXPECT_EQ(c.Layout->HitTest(c.X, c.Y), c.Code) << c.X << ", " << c.Y;
}

TEST(FrameGeometry, SnappingToTheWorkAreaWithinTheBuffer) {
    const QRect work(0, 0, 1000, 700);
    const QSize size(399, 223);
    const struct {
        QPoint From, To;
    } cases[] = {
        {{1000 - 399 - 9, 300}, {1000 - 399, 300}},  // right edge 9 pixels off: snaps
        {{1000 - 399 - 10, 300}, {1000 - 399 - 10, 300}},  // 10 pixels: stays
        {{300, 700 - 223 + 9}, {300, 700 - 223}},  // beyond the bottom by 9
        {{9, 9}, {0, 0}},
        {{-9, 50}, {0, 50}},
        {{10, 10}, {10, 10}},
    };
    for (const auto& c : cases) EXPECT_EQ(SnapToWorkArea(c.From, size, work, 10), c.To) << c.From.x() << ", " << c.From.y();
}

TEST(FrameGeometry, SystemMenuItemRules) {
    const auto manager = MakeGlimmerManager();
    const SkinModel& model = manager->CommonSkinData();
    const TBorderIcons all = biSystemMenu | biMinimize | biMaximize;
    const struct {
        const char* Name;
        TFrameWindowInfo Info;
        // Visible and enabled, for Restore, Move, Size, Minimize, Maximize, Close.
        const char* Visible;
        const char* Enabled;
    } cases[] = {
        {"main", Info(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 399, 223), "111101", "010101"},
        {"about", Info(TFormBorderStyle::bsDialog, biSystemMenu, 434, 362), "010001", "011001"},
        {"sizeable", Info(TFormBorderStyle::bsSizeable, all, 500, 300), "111111", "011111"},
        {"maximized", Info(TFormBorderStyle::bsSizeable, all, 500, 300, TFrameWindowState::Maximized), "111111",
         "101101"},
        {"minimized", Info(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 399, 223, TFrameWindowState::Minimized),
         "111111", "110001"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TFrameLayout layout;
        layout.Update(c.Info, model, -1);
        const auto states = SystemMenuItemStates(layout);
        for (int i = 0; i < smItemCount; ++i) {
            EXPECT_EQ(states[i].Visible, c.Visible[i] == '1') << "item " << i;
            EXPECT_EQ(states[i].Enabled, c.Enabled[i] == '1') << "item " << i;
        }
    }
}
