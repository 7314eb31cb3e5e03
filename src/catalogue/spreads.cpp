#include "catalogue/spreads.h"

#include "platform/application.h"

#include <array>
#include <iterator>
#include <vector>

namespace {

// ---------------------------------------------------------------------------------------------
// Places on the card table: top-left corner (Left, Top) of each position's card box, in twips,
// position 1 first.
struct Corner {
    int left;
    int top;
    bool turned = false;  // laid across the card before it
};
constexpr bool kAcross = true;

constexpr Corner kCelticCrossCorners[] = {{3200, 3700}, {2300, 4200, kAcross}, {3200, 7500}, {100, 3700}, {3200, 0},
                                          {6200, 3700}, {8500, 11300}, {8500, 7500}, {8500, 3700}, {8500, 0}};
constexpr Corner kOneCardCorners[] = {{5000, 2500}};
constexpr Corner kTwoCardsCorners[] = {{4000, 2500}, {6200, 2500}};
constexpr Corner kThreeCardsCorners[] = {{2200, 2500}, {4400, 2500}, {6600, 2500}};
constexpr Corner kLineCorners[] = {{8900, 2500}, {6700, 2500}, {4500, 2500}, {2300, 2500}, {100, 2500}};
constexpr Corner kWheelCorners[] = {{5000, 3800}, {7200, 3800}, {5000, 7600}, {2800, 3800}, {5000, 0}};
constexpr Corner kChakraCorners[] = {{4500, 22600}, {4500, 18800}, {4500, 15000}, {4500, 11200},
                                     {4500, 7500},  {4500, 3800},  {4500, 0}};
constexpr Corner kSeasonsCorners[] = {{100, 7600},  {2300, 11400}, {4500, 0},     {2300, 3800},
                                      {8900, 7600}, {6700, 3800},  {4500, 15200}, {6700, 11400}};
constexpr Corner kRelationshipCorners[] = {{3840, 240},   {6480, 240},   {3840, 4200},  {6480, 4200},
                                           {3840, 8160},  {6480, 8160},  {3840, 12120}, {6480, 12120},
                                           {3840, 16080}, {6480, 16080}};
constexpr Corner kRomanyCorners[] = {
    {13800, 11040}, {11480, 11040}, {9193, 11040}, {6921, 11040}, {4634, 11040}, {2377, 11040}, {120, 11040},
    {13800, 6180},  {11480, 6180},  {9193, 6180},  {6921, 6180},  {4634, 6180},  {2377, 6180},  {120, 6180},
    {13800, 1320},  {11480, 1320},  {9193, 1320},  {6921, 1320},  {4634, 1320},  {2377, 1320},  {120, 1320}};
constexpr Corner kZodiacCorners[] = {{120, 6720},   {2385, 9720}, {4650, 10440}, {6930, 10920},
                                     {9225, 10440}, {11505, 9720}, {13800, 6720}, {11505, 3480},
                                     {9225, 3000},  {6930, 2400}, {4650, 3000},  {2385, 3480}};
constexpr Corner kTreeCorners[] = {{5840, 120},  {8120, 3960},  {3560, 3960},  {8120, 7800},  {3560, 7800},
                                   {5840, 11640}, {3560, 15480}, {8120, 15480}, {5840, 19320}, {5840, 23160}};
constexpr Corner kNumerologyCorners[] = {{2760, 240},  {5280, 240},  {7800, 240},  {2760, 4320}, {5280, 4320},
                                         {7800, 4320}, {2760, 8400}, {5280, 8400}, {7800, 8400}};

// ---------------------------------------------------------------------------------------------
// Position texts: title (bold in the report) and meaning, position 1 first.
struct PositionText {
    const char* title;
    const char* meaning;
};

constexpr PositionText kCelticCrossTexts[] = {
    {"Card 1: The Covering", "This represents the overall events, situations or influences surrounding the present question."},
    {"Card 2: The Crossing", "This represents the current problems, challenges and negative influences that the querent has to face."},
    {"Card 3: The Root", "This represents the foundation of the matter: the past events and hidden causes that lie at the root of the question."},
    {"Card 4: The Past", "This represents recent events that are now passing away from the situation."},
    {"Card 5: The Crown", "This represents the best that can be achieved and the goal that the querent is aiming for."},
    {"Card 6: The Future", "This represents the influences that will come into play in the near future."},
    {"Card 7: The Questioner", "This represents the querent's own attitude and position in the present circumstances."},
    {"Card 8: The House", "This represents the environment: the people close to the querent and the influence of family and friends."},
    {"Card 9: The Inside", "This represents the querent's inner hopes and fears about the outcome."},
    {"Card 10: The Outcome", "This represents the final outcome of the situation."},
};
constexpr PositionText kOneCardTexts[] = {
    {"Card 1:  ", "This represents the most important factor that affects the issue in hand."},
};
constexpr PositionText kTwoCardsTexts[] = {
    {"Card 1: ", "This card signifies what can happen if you carry out the solution that this card represents."},
    {"Card 2: ", "This card signifies what can happen if you carry out the solution that this card represents."},
};
constexpr PositionText kThreeCardsTexts[] = {
    {"Card 1 - Past", "This card represents the past events and influences that have shaped the present situation and that still have a bearing on the question asked."},
    {"Card 2 - Present", "This card represents the present circumstances, the forces at work right now and the choices that lie before the querent. It shows where the querent stands today and what needs attention most."},
    {"Card 3 - Future", "This card represents the future outcome of the present circumstances or events that may lead to the outcome."},
};
constexpr PositionText kLineTexts[] = {
    {"Card 1 - ", "This card represents the distant past."},
    {"Card 2 - ", "This card represents the recent past."},
    {"Card 3 - ", "This card represents the present."},
    {"Card 4 - ", "This card represents the near future."},
    {"Card 5 - ", "This card represents the distant future."},
};
constexpr PositionText kWheelTexts[] = {
    {"Card 1 - The Present", "This card represents the present situation and the heart of the question."},
    {"Card 2 - Waning Influences", "This card represents the influences that are passing away and losing their hold."},
    {"Card 3 - Hidden or Unconscious Influences", "This card represents hidden or unknown influences."},
    {"Card 4 - Emerging Influences", "This card represents the influences that are coming into being and are growing in strength."},
    {"Card 5 - Synthesis", "This card represents the synthesis of all the influences and the likely outcome."},
};
constexpr PositionText kChakraTexts[] = {
    {"Card 1 - The Root", "This is related to survival, security, the physical body and the material foundation of life."},
    {"Card 2 - Sexual Center", "This is related to desire, pleasure, creativity and sexuality, and to the way emotions are shared with others."},
    {"Card 3 - Power Center", "This is related to will power, self esteem, personal strength and the ability to act."},
    {"Card 4 - The Heart", "This is related to feelings for others, compassion and relationship."},
    {"Card 5 - The Throat", "This is related to communication, self expression and the ability to speak the truth."},
    {"Card 6 - The Third Eye", "This is related to intuition, imagination and insight, the ability to see beyond the surface of things."},
    {"Card 7 - The Crown", "This is related to spirituality, wisdom, and the connection with the divine. It shows how open the querent is to higher understanding and to what lies beyond everyday concerns."},
};
constexpr PositionText kSeasonsTexts[] = {
    {"Card 1 - The Spring", "This card represents the spring, a season of new beginnings, fresh ideas and plans that are being sown."},
    {"Card 2", "This card alters the next card (Card 3)"},
    {"Card 3 - The Summer", "This card represents the summer, when plans grow and efforts made so far begin to bear fruit and to show results."},
    {"Card 4", "This card alters the next card (Card5)"},
    {"Card 5 - Autumn", "This card represents the autumn, a time to reap what is sown."},
    {"Card 6", "This card modifies the next card (Card 7)"},
    {"Card 7 - Winter", "This card represents the winter, a time of rest, reflection and of letting go."},
    {"Card 8", "This card alters Card 1."},
};
constexpr PositionText kRelationshipTexts[] = {
    {"Card 1", "Represents your view of a partner i.e. it interprets your way of looking at your partner."},
    {"Card 2", "Represents your partner's view towards you."},
    {"Card 3", "Represents your feelings for your partner."},
    {"Card 4", "Represents your partner's feelings for you."},
    {"Card 5", "Represents what you expect from the relationship."},
    {"Card 6", "Represents what your partner expects from the relationship."},
    {"Card 7", "Represents what you bring to the relationship."},
    {"Card 8", "Represents what your partner brings to the relationship."},
    {"Card 9", "Represents your hopes for a shared life."},
    {"Card 10", "Represents your partner's hopes for a shared life."},
};
constexpr const char* kPast = "Represent the past.";
constexpr const char* kPresent = "Represent the present.";
constexpr const char* kFuture = "Represent the future.";
constexpr PositionText kRomanyTexts[] = {
    {"Card 1", kPast},     {"Card 2", kPast},     {"Card 3", kPast},     {"Card 4", kPast},
    {"Card 5", kPast},     {"Card 6", kPast},     {"Card 7", kPast},
    {"Card 8", kPresent},  {"Card 9", kPresent},  {"Card 10", kPresent}, {"Card 11", kPresent},
    {"Card 12", kPresent}, {"Card 13", kPresent}, {"Card 14", kPresent},
    {"Card 15", kFuture},  {"Card 16", kFuture},  {"Card 17", kFuture},  {"Card 18", kFuture},
    {"Card 19", kFuture},  {"Card 20", kFuture},  {"Card 21", kFuture},
};
constexpr PositionText kZodiacTexts[] = {
    {"Card 1", "Related to Aries which represents your attitude and your basic personality."},
    {"Card 2", "Related to Taurus which represents money, possessions and your values."},
    {"Card 3", "Related to Gemini which represents communication, learning and short journeys."},
    {"Card 4", "Related to Cancer which represents your home, your family and your roots."},
    {"Card 5", "Related to Leo which represents romance, children, creativity and pleasure."},
    {"Card 6", "Related to Virgo which represents work and responsibility."},
    {"Card 7", "Related to Libra which represents marriage and partnerships."},
    {"Card 8", "Related to Scorpio which represents shared resources, change and rebirth."},
    {"Card 9", "Related to Sagittarius which represents long journeys, faith and wider learning."},
    {"Card 10", "Related to Capricorn which represents your career and your public standing."},
    {"Card 11", "Related to Aquarius which represents friends, groups and your hopes."},
    {"Card 12", "Related to Pisces which represents secrets, sorrows and hidden fears."},
};
constexpr PositionText kTreeTexts[] = {
    {"Card 1 - Top card:", "Reveals the present situation and how we react to each of these situations."},
    {"Card 2 - Right temple:", "Reveals wisdom and the creative forces at work."},
    {"Card 3 - Left temple:", "Reveals understanding and the limits that we meet."},
    {"Card 4 - Right shoulder:", "Reveals the help and the gifts that come to us."},
    {"Card 5 - Left shoulder:", "Reveals the conflicts and hard choices we face."},
    {"Card 6 - Heart/ centre position:", "Reveals the heart of the matter and our inner harmony."},
    {"Card 7 - Right hip:", "Reveals our love, desires and feelings."},
    {"Card 8 - Left hip:", "Reveals our thinking and how we communicate."},
    {"Card 9 - Groin:", "Reveals our inner dreams."},
    {"Card 10 - feet:", "Reveals the final outcome in the material world."},
};
constexpr PositionText kNumerologyTexts[] = {
    {"Card 1", "You see yourself as an Innovator."},   {"Card 2", "You see yourself as an Integrator."},
    {"Card 3", "You see yourself as an Entertainer."}, {"Card 4", "You see yourself as a Builder."},
    {"Card 5", "You see yourself as a Communicator."}, {"Card 6", "You see yourself as a Peacemaker."},
    {"Card 7", "You see yourself as an Individualist."}, {"Card 8", "You see yourself as an Entrepreneur."},
    {"Card 9", "You see yourself as a Crusader."},
};

// ---------------------------------------------------------------------------------------------
// The spreads in list order.
struct SpreadRow {
    const char* name;
    const char* header;
    bool sameLine;
    std::span<const PositionText> texts;
    std::span<const Corner> corners;
    const char* description;
};

constexpr SpreadRow kSpreads[kSpreadCount] = {
    {"Celtic Cross", "Spread Type - Celtic Cross Spread", false, kCelticCrossTexts, kCelticCrossCorners,
     "This is one of the most common spreads. This is also known as the Grand Cross spread. This spread provides a very detailed reading of the past and present situation and the external influences. There are four cards in a row along the side with a cross in the centre. This is a somewhat complex spread and needs expertise."},
    {"One Card", "Spread Type - One Card", true, kOneCardTexts, kOneCardCorners,
     "This is the simplest spread of all. This is generally used for daily and quick readings. This spread is concise and good for a single issue. This can be highly exact depending on the situation."},
    {"Two Cards", "Spread Type - Two Cards", true, kTwoCardsTexts, kTwoCardsCorners,
     "This spread needs certain knowledge before a reading is done. This may be used at times for a yes/no reading or to know which of the two solutions is better. In a yes/no reading the 'yes' card and the 'no' card are chosen in advance."},
    {"Three Cards", "Spread Type - Three Cards", false, kThreeCardsTexts, kThreeCardsCorners,
     "This spread is good for someone who wants know how his/her life will be in general. If a specific question has been asked, then the cards will be interpreted with respect to the question."},
    {"The Line Spread", "Spread Type - The Line Spread", true, kLineTexts, kLineCorners,
     "All cards in this layout are in a straight horizontal line in a descending order. This spread represents the past, present and future and used for quick readings. This is a very simple and accurate spread which gives a very clear idea about the situation."},
    {"Eliphas Levy Wheel Spread(Hollin)", "Spread Type - Eliphas Levy Wheel Spread(Hollin)", false, kWheelTexts, kWheelCorners,
     "This layout is based on the Eliphas Levy Wheel. He did not invent this spread but this is based on his tarot wheel."},
    {"Seven Card Chakra Layout", "Spread Type - Seven Card Chakra Spread", false, kChakraTexts, kChakraCorners,
     "This is a more meditative spread. This gives a clear idea of what is flowing smoothly in the querent's body and which chakras are blocked or which need more attention. The layout is vertical representing the seven chakras in our body. It is read from bottom to top.  This spread is very useful for readings in which one wants to know more about oneself. Each card is associated with a chakra colour."},
    {"Four Seasons Spread(Marvane/Oska)", "Spread Type - Four Seasons Spread", false, kSeasonsTexts, kSeasonsCorners,
     "This spread can be used to look into the near future or coming year season by season. It gives a detailed description about what can be expected to happen in the four seasons of the year. A person gets an in depth knowledge of his plans from the conception to the execution stage. This is a spiritual spread."},
    {"Relationship Spread", "Spread Type - Relationship Spread", false, kRelationshipTexts, kRelationshipCorners,
     "As the name of the spread itself implies, this spread is used to answer question regarding your relationship with a person. In this case, cards are chosen to represent both the sides of a particular relationship. This spread uses 10 cards which the questioner has to select himself."},
    {"The Romany/ Gypsy Spread", "Spread Type - The Romany/ Gypsy Spread", false, kRomanyTexts, kRomanyCorners,
     "This spread is being practiced by people for more than 200 years. This is one of the favorite spreads of the gypsies. Whenever you want to glance at your past, present as well as your future, use this particular spread. The Romany spread helps you by answering a whole lot of questions as per your specification, revels your past experiences, your present happenings as well as your future potentials. This spread uses 21 cards and the questioner has to select the cards himself."},
    {"Zodiac Spread", "Spread Type - Zodiac Spread", false, kZodiacTexts, kZodiacCorners,
     "In the Zodiac spread, the cards are led out corresponding to the 12 houses of the zodiac. This spread helps you in exploring the twelve vital areas of your life some of which are your career, love, marriages, home and finances. This spread includes 12 cards which the questioner has to select himself."},
    {"Tree of Life", "Spread Type - Tree of Life", false, kTreeTexts, kTreeCorners,
     "Among all the other spreads, the Qabalistic Tree of Life spread is one of the best spreads for the purpose of delving deep into one's own nature. It reveals everything about your past, present as well as your future. This spread uses 10 cards which the questioner has to select himself."},
    {"Numerology Spread", "Spread Type - Numerology Spread", false, kNumerologyTexts, kNumerologyCorners,
     "Numerology Spread is also one of the mostly used spread and it is based upon the Numerological meanings of the numbers ranging from 1 to 9. This spread is mostly used for the purpose of exploring yourself in all your forms. This spread uses 9 cards which the questioner has to select himself."},
};

constexpr bool EveryPositionHasItsPlace() {
    for (const SpreadRow& row : kSpreads) {
        if (row.texts.size() != row.corners.size()) return false;
    }
    return true;
}
static_assert(EveryPositionHasItsPlace());

// ---------------------------------------------------------------------------------------------
struct Catalogue {
    std::array<std::vector<SpreadPosition>, kSpreadCount> positions;
    std::array<TarotSpread, kSpreadCount> spreads;
    std::array<TarotDeck, 2> decks{{{0, QStringLiteral("Rider Waite Tarot Deck"), QStringLiteral("r")},
                                    {1, QStringLiteral("Marseilles Tarot Deck"), QStringLiteral("m")}}};

