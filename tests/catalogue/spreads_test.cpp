#include "catalogue/spreads.h"

#include "platform/application.h"
#include "spreadtables.h"
#include "support/qtprinting.h"

#include <QSet>
#include <algorithm>
#include <gtest/gtest.h>

namespace {
struct SpreadCase {
    const char* name;
    const char* header;
    int cardCount;
    int descriptionLength;
    bool sameLine;
};

// In list order.
const SpreadCase kSpreadCases[] = {
    {"Celtic Cross", "Spread Type - Celtic Cross Spread", 10, 321, false},
    {"One Card", "Spread Type - One Card", 1, 193, true},
    {"Two Cards", "Spread Type - Two Cards", 2, 233, true},
    {"Three Cards", "Spread Type - Three Cards", 3, 187, false},
    {"The Line Spread", "Spread Type - The Line Spread", 5, 255, true},
    {"Eliphas Levy Wheel Spread(Hollin)", "Spread Type - Eliphas Levy Wheel Spread(Hollin)", 5, 115, false},
    {"Seven Card Chakra Layout", "Spread Type - Seven Card Chakra Spread", 7, 399, false},
    {"Four Seasons Spread(Marvane/Oska)", "Spread Type - Four Seasons Spread", 8, 308, false},
    {"Relationship Spread", "Spread Type - Relationship Spread", 10, 282, false},
    {"The Romany/ Gypsy Spread", "Spread Type - The Romany/ Gypsy Spread", 21, 479, false},
    {"Zodiac Spread", "Spread Type - Zodiac Spread", 12, 301, false},
    {"Tree of Life", "Spread Type - Tree of Life", 10, 286, false},
    {"Numerology Spread", "Spread Type - Numerology Spread", 9, 292, false},
};

const SpreadPosition& Position(const char* spread, int k) { return SpreadByName(spread)->arrPositions[k]; }
}  // namespace

TEST(DeckCatalogue, TwoDecksAndTheirLetters) {
    ASSERT_EQ(Decks().size(), 2u);
    EXPECT_EQ(Decks()[0].intIndex, 0);
    EXPECT_EQ(Decks()[0].strDisplayName, "Rider Waite Tarot Deck");
    EXPECT_EQ(Decks()[0].strLetter, "r");
    EXPECT_EQ(Decks()[1].intIndex, 1);
    EXPECT_EQ(Decks()[1].strDisplayName, "Marseilles Tarot Deck");
    EXPECT_EQ(Decks()[1].strLetter, "m");
    EXPECT_EQ(DeckLetter(0), "r");
    EXPECT_EQ(DeckLetter(1), "m");
    EXPECT_EQ(DeckLetter(-1), "m");
}

TEST(SpreadCatalogue, ThirteenSpreadsInListOrder) {
    ASSERT_EQ(Spreads().size(), std::size(kSpreadCases));
    int positions = 0;
    for (int i = 0; i < kSpreadCount; ++i) {
        const SpreadCase& c = kSpreadCases[i];
        const TarotSpread& s = Spreads()[i];
        SCOPED_TRACE(c.name);
        EXPECT_EQ(s.intIndex, i);
        EXPECT_EQ(s.strDisplayName, QLatin1String(c.name));
        EXPECT_EQ(s.strHeader, QLatin1String(c.header));
        EXPECT_EQ(s.lngCardCount, c.cardCount);
        EXPECT_EQ(s.strDescription.size(), c.descriptionLength);
        ASSERT_EQ(static_cast<int>(s.arrPositions.size()), c.cardCount);
        for (int k = 0; k < c.cardCount; ++k) {
            EXPECT_EQ(s.arrPositions[k].intPosition, k);
            EXPECT_EQ(s.arrPositions[k].blnSameLine, c.sameLine) << k;
        }
        EXPECT_EQ(SpreadByIndex(i), &s);
        EXPECT_EQ(SpreadByName(c.name), &s);
        positions += s.lngCardCount;
    }
    EXPECT_EQ(positions, 103);
    EXPECT_EQ(SpreadByIndex(-1), nullptr);
    EXPECT_EQ(SpreadByIndex(13), nullptr);
}

TEST(SpreadCatalogue, DescriptionsReadAsWritten) {
    EXPECT_EQ(SpreadByIndex(5)->strDescription,
              "This layout is based on the Eliphas Levy Wheel. He did not invent this spread but this is based on his "
              "tarot wheel.");
    EXPECT_TRUE(SpreadByIndex(6)->strDescription.contains("It is read from bottom to top.  This spread is very useful"));
    EXPECT_TRUE(SpreadByIndex(4)->strDescription.startsWith("All cards in this layout are in a straight horizontal line"));
}

TEST(SpreadCatalogue, LookupByNameIsExact) {
    for (const char* name : {"celtic cross", "Celtic Cross ", " Celtic Cross", "-1", "", "Seven card chakra layout"})
        EXPECT_EQ(SpreadByName(name), nullptr) << '"' << name << '"';
}

TEST(SpreadCatalogue, DiagramFilesAreNamedByIndex) {
    platform::ScopedProgramFolder folder("/opt/vad");
    EXPECT_EQ(SpreadDiagramPath(0), "/opt/vad/pic/c0.jpg");
    EXPECT_EQ(SpreadDiagramPath(12), "/opt/vad/pic/c12.jpg");
}

