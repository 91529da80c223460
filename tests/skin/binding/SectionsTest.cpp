// Section names and kinds: storing, defaults, resolution, a missing section, and an edit's colours.
#include <gtest/gtest.h>

#include "BindingTestSupport.h"
#include "skin/binding/ControlKinds.h"
#include "skin/binding/RepaintPath.h"
#include "skin/manager/SkinCommands.h"
#include "skin/model/ColorTransforms.h"

TEST(Sections, NamesAreStoredUpperCaseAndAnEmptyNameBecomesUnknown) {
    QWidget form;
    TTestControl control(&form, ckEdit, QStringLiteral("edit"));
    EXPECT_EQ(control.SkinData.SkinSection(), QStringLiteral("EDIT"));  // the form's name, as given
    control.SkinData.SetSkinSection(QStringLiteral("panel"));
    EXPECT_EQ(control.SkinData.SkinSection(), QStringLiteral("PANEL"));
    control.SkinData.SetSkinSection(QString());
    EXPECT_EQ(control.SkinData.SkinSection(), QStringLiteral("UNKNOWN"));
}

TEST(Sections, DefaultSectionsAndKindSets) {
    struct Case {
        int Kind;
        const char* Section;
        bool EditLike, NoHover, NoGlow;
    };
    const Case cases[] = {
        {ckEdit, "EDIT", true, false, false},          {ckTreeView, "EDIT", true, false, false},
        {ckCustomComboEdit, "TTESTCONTROL", true, false, false},
        {ckFilenameEdit, "TTESTCONTROL", true, false, false},
        {ckCustomColorBox, "TTESTCONTROL", true, false, false},
        {15, "COMBOBOX", true, false, false},          {19, "BAR", false, true, false},
        {ckPanel, "PANEL", false, true, true},         {52, "PANEL_LOW", false, true, true},
        {53, "TOOLBAR", false, true, false},           {74, "GROUPBOX", false, true, true},
        {ckSpeedButton, "SPEEDBUTTON", false, false, false},
        {ckButton, "BUTTON", false, false, false},     {ckBitBtn, "BUTTON", false, false, false},
        {141, "PAGECONTROL", false, true, true},       {151, "STATUSBAR", false, true, true},
        {ckProgressBar, "GAUGE", false, true, true},   {226, "GROUPBOX", false, false, true},
        {227, "EDIT", false, false, false},            {ckCurrencyEdit, "EDIT", true, false, false},
    };
    QWidget form;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Kind);
        TTestControl control(&form, c.Kind, QString());
        control.SkinData.Loaded();
        EXPECT_EQ(control.SkinData.SkinSection().toStdString(), c.Section);
        EXPECT_EQ(IsEditLikeKind(c.Kind), c.EditLike);
        EXPECT_EQ(IsNoHoverKind(c.Kind), c.NoHover);
        EXPECT_EQ(IsNoGlowKind(c.Kind), c.NoGlow);
    }
    // A label names no section: it keeps none.
    TTestControl label(&form, ckNone, QString(), true);
    label.SkinData.OptionalSection = true;
    label.SkinData.Loaded();
    EXPECT_TRUE(label.SkinData.SkinSection().isEmpty());
}

TEST(Sections, ResolutionFollowsTheManagerAndItsActiveState) {
    TTestSkin skin;
    TsSkinManager& manager = skin.Manager;
    QWidget form;
    TTestControl edit(&form, ckEdit, QStringLiteral("EDIT"));
    edit.SkinData.ResolveSkinIndexes();
    const SkinModel& model = manager.CommonSkinData();
    EXPECT_EQ(edit.SkinData.SectionIndex, model.SectionIndexOf("EDIT"));
    EXPECT_TRUE(edit.SkinData.IsSkinned(true));
    EXPECT_EQ(edit.SkinData.BackgroundKind, bkHorizontalGradient);
    EXPECT_TRUE(edit.SkinData.CacheInvalid);

    // Another manager than the default is stored; the default is stored as none.
    TsSkinManager other;
    edit.SkinData.SetSkinManager(&other);
    EXPECT_EQ(edit.SkinData.SkinManager(), &other);
    EXPECT_EQ(edit.SkinData.SectionIndex, -1);  // the other manager has no skin
    edit.SkinData.SetSkinManager(&manager);
    EXPECT_EQ(edit.SkinData.SkinManager(), nullptr);
    EXPECT_EQ(edit.SkinData.SectionIndex, model.SectionIndexOf("EDIT"));

    manager.CommonSkinData().SkinData.Active = false;
    EXPECT_TRUE(edit.SkinData.IsSkinned());
    EXPECT_FALSE(edit.SkinData.IsSkinned(true));
}

