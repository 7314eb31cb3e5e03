#include "state/readingstate.h"

#include <gtest/gtest.h>

TEST(ReadingState, StartsEmpty) {
    const ReadingState start;
    EXPECT_TRUE(start.reading.strSpreadName.isEmpty());
    EXPECT_EQ(start.reading.lngCardCount, 0);
    EXPECT_EQ(start.reading.lngSpreadIndex, 0);
    EXPECT_TRUE(start.reading.strDeckLetter.isEmpty());
    EXPECT_TRUE(start.reading.arrDrawnCards.empty());
    EXPECT_TRUE(start.reading.arrReversedCards.empty());
    EXPECT_FALSE(start.reading.blnManualMode);
    EXPECT_FALSE(start.options.blnMinorArcana || start.options.blnMajorArcana || start.options.blnAllowReverse ||
                 start.options.blnAutoCastPressed || start.options.blnManualPressed);
    EXPECT_FALSE(start.opened.blnReplayPending);
    EXPECT_TRUE(start.opened.strOpenedSpreadName.isEmpty());
}

TEST(ReadingState, ResetClearsTheReadingAndOptionsButKeepsTheOpenedReading) {
    ReadingState& state = State();
    state.options = {true, false, true, true, true};
    state.reading.strSpreadName = "Celtic Cross";
    state.reading.lngCardCount = 10;
    state.reading.strDeckLetter = "m";
    state.reading.arrDrawnCards = {1, 2, 3, 0};
    state.reading.arrReversedCards = {2};
    state.reading.blnManualMode = true;
    state.opened = {true, "Tree of Life", {4, 5, 0}, {5}};

    state.Reset();

    EXPECT_EQ(state.reading.strDeckLetter, "r");
    EXPECT_FALSE(state.reading.blnManualMode);
    EXPECT_TRUE(state.reading.arrDrawnCards.empty());
    EXPECT_TRUE(state.reading.arrReversedCards.empty());
    EXPECT_FALSE(state.options.blnAutoCastPressed);
    EXPECT_FALSE(state.options.blnManualPressed);
    EXPECT_EQ(state.reading.strSpreadName, "-1");
    EXPECT_EQ(state.reading.lngCardCount, -1);
    EXPECT_FALSE(state.options.blnMinorArcana);
    EXPECT_FALSE(state.options.blnMajorArcana);
    EXPECT_FALSE(state.options.blnAllowReverse);

    EXPECT_TRUE(state.opened.blnReplayPending);
    EXPECT_EQ(state.opened.strOpenedSpreadName, "Tree of Life");
    EXPECT_EQ(state.opened.arrOpenedCards, (CardArray{4, 5, 0}));
    EXPECT_EQ(state.opened.arrOpenedReversed, (CardArray{5}));
}
