#pragma once
// What every position of every spread says and where its card lies on the card table, written
// out here once for the catalogue, card table and manual window tests.
#include <QString>
#include <vector>

// -- Position texts -------------------------------------------------------------------------

struct PositionText {
    const char* title;
    const char* meaning;   // the whole meaning, or with `opening` only the words it begins with
    bool opening = false;
};

struct SpreadTexts {
    const char* spread;
    bool sameLine;         // the meaning follows the title on its line, else CR LF between them
    int shortest;          // the length range of the meanings given only by their opening
    int longest;
    std::vector<PositionText> positions;
};

// In list order.
inline const std::vector<SpreadTexts> kSpreadTexts = {
    {"Celtic Cross", false, 51, 117,
     {
         {"Card 1: The Covering",
          "This represents the overall events, situations or influences surrounding the present question."},
         {"Card 2: The Crossing",
          "This represents the current problems, challenges and negative influences that the querent has to face."},
         {"Card 3: The Root", "", true},
         {"Card 4: The Past", "", true},
         {"Card 5: The Crown", "", true},
         {"Card 6: The Future", "", true},
         {"Card 7: The Questioner", "", true},
         {"Card 8: The House", "", true},
         {"Card 9: The Inside", "", true},
         {"Card 10: The Outcome", "This represents the final outcome of the situation."},
     }},
    {"One Card", true, 0, 0,
     {
         {"Card 1:  ", "This represents the most important factor that affects the issue in hand."},
     }},
    {"Two Cards", true, 0, 0,
     {
         {"Card 1: ", "This card signifies what can happen if you carry out the solution that this card represents."},
         {"Card 2: ", "This card signifies what can happen if you carry out the solution that this card represents."},
     }},
    {"Three Cards", false, 108, 192,
     {
         {"Card 1 - Past", "", true},
         {"Card 2 - Present", "", true},
         {"Card 3 - Future",
          "This card represents the future outcome of the present circumstances or events that may lead to the "
          "outcome."},
     }},
    {"The Line Spread", true, 0, 0,
     {
         {"Card 1 - ", "This card represents the distant past."},
         {"Card 2 - ", "This card represents the recent past."},
         {"Card 3 - ", "This card represents the present."},
         {"Card 4 - ", "This card represents the near future."},
         {"Card 5 - ", "This card represents the distant future."},
     }},
    {"Eliphas Levy Wheel Spread(Hollin)", false, 50, 91,
     {
         {"Card 1 - The Present", "", true},
         {"Card 2 - Waning Influences", "", true},
         {"Card 3 - Hidden or Unconscious Influences", "This card represents hidden or unknown influences."},
         {"Card 4 - Emerging Influences", "", true},
         {"Card 5 - Synthesis", "", true},
     }},
    {"Seven Card Chakra Layout", false, 68, 176,
     {
         {"Card 1 - The Root", "", true},
         {"Card 2 - Sexual Center", "", true},
         {"Card 3 - Power Center", "", true},
         {"Card 4 - The Heart", "This is related to feelings for others, compassion and relationship."},
         {"Card 5 - The Throat", "", true},
         {"Card 6 - The Third Eye", "", true},
         {"Card 7 - The Crown", "", true},
     }},
    {"Four Seasons Spread(Marvane/Oska)", false, 61, 113,
     {
         {"Card 1 - The Spring", "", true},
         {"Card 2", "This card alters the next card (Card 3)"},
         {"Card 3 - The Summer", "", true},
         {"Card 4", "This card alters the next card (Card5)"},
         {"Card 5 - Autumn", "", true},
         {"Card 6", "This card modifies the next card (Card 7)"},
         {"Card 7 - Winter", "", true},
         {"Card 8", "This card alters Card 1."},
     }},
    {"Relationship Spread", false, 40, 89,
     {
         {"Card 1", "Represents your view of a partner i.e. it interprets your way of looking at your partner."},
         {"Card 2", "Represents your partner's view towards you."},
         {"Card 3", "", true},
         {"Card 4", "", true},
         {"Card 5", "", true},
         {"Card 6", "", true},
         {"Card 7", "", true},
         {"Card 8", "", true},
         {"Card 9", "", true},
         {"Card 10", "", true},
     }},
    {"The Romany/ Gypsy Spread", false, 0, 0,
     {
         {"Card 1", "Represent the past."},     {"Card 2", "Represent the past."},
         {"Card 3", "Represent the past."},     {"Card 4", "Represent the past."},
         {"Card 5", "Represent the past."},     {"Card 6", "Represent the past."},
         {"Card 7", "Represent the past."},     {"Card 8", "Represent the present."},
         {"Card 9", "Represent the present."},  {"Card 10", "Represent the present."},
         {"Card 11", "Represent the present."}, {"Card 12", "Represent the present."},
         {"Card 13", "Represent the present."}, {"Card 14", "Represent the present."},
         {"Card 15", "Represent the future."},  {"Card 16", "Represent the future."},
         {"Card 17", "Represent the future."},  {"Card 18", "Represent the future."},
         {"Card 19", "Represent the future."},  {"Card 20", "Represent the future."},
         {"Card 21", "Represent the future."},
     }},
    {"Zodiac Spread", false, 58, 80,
     {
         {"Card 1", "Related to Aries which represents your attitude and your basic personality."},
         {"Card 2", "Related to Taurus which ", true},
         {"Card 3", "Related to Gemini which ", true},
         {"Card 4", "Related to Cancer which ", true},
         {"Card 5", "Related to Leo which ", true},
         {"Card 6", "Related to Virgo which represents work and responsibility."},
         {"Card 7", "Related to Libra which ", true},
         {"Card 8", "Related to Scorpio which ", true},
         {"Card 9", "Related to Sagittarius which ", true},
         {"Card 10", "Related to Capricorn which ", true},
         {"Card 11", "Related to Aquarius which ", true},
         {"Card 12", "Related to Pisces which ", true},
     }},
    {"Tree of Life", false, 25, 75,
     {
         {"Card 1 - Top card:", "Reveals the present situation and how we react to each of these situations."},
         {"Card 2 - Right temple:", "", true},
         {"Card 3 - Left temple:", "", true},
         {"Card 4 - Right shoulder:", "", true},
         {"Card 5 - Left shoulder:", "", true},
         {"Card 6 - Heart/ centre position:", "", true},
         {"Card 7 - Right hip:", "", true},
         {"Card 8 - Left hip:", "", true},
         {"Card 9 - Groin:", "", true},
         {"Card 10 - feet:", "", true},
     }},
    {"Numerology Spread", false, 0, 0,
     {
         {"Card 1", "You see yourself as an Innovator."},
         {"Card 2", "You see yourself as an Integrator."},
         {"Card 3", "You see yourself as an Entertainer."},
         {"Card 4", "You see yourself as a Builder."},
         {"Card 5", "You see yourself as a Communicator."},
         {"Card 6", "You see yourself as a Peacemaker."},
         {"Card 7", "You see yourself as an Individualist."},
         {"Card 8", "You see yourself as an Entrepreneur."},
         {"Card 9", "You see yourself as a Crusader."},
     }},
};

