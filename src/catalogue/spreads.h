#pragma once
// The two decks and the 13 spreads with their positions and their places on the card table.
#include <QString>
#include <cstdint>
#include <span>

struct TarotDeck {
    std::int16_t intIndex;
    QString strDisplayName;
    QString strLetter;
};

struct SpreadPosition {
    int intPosition;     // 0-based; shown as card intPosition + 1
    QString strTitle;
    QString strMeaning;
    bool blnSameLine;    // meaning on the title's line
    float sngLeft;       // top-left corner of the card box on the card table, twips
    float sngTop;
    bool blnTurned;      // the Celtic Cross's crossing card
};

struct TarotSpread {
    std::int16_t intIndex;
    QString strDisplayName;
    QString strHeader;
    std::int32_t lngCardCount;
    QString strDescription;
    std::span<const SpreadPosition> arrPositions;
};

inline constexpr int kSpreadCount = 13;

std::span<const TarotDeck> Decks();
// The letter of the deck at a deck-list index: "r" for 0, "m" for any other (-1 included).
QString DeckLetter(int deckIndex);

std::span<const TarotSpread> Spreads();

// Exact lookup: same characters, same case, same length, nothing trimmed.
const TarotSpread* SpreadByName(const QString& name);
const TarotSpread* SpreadByIndex(int index);

// Program folder + "/pic/c" + index + ".jpg".
QString SpreadDiagramPath(int index);

// The position's title and meaning as the report writes them, without formatting: on one line
// for a same-line position, else with CR LF between them (the manual window's hint).
QString PositionHint(const SpreadPosition& position);

// The selection window's ShowSpreadDescription: MaxCardInSet takes the index, whatever it is.
// For a spread index, `no` takes the spread's card count and the spread is returned, whose
// strDescription the description box then shows; for any other index nullptr, and `no` and
// the description box keep their values.
const TarotSpread* ShowSpreadDescription(int index, int& MaxCardInSet, int& no);
