// TsColorBox: the items of each style, Selected, and the custom colour through the dialog.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QTest>

#include "skin/controls/sComboBoxes.h"
#include "platform/Dialogs.h"

namespace {
constexpr TsColorBoxStyle kMainStyle = cbStandardColors | cbExtendedColors | cbCustomColor | cbPrettyNames;

QStringList Items(const TsColorBox& box) {
    QStringList items;
    for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
    return items;
}

// Picks the item the way the mouse does: the list closes, then the item is activated.
void PickFromList(TsColorBox& box, int index) {
    box.showPopup();
    box.hidePopup();
    box.setCurrentIndex(index);
    emit box.activated(index);
}

struct ColorDialogAnswer {
    explicit ColorDialogAnswer(std::optional<TColor> answer) {
        SetColorDialogHook([this, answer](TColor& color) {
            ++Runs;
            Offered = color;
            if (!answer) return false;
            color = *answer;
            return true;
        });
    }
    ~ColorDialogAnswer() { SetColorDialogHook(nullptr); }
    int Runs = 0;
    TColor Offered = 0;
};
}  // namespace

TEST(ColorBox, MainWindowStyleGivesTwentyOneItemsWithWhiteSelected) {
    TsColorBox box;
    box.SetStyle(kMainStyle);
    box.SetSelected(clWhite);
    EXPECT_EQ(Items(box), (QStringList{"Custom...", "Black", "Maroon", "Green", "Olive", "Navy", "Purple", "Teal",
                                       "Gray", "Silver", "Red", "Lime", "Yellow", "Blue", "Fuchsia", "Aqua", "White",
                                       "Money Green", "Sky Blue", "Cream", "Med Gray"}));
    EXPECT_EQ(box.currentIndex(), 16);
    EXPECT_EQ(box.Selected(), 0xFFFFFFu);
    EXPECT_TRUE(box.isEnabled());
}

TEST(ColorBox, StyleGroupsAndNames) {
    TsColorBox box;
    box.SetStyle(cbSystemColors | cbPrettyNames);
    EXPECT_TRUE(Items(box).contains(QStringLiteral("3 D Dk Shadow")));
    EXPECT_FALSE(Items(box).contains(QStringLiteral("Black")));
    box.SetStyle(cbStandardColors | cbIncludeNone);
    EXPECT_EQ(box.count(), 16);
    EXPECT_EQ(box.itemText(0), QStringLiteral("clBlack"));  // identifiers without pretty names
    box.SetStyle(cbSystemColors | cbIncludeNone | cbIncludeDefault);
    EXPECT_TRUE(Items(box).contains(QStringLiteral("clNone")));
    EXPECT_TRUE(Items(box).contains(QStringLiteral("clDefault")));
    box.SetStyle(cbPrettyNames);
    EXPECT_FALSE(box.isEnabled());
}

TEST(ColorBox, SelectedInCode) {
    TsColorBox box;
    box.SetStyle(kMainStyle);
    box.SetSelected(clBlack);
    EXPECT_EQ(box.currentIndex(), 1);  // the named Black, not "Custom..."
    box.SetSelected(RGB(1, 2, 3));
    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_EQ(box.Selected(), RGB(1, 2, 3));
    EXPECT_EQ(box.ItemColor(0), RGB(1, 2, 3));

    TsColorBox plain;
    plain.SetStyle(cbStandardColors);
    plain.SetSelected(RGB(1, 2, 3));  // no custom item: nothing selected
    EXPECT_EQ(plain.currentIndex(), -1);
    EXPECT_EQ(plain.Selected(), 0xFF000000u);
}

TEST(ColorBox, CustomPickFromTheListRunsTheDialog) {
    TsColorBox box;
    box.SetStyle(kMainStyle);
    box.SetSelected(clWhite);
    int selects = 0;
    box.OnSelect = [&](QObject*) { ++selects; };
    {
        ColorDialogAnswer dialog(RGB(10, 20, 30));
        PickFromList(box, 0);
        EXPECT_EQ(dialog.Runs, 1);
        EXPECT_EQ(dialog.Offered, clBlack);  // the custom item starts black
    }
    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_EQ(box.Selected(), 0x1E140Au);
    EXPECT_EQ(selects, 1);
    {
        // Cancelled: the custom item keeps its colour and no select is reported.
        ColorDialogAnswer dialog(std::nullopt);
        PickFromList(box, 0);
        EXPECT_EQ(dialog.Offered, RGB(10, 20, 30));
    }
    EXPECT_EQ(box.Selected(), RGB(10, 20, 30));
    EXPECT_EQ(selects, 1);
    {
        ColorDialogAnswer dialog(clBlack);
        PickFromList(box, 0);
    }
    EXPECT_EQ(box.currentIndex(), 0);  // a black pick stays on the custom item
    EXPECT_EQ(box.Selected(), clBlack);
}

TEST(ColorBox, ChoosingOtherItemsOrMovingByKeyRunsNoDialog) {
    TsColorBox box;
    box.SetStyle(kMainStyle);
    ColorDialogAnswer dialog(RGB(1, 1, 1));
    PickFromList(box, 10);
    EXPECT_EQ(box.Selected(), clRed);
    box.setCurrentIndex(0);
    emit box.activated(0);  // no close-up before: a keyboard move
    EXPECT_EQ(dialog.Runs, 0);
}

TEST(ColorBox, ReadOnlyKeepsTheSelection) {
    TsColorBox box;
    box.SetStyle(kMainStyle);
    box.SetSelected(clWhite);
    box.ReadOnly = true;
    box.show();
    box.setFocus();
    ColorDialogAnswer dialog(RGB(1, 1, 1));
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown, Qt::Key_B,
                        Qt::Key_Space})
        QTest::keyClick(&box, key);
    QTest::keyClicks(&box, QStringLiteral("Re"));
    QTest::keyClick(&box, Qt::Key_Down, Qt::AltModifier);
    box.showPopup();
    EXPECT_FALSE(box.view()->isVisible());
    EXPECT_EQ(box.currentIndex(), 16);
    EXPECT_EQ(box.Selected(), clWhite);

    box.ReadOnly = false;
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(box.currentIndex(), 17);
    QTest::keyClick(&box, Qt::Key_Home);
    EXPECT_EQ(box.currentIndex(), 0);
    box.ReadOnly = true;
    QTest::keyClick(&box, Qt::Key_Return);  // Enter on "Custom..." opens no dialog while read-only
    EXPECT_EQ(dialog.Runs, 0);
    box.ReadOnly = false;
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(dialog.Runs, 1);
}
