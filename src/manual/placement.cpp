#include "manual/placement.h"

#include "catalogue/arrays.h"
#include "catalogue/cards.h"
#include "catalogue/spreads.h"
#include "platform/randomsource.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

namespace {

// How a spread's hint box reads after each dealt position.
enum class DealHintKind {
    None,           // never written
    NextPosition,   // the hint of the next position, as before its pick
    Texts,          // a text of its own per position
    Romany,         // "Card m represents the past/present", "Card m reflects the future"
    Emptied,        // emptied
};

struct DealHintRow {
    DealHintKind kind;
    std::span<const char* const> texts;  // for Texts: after positions 0, 1, ...
    bool emptiedAfterLast;               // the hint box is emptied after the last position
};

constexpr const char* kCelticCross[] = {
    "Card 2\r\n\r\nThe Crossing",
    "Card 3: The Root",
    "Card 4: The Past",
    "Card 5: The Crown",
    "Card 6: The Future",
    "Card 7: The Questioner",
    "Card 8: The House",
    "Card 9: The Inside\r\nCard 10: The Outcome",
    "Card 9: The Inside\r\nCard 10: The Outcome",
};

constexpr const char* kRelationship[] = {
    "Card 2 represents your partner's view towards you.",
    "Card 3 reflects you expressions, feelings, desires and sentiments.",
    "Card 4 represents your partner's expressions and sentiments.",
    "Card 5 represents your unconscious expressions.",
    "Card 6 represents your partner's unconscious expressions.",
    "Card 7 represents your inner desires and needs.",
    "Card 8 represents your partner's inner desires and needs.",
    "Card 9 tells you about ways of improving your relationship with your partner.",
    "Card 10 tells the ways your partner can improve your relationship.",
};

constexpr const char* kZodiac[] = {
    "Card 2 is Related to Taurus which represents your financial and business matters.",
    "Card 3 is Related to Gemini which represents communication and education.",
    "Card 4 is Related to Cancer which represents home, family and childhood concerns.",
    "Card 5 is Related to Leo which represents the pleasures and leisure of life.",
    "Card 6 is Related to Virgo which represents work and responsibility.",
    "Card 7 is Related to Libra which represents close partnership and love.",
    "Card 8 is Related to Scorpio which reveals all your hidden influences and desires.",
    "Card 9 is Related to Sagittarius which represents you intimacy in religion and philosophy.",
    "Card 10 is Related to Capricorn which represents your career and ambition.",
    "Card 11 is Related to Aquarius which represents your social life and acquaintances.",
    "Card 12 is Related to Pisces which represents your strengths and weaknesses.",
};

constexpr const char* kTreeOfLife[] = {
    "Card 2 - Right temple: Reveals the basic emotions, feelings and intuitions.",
    "Card 3 - Left temple: Reveals the level of practicality and rationality.",
    "Card 4 - Right shoulder: Reveals our natural ability and common sense.",
    "Card 5 - Left shoulder: Reveals our learning skills and our capacity to take up things.",
    "Card 6 - Heart/ centre position: Related to how we tackle our emotions.",
    "Card 7 - Right hip: Relates to our destiny - the path which we choose.",
    "Card 8 - Left hip: Reveals our energy level.",
    "Card 9 - Groin: Reveals the level of sexuality and sensuality.",
    "Card 10 - feet: Reveals our basic nature.",
};

// By spread list index. Every row says nothing after the last position unless it is emptied.
const std::array<DealHintRow, kSpreadCount> kDealHints = {{
    {DealHintKind::Texts, kCelticCross, false},         // Celtic Cross
    {DealHintKind::None, {}, false},                    // One Card
    {DealHintKind::NextPosition, {}, false},            // Two Cards
    {DealHintKind::NextPosition, {}, false},            // Three Cards
    {DealHintKind::NextPosition, {}, false},            // The Line Spread
    {DealHintKind::NextPosition, {}, false},            // Eliphas Levy Wheel Spread(Hollin)
    {DealHintKind::NextPosition, {}, false},            // Seven Card Chakra Layout
    {DealHintKind::NextPosition, {}, false},            // Four Seasons Spread(Marvane/Oska)
    {DealHintKind::Texts, kRelationship, false},        // Relationship Spread
    {DealHintKind::Romany, {}, true},                   // The Romany/ Gypsy Spread
    {DealHintKind::Texts, kZodiac, false},              // Zodiac Spread
    {DealHintKind::Texts, kTreeOfLife, false},          // Tree of Life
    {DealHintKind::Emptied, {}, false},                 // Numerology Spread
}};

QString RomanyHint(int picIndex) {
    const QString card = QStringLiteral("Card ") + QString::number(picIndex + 2);
    if (picIndex <= 5) return card + QStringLiteral(" represents the past");
    if (picIndex <= 12) return card + QStringLiteral(" represents the present");
    return card + QStringLiteral(" reflects the future");
}

}  // namespace