TEST(SpreadCatalogue, ShowSpreadDescriptionTakesAnyIndexButChangesTheRestOnlyForASpread) {
    int maxCardInSet = 0, no = 0;
    const TarotSpread* s = ShowSpreadDescription(4, maxCardInSet, no);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->strDisplayName, "The Line Spread");
    EXPECT_EQ(maxCardInSet, 4);
    EXPECT_EQ(no, 5);

    s = ShowSpreadDescription(5, maxCardInSet, no);
    EXPECT_EQ(s->strDisplayName, "Eliphas Levy Wheel Spread(Hollin)");
    EXPECT_EQ(no, 5);

    for (int outside : {13, -1}) {
        no = 9;
        EXPECT_EQ(ShowSpreadDescription(outside, maxCardInSet, no), nullptr);
        EXPECT_EQ(maxCardInSet, outside);
        EXPECT_EQ(no, 9);
    }
}

TEST(SpreadPositions, EveryTitleAndMeaningAsWritten) {
    ASSERT_EQ(Spreads().size(), kSpreadTexts.size());
    for (std::size_t i = 0; i < kSpreadTexts.size(); ++i) {
        const SpreadTexts& texts = kSpreadTexts[i];
        const TarotSpread& spread = Spreads()[i];
        SCOPED_TRACE(texts.spread);
        EXPECT_EQ(spread.strDisplayName, QLatin1String(texts.spread));
        ASSERT_EQ(spread.arrPositions.size(), texts.positions.size());
        for (std::size_t k = 0; k < texts.positions.size(); ++k) {
            const SpreadPosition& position = spread.arrPositions[k];
            EXPECT_EQ(position.strTitle, QLatin1String(texts.positions[k].title)) << k;
            EXPECT_TRUE(MeaningFits(position.strMeaning, texts, texts.positions[k])) << k << ": "
                                                                                     << position.strMeaning.toStdString();
            EXPECT_EQ(position.blnSameLine, texts.sameLine) << k;
        }
    }
}

TEST(SpreadPositions, SeasonsAndSharedMeanings) {
    const char* seasons[] = {"spring", "summer", "autumn", "winter"};
    for (int s = 0; s < 4; ++s)
        EXPECT_TRUE(Position("Four Seasons Spread(Marvane/Oska)", 2 * s).strMeaning.contains(seasons[s])) << seasons[s];

    // Every position of every spread has a meaning of its own, but for the rows that share one.
    QSet<QString> meanings;
    for (const TarotSpread& s : Spreads())
        for (const SpreadPosition& p : s.arrPositions) meanings.insert(p.strMeaning);
    EXPECT_EQ(meanings.size(), 103 - 1 - 18);  // Two Cards share one text; the Romany rows three
}

TEST(SpreadPositions, HintIsTheReportTextWithoutFormatting) {
    EXPECT_EQ(PositionHint(Position("One Card", 0)),
              "Card 1:  This represents the most important factor that affects the issue in hand.");
    EXPECT_EQ(PositionHint(Position("The Line Spread", 2)), "Card 3 - This card represents the present.");
    EXPECT_EQ(PositionHint(Position("Four Seasons Spread(Marvane/Oska)", 1)),
              "Card 2\r\nThis card alters the next card (Card 3)");
    EXPECT_EQ(PositionHint(Position("Celtic Cross", 0)),
              "Card 1: The Covering\r\nThis represents the overall events, situations or influences surrounding the "
              "present question.");
}

TEST(SpreadLayout, OneCornerPerPositionInsideTheCardTable) {
    int turned = 0;
    for (const TarotSpread& s : Spreads()) {
        for (const SpreadPosition& p : s.arrPositions) {
            EXPECT_GE(p.sngLeft, 100);
            EXPECT_LE(p.sngLeft, 13800);
            EXPECT_GE(p.sngTop, 0);
            EXPECT_LE(p.sngTop, 23160);
            turned += p.blnTurned ? 1 : 0;
        }
    }
    EXPECT_EQ(turned, 1);
    const SpreadPosition& crossing = Position("Celtic Cross", 1);
    EXPECT_TRUE(crossing.blnTurned);
    EXPECT_EQ(crossing.sngLeft, 2300);
    EXPECT_EQ(crossing.sngTop, 4200);
}

TEST(SpreadLayout, EveryCornerAndTheOneTurnedCard) {
    ASSERT_EQ(Spreads().size(), kSpreadLayouts.size());
    for (std::size_t i = 0; i < kSpreadLayouts.size(); ++i) {
        const SpreadLayout& layout = kSpreadLayouts[i];
        const TarotSpread& spread = Spreads()[i];
        SCOPED_TRACE(layout.spread);
        EXPECT_EQ(spread.strDisplayName, QLatin1String(layout.spread));
        ASSERT_EQ(spread.arrPositions.size(), layout.corners.size());
        for (std::size_t k = 0; k < layout.corners.size(); ++k) {
            const SpreadPosition& position = spread.arrPositions[k];
            EXPECT_EQ(position.sngLeft, layout.corners[k].left) << k;
            EXPECT_EQ(position.sngTop, layout.corners[k].top) << k;
            EXPECT_EQ(position.blnTurned, layout.corners[k].turned) << k;
        }
    }
}