// Whether a meaning is the one the table gives: word for word, or, for one given by its opening,
// those words followed by the rest within the spread's lengths.
inline bool MeaningFits(const QString& meaning, const SpreadTexts& spread, const PositionText& position) {
    const QString given = QString::fromLatin1(position.meaning);
    if (!position.opening) return meaning == given;
    return meaning.startsWith(given) && meaning.size() > given.size() && meaning.size() >= spread.shortest &&
           meaning.size() <= spread.longest && !meaning.contains(QLatin1Char('\n')) && !meaning.contains(QLatin1Char('\r'));
}

// Whether a hint reads the position's title, the line break (none on a same-line position) and
// its meaning.
inline bool HintFits(const QString& hint, const SpreadTexts& spread, int k, const QString& lineBreak) {
    const PositionText& position = spread.positions[static_cast<std::size_t>(k)];
    const QString head = QString::fromLatin1(position.title) + (spread.sameLine ? QString() : lineBreak);
    return hint.startsWith(head) && MeaningFits(hint.mid(head.size()), spread, position);
}

// -- Places on the card table ---------------------------------------------------------------

struct Corner {
    int left;   // twips
    int top;
    bool turned = false;  // the card lies across
};

struct SpreadLayout {
    const char* spread;
    std::vector<Corner> corners;  // positions 1, 2, 3, ...
};

