#include "state/readingstate.h"

void ReadingState::Reset() {
    reading.strDeckLetter = QStringLiteral("r");
    reading.blnManualMode = false;
    reading.arrDrawnCards.clear();
    reading.arrReversedCards.clear();
    options.blnAutoCastPressed = false;
    options.blnManualPressed = false;
    reading.strSpreadName = QStringLiteral("-1");
    reading.lngCardCount = -1;
    options.blnMinorArcana = false;
    options.blnMajorArcana = false;
    options.blnAllowReverse = false;
}

ReadingState& State() {
    static ReadingState state;
    return state;
}
