// Card titles by id. Kept apart from the meaning texts so that the picture generator can
// name the card faces without them.
#include "catalogue/cards.h"

namespace {
constexpr const char* kTitles[kCardCount] = {
    // Major Arcana, 0..21
    "Death", "The Hermit", "Judgement", "Justice", "Strength", "Temperance", "The Fool",
    "The Chariot", "The Devil", "The Emperor", "The Empress", "The Hanged Man", "The Hierophant",
    "The High Priestess", "The Lovers", "The Magician", "The Moon", "The Star", "The Sun",
    "The Tower", "The World", "Wheel Fortune",
    // Twos without Pentacles, 22..24
    "Two of Cups", "Two of Swords", "Two of Wands",
    // Three to Queen, each rank Cups, Pentacles, Swords, Wands, 25..76
    "Three of Cups", "Three of Pentacles", "Three of Swords", "Three of Wands",
    "Four of Cups", "Four of Pentacles", "Four of Swords", "Four of Wands",
    "Five of Cups", "Five of Pentacles", "Five of Swords", "Five of Wands",
    "Six of Cups", "Six of Pentacles", "Six of Swords", "Six of Wands",
    "Seven of Cups", "Seven of Pentacles", "Seven of Swords", "Seven of Wands",
    "Eight of Cups", "Eight of Pentacles", "Eight of Swords", "Eight of Wands",
    "Nine of Cups", "Nine of Pentacles", "Nine of Swords", "Nine of Wands",
    "Ten of Cups", "Ten of Pentacles", "Ten of Swords", "Ten of Wands",
    "Ace of Cups", "Ace of Pentacles", "Ace of Swords", "Ace of Wands",
    "King of Cups", "King of Pentacles", "King of Swords", "King of Wands",
    "Knight of Cups", "Knight of Pentacles", "Knight of Swords", "Knight of Wands",
    "Page of Cups", "Page of Pentacles", "Page of Swords", "Page of Wands",
    "Queen of Cups", "Queen of Pentacles", "Queen of Swords", "Queen of Wands",
    // 77
    "Two of Pentacles",
};
}  // namespace

QString CardTitle(std::int32_t id) {
    if (id < 0 || id >= kCardCount) return {};
    return QString::fromLatin1(kTitles[id]);
}