TEST(Sections, AMissingSectionSendsRemoveSkinAndTheControlPaintsUnskinned) {
    TTestSkin skin;
    QWidget form;
    form.resize(100, 50);
    TTestControl control(&form, ckPanel, QStringLiteral("PANEL"));
    control.setGeometry(0, 0, 20, 10);
    control.SkinData.Loaded();
    ASSERT_TRUE(control.SkinData.IsSkinned());
    control.Commands.clear();
    control.SkinData.SetSkinSection(QStringLiteral("NOSUCHSECTION"));
    EXPECT_EQ(control.Commands, std::vector<int>{AC_REMOVESKIN});
    EXPECT_FALSE(control.SkinData.IsSkinned());
    EXPECT_TRUE(control.SkinData.PaintingSuspended);
    EXPECT_FALSE(PaintSkinnedControl(control, nullptr));  // the caller paints its plain look

    // A section the skin has is announced with refresh, which resumes painting.
    control.Commands.clear();
    control.SkinData.SetSkinSection(QStringLiteral("panel"));
    EXPECT_EQ(control.Commands, std::vector<int>{AC_REFRESH});
    EXPECT_FALSE(control.SkinData.PaintingSuspended);
    PaintNow(control);
    EXPECT_EQ(control.Rebuilds, 1);
    EXPECT_EQ(control.SkinData.CacheBitmap->At(5, 5), 0xFF00FF00u);  // the section's green
}

TEST(Sections, AnEditTakesTheSectionColourUnlessCustomColorAtLoadAndRefresh) {
    TTestSkin skin;
    TsSkinManager& manager = skin.Manager;
    QWidget form;
    for (const bool custom : {false, true}) {
        SCOPED_TRACE(custom);
        TTestControl edit(&form, ckEdit, QStringLiteral("EDIT"));
        edit.SkinData.SetCustomColor(custom);
        edit.SkinData.Loaded();
        const TColor afterLoad = custom ? 0x123456 : 15790320;
        EXPECT_EQ(edit.Color, afterLoad);
        EXPECT_EQ(edit.FontColor, 255u);  // CustomFont is off either way
        edit.Color = 0x654321;
        SendSkinCommand(&edit, MakeNimbrelParam(AC_REFRESH), &manager);
        EXPECT_EQ(edit.Color, custom ? 0x654321 : 15790320);
        // The skin's removal gives an edit the window colours back, unless they are its own.
        SendSkinCommand(&edit, MakeNimbrelParam(AC_REMOVESKIN), &manager);
        EXPECT_EQ(edit.Color, custom ? 0x654321 : clWindow);
        EXPECT_EQ(edit.FontColor, clWindowText);
    }
    // A control that is not edit-like keeps its colour.
    TTestControl panel(&form, ckPanel, QStringLiteral("PANEL"));
    panel.SkinData.Loaded();
    EXPECT_EQ(panel.Color, 0x123456u);
}

TEST(Sections, TheControlsOwnHueOffsetTurnsTheColoursItTakes) {
    TTestSkin skin;
    QWidget form;
    TTestControl edit(&form, ckEdit, QStringLiteral("EDIT"));
    edit.SkinData.SetHUEOffset(120);  // runs Loaded again
    EXPECT_EQ(edit.FontColor, RotateColorHue(120, 255));
    EXPECT_NE(edit.FontColor, 255u);
}
