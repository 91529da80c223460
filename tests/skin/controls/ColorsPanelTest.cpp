// TsColorsPanel and the number edits of the colour dialog: cells, hit test, selection, the skinned face,
// hex texts, values, masks.
#include <gtest/gtest.h>

#include <QTest>

#include "skin/binding/sCommonData.h"
#include "skin/controls/sColorsPanel.h"
#include "skin/controls/sCurrencyEdit.h"
#include "skin/controls/sMaskEdit.h"
#include "skin/controls/sScrollBox.h"
#include "skin/manager/GlimmerManager.h"

TEST(ColorsPanel, HexTexts) {
    const struct {
        const char* Text;
        TColor Color;
    } cases[] = {
        {"FF0000", clRed},          {"ff8000", RGB(255, 128, 0)}, {"0000FFH", clBlue},
        {"C0C0C0 silver", clSilver}, {"008000\nrest", clGreen},   {"", clBlack},
        {"GG0000", clBlack},         {" FF0000", clBlack},        {"80", RGB(0, 0, 0x80)},
    };
    for (const auto& c : cases) EXPECT_EQ(ColorFromHexText(QString::fromLatin1(c.Text)), c.Color) << c.Text;
    EXPECT_EQ(HexTextOfColor(RGB(255, 128, 0)), QStringLiteral("FF8000"));
    EXPECT_EQ(HexTextOfColor(RGB(10, 20, 30)), QStringLiteral("0A141E"));
}

TEST(ColorsPanel, CellsAreLaidOutRowByRowAndMissingEntriesAreWhite) {
    TsColorsPanel panel;
    EXPECT_EQ(panel.Colors().size(), 10);  // 5 x 2 by default
    panel.SetColCount(8);
    panel.SetRowCount(6);
    panel.SetColors({"FF0000", "00FF00"});
    ASSERT_EQ(panel.Cells().size(), 48u);
    EXPECT_EQ(panel.Colors().size(), 48);
    EXPECT_EQ(panel.Colors().back(), QStringLiteral("FFFFFF"));
    EXPECT_EQ(panel.Cells()[1].Color, clLime);
    EXPECT_EQ(panel.Cells()[2].Color, clWhite);
    EXPECT_EQ(panel.Cells()[0].Rect, QRect(6, 6, 21, 21));
    EXPECT_EQ(panel.Cells()[9].Rect, QRect(33, 33, 21, 21));  // row 1, column 1
    EXPECT_EQ(panel.Cells()[47].Rect, QRect(195, 141, 21, 21));
}

