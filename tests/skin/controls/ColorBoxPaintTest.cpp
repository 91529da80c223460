// The colour box's drawing: list rows and the face, unskinned and skinned, the button's place, the list window.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCoreApplication>

#include "skin/binding/RepaintPath.h"
#include "skin/controls/sComboBoxes.h"
#include "skin/controls/sComboListSkin.h"
#include "core/SystemColors.h"
#include "skin/manager/SkinCommands.h"
#include "skin/model/SkinOptions.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/PaintTypes.h"

namespace {
constexpr TColor kBoxColor = 0x030201;
constexpr TColor kFaceColor = 0x405060;
constexpr TColor kSelectionColor = 0x00C000;

void LoadSkin(TsSkinManager& manager, bool withSelection) {
    std::string text = "[GLOBALINFO]\nVERSION=6.4\nCOLOR=16777215\n[COMBOBOX]\nCOLOR=" +
                       std::to_string(kFaceColor) + "\nHOTCOLOR=" + std::to_string(kFaceColor) +
                       "\n[EDIT]\nCOLOR=15790320\nFONTCOLOR=0\n";
    if (withSelection) text += "[SELECTION]\nCOLOR=" + std::to_string(kSelectionColor) + "\nFONTCOLOR=16777215\n";
    const SkinOptions options = SkinOptions::FromText(text);
    SkinModel model;
    model.Load(&options, nullptr, std::string(), SkinLoadSettings());
    model.SkinData.Active = true;
    manager.CommonSkinData() = std::move(model);
}

TColor At(const Bitmap32& bitmap, int x, int y) { return PixelToColor(bitmap.At(x, y)) & 0xFFFFFFu; }

int IndexOf(const TsCustomColorBox& box, TColor color) {
    for (int i = 0; i < box.count(); ++i)
        if (box.ItemColor(i) == color) return i;
    return -1;
}

struct Probe {
    int X, Y;
    TColor Color;
};
}  // namespace

TEST(ColorBoxPaint, ContrastFrameColor) {
    const struct {
        TColor Color;
        bool Selected;
        TColor Frame;
    } cases[] = {
        {clWhite, false, RGB(128, 128, 128)},     {RGB(129, 0, 0), true, RGB(128, 128, 128)},
        {RGB(128, 128, 128), false, RGB(128, 128, 128)}, {RGB(0, 0, 128), true, clWhite},
        {RGB(0, 0, 128), false, RGB(0, 0, 128)},  {clBtnFace, false, RGB(128, 128, 128)},  // a system colour, resolved
    };
    for (const auto& c : cases) EXPECT_EQ(ContrastFrameColor(c.Color, c.Selected), c.Frame) << std::hex << c.Color;
}

