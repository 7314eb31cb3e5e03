// The manual reading's tables and deal, without windows.
#include "catalogue/spreads.h"
#include "manual/placement.h"
#include "platform/randomsource.h"
#include "support/qtprinting.h"

#include <gtest/gtest.h>
#include <set>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

struct HintCase {
    const char* spread;
    const char* position;
    const char* expected;
};

TEST(PositionHint, ShowsTitleAndMeaningAsTheReportWritesThem) {
    const HintCase cases[] = {
        {"Celtic Cross", "0",
         "Card 1: The Covering\r\nThis represents the overall events, situations or influences surrounding the present "
         "question."},
        {"One Card", "0", "Card 1:  This represents the most important factor that affects the issue in hand."},
        {"Two Cards", "0",
         "Card 1: This card signifies what can happen if you carry out the solution that this card represents."},
        {"Two Cards", "1",
         "Card 2: This card signifies what can happen if you carry out the solution that this card represents."},
        {"The Line Spread", "2", "Card 3 - This card represents the present."},
        {"Four Seasons Spread(Marvane/Oska)", "1", "Card 2\r\nThis card alters the next card (Card 3)"},
    };
    for (const HintCase& c : cases) {
        SCOPED_TRACE(std::string(c.spread) + " " + c.position);
        const auto hint = PositionHintFor(QString::fromLatin1(c.spread), QString::fromLatin1(c.position));
        ASSERT_TRUE(hint.has_value());
        EXPECT_EQ(*hint, QString::fromLatin1(c.expected));
    }
}

TEST(PositionHint, CelticCrossLastPositionIsTheOutcome) {
    const auto hint = PositionHintFor(QStringLiteral("Celtic Cross"), QStringLiteral("9"));
    ASSERT_TRUE(hint.has_value());
    EXPECT_TRUE(hint->startsWith(QStringLiteral("Card 10: The Outcome") + kCrLf));
}

TEST(PositionHint, RomanyRowsEndInPastPresentAndFuture) {
    const QString romany = QStringLiteral("The Romany/ Gypsy Spread");
    for (int k = 0; k < 21; ++k) {
        SCOPED_TRACE(k);
        const auto hint = PositionHint(romany, k);
        ASSERT_TRUE(hint.has_value());
        EXPECT_TRUE(hint->startsWith(QStringLiteral("Card %1").arg(k + 1) + kCrLf));
        const char* ending = k <= 6 ? "Represent the past." : k <= 13 ? "Represent the present." : "Represent the future.";
        EXPECT_TRUE(hint->endsWith(QString::fromLatin1(ending))) << hint->toStdString();
    }
}

TEST(PositionHint, NothingForAnUnknownSpreadOrAPositionOutsideIt) {
    const struct {
        const char* spread;
        const char* position;
    } cases[] = {
        {"Celtic Cross", "10"}, {"Celtic Cross", "-1"}, {"Celtic Cross", "1.5"},  {"Celtic Cross", "one"},
        {"Celtic Cross", ""},   {"celtic cross", "0"},  {"Celtic Cross ", "0"},   {" One Card", "0"},
        {"One Card", "1"},      {"", "0"},              {"The Romany/ Gypsy Spread", "21"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("'") + c.spread + "' '" + c.position + "'");
        EXPECT_FALSE(PositionHintFor(QString::fromLatin1(c.spread), QString::fromLatin1(c.position)).has_value());
    }
}

TEST(DealTables, BacksAndPoolsFollowTheOptionsMajorFirst) {
    const struct {
        bool major, minor;
        int backs, first;
    } cases[] = {
        {false, false, 78, 0},
        {true, false, 22, 0},
        {false, true, 56, 22},
        {true, true, 22, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "major " << c.major << " minor " << c.minor);
        EXPECT_EQ(BacksShown(c.major, c.minor), c.backs);
        EXPECT_EQ(DealPool(c.major, c.minor).first, c.first);
        EXPECT_EQ(DealPool(c.major, c.minor).size, c.backs);
    }
}