std::optional<QString> PositionHint(const QString& spreadName, int position) {
    const TarotSpread* spread = SpreadByName(spreadName);
    if (!spread || position < 0 || position >= static_cast<int>(spread->arrPositions.size())) return std::nullopt;
    return PositionHint(spread->arrPositions[static_cast<std::size_t>(position)]);
}

std::optional<QString> PositionHintFor(const QString& spreadName, const QString& positionText) {
    bool ok = false;
    const double value = positionText.toDouble(&ok);
    if (!ok || value != std::floor(value) || value < 0 || value > 1000) return std::nullopt;
    return PositionHint(spreadName, static_cast<int>(value));
}

int BacksShown(bool majorOnly, bool minorOnly) { return DealPool(majorOnly, minorOnly).size; }

casting::CardPool DealPool(bool majorOnly, bool minorOnly) {
    if (majorOnly) return casting::kMajorArcana.pool;
    if (minorOnly) return casting::kMinorArcana.pool;
    return casting::kWholeDeck.pool;
}

bool DealReversal(double r) {
    const double x = r * 10.0;
    const double below = std::floor(x);
    const double fraction = x - below;
    double rounded = below;
    if (fraction > 0.5) {
        rounded = below + 1.0;
    } else if (fraction == 0.5) {
        rounded = std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
    }
    return std::fmod(rounded, 2.0) != 0.0;
}

std::optional<DealtCard> DealNextCard(TarotReading& reading, const DealOptions& options,
                                      const std::function<void()>& beforeAttempt) {
    platform::Randomize();
    const casting::CardPool pool = DealPool(options.majorOnly, options.minorOnly);

    // The loop below ends only while the pool still has a card that was not dealt.
    std::set<std::int32_t> dealtInPool;
    for (std::int32_t id : reading.arrDrawnCards) {
        if (id >= pool.first && id < pool.first + pool.size) dealtInPool.insert(id);
    }
    if (static_cast<std::int32_t>(dealtInPool.size()) >= pool.size) return std::nullopt;

    std::int32_t candidate = 0;
    do {
        if (beforeAttempt) beforeAttempt();
        candidate = platform::RandomChoice(pool.first, pool.size, platform::Rnd());
    } while (IsInArray(candidate, reading.arrDrawnCards));
    reading.arrDrawnCards.push_back(candidate);

    bool reversed = false;
    if (options.allowReverse) {
        reversed = DealReversal(platform::Rnd());
        if (reversed) reading.arrReversedCards.push_back(candidate);
    }
    return DealtCard{candidate, reversed};
}

std::optional<QString> DealHint(int spreadIndex, int picIndex) {
    const TarotSpread* spread = SpreadByIndex(spreadIndex);
    if (!spread || spreadIndex < 0 || spreadIndex >= kSpreadCount) return std::nullopt;
    const int count = static_cast<int>(spread->arrPositions.size());
    if (picIndex < 0 || picIndex >= count) return std::nullopt;

    const DealHintRow& row = kDealHints[static_cast<std::size_t>(spreadIndex)];
    if (picIndex == count - 1) {
        return row.emptiedAfterLast ? std::optional<QString>(QString()) : std::nullopt;
    }
    switch (row.kind) {
    case DealHintKind::None:
        return std::nullopt;
    case DealHintKind::NextPosition:
        return PositionHint(spread->strDisplayName, picIndex + 1);
    case DealHintKind::Texts:
        if (picIndex < static_cast<int>(row.texts.size())) {
            return QString::fromLatin1(row.texts[static_cast<std::size_t>(picIndex)]);
        }
        return std::nullopt;
    case DealHintKind::Romany:
        return RomanyHint(picIndex);
    case DealHintKind::Emptied:
        return QString();
    }
    return std::nullopt;
}

std::optional<PlacementStep> PlacementOf(int spreadIndex, int picIndex) {
    const TarotSpread* spread = SpreadByIndex(spreadIndex);
    if (!spread || spreadIndex < 0 || spreadIndex >= kSpreadCount) return std::nullopt;
    if (picIndex < 0 || picIndex >= static_cast<int>(spread->arrPositions.size())) return std::nullopt;
    const SpreadPosition& position = spread->arrPositions[static_cast<std::size_t>(picIndex)];
    return PlacementStep{position.sngLeft, position.sngTop, position.blnTurned, DealHint(spreadIndex, picIndex)};
}
