// The embedded edit-button glyph strips: five 48 x 16 pictures of three distinct cells with alpha.
#include <gtest/gtest.h>

#include "skin/controls/EditGlyphs.h"

TEST(EditGlyphs, FiveStripsOfThreeCellsWithTransparency) {
    const TEditGlyphList& glyphs = EditGlyphs();
    EXPECT_EQ(&glyphs, &EditGlyphs());  // one list for the process
    ASSERT_EQ(glyphs.Count(), 5);
    EXPECT_EQ(glyphs.CellCount(), 3);
    EXPECT_TRUE(glyphs.Image(5).isNull());
    for (int index = 0; index < glyphs.Count(); ++index) {
        const QImage strip = glyphs.Image(index);
        ASSERT_EQ(strip.size(), QSize(48, 16)) << index;
        ASSERT_TRUE(strip.hasAlphaChannel()) << index;
        QImage cells[3];
        for (int cell = 0; cell < 3; ++cell) {
            cells[cell] = strip.copy(cell * 16, 0, 16, 16);
            int opaque = 0;
            int clear = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) (qAlpha(cells[cell].pixel(x, y)) == 255 ? opaque : clear) += 1;
            EXPECT_GT(opaque, 20) << index << " cell " << cell;  // something is drawn
            EXPECT_GT(clear, 0) << index << " cell " << cell;    // and the button shows around it
        }
        EXPECT_NE(cells[0], cells[1]) << index;  // hot and pressed have their own pictures
        EXPECT_NE(cells[0], cells[2]) << index;
        EXPECT_NE(cells[1], cells[2]) << index;
    }
}