TEST(DealReversal, TenTimesTheValueRoundedHalfToEvenOddReverses) {
    const struct {
        double r;
        bool reversed;
    } cases[] = {
        {0.0, false},    {0.04, false},   {0.05, false},  // 0.5 goes to 0
        {0.0625, true},  {0.125, true},   // 0.625 and 1.25 give 1
        {0.25, false},   // 2.5 goes to 2
        {0.375, false},  // 3.75 gives 4
        {0.75, false},   // 7.5 goes to 8
        {0.875, true},   // 8.75 gives 9
        {0.94, true},    {0.999, false},  // 9.4 gives 9, 9.99 gives 10
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.r);
        EXPECT_EQ(DealReversal(c.r), c.reversed);
    }
}

TEST(DealNextCard, FirstValueZeroDealsCardZero) {
    platform::ScriptedRandom random({0.0});
    TarotReading reading;
    const auto dealt = DealNextCard(reading, {});
    ASSERT_TRUE(dealt.has_value());
    EXPECT_EQ(dealt->id, 0);
    EXPECT_EQ(reading.arrDrawnCards, CardArray({0}));
    EXPECT_TRUE(reading.arrReversedCards.empty());
    EXPECT_EQ(random.taken(), 1);  // no value spent on a reversal
    EXPECT_EQ(random.seedings(), 1);
}

TEST(DealNextCard, LowestAndHighestValueGiveThePoolsEnds) {
    const double highest = 1.0 - 0x1.0p-53;
    const struct {
        bool major, minor;
        int lowest, highestId;
    } cases[] = {{false, false, 0, 77}, {true, false, 0, 21}, {false, true, 22, 77}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "major " << c.major << " minor " << c.minor);
        platform::ScriptedRandom random({0.0, highest});
        TarotReading reading;
        DealOptions options{c.major, c.minor, false};
        EXPECT_EQ(DealNextCard(reading, options)->id, c.lowest);
        EXPECT_EQ(DealNextCard(reading, options)->id, c.highestId);
    }
}

TEST(DealNextCard, DrawsAgainWhileTheCardWasDealtBeforeLettingEventsRunEachTime) {
    // Whole deck: value (id + 0.5) / 78 gives id.
    auto value = [](int id) { return (id + 0.5) / 78.0; };
    platform::ScriptedRandom random({value(5), value(0), value(5), value(9)});
    TarotReading reading;
    reading.arrDrawnCards = {5, 0};
    int attempts = 0;
    const auto dealt = DealNextCard(reading, {}, [&] { ++attempts; });
    ASSERT_TRUE(dealt.has_value());
    EXPECT_EQ(dealt->id, 9);
    EXPECT_EQ(attempts, 4);
    EXPECT_EQ(reading.arrDrawnCards, CardArray({5, 0, 9}));
}

TEST(DealNextCard, ReversalTakesOneMoreValueAndRecordsTheCardId) {
    platform::ScriptedRandom random({(40 + 0.5) / 78.0, 0.125, (3 + 0.5) / 78.0, 0.25, (60 + 0.5) / 78.0, 0.875});
    TarotReading reading;
    const DealOptions options{false, false, true};
    EXPECT_TRUE(DealNextCard(reading, options)->reversed);
    EXPECT_FALSE(DealNextCard(reading, options)->reversed);
    EXPECT_TRUE(DealNextCard(reading, options)->reversed);
    EXPECT_EQ(reading.arrDrawnCards, CardArray({40, 3, 60}));
    EXPECT_EQ(reading.arrReversedCards, CardArray({40, 60}));
    EXPECT_EQ(random.taken(), 6);
}

TEST(DealNextCard, NothingWhenThePoolIsDealtOut) {
    platform::ScriptedRandom random;
    TarotReading reading;
    for (int id = 0; id < 22; ++id) reading.arrDrawnCards.push_back(id);
    const CardArray before = reading.arrDrawnCards;
    EXPECT_FALSE(DealNextCard(reading, {true, false, false}).has_value());
    EXPECT_EQ(reading.arrDrawnCards, before);
}

TEST(DealNextCard, TwentyOneMajorCardsAreDistinctAndEveryIdOfThePoolComesUp) {
    std::set<int> seen;
    for (int reading_no = 0; reading_no < 40; ++reading_no) {
        TarotReading reading;
        for (int k = 0; k < 21; ++k) ASSERT_TRUE(DealNextCard(reading, {true, false, true}).has_value());
        const std::set<int> distinct(reading.arrDrawnCards.begin(), reading.arrDrawnCards.end());
        ASSERT_EQ(reading.arrDrawnCards.size(), 21u);
        ASSERT_EQ(distinct.size(), 21u);
        for (int id : reading.arrDrawnCards) {
            ASSERT_GE(id, 0);
            ASSERT_LE(id, 21);
        }
        seen.insert(distinct.begin(), distinct.end());
    }
    EXPECT_EQ(seen.size(), 22u);
}

