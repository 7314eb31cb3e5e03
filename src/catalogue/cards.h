#pragma once
// The 78 cards of the catalogue: id, title, upright and reversed meaning.
#include <QString>
#include <cstdint>
#include <span>

struct TarotCard {
    std::int32_t lngId;
    QString strTitle;
    QString strUpright;
    QString strReversed;
};

inline constexpr int kCardCount = 78;
inline constexpr int kMajorArcanaCount = 22;  // ids 0..21; the Minor Arcana are 22..77

// The card with the id, or nullptr for an id outside 0..77.
const TarotCard* CardById(std::int32_t id);
std::span<const TarotCard> Cards();

// The title followed by " - Reversed".
QString ReversedTitle(const TarotCard& card);

// The title alone, without the meaning texts; empty for an id outside 0..77.
QString CardTitle(std::int32_t id);