TEST(ColorsPanel, HitTestTakesTheFirstCellWithItsMargin) {
    TsColorsPanel panel;
    const struct {
        QPoint Point;
        int Cell;
    } cases[] = {
        {{6, 6}, 0}, {{26, 26}, 0}, {{0, 0}, 0}, {{30, 10}, 0},  // the gap belongs to the left cell's margin
        {{32, 10}, 0}, {{33, 10}, 1}, {{40, 40}, 6}, {{140, 10}, 4}, {{141, 10}, -1}, {{10, 60}, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(panel.CellAt(c.Point), c.Cell) << c.Point.x() << "," << c.Point.y();
}

TEST(ColorsPanel, ItemIndexFiresOnChangeOnlyOnChanges) {
    TsColorsPanel panel;
    int changes = 0;
    panel.OnChange = [&](QObject*) { ++changes; };
    panel.SetItemIndex(3);
    panel.SetItemIndex(3);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(panel.Cells()[3].Selected);
    panel.SetItemIndex(99);  // beyond the last cell: none
    EXPECT_EQ(panel.ItemIndex(), -1);
    EXPECT_EQ(changes, 2);
    panel.resize(200, 100);
    panel.show();
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_EQ(panel.ItemIndex(), 6);
    EXPECT_TRUE(panel.hasFocus());
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(180, 80));
    EXPECT_EQ(panel.ItemIndex(), -1);
    EXPECT_EQ(changes, 4);
    panel.SetItemIndex(9);
    panel.SetRowCount(1);  // the stored index now lies beyond the cells
    EXPECT_EQ(panel.ItemIndex(), -1);
}

TEST(NumberEdits, CurrencyEditValueAndFormat) {
    TsCurrencyEdit edit;
    edit.DecimalPlaces = 0;
    edit.SetDisplayFormat(QStringLiteral("0"));
    const struct {
        double Value;
        const char* Text;
    } cases[] = {{255, "255"}, {99.5, "100"}, {100.5, "100"}, {-0.4, "0"}, {75.000001, "75"}};
    for (const auto& c : cases) {
        edit.SetValue(c.Value);
        EXPECT_EQ(edit.text(), QString::fromLatin1(c.Text)) << c.Value;
    }
    edit.setText(QStringLiteral("abc"));
    EXPECT_EQ(edit.Value(), 0);
    int changes = 0;
    edit.OnChange = [&](QObject*) { ++changes; };
    edit.clear();
    QTest::keyClicks(&edit, QStringLiteral("3x0.0"));  // letters and, without decimals, the point refused
    EXPECT_EQ(edit.text(), QStringLiteral("300"));
    EXPECT_EQ(edit.Value(), 300);
    EXPECT_EQ(changes, 4);
}

TEST(NumberEdits, MaskEditKeepsItsPlacesAndCase) {
    EXPECT_EQ(TsMaskEdit::QtInputMask(QStringLiteral("AAAAAA;1; ")), QStringLiteral("NNNNNN; "));
    EXPECT_EQ(TsMaskEdit::QtInputMask(QStringLiteral("!99/99;1;_")), QStringLiteral("00/00;_"));
    TsMaskEdit edit;
    edit.SetCharCase(TEditCharCase::ecUpperCase);
    edit.SetEditMask(QStringLiteral("AAAAAA;1; "));
    edit.SetMaxLength(6);
    edit.SetText(QStringLiteral("      "));
    EXPECT_EQ(edit.Text(), QStringLiteral("      "));
    edit.OnKeyPress = [](QObject*, QChar& key) {
        if (key == QLatin1Char('x')) key = QChar();
    };
    edit.setCursorPosition(0);
    QTest::keyClicks(&edit, QStringLiteral("fx8a"));
    EXPECT_EQ(edit.Text(), QStringLiteral("F8A   "));
    edit.SetText(QStringLiteral("ab12cd"));
    EXPECT_EQ(edit.Text(), QStringLiteral("AB12CD"));
}

TEST(ColorsPanel, SkinnedGridShowsItsSectionsFaceAroundTheCells) {
    const auto manager = MakeGlimmerManager();
    QWidget host;
    host.resize(200, 100);
    QPalette palette = host.palette();
    palette.setColor(QPalette::Window, Qt::red);  // the window colour a flat grid would show
    host.setPalette(palette);
    // A skinned surface under the grid: the internal skin's "CHECKBOX" face is see-through.
    auto* bar = new TsScrollBoxPanel(&host, QStringLiteral("BAR"));
    bar->setGeometry(0, 0, 200, 100);
    auto* panel = new TsColorsPanel(bar);
    panel->setGeometry(10, 10, 140, 60);
    FormLoaded(&host);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    ASSERT_TRUE(panel->SkinData.IsSkinned());
    const QImage under = bar->grab().toImage();
    const QImage shown = panel->grab().toImage();
    EXPECT_NE(under.pixel(11, 11) & 0xFFFFFFu, 0xFF0000u);
    EXPECT_EQ(shown.pixel(1, 1), under.pixel(11, 11));
    EXPECT_EQ(shown.pixel(135, 55), under.pixel(145, 65));
    EXPECT_EQ(shown.pixel(panel->Cells()[0].Rect.center()) & 0xFFFFFFu, 0xFFFFFFu);  // a white cell over it
}
