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
std::span<const TarotSpread> Spreads();

// Exact lookup: same characters, same case, same length, nothing trimmed.
const TarotSpread* SpreadByName(const QString& name);
const TarotSpread* SpreadByIndex(int index);

// Program folder + "/pic/c" + index + ".jpg".
QString SpreadDiagramPath(int index);
