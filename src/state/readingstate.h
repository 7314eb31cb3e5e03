#pragma once
// The one reading that travels between the windows: options, the current reading and a
// reading read back from a file.
#include <QString>
#include <cstdint>
#include <vector>

// A dynamic array of card ids. Empty means "without bounds"; a dimensioned array has
// at least one element.
using CardArray = std::vector<std::int32_t>;

struct ReadingOptions {
    bool blnMinorArcana = false;
    bool blnMajorArcana = false;
    bool blnAllowReverse = false;
    bool blnAutoCastPressed = false;
    bool blnManualPressed = false;
};

struct TarotReading {
    QString strSpreadName;
    std::int32_t lngCardCount = 0;
    std::int32_t lngSpreadIndex = 0;
    QString strDeckLetter;
    CardArray arrDrawnCards;
    CardArray arrReversedCards;
    bool blnManualMode = false;
};

struct OpenedReading {
    bool blnReplayPending = false;
    QString strOpenedSpreadName;
    CardArray arrOpenedCards;
    CardArray arrOpenedReversed;
};

struct ReadingState {
    ReadingOptions options;
    TarotReading reading;
    OpenedReading opened;

    // What every load of the selection window does; the opened reading is left alone.
    void Reset();
};

// The process-wide reading state.
ReadingState& State();