    Catalogue() {
        for (int i = 0; i < kSpreadCount; ++i) {
            const SpreadRow& row = kSpreads[i];
            for (std::size_t k = 0; k < row.texts.size(); ++k) {
                positions[i].push_back(SpreadPosition{static_cast<int>(k), QString::fromLatin1(row.texts[k].title),
                                                      QString::fromLatin1(row.texts[k].meaning), row.sameLine,
                                                      static_cast<float>(row.corners[k].left),
                                                      static_cast<float>(row.corners[k].top), row.corners[k].turned});
            }
            spreads[i] = TarotSpread{static_cast<std::int16_t>(i), QString::fromLatin1(row.name),
                                     QString::fromLatin1(row.header), static_cast<std::int32_t>(row.texts.size()),
                                     QString::fromLatin1(row.description), positions[i]};
        }
    }
};

const Catalogue& TheCatalogue() {
    static const Catalogue catalogue;
    return catalogue;
}

}  // namespace

std::span<const TarotDeck> Decks() { return TheCatalogue().decks; }

QString DeckLetter(int deckIndex) { return deckIndex == 0 ? QStringLiteral("r") : QStringLiteral("m"); }

std::span<const TarotSpread> Spreads() { return TheCatalogue().spreads; }

const TarotSpread* SpreadByName(const QString& name) {
    for (const TarotSpread& spread : Spreads()) {
        if (spread.strDisplayName == name) return &spread;
    }
    return nullptr;
}

const TarotSpread* SpreadByIndex(int index) {
    if (index < 0 || index >= kSpreadCount) return nullptr;
    return &Spreads()[index];
}

QString SpreadDiagramPath(int index) {
    return platform::ProgramFolder() + QStringLiteral("/pic/c") + QString::number(index) + QStringLiteral(".jpg");
}

QString PositionHint(const SpreadPosition& position) {
    return position.blnSameLine ? position.strTitle + position.strMeaning
                                : position.strTitle + QStringLiteral("\r\n") + position.strMeaning;
}

const TarotSpread* ShowSpreadDescription(int index, int& MaxCardInSet, int& no) {
    MaxCardInSet = index;
    const TarotSpread* spread = SpreadByIndex(index);
    if (spread) no = spread->lngCardCount;
    return spread;
}