struct DealHintCase {
    int spread;
    int picIndex;
    std::optional<const char*> expected;
};

TEST(DealHint, OwnTextsAfterEachPlacedPosition) {
    const DealHintCase cases[] = {
        {0, 0, "Card 2\r\n\r\nThe Crossing"},
        {0, 1, "Card 3: The Root"},
        {0, 6, "Card 8: The House"},
        {0, 7, "Card 9: The Inside\r\nCard 10: The Outcome"},
        {0, 8, "Card 9: The Inside\r\nCard 10: The Outcome"},
        {0, 9, std::nullopt},
        {1, 0, std::nullopt},
        {8, 0, "Card 2 represents your partner's view towards you."},
        {8, 8, "Card 10 tells the ways your partner can improve your relationship."},
        {8, 9, std::nullopt},
        {9, 0, "Card 2 represents the past"},
        {9, 5, "Card 7 represents the past"},
        {9, 6, "Card 8 represents the present"},
        {9, 12, "Card 14 represents the present"},
        {9, 13, "Card 15 reflects the future"},
        {9, 19, "Card 21 reflects the future"},
        {9, 20, ""},
        {10, 0, "Card 2 is Related to Taurus which represents your financial and business matters."},
        {10, 7, "Card 9 is Related to Sagittarius which represents you intimacy in religion and philosophy."},
        {10, 10, "Card 12 is Related to Pisces which represents your strengths and weaknesses."},
        {10, 11, std::nullopt},
        {11, 0, "Card 2 - Right temple: Reveals the basic emotions, feelings and intuitions."},
        {11, 8, "Card 10 - feet: Reveals our basic nature."},
        {11, 9, std::nullopt},
        {12, 0, ""},
        {12, 7, ""},
        {12, 8, std::nullopt},
        {9, 21, std::nullopt},
        {13, 0, std::nullopt},
        {-1, 0, std::nullopt},
    };
    for (const DealHintCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "spread " << c.spread << " position " << c.picIndex);
        const auto hint = DealHint(c.spread, c.picIndex);
        ASSERT_EQ(hint.has_value(), c.expected.has_value());
        if (hint) EXPECT_EQ(*hint, QString::fromLatin1(*c.expected));
    }
}

TEST(PlacementOf, CardsGoWhereTheLayoutPutsThemOnlyTheCrossingCardTurned) {
    const struct {
        int spread, picIndex;
        float left, top;
        bool turned;
    } cases[] = {
        {0, 0, 3200, 3700, false}, {0, 1, 2300, 4200, true},  {0, 9, 8500, 0, false},
        {1, 0, 5000, 2500, false}, {4, 0, 8900, 2500, false}, {6, 0, 4500, 22600, false},
        {9, 0, 13800, 11040, false}, {9, 20, 120, 1320, false}, {10, 6, 13800, 6720, false},
        {11, 9, 5840, 23160, false}, {12, 8, 7800, 8400, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "spread " << c.spread << " position " << c.picIndex);
        const auto step = PlacementOf(c.spread, c.picIndex);
        ASSERT_TRUE(step.has_value());
        EXPECT_EQ(step->sngLeft, c.left);
        EXPECT_EQ(step->sngTop, c.top);
        EXPECT_EQ(step->blnTurned, c.turned);
    }
    int turned = 0;
    for (int spread = 0; spread < kSpreadCount; ++spread) {
        for (int k = 0; k < SpreadByIndex(spread)->lngCardCount; ++k) turned += PlacementOf(spread, k)->blnTurned;
    }
    EXPECT_EQ(turned, 1);
}

TEST(PlacementOf, NothingForAPositionOrSpreadThatDoesNotExist) {
    EXPECT_FALSE(PlacementOf(0, 10).has_value());
    EXPECT_FALSE(PlacementOf(1, 1).has_value());
    EXPECT_FALSE(PlacementOf(0, -1).has_value());
    EXPECT_FALSE(PlacementOf(13, 0).has_value());
    EXPECT_FALSE(PlacementOf(-1, 0).has_value());
}

}  // namespace