// A 100 x 16 row or face of an unskinned box: where the background, swatch and frame go in each state.
TEST(ColorBoxPaint, UnskinnedRowsAndFace) {
    TsColorBox box;
    box.resize(120, 22);
    box.SetStyle(cbStandardColors | cbPrettyNames);
    box.SetColor(kBoxColor);
    box.SetMargin(2);
    const TColor highlight = ColorToRGB(clHighlight);
    const struct {
        const char* Name;
        TColor Item;
        TOwnerDrawState State;
        bool ShowName;
        std::vector<Probe> Probes;
    } cases[] = {
        // Row: swatch from x 3 to 30 (twice its height of 14), grey frame on a light colour, name after it.
        {"row", clRed, 0, true, {{99, 8, kBoxColor}, {3, 1, RGB(128, 128, 128)}, {10, 8, clRed}, {2, 8, kBoxColor}}},
        {"selected row", clNavy, odSelected, true, {{99, 8, highlight}, {3, 1, clWhite}, {10, 8, clNavy}}},
        {"face without name", clRed, odComboBoxEdit, false,
         {{2, 2, kBoxColor}, {3, 3, RGB(128, 128, 128)}, {50, 8, clRed}, {96, 12, RGB(128, 128, 128)}}},
        {"focused face without name", clWhite, odComboBoxEdit | odSelected | odFocused, false,
         {{50, 8, clWhite}, {1, 8, clWhite}}},
        {"face with name", clRed, odComboBoxEdit, true, {{4, 8, kBoxColor}, {5, 4, RGB(128, 128, 128)}, {10, 8, clRed}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        box.ShowColorName = c.ShowName;
        Bitmap32 row(100, 16, 0xFF00FF00u);
        ASSERT_TRUE(box.PaintListItem(IndexOf(box, c.Item), QRect(0, 0, 100, 16), &row, c.State));
        for (const Probe& p : c.Probes) EXPECT_EQ(At(row, p.X, p.Y), p.Color) << p.X << "," << p.Y;
    }
    Bitmap32 row(100, 16);
    EXPECT_FALSE(box.PaintListItem(-1, QRect(0, 0, 100, 16), &row, 0));
    EXPECT_FALSE(box.PaintListItem(box.count(), QRect(0, 0, 100, 16), &row, 0));
    EXPECT_FALSE(box.PaintListItem(0, QRect(0, 0, 100, 16), nullptr, 0));  // no skin: no cache to fall back on
    box.SetMargin(50);
    EXPECT_EQ(box.Margin(), 11);  // at most half the height
}

TEST(ColorBoxPaint, DefaultAndNoneItemsUseTheirStandInColours) {
    TsColorBox box;
    box.SetStyle(cbSystemColors | cbIncludeDefault | cbIncludeNone);
    box.DefaultColorColor = RGB(9, 8, 7);
    box.NoneColorColor = RGB(1, 200, 3);
    for (const auto& [item, shown] : {std::pair{clDefault, RGB(9, 8, 7)}, std::pair{clNone, RGB(1, 200, 3)}}) {
        Bitmap32 row(100, 16);
        ASSERT_TRUE(box.PaintListItem(IndexOf(box, item), QRect(0, 0, 100, 16), &row, 0));
        EXPECT_EQ(At(row, 10, 8), shown);
    }
}

// Skinned: a selected row lies on the selection section, or on the skin's highlight colour without one;
// the face keeps what the cache holds under it.
TEST(ColorBoxPaint, SkinnedRowsTakeTheSelectionSectionAndTheFaceKeepsTheCache) {
    for (const bool withSelection : {true, false}) {
        SCOPED_TRACE(withSelection);
        TsSkinManager manager;
        LoadSkin(manager, withSelection);
        TsColorBox box;
        box.resize(120, 22);
        box.SetStyle(cbStandardColors);
        box.SkinData.Loaded();
        ASSERT_TRUE(box.SkinData.IsSkinned());
        Bitmap32 row(100, 16);
        ASSERT_TRUE(box.PaintListItem(IndexOf(box, clRed), QRect(0, 0, 100, 16), &row, odSelected));
        const TColor expected = withSelection ? kSelectionColor : manager.CommonSkinData().HighlightBackColor(true);
        EXPECT_EQ(At(row, 99, 8), expected);
        EXPECT_EQ(At(row, 10, 8), clRed);

        Bitmap32 target(120, 22, ColorToPixel(RGB(7, 7, 7)));
        box.ShowColorName = true;
        ASSERT_TRUE(box.PaintListItem(IndexOf(box, clRed), QRect(3, 3, 90, 16), &target, odComboBoxEdit));
        EXPECT_EQ(At(target, 80, 10), RGB(7, 7, 7));  // the text area's background is the cache's
        EXPECT_EQ(At(target, 15, 10), clRed);
    }
}

// The closed box's face: the skin's face, the selected colour's swatch left of the drop-down button,
// mirrored under right-to-left reading.
TEST(ColorBoxPaint, SkinnedFaceAndDropButton) {
    TsSkinManager manager;
    LoadSkin(manager, false);
    for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        SCOPED_TRACE(direction);
        TsColorBox box;
        box.setLayoutDirection(direction);
        box.resize(120, 22);
        box.SetStyle(cbStandardColors | cbCustomColor);
        box.ShowColorName = false;
        box.SkinData.Loaded();
        box.SetSelected(clRed);
        const bool rtl = direction == Qt::RightToLeft;
        EXPECT_EQ(box.DropButtonRect(), QRect(rtl ? 2 : 120 - 2 - 17, 2, 17, 18));
        RebuildSkinCache(box);
        const Bitmap32& cache = *box.SkinData.CacheBitmap;
        EXPECT_EQ(At(cache, rtl ? 10 : 110, 11), kFaceColor);  // the button: the face shows through
        EXPECT_EQ(At(cache, 60, 11), clRed);                  // the swatch
        EXPECT_EQ(At(cache, 1, 1), kFaceColor);
    }
}

TEST(ColorBoxPaint, DropDownAndCloseUpAndTheListWindowWrapper) {
    TsSkinManager manager;
    LoadSkin(manager, false);
    TsColorBox box;
    box.resize(120, 22);
    box.SetStyle(cbStandardColors | cbExtendedColors);
    box.SkinData.Loaded();
    box.show();
    int drops = 0, closes = 0;
    box.OnDropDown = [&](QObject*) { ++drops; };
    box.OnCloseUp = [&](QObject*) { ++closes; };
    box.showPopup();
    EXPECT_TRUE(box.DroppedDown());
    EXPECT_EQ(drops, 1);
    ASSERT_NE(box.ListSkin(), nullptr);
    EXPECT_EQ(box.view()->sizeHintForRow(0), 16);
    EXPECT_LE(box.view()->height(), 8 * 16 + 4);  // DropDownCount rows, not all 20
    box.hidePopup();
    EXPECT_FALSE(box.DroppedDown());
    EXPECT_EQ(closes, 1);
    TNimbrelCommandEvent remove(MakeNimbrelParam(AC_REMOVESKIN), &manager);
    QCoreApplication::sendEvent(&box, &remove);
    EXPECT_EQ(box.ListSkin(), nullptr);
}

// Without a skin the platform's frame and button surround the item the box draws itself.
TEST(ColorBoxPaint, UnskinnedFaceShowsTheSelectedSwatch) {
    for (const bool showName : {false, true}) {
        SCOPED_TRACE(showName);
        TsColorBox box;
        box.resize(160, 22);
        box.SetStyle(cbStandardColors | cbPrettyNames);
        box.ShowColorName = showName;
        box.SetSelected(clRed);
        ASSERT_FALSE(box.SkinData.IsSkinned());
        const QImage face = box.grab().toImage();
        EXPECT_EQ(face.pixelColor(showName ? 20 : 60, 11), QColor(255, 0, 0));
    }
}
