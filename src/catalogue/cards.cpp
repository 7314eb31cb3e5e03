#include "catalogue/cards.h"

#include "catalogue/cardmeanings.h"

#include <array>

namespace {
const std::array<TarotCard, kCardCount>& Catalogue() {
    static const std::array<TarotCard, kCardCount> cards = [] {
        std::array<TarotCard, kCardCount> all;
        for (int id = 0; id < kCardCount; ++id) {
            all[id] = TarotCard{id, CardTitle(id), QString::fromLatin1(kCardMeanings[id].upright),
                                QString::fromLatin1(kCardMeanings[id].reversed)};
        }
        return all;
    }();
    return cards;
}
}  // namespace

const TarotCard* CardById(std::int32_t id) {
    if (id < 0 || id >= kCardCount) return nullptr;
    return &Catalogue()[id];
}

std::span<const TarotCard> Cards() { return Catalogue(); }

QString ReversedTitle(const TarotCard& card) { return card.strTitle + QStringLiteral(" - Reversed"); }
