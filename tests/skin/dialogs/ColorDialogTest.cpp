// TsColorDialog.Execute, the shared dialog, the plain fallback, and the colour box's custom colour through it.
#include <gtest/gtest.h>

#include <QColorDialog>

#include "skin/controls/ColorDialogLink.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sColorsPanel.h"
#include "skin/controls/sComboBoxes.h"
#include "core/SystemColors.h"
#include "skin/dialogs/ColorDialogForm.h"
#include "skin/dialogs/sColorDialog.h"
#include "platform/Dialogs.h"
#include "skin/manager/sSkinManager.h"
#include "skin/dialogs/SkinEngine.h"

namespace {
constexpr TsColorBoxStyle kMainStyle = cbStandardColors | cbExtendedColors | cbCustomColor | cbPrettyNames;

// Answers the dialog's form as soon as it shows.
void AnswerOnShow(TsColorDialog& dialog, const std::function<void(TsColorDialogForm&)>& answer) {
    dialog.OnShow = [&dialog, answer](QObject*) { answer(*dialog.Form()); };
}

void PickFromList(TsColorBox& box, int index) {
    box.showPopup();
    box.hidePopup();
    box.setCurrentIndex(index);
    emit box.activated(index);
}

// The program's set-up: a skin manager and the colour box linked to the shared dialog.
struct ProgramDialogs {
    ~ProgramDialogs() { FreeSharedColorDialog(); }
    TScopedSkinEngine Engine;
    TsSkinManager Manager;
};
}  // namespace

