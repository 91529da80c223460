// Skinned text: which colours reach the canvas, where, and which section lends them. Never glyph shapes:
// the text is drawn without antialiasing, and only the set of colours and the area they cover are read.
#include <gtest/gtest.h>

#include <set>

#include "BindingTestSupport.h"
#include "skin/binding/SkinText.h"
#include "platform/NimbrelCommand.h"
#include "skin/paint/PaintTypes.h"
#include "skin/paint/PixelBlends.h"

namespace {
constexpr uint32_t kGround = 0xFF808080;
constexpr TRect kRect{10, 5, 70, 25};

struct Canvas {
    Canvas() : Pixels(80, 30, kGround) {
        Text.Bitmap = &Pixels;
        Text.Font.setPixelSize(14);
        Text.Font.setStyleStrategy(QFont::NoAntialias);
        Text.FontColor = 0x0000FF;  // red in colour order
    }
    Bitmap32 Pixels;
    TsTextCanvas Text;

    std::set<uint32_t> Colours() const { return {Pixels.Pixels().begin(), Pixels.Pixels().end()}; }
    /// True when nothing outside the rectangle changed.
    bool OutsideUntouched(TRect r) const {
        for (int y = 0; y < Pixels.Height(); ++y)
            for (int x = 0; x < Pixels.Width(); ++x)
                if ((x < r.Left || x >= r.Right || y < r.Top || y >= r.Bottom) && Pixels.At(x, y) != kGround)
                    return false;
        return true;
    }
    /// Mean column of the text's pixels.
    double MeanTextColumn() const {
        double sum = 0;
        int count = 0;
        for (int y = 0; y < Pixels.Height(); ++y)
            for (int x = 0; x < Pixels.Width(); ++x)
                if (Pixels.At(x, y) != kGround) sum += x, ++count;
        return count == 0 ? -1 : sum / count;
    }
};

uint32_t Pixel(TColor color) { return ColorToPixel(color); }

}  // namespace

TEST(SkinText, ColoursByStateContourAndSkin) {
    TTestSkin skin;
    QWidget form;
    struct Case {
        const char* Name;
        const char* Section;
        bool Enabled, Hot, CustomFont;
        std::set<uint32_t> Colours;
    };
    const uint32_t disabled = Pixel(BlendTwoColors(0, 0xFFFFFF, 0.4));
    const Case cases[] = {
        {"contours left and right, then the font colour", "TEXT", true, false, false,
         {kGround, Pixel(0), Pixel(255), Pixel(65280)}},
        {"hot: the hot set, no contours", "TEXT", true, true, false, {kGround, Pixel(16711680)}},
        {"disabled: 40 % font colour over the skin's background", "TEXT", false, false, false, {kGround, disabled}},
        {"custom font: the canvas colour", "TEXT", true, false, true, {kGround, Pixel(0x0000FF)}},
        {"unskinned: the canvas colour", "NOSUCH", true, false, false, {kGround, Pixel(0x0000FF)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TTestControl control(&form, kPlainKind, QString::fromLatin1(c.Section));
        control.SkinData.Loaded();
        control.SkinData.SetCustomFont(c.CustomFont);
        Canvas canvas;
        DrawSkinText(canvas.Text, QStringLiteral("HHH"), c.Enabled, c.Hot, control.SkinData,
                     Qt::AlignLeft | Qt::AlignVCenter, kRect);
        EXPECT_EQ(canvas.Colours(), c.Colours);
        EXPECT_TRUE(canvas.OutsideUntouched(kRect));
    }
}

TEST(SkinText, EmptyTextDrawsNothingAndAlignmentMovesTheText) {
    TTestSkin skin;
    QWidget form;
    TTestControl control(&form, kPlainKind, QStringLiteral("TEXT"));
    control.SkinData.Loaded();
    Canvas empty;
    DrawSkinText(empty.Text, QString(), true, false, control.SkinData, Qt::AlignLeft, kRect);
    EXPECT_EQ(empty.Colours(), std::set<uint32_t>{kGround});
    Canvas left, right;
    DrawSkinText(left.Text, QStringLiteral("H"), true, false, control.SkinData, Qt::AlignLeft, kRect);
    DrawSkinText(right.Text, QStringLiteral("H"), true, false, control.SkinData, Qt::AlignRight, kRect);
    EXPECT_LT(left.MeanTextColumn(), 25);
    EXPECT_GT(right.MeanTextColumn(), 55);
}

TEST(SkinText, TheGlowTintsTheCacheAroundTheTextOnly) {
    TTestSkin skin;
    QWidget form;
    TTestControl control(&form, kPlainKind, QStringLiteral("GLOWING"));
    control.resize(80, 30);
    control.SkinData.Loaded();
    control.SkinData.EnsureCache();
    Bitmap32& cache = *control.SkinData.CacheBitmap;
    cache = Bitmap32(80, 30, kGround);
    TsTextCanvas text;
    text.Bitmap = &cache;
    text.Font.setPixelSize(14);
    const TRect rect{25, 10, 55, 20};
    DrawSkinText(text, QStringLiteral("HH"), true, false, control.SkinData, Qt::AlignCenter, rect);
    // Beyond the glow's reach (3 + 4 pixels around the rectangle) nothing changes.
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x)
            if (x < rect.Left - 7 || x >= rect.Right + 7) {
                ASSERT_EQ(cache.At(x, y), kGround) << x << "," << y;
            }
    // Just outside the text's rectangle the glow's red shows.
    bool tinted = false;
    for (int x = rect.Left - 3; x < rect.Right + 3; ++x) {
        const uint32_t p = cache.At(x, rect.Top - 1);
        tinted = tinted || (PixelRed(p) > PixelGreen(p) && PixelRed(p) > 0x80);
    }
    EXPECT_TRUE(tinted);
}

TEST(SkinText, TransparentWindowlessControlsBorrowTheColoursOfALendingAncestor) {
    TTestSkin skin;
    const SkinModel& model = skin.Manager.CommonSkinData();
    struct Case {
        const char* Name;
        const char* Parent;
        const char* Grandparent;
        const char* Expected;
    };
    const Case cases[] = {
        {"a lending parent", "LENDER", "KEEPER", "LENDER"},
        {"a parent that keeps its colours", "KEEPER", "LENDER", "SEETHROUGH"},
        {"a see-through parent passes the question up", "SEETHROUGH", "LENDER", "LENDER"},
        {"a parent without a section", "NOSUCH", "LENDER", "SEETHROUGH"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TTestControl grandparent(nullptr, kPlainKind, QString::fromLatin1(c.Grandparent));
        TTestControl parent(&grandparent, kPlainKind, QString::fromLatin1(c.Parent));
        TTestControl label(&parent, 0, QStringLiteral("SEETHROUGH"), true);
        for (TTestControl* w : {&grandparent, &parent, &label}) w->SkinData.Loaded();
        EXPECT_EQ(TextSectionIndex(label.SkinData, false), model.SectionIndexOf(c.Expected));
        // A windowed control, or one with a font of its own, keeps its own section.
        TTestControl windowed(&parent, kPlainKind, QStringLiteral("SEETHROUGH"));
        windowed.SkinData.Loaded();
        EXPECT_EQ(TextSectionIndex(windowed.SkinData, false), model.SectionIndexOf("SEETHROUGH"));
        label.setFont(QFont(QStringLiteral("Serif")));
        EXPECT_EQ(TextSectionIndex(label.SkinData, false), model.SectionIndexOf("SEETHROUGH"));
    }
}
