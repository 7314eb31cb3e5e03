#pragma once
// The meaning texts of the 78 cards, by card id.

struct CardMeaning {
    const char* upright;
    const char* reversed;
};

extern const CardMeaning kCardMeanings[78];
