#include "catalogue/arrays.h"

#include <gtest/gtest.h>

TEST(ArrayHelpers, AnArrayWithoutBoundsHoldsNoId) {
    const CardArray none;
    EXPECT_FALSE(IsArrayDimensioned(none));
    for (int id : {0, 5, 77, -1}) EXPECT_FALSE(IsInArray(id, none)) << id;
}

TEST(ArrayHelpers, FindsAnIdAnywhereBetweenTheBounds) {
    struct Case {
        CardArray array;
        int id;
        bool found;
    };
    const Case cases[] = {
        {{0}, 0, true},              // sized 0 to 0 holding 0
        {{0}, 5, false},
        {{0, 0, 0, 0}, 0, true},     // freshly sized: every element still 0
        {{9, 40, 15, 0}, 9, true},   // lower bound
        {{9, 40, 15, 0}, 0, true},   // upper bound, the spare element included
        {{9, 40, 40, 1}, 40, true},  // twice
        {{9, 40, 15, 0}, 77, false},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(IsArrayDimensioned(c.array));
        EXPECT_EQ(IsInArray(c.id, c.array), c.found) << c.id;
    }
}

// The draw asks only about the positions drawn so far, so a card still in an unfilled or spare
// element (0, "Death") can be drawn.
TEST(ArrayHelpers, ASpanOfTheDrawnPositionsLeavesTheUnfilledElementsOut) {
    const CardArray drawn = {12, 3, 0, 0, 0};
    const std::span<const std::int32_t> soFar(drawn.data(), 2);
    EXPECT_FALSE(IsInArray(0, soFar));
    EXPECT_TRUE(IsInArray(3, soFar));
    EXPECT_TRUE(IsInArray(0, drawn));
    EXPECT_FALSE(IsArrayDimensioned(std::span<const std::int32_t>(drawn.data(), 0)));
}