TEST(ColorDialog, CancelKeepsAddedColoursAndLeavesColor) {
    TsSkinManager manager;
    TsColorDialog dialog;
    dialog.Color = clRed;
    int closes = 0;
    dialog.OnClose = [&](QObject*) { ++closes; };
    AnswerOnShow(dialog, [](TsColorDialogForm& form) {
        EXPECT_EQ(form.CurrentColor(), clRed);
        form.SetCurrentColor(RGB(10, 20, 30));
        form.sBitBtn3->click();
        form.sBitBtn2->click();
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Color, clRed);
    EXPECT_EQ(closes, 1);
    ASSERT_EQ(dialog.CustomColors.size(), 16);
    EXPECT_EQ(dialog.CustomColors[0], QStringLiteral("0A141E"));
    EXPECT_EQ(dialog.Form(), nullptr);

    // The next opening shows them and an OK takes the colour.
    AnswerOnShow(dialog, [](TsColorDialogForm& form) {
        EXPECT_EQ(form.AddPal->Cells()[0].Color, RGB(10, 20, 30));
        form.SetCurrentColor(clBlue);
        form.sBitBtn1->click();
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Color, clBlue);
}

TEST(ColorDialog, OptionsSetWidthAndButtons) {
    TsSkinManager manager;
    const struct {
        TColorDialogOptions Options;
        int Width;
        bool DefineEnabled, HelpVisible;
    } cases[] = {
        {cdFullOpen, 541, false, false},
        {0, 235, true, false},
        {cdPreventFullOpen, 235, false, false},
        {cdFullOpen | cdShowHelp, 541, false, true},
    };
    for (const auto& c : cases) {
        TsColorDialog dialog;
        dialog.Options = c.Options;
        dialog.MainColors = {"123456"};
        AnswerOnShow(dialog, [&c](TsColorDialogForm& form) {
            EXPECT_EQ(form.FormWidth(), c.Width) << c.Options;
            EXPECT_EQ(form.sBitBtn4->isEnabled(), c.DefineEnabled) << c.Options;
            EXPECT_EQ(form.sBitBtn5->isVisible(), c.HelpVisible) << c.Options;
            EXPECT_EQ(form.MainPal->Cells()[0].Color, RGB(0x12, 0x34, 0x56));
            if (c.DefineEnabled) {
                form.sBitBtn4->click();
                EXPECT_EQ(form.FormWidth(), 541);
                EXPECT_FALSE(form.sBitBtn4->isEnabled());
            }
            form.sBitBtn2->click();
        });
        dialog.Execute();
    }
}

TEST(ColorDialog, PlainDialogWithoutManagerOrWhenAsked) {
    TColor offered = 0;
    QColor firstCustom;
    SetColorDialogHook([&](TColor& color) {
        offered = color;
        firstCustom = QColorDialog::customColor(0);
        QColorDialog::setCustomColor(1, QColor(1, 2, 3));
        color = RGB(7, 8, 9);
        return true;
    });
    TsColorDialog dialog;
    dialog.Color = 0xFF00000F;  // a system colour goes over as RGB
    dialog.CustomColors = QStringList(16, QStringLiteral("FFFFFF"));
    dialog.CustomColors[0] = QStringLiteral("FF8000");
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(offered, ColorToRGB(0xFF00000F));
    EXPECT_EQ(firstCustom, QColor(255, 128, 0));
    EXPECT_EQ(dialog.CustomColors[1], QStringLiteral("010203"));
    EXPECT_EQ(dialog.Color, RGB(7, 8, 9));

    TsSkinManager manager;
    dialog.StandardDlg = true;
    offered = 0;
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(offered, RGB(7, 8, 9));
    SetColorDialogHook(nullptr);
}

TEST(ColorDialog, SharedDialogIsCreatedOnFirstUse) {
    FreeSharedColorDialog();
    EXPECT_FALSE(SharedColorDialogExists());
    TsColorDialog* first = SharedColorDialog();
    EXPECT_TRUE(SharedColorDialogExists());
    EXPECT_EQ(SharedColorDialog(), first);
    FreeSharedColorDialog();
    EXPECT_FALSE(SharedColorDialogExists());
}

TEST(ColorBoxCustomColour, PicksThroughTheSharedDialog) {
    ProgramDialogs program;
    TsColorBox box;
    box.SetStyle(kMainStyle);
    box.SetSelected(clWhite);
    int selects = 0;
    box.OnSelect = [&](QObject*) { ++selects; };
    TColor opened = clRed;
    std::function<void(TsColorDialogForm&)> answer;
    SharedColorDialog()->OnShow = [&](QObject*) {
        TsColorDialogForm& form = *SharedColorDialog()->Form();
        opened = form.CurrentColor();
        answer(form);
    };

    answer = [](TsColorDialogForm& form) {
        form.SetCurrentColor(RGB(10, 20, 30));
        form.sBitBtn1->click();
    };
    PickFromList(box, 0);
    EXPECT_EQ(opened, clBlack);  // the custom item starts black
    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_EQ(box.Selected(), 0x1E140Au);
    EXPECT_EQ(box.ItemColor(0), RGB(10, 20, 30));  // the list's custom swatch
    EXPECT_EQ(selects, 1);

    answer = [](TsColorDialogForm& form) {
        form.SetCurrentColor(clYellow);
        form.sBitBtn2->click();
    };
    PickFromList(box, 0);
    EXPECT_EQ(opened, RGB(10, 20, 30));
    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_EQ(box.Selected(), RGB(10, 20, 30));
    EXPECT_EQ(selects, 1);  // no select for a cancel

    answer = [](TsColorDialogForm& form) {
        form.SetCurrentColor(clBlack);
        form.sBitBtn1->click();
    };
    PickFromList(box, 0);
    EXPECT_EQ(box.currentIndex(), 0);  // a black pick stays on "Custom..."
    EXPECT_EQ(box.Selected(), clBlack);
    box.SetSelected(clBlack);  // black in code is the named Black
    EXPECT_EQ(box.currentIndex(), 1);
    box.SetSelected(RGB(1, 2, 3));  // a colour the list lacks goes into the custom item
    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_EQ(box.Selected(), RGB(1, 2, 3));
}

TEST(ColorBoxCustomColour, SavedColoursComeFromTheSharedDialog) {
    ProgramDialogs program;
    TsColorBox box;
    box.SetStyle(cbStandardColors | cbCustomColor | cbSavedColors | cbPrettyNames);
    EXPECT_EQ(box.count(), 17);  // no shared dialog yet: nothing saved
    QStringList custom(16, QStringLiteral("FFFFFF"));
    custom[0] = QStringLiteral("0A141E");
    custom[3] = QStringLiteral("FF8000H");
    SharedColorDialog()->CustomColors = custom;
    box.RebuildColorItems();
    ASSERT_EQ(box.count(), 19);
    EXPECT_EQ(box.itemText(0), QStringLiteral("Custom..."));
    EXPECT_EQ(box.itemText(1), QStringLiteral("FF8000H"));
    EXPECT_EQ(box.ItemColor(1), RGB(255, 128, 0));
    EXPECT_EQ(box.itemText(2), QStringLiteral("0A141E"));
    EXPECT_EQ(box.itemText(3), QStringLiteral("Black"));

    // A custom pick that adds a colour in the dialog shows it in the list at once.
    SharedColorDialog()->OnShow = [](QObject*) {
        TsColorDialogForm& form = *SharedColorDialog()->Form();
        form.SetCurrentColor(RGB(1, 2, 3));
        form.sBitBtn3->click();
        form.sBitBtn1->click();
    };
    PickFromList(box, 0);
    ASSERT_EQ(box.count(), 19);  // the add took the first slot, over "0A141E"
    EXPECT_EQ(box.itemText(1), QStringLiteral("FF8000H"));
    EXPECT_EQ(box.itemText(2), QStringLiteral("010203"));
    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_EQ(box.Selected(), RGB(1, 2, 3));
}

TEST(ColorBoxCustomColour, CollectedColoursJoinTheList) {
    TsColorBox box;
    box.OnCollectColors = [](TsCustomColorBox*, std::vector<TsColorItem>& items) {
        items.push_back({QStringLiteral("Ocean"), RGB(0, 60, 120)});
    };
    box.SetStyle(cbStandardColors | cbCustomColors);
    ASSERT_EQ(box.count(), 17);
    EXPECT_EQ(box.itemText(16), QStringLiteral("Ocean"));
    box.SetSelected(RGB(0, 60, 120));
    EXPECT_EQ(box.currentIndex(), 16);
    box.SetStyle(cbStandardColors);
    EXPECT_EQ(box.count(), 16);
}
