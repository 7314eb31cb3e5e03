#include "catalogue/cards.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

#include "support/qtprinting.h"

namespace {
struct TitleCase {
    int id;
    const char* title;
};

// Every text of the catalogue is plain ASCII: letters, blanks, apostrophes, commas, hyphens,
// full stops and semicolons.
bool OnlyCatalogueCharacters(const QString& text) {
    static const QRegularExpression allowed(QStringLiteral("^[A-Za-z ',\\-.;]*$"));
    return allowed.match(text).hasMatch();
}
}  // namespace

TEST(CardCatalogue, HoldsTheCardsByIdInTheirFixedOrder) {
    const TitleCase cases[] = {
        {0, "Death"},          {1, "The Hermit"},          {11, "The Hanged Man"},  {20, "The World"},
        {21, "Wheel Fortune"}, {22, "Two of Cups"},        {23, "Two of Swords"},   {24, "Two of Wands"},
        {25, "Three of Cups"}, {26, "Three of Pentacles"}, {27, "Three of Swords"}, {40, "Six of Wands"},
        {57, "Ace of Cups"},   {66, "Knight of Pentacles"}, {76, "Queen of Wands"}, {77, "Two of Pentacles"},
        {9, "The Emperor"},    {15, "The Magician"},
    };
    for (const TitleCase& c : cases) {
        const TarotCard* card = CardById(c.id);
        ASSERT_NE(card, nullptr) << c.id;
        EXPECT_EQ(card->lngId, c.id);
        EXPECT_EQ(card->strTitle, QLatin1String(c.title)) << c.id;
        EXPECT_EQ(CardTitle(c.id), QLatin1String(c.title)) << c.id;
    }
}

TEST(CardCatalogue, MinorArcanaRunRankByRankInTheSuitOrderCupsPentaclesSwordsWands) {
    const char* ranks[] = {"Three", "Four", "Five", "Six",    "Seven", "Eight", "Nine",
                           "Ten",   "Ace",  "King", "Knight", "Page",  "Queen"};
    const char* suits[] = {"Cups", "Pentacles", "Swords", "Wands"};
    for (int rank = 0; rank < 13; ++rank) {
        for (int suit = 0; suit < 4; ++suit) {
            const int id = 25 + 4 * rank + suit;
            EXPECT_EQ(CardById(id)->strTitle, QStringLiteral("%1 of %2").arg(ranks[rank], suits[suit])) << id;
        }
    }
}

TEST(CardCatalogue, HasExactlySeventyEightCardsAndNoneOutsideTheirIds) {
    ASSERT_EQ(Cards().size(), 78u);
    for (int id = 0; id < 78; ++id) EXPECT_EQ(Cards()[id].lngId, id);
    for (int id : {-1, 78, 1000, -78}) {
        EXPECT_EQ(CardById(id), nullptr) << id;
        EXPECT_TRUE(CardTitle(id).isEmpty()) << id;
    }
    QSet<QString> titles;
    for (const TarotCard& card : Cards()) {
        titles.insert(card.strTitle);
        EXPECT_TRUE(OnlyCatalogueCharacters(card.strTitle)) << card.lngId;
    }
    EXPECT_EQ(titles.size(), 78);
}

TEST(CardCatalogue, ReversedTitleAddsReversed) {
    const TitleCase cases[] = {
        {0, "Death - Reversed"},
        {21, "Wheel Fortune - Reversed"},
        {77, "Two of Pentacles - Reversed"},
    };
    for (const TitleCase& c : cases) EXPECT_EQ(ReversedTitle(*CardById(c.id)), QLatin1String(c.title));
    for (const TarotCard& card : Cards()) EXPECT_EQ(ReversedTitle(card), card.strTitle + " - Reversed");
}

