// Tests of the state cells of a mask: sizes, positions and the guards for odd state counts and layouts.
#include <gtest/gtest.h>

#include "skin/model/MaskCells.h"

namespace {

struct CellCase {
    TRect Source;
    int StateCount;
    int MaskLayout;
    int State;
    TRect Expected;
};

TEST(MaskCellsTest, StateCellsFromTheSourceRectangle) {
    const CellCase cases[] = {
        {{10, 20, 40, 32}, 3, 0, 0, {10, 20, 20, 32}},  // three states side by side
        {{10, 20, 40, 32}, 3, 0, 2, {30, 20, 40, 32}},
        {{10, 20, 40, 32}, 3, 1, 1, {20, 20, 30, 26}},  // the lower half is the opacity mask
        {{0, 0, 31, 9}, 3, 2, 1, {10, 0, 20, 3}},       // divisions drop the remainders
        {{10, 20, 40, 32}, 3, 0, 7, {30, 20, 40, 32}},  // states beyond the last take the last
        {{10, 20, 40, 32}, 3, 0, -1, {10, 20, 20, 32}},
        {{10, 20, 40, 32}, 0, 0, 1, {10, 20, 40, 32}},  // no state count: one state
        {{10, 20, 40, 32}, -2, 1, 0, {10, 20, 40, 26}},
    };
    for (const CellCase& c : cases) {
        EXPECT_EQ(StateCell(c.Source, c.StateCount, c.MaskLayout, c.State), c.Expected)
            << c.StateCount << " states, layout " << c.MaskLayout << ", state " << c.State;
    }
}

TEST(MaskCellsTest, NegativeLayoutGivesAnEmptyCell) {
    TsMaskData mask;
    mask.SourceRect = {0, 0, 20, 10};
    mask.StateCount = 2;
    mask.MaskLayout = -1;
    EXPECT_TRUE(RectEmpty(MaskStateCell(mask, 0)));
    mask.MaskLayout = 0;
    EXPECT_EQ(MaskStateCell(mask, 1), (TRect{10, 0, 20, 10}));
}

}  // namespace
