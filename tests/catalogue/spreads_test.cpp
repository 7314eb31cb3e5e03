#include "catalogue/spreads.h"

#include "platform/application.h"
#include "qstringprinting.h"

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

TEST(SpreadPositions, TitlesFollowEachSpreadsStyle) {
    struct Case {
        const char* spread;
        int k;
        const char* title;
    };
    const Case cases[] = {
        {"Celtic Cross", 0, "Card 1: The Covering"},
        {"Celtic Cross", 1, "Card 2: The Crossing"},
        {"Celtic Cross", 9, "Card 10: The Outcome"},
        {"One Card", 0, "Card 1:  "},
        {"Two Cards", 0, "Card 1: "},
        {"Two Cards", 1, "Card 2: "},
        {"Three Cards", 0, "Card 1 - Past"},
        {"Three Cards", 2, "Card 3 - Future"},
        {"The Line Spread", 4, "Card 5 - "},
        {"Eliphas Levy Wheel Spread(Hollin)", 2, "Card 3 - Hidden or Unconscious Influences"},
        {"Seven Card Chakra Layout", 1, "Card 2 - Sexual Center"},
        {"Seven Card Chakra Layout", 5, "Card 6 - The Third Eye"},
        {"Four Seasons Spread(Marvane/Oska)", 0, "Card 1 - The Spring"},
        {"Four Seasons Spread(Marvane/Oska)", 1, "Card 2"},
        {"Four Seasons Spread(Marvane/Oska)", 4, "Card 5 - Autumn"},
        {"Four Seasons Spread(Marvane/Oska)", 6, "Card 7 - Winter"},
        {"Relationship Spread", 9, "Card 10"},
        {"The Romany/ Gypsy Spread", 20, "Card 21"},
        {"Zodiac Spread", 11, "Card 12"},
        {"Tree of Life", 0, "Card 1 - Top card:"},
        {"Tree of Life", 5, "Card 6 - Heart/ centre position:"},
        {"Tree of Life", 9, "Card 10 - feet:"},
        {"Numerology Spread", 8, "Card 9"},
    };
    for (const Case& c : cases) EXPECT_EQ(Position(c.spread, c.k).strTitle, QLatin1String(c.title)) << c.spread << c.k;

    // Every title begins with its card number; only same-line titles end in a blank.
    for (const TarotSpread& s : Spreads()) {
        for (const SpreadPosition& p : s.arrPositions) {
            const QString number = QStringLiteral("Card %1").arg(p.intPosition + 1);
            EXPECT_TRUE(p.strTitle.startsWith(number)) << p.strTitle.toStdString();
            EXPECT_TRUE(p.strTitle == number || !p.strTitle.at(number.size()).isDigit()) << p.strTitle.toStdString();
            EXPECT_EQ(p.strTitle.endsWith(QLatin1Char(' ')), p.blnSameLine) << p.strTitle.toStdString();
        }
    }
}