TEST(CardMeanings, QuotedTextsAreExact) {
    const QString hangedManReversed = QStringLiteral(
        "You may feel dissatisfied with life. A feeling of disappointment depresses you. There is a lack of "
        "achievement that troubles you. Things may be delayed just when they are about to be completed. Try to "
        "overcome frustration and lead a normal life.");
    const QString threesReversed = QStringLiteral(
        "Skillful work is neglected at the cost of cutting costs. Quality of work may be low. Ambitions may be "
        "common place. You may not be sure of the path you have chosen. You may be suffering from low confidence "
        "and enthusiasm. The results are disappointing.");
    EXPECT_EQ(CardById(0)->strUpright,
              "This is the beginning of a new life. You have to start from scratch. You won't get anything easily. "
              "Do not give up hope nor wallow in self pity. Give up old habits that you don't like and start a new "
              "life. There may be a lot of changes in your life.");
    EXPECT_EQ(CardById(0)->strReversed,
              "The changes in your life may not be pleasant. You may not be ready to face them. This may leave you "
              "exhausted mentally as well as physically. This may be a period of stagnation. You may be lethargic "
              "and make excuses for your actions.");
    EXPECT_EQ(CardById(11)->strReversed, hangedManReversed);
    EXPECT_EQ(CardById(20)->strReversed, hangedManReversed);
    EXPECT_EQ(CardById(26)->strReversed, threesReversed);
    EXPECT_EQ(CardById(27)->strReversed, threesReversed);
    EXPECT_EQ(CardById(77)->strUpright,
              "There is a need for maintaining a good budget and taking care of finances. You may be good at "
              "handling multiple tasks. This is the beginning of a new venture where a lot of effort is required. "
              "You need to be flexible and highly energetic. This is a symbol of fun and good times.");
    EXPECT_EQ(CardById(77)->strReversed,
              "You may not be able to handle multiple matters. You may spend beyond your means as there is no "
              "proper planning. You need to recognize the signs indicating trouble. You may reckless and rash. "
              "Projects may not be completed.");
}

// One paragraph of second-person prose, 3 to 8 sentences, 122 to 344 characters, ending in a
// full stop; sentences apart by one blank, or two.
TEST(CardMeanings, EveryMeaningHasTheCataloguesForm) {
    static const QRegularExpression secondPerson(QStringLiteral("\\b(you|your|yours|yourself)\\b"),
                                                 QRegularExpression::CaseInsensitiveOption);
    for (const TarotCard& card : Cards()) {
        for (const auto& [side, text] : {std::pair{"upright", card.strUpright}, std::pair{"reversed", card.strReversed}}) {
            SCOPED_TRACE(QStringLiteral("%1 %2: %3").arg(card.lngId).arg(side, text).toStdString());
            EXPECT_GE(text.size(), 122);
            EXPECT_LE(text.size(), 344);
            EXPECT_TRUE(text.endsWith(QLatin1Char('.')));
            EXPECT_TRUE(OnlyCatalogueCharacters(text));
            const qsizetype sentences = text.count(QLatin1Char('.'));
            EXPECT_GE(sentences, 3);
            EXPECT_LE(sentences, 8);
            EXPECT_FALSE(text.startsWith(QLatin1Char(' ')));
            EXPECT_FALSE(text.contains(QLatin1String("   ")));
            // Two blanks stand only between sentences.
            for (qsizetype at = text.indexOf(QLatin1String("  ")); at >= 0; at = text.indexOf(QLatin1String("  "), at + 2))
                EXPECT_EQ(text.at(at - 1), QLatin1Char('.')) << "two blanks inside a sentence at " << at;
            EXPECT_TRUE(secondPerson.match(text).hasMatch());
        }
    }
}

TEST(CardMeanings, TwentyEightTextsSeparateTwoSentencesByTwoBlanks) {
    int withTwoBlanks = 0;
    for (const TarotCard& card : Cards()) {
        withTwoBlanks += card.strUpright.contains(QLatin1String("  ")) ? 1 : 0;
        withTwoBlanks += card.strReversed.contains(QLatin1String("  ")) ? 1 : 0;
    }
    EXPECT_EQ(withTwoBlanks, 28);
}

TEST(CardMeanings, AreDistinctButForTheTwoSharedReversedMeanings) {
    EXPECT_EQ(CardById(11)->strReversed, CardById(20)->strReversed);
    EXPECT_EQ(CardById(26)->strReversed, CardById(27)->strReversed);

    QHash<QString, QString> seen;  // text -> where first seen
    for (const TarotCard& card : Cards()) {
        for (const auto& [side, text] : {std::pair{"u", card.strUpright}, std::pair{"r", card.strReversed}}) {
            const QString here = QString::number(card.lngId) + side;
            if (here == "20r" || here == "27r") continue;
            EXPECT_FALSE(seen.contains(text)) << here.toStdString() << " repeats " << seen.value(text).toStdString();
            seen.insert(text, here);
        }
    }
    EXPECT_EQ(seen.size(), 154);
}