// In list order.
inline const std::vector<SpreadLayout> kSpreadLayouts = {
    {"Celtic Cross",
     {{3200, 3700}, {2300, 4200, true}, {3200, 7500}, {100, 3700}, {3200, 0}, {6200, 3700}, {8500, 11300},
      {8500, 7500}, {8500, 3700}, {8500, 0}}},
    {"One Card", {{5000, 2500}}},
    {"Two Cards", {{4000, 2500}, {6200, 2500}}},
    {"Three Cards", {{2200, 2500}, {4400, 2500}, {6600, 2500}}},
    {"The Line Spread", {{8900, 2500}, {6700, 2500}, {4500, 2500}, {2300, 2500}, {100, 2500}}},
    {"Eliphas Levy Wheel Spread(Hollin)", {{5000, 3800}, {7200, 3800}, {5000, 7600}, {2800, 3800}, {5000, 0}}},
    {"Seven Card Chakra Layout",
     {{4500, 22600}, {4500, 18800}, {4500, 15000}, {4500, 11200}, {4500, 7500}, {4500, 3800}, {4500, 0}}},
    {"Four Seasons Spread(Marvane/Oska)",
     {{100, 7600}, {2300, 11400}, {4500, 0}, {2300, 3800}, {8900, 7600}, {6700, 3800}, {4500, 15200}, {6700, 11400}}},
    {"Relationship Spread",
     {{3840, 240}, {6480, 240}, {3840, 4200}, {6480, 4200}, {3840, 8160}, {6480, 8160}, {3840, 12120},
      {6480, 12120}, {3840, 16080}, {6480, 16080}}},
    {"The Romany/ Gypsy Spread",
     {{13800, 11040}, {11480, 11040}, {9193, 11040}, {6921, 11040}, {4634, 11040}, {2377, 11040}, {120, 11040},
      {13800, 6180},  {11480, 6180},  {9193, 6180},  {6921, 6180},  {4634, 6180},  {2377, 6180},  {120, 6180},
      {13800, 1320},  {11480, 1320},  {9193, 1320},  {6921, 1320},  {4634, 1320},  {2377, 1320},  {120, 1320}}},
    {"Zodiac Spread",
     {{120, 6720}, {2385, 9720}, {4650, 10440}, {6930, 10920}, {9225, 10440}, {11505, 9720}, {13800, 6720},
      {11505, 3480}, {9225, 3000}, {6930, 2400}, {4650, 3000}, {2385, 3480}}},
    {"Tree of Life",
     {{5840, 120}, {8120, 3960}, {3560, 3960}, {8120, 7800}, {3560, 7800}, {5840, 11640}, {3560, 15480},
      {8120, 15480}, {5840, 19320}, {5840, 23160}}},
    {"Numerology Spread",
     {{2760, 240}, {5280, 240}, {7800, 240}, {2760, 4320}, {5280, 4320}, {7800, 4320}, {2760, 8400}, {5280, 8400},
      {7800, 8400}}},
};

inline const SpreadLayout& LayoutOf(const QString& spread) {
    for (const SpreadLayout& layout : kSpreadLayouts) {
        if (spread == QLatin1String(layout.spread)) return layout;
    }
    static const SpreadLayout none{"", {}};
    return none;
}