TEST(SpreadPositions, QuotedMeaningsAreExact) {
    struct Case {
        const char* spread;
        int k;
        const char* meaning;
    };
    const Case cases[] = {
        {"Celtic Cross", 0, "This represents the overall events, situations or influences surrounding the present question."},
        {"Celtic Cross", 1, "This represents the current problems, challenges and negative influences that the querent has to face."},
        {"Celtic Cross", 9, "This represents the final outcome of the situation."},
        {"One Card", 0, "This represents the most important factor that affects the issue in hand."},
        {"Two Cards", 0, "This card signifies what can happen if you carry out the solution that this card represents."},
        {"Two Cards", 1, "This card signifies what can happen if you carry out the solution that this card represents."},
        {"Three Cards", 2, "This card represents the future outcome of the present circumstances or events that may lead to the outcome."},
        {"The Line Spread", 0, "This card represents the distant past."},
        {"The Line Spread", 1, "This card represents the recent past."},
        {"The Line Spread", 2, "This card represents the present."},
        {"The Line Spread", 3, "This card represents the near future."},
        {"The Line Spread", 4, "This card represents the distant future."},
        {"Eliphas Levy Wheel Spread(Hollin)", 2, "This card represents hidden or unknown influences."},
        {"Seven Card Chakra Layout", 3, "This is related to feelings for others, compassion and relationship."},
        {"Four Seasons Spread(Marvane/Oska)", 1, "This card alters the next card (Card 3)"},
        {"Four Seasons Spread(Marvane/Oska)", 3, "This card alters the next card (Card5)"},
        {"Four Seasons Spread(Marvane/Oska)", 5, "This card modifies the next card (Card 7)"},
        {"Four Seasons Spread(Marvane/Oska)", 7, "This card alters Card 1."},
        {"Relationship Spread", 0, "Represents your view of a partner i.e. it interprets your way of looking at your partner."},
        {"Relationship Spread", 1, "Represents your partner's view towards you."},
        {"Zodiac Spread", 0, "Related to Aries which represents your attitude and your basic personality."},
        {"Zodiac Spread", 5, "Related to Virgo which represents work and responsibility."},
        {"Tree of Life", 0, "Reveals the present situation and how we react to each of these situations."},
        {"Numerology Spread", 0, "You see yourself as an Innovator."},
        {"Numerology Spread", 3, "You see yourself as a Builder."},
        {"Numerology Spread", 8, "You see yourself as a Crusader."},
    };
    for (const Case& c : cases) EXPECT_EQ(Position(c.spread, c.k).strMeaning, QLatin1String(c.meaning)) << c.spread << c.k;

    for (int k = 0; k < 21; ++k) {
        const char* row = k < 7 ? "Represent the past." : k < 14 ? "Represent the present." : "Represent the future.";
        EXPECT_EQ(Position("The Romany/ Gypsy Spread", k).strMeaning, QLatin1String(row)) << k;
    }
    const char* signs[] = {"Aries", "Taurus", "Gemini",  "Cancer",      "Leo",       "Virgo",
                           "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    for (int k = 0; k < 12; ++k)
        EXPECT_TRUE(Position("Zodiac Spread", k).strMeaning.startsWith(QStringLiteral("Related to %1 which ").arg(signs[k])));
    const char* selves[] = {"an Innovator", "an Integrator", "an Entertainer", "a Builder", "a Communicator",
                            "a Peacemaker", "an Individualist", "an Entrepreneur", "a Crusader"};
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(Position("Numerology Spread", k).strMeaning, QStringLiteral("You see yourself as %1.").arg(selves[k]));
}

TEST(SpreadPositions, MeaningsStayWithinEachSpreadsLengths) {
    struct Range {
        const char* spread;
        int first, last;  // positions, 0-based
        int shortest, longest;
    };
    const Range ranges[] = {
        {"Celtic Cross", 0, 9, 51, 117},
        {"Three Cards", 0, 2, 108, 192},
        {"Eliphas Levy Wheel Spread(Hollin)", 0, 4, 50, 91},
        {"Seven Card Chakra Layout", 0, 6, 68, 176},
        {"Relationship Spread", 0, 9, 40, 89},
        {"Zodiac Spread", 0, 11, 58, 80},
        {"Tree of Life", 0, 9, 25, 75},
    };
    for (const Range& r : ranges) {
        for (int k = r.first; k <= r.last; ++k) {
            const QString& meaning = Position(r.spread, k).strMeaning;
            EXPECT_GE(meaning.size(), r.shortest) << r.spread << k;
            EXPECT_LE(meaning.size(), r.longest) << r.spread << k;
        }
    }
    for (int k : {0, 2, 4, 6}) {
        const QString& season = Position("Four Seasons Spread(Marvane/Oska)", k).strMeaning;
        EXPECT_GE(season.size(), 61) << k;
        EXPECT_LE(season.size(), 113) << k;
    }
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

TEST(SpreadLayout, TheFiguresTheCornersMake) {
    auto lefts = [](const char* spread) {
        std::vector<int> v;
        for (const SpreadPosition& p : SpreadByName(spread)->arrPositions) v.push_back(static_cast<int>(p.sngLeft));
        return v;
    };
    auto tops = [](const char* spread) {
        std::vector<int> v;
        for (const SpreadPosition& p : SpreadByName(spread)->arrPositions) v.push_back(static_cast<int>(p.sngTop));
        return v;
    };
    using V = std::vector<int>;
    // Celtic Cross: a cross about card 1 and a column of four, 7 lowest and 10 highest.
    EXPECT_EQ(lefts("Celtic Cross"), (V{3200, 2300, 3200, 100, 3200, 6200, 8500, 8500, 8500, 8500}));
    EXPECT_EQ(tops("Celtic Cross"), (V{3700, 4200, 7500, 3700, 0, 3700, 11300, 7500, 3700, 0}));
    EXPECT_EQ(lefts("One Card"), (V{5000}));
    EXPECT_EQ(lefts("Two Cards"), (V{4000, 6200}));
    EXPECT_EQ(lefts("Three Cards"), (V{2200, 4400, 6600}));
    EXPECT_EQ(lefts("The Line Spread"), (V{8900, 6700, 4500, 2300, 100}));  // right to left
    for (const char* row : {"One Card", "Two Cards", "Three Cards", "The Line Spread"})
        for (int top : tops(row)) EXPECT_EQ(top, 2500) << row;
    EXPECT_EQ(lefts("Eliphas Levy Wheel Spread(Hollin)"), (V{5000, 7200, 5000, 2800, 5000}));
    EXPECT_EQ(tops("Eliphas Levy Wheel Spread(Hollin)"), (V{3800, 3800, 7600, 3800, 0}));
    // The chakra column climbs by 3800, 3800, 3800, 3700, 3700, 3800.
    EXPECT_EQ(tops("Seven Card Chakra Layout"), (V{22600, 18800, 15000, 11200, 7500, 3800, 0}));
    for (int left : lefts("Seven Card Chakra Layout")) EXPECT_EQ(left, 4500);
    EXPECT_EQ(lefts("Four Seasons Spread(Marvane/Oska)"), (V{100, 2300, 4500, 2300, 8900, 6700, 4500, 6700}));
    EXPECT_EQ(tops("Four Seasons Spread(Marvane/Oska)"), (V{7600, 11400, 0, 3800, 7600, 3800, 15200, 11400}));
    EXPECT_EQ(lefts("Relationship Spread"), (V{3840, 6480, 3840, 6480, 3840, 6480, 3840, 6480, 3840, 6480}));
    EXPECT_EQ(tops("Relationship Spread"), (V{240, 240, 4200, 4200, 8160, 8160, 12120, 12120, 16080, 16080}));
    const V romanyColumns = {13800, 11480, 9193, 6921, 4634, 2377, 120};
    const V romanyLefts = lefts("The Romany/ Gypsy Spread");
    const V romanyTops = tops("The Romany/ Gypsy Spread");
    for (int k = 0; k < 21; ++k) {
        EXPECT_EQ(romanyLefts[k], romanyColumns[k % 7]) << k;
        EXPECT_EQ(romanyTops[k], (V{11040, 6180, 1320})[k / 7]) << k;
    }
    EXPECT_EQ(lefts("Zodiac Spread"), (V{120, 2385, 4650, 6930, 9225, 11505, 13800, 11505, 9225, 6930, 4650, 2385}));
    EXPECT_EQ(tops("Zodiac Spread"), (V{6720, 9720, 10440, 10920, 10440, 9720, 6720, 3480, 3000, 2400, 3000, 3480}));
    EXPECT_EQ(lefts("Tree of Life"), (V{5840, 8120, 3560, 8120, 3560, 5840, 3560, 8120, 5840, 5840}));
    EXPECT_EQ(tops("Tree of Life"), (V{120, 3960, 3960, 7800, 7800, 11640, 15480, 15480, 19320, 23160}));
    EXPECT_EQ(lefts("Numerology Spread"), (V{2760, 5280, 7800, 2760, 5280, 7800, 2760, 5280, 7800}));
    EXPECT_EQ(tops("Numerology Spread"), (V{240, 240, 240, 4320, 4320, 4320, 8400, 8400, 8400}));
}
