#pragma once
// The manual reading's logic without windows: the hint before each pick, the deal of one
// card, and where each dealt card goes on the card table with the hint written after it.
#include "casting/engine.h"
#include "state/readingstate.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

// The hint shown before position `position` of the spread is picked: the position's title,
// CR LF unless it is a same-line position, then its meaning. Nothing for a name that is none
// of the spread list names (exact, case-sensitive) or a position outside the spread.
std::optional<QString> PositionHint(const QString& spreadName, int position);

// The same for a position given as decimal text (the number of backs picked so far);
// text that is no whole number of a position gives nothing.
std::optional<QString> PositionHintFor(const QString& spreadName, const QString& positionText);

// The backs offered for picking: 22 with only the Major Arcana, 56 with only the Minor
// Arcana, else all 78. Major is tested first.
int BacksShown(bool majorOnly, bool minorOnly);

// The ids a manual deal draws from: the pools of the casting routines.
casting::CardPool DealPool(bool majorOnly, bool minorOnly);

// The deal's own reversal rule: r x 10 rounded to the nearest whole number, a half going
// to the even neighbour; an odd result is a reversed card.
bool DealReversal(double r);

struct DealOptions {
    bool majorOnly = false;
    bool minorOnly = false;
    bool allowReverse = false;
};

struct DealtCard {
    std::int32_t id;
    bool reversed;
};

// Deals the next card of a manual reading: reseeds the random source, draws ids from the
// pool until one is not yet in arrDrawnCards (running beforeAttempt before every attempt),
// appends it, and, when reversals are allowed, takes one more value for the reversal and
// appends a reversed card's id to arrReversedCards. Nothing is dealt when every id of the
// pool has been dealt already.
std::optional<DealtCard> DealNextCard(TarotReading& reading, const DealOptions& options,
                                      const std::function<void()>& beforeAttempt = {});

// Where a dealt position goes on the card table and what the hint box shows after it.
struct PlacementStep {
    float sngLeft;                 // twips
    float sngTop;                  // twips
    bool blnTurned;                // the crossing card, laid across
    std::optional<QString> hint;   // replaces the hint box's text; nothing leaves it as it is
};

// The step for position picIndex of the spread at spreadIndex (0..12); nothing when the
// index names no spread or picIndex is no position of it.
std::optional<PlacementStep> PlacementOf(int spreadIndex, int picIndex);

// The hint written after position picIndex of the spread has been placed.
std::optional<QString> DealHint(int spreadIndex, int picIndex);
