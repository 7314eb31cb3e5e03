#include "casting/engine.h"

#include "catalogue/arrays.h"
#include "catalogue/report.h"
#include "catalogue/spreads.h"
#include "platform/randomsource.h"
#include "platform/richtextbox.h"

#include <algorithm>

namespace casting {
namespace {

// The thirteen blocks in the order they are tested. Five spreads are found by their count
// alone; the others need the exact name as well, even where no other spread shares the count.
constexpr CastBlock kBlocks[] = {
    {"One Card", 1, false, BlockForm::DrawFirst},
    {"Two Cards", 2, false, BlockForm::DrawFirst},
    {"Three Cards", 3, false, BlockForm::DrawFirst},
    {"Eliphas Levy Wheel Spread(Hollin)", 5, true, BlockForm::DrawFirst},
    {"The Line Spread", 5, true, BlockForm::DrawFirst},
    {"Seven Card Chakra Layout", 7, false, BlockForm::DrawFirst},
    {"Four Seasons Spread(Marvane/Oska)", 8, false, BlockForm::DrawFirst},
    {"Celtic Cross", 10, true, BlockForm::DrawFirst},
    {"Relationship Spread", 10, true, BlockForm::ShowFirst},
    {"Tree of Life", 10, true, BlockForm::ShowFirst},
    {"Numerology Spread", 9, true, BlockForm::ShowFirst},
    {"Zodiac Spread", 12, true, BlockForm::ShowFirst},
    {"The Romany/ Gypsy Spread", 21, true, BlockForm::ShowFirst},
};

// The dispatch rows of the card table's load, tried in order: DONE1 to DONE6.
constexpr CastProfile kDispatch[] = {kWholeDeck,         kMinorArcana,         kMajorArcana,
                                     kWholeDeckReversed, kMinorArcanaReversed, kMajorArcanaReversed};

bool g_castUnderWay = false;

class UnderWay {
public:
    UnderWay() { g_castUnderWay = true; }
    ~UnderWay() { g_castUnderWay = false; }
    UnderWay(const UnderWay&) = delete;
    UnderWay& operator=(const UnderWay&) = delete;
};

bool OptionsFit(const CastProfile& profile, const ReadingOptions& options) {
    return options.blnMinorArcana == profile.minorArcana && options.blnMajorArcana == profile.majorArcana &&
           options.blnAllowReverse == profile.allowReverse;
}

// Shows, numbers and places the spread's boxes, each step over all positions in turn.
void LayOut(CardTableSurface& table, std::span<const SpreadPosition> positions) {
    const int n = static_cast<int>(positions.size());
    for (int k = 0; k < n; ++k) table.ShowBox(k);
    for (int k = 0; k < n; ++k) table.ShowLabel(k);
    for (int k = 0; k < n; ++k) table.PlaceBox(k, positions[k].sngLeft, positions[k].sngTop);
}

// The opened reading in place of a draw: its report, its cards on the table (reversed ones
// upside down, the crossing card across), and the reading taken over as the current one so
// that a save writes it back unchanged.
void Replay(CardTableSurface& table, platform::RichTextBox& report, std::span<const SpreadPosition> positions) {
    ReadingState& state = State();
    const OpenedReading& opened = state.opened;

    report.setText(QString());
    WriteReportHeader(report, opened.strOpenedSpreadName);
    WriteCardReadings(report, opened.arrOpenedCards, opened.arrOpenedReversed);

    const int last = static_cast<int>(opened.arrOpenedCards.size()) - 1;
    for (int i = 0; i < last; ++i) {
        const std::int32_t id = opened.arrOpenedCards[static_cast<std::size_t>(i)];
        if (IsInArray(id, opened.arrOpenedReversed)) {
            table.ShowReversedCard(i, id);
        } else {
            table.LoadCardPicture(i, id);
        }
    }
    for (int k = 0; k < static_cast<int>(positions.size()) && k < last; ++k) {
        if (positions[k].blnTurned) table.ShowCrossingCard(k, opened.arrOpenedCards[static_cast<std::size_t>(k)]);
    }

    state.reading.arrDrawnCards = opened.arrOpenedCards;
    state.reading.arrReversedCards = opened.arrOpenedReversed;
    state.reading.lngCardCount = static_cast<std::int32_t>(positions.size());
    state.opened.blnReplayPending = false;
}

}  // namespace

std::span<const CastBlock> CastBlocks() { return kBlocks; }

std::optional<int> FindBlock(int count, const QString& spreadName) {
    for (int i = 0; i < static_cast<int>(std::size(kBlocks)); ++i) {
        const CastBlock& block = kBlocks[i];
        if (count == block.count && (!block.nameTested || spreadName == QLatin1String(block.spreadName))) return i;
    }
    return std::nullopt;
}

std::optional<int> CastRoutineFor(const ReadingOptions& options) {
    if (!options.blnAutoCastPressed) return std::nullopt;
    for (int i = 0; i < static_cast<int>(std::size(kDispatch)); ++i) {
        if (OptionsFit(kDispatch[i], options)) return i + 1;
    }
    return std::nullopt;
}

bool OptionsFormARow(const ReadingOptions& options) {
    return std::any_of(std::begin(kDispatch), std::end(kDispatch),
                       [&](const CastProfile& row) { return OptionsFit(row, options); });
}

bool ComesOutReversed(double value) { return value > 0.5; }

void DrawCards(std::span<std::int32_t> drawn, CardPool pool, const std::function<void()>& beforeAttempt,
               std::int32_t& candidate) {
    // More positions than ids would never end.
    if (pool.size <= 0 || drawn.size() > static_cast<std::size_t>(pool.size)) return;
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        do {
            if (beforeAttempt) beforeAttempt();
            candidate = platform::RandomChoice(pool.first, pool.size, platform::Rnd());
        } while (IsInArray(candidate, drawn.first(i)));
        drawn[i] = candidate;
    }
}

bool CastUnderWay() { return g_castUnderWay; }

void Cast(const CastProfile& profile, int no, const CastEnvironment& env) {
    if (g_castUnderWay) return;
    UnderWay underWay;

    ReadingState& state = State();
    TarotReading& reading = state.reading;
    const int n = std::max(no, 0);
    reading.arrDrawnCards.assign(static_cast<std::size_t>(n) + 1, 0);
    if (profile.eraseReversed) reading.arrReversedCards.clear();
    const bool replay = profile.replays && state.opened.blnReplayPending;
    if (replay) reading.strSpreadName = state.opened.strOpenedSpreadName;

    const TarotSpread* spread = nullptr;
    std::optional<int> block;
    if (OptionsFit(profile, state.options)) block = FindBlock(no, reading.strSpreadName);
    if (block) spread = SpreadByName(QLatin1String(kBlocks[*block].spreadName));
    if (spread && static_cast<int>(spread->arrPositions.size()) != n) spread = nullptr;

    if (!spread) {
        // Nothing to lay out. A reading that fits no spread would be reported as "Death" at
        // every position, so no card section is written; an opened one is not replayed.
        if (replay) {
            state.opened.blnReplayPending = false;
            return;
        }
        env.report().setSelStart(0);
        return;
    }
    const std::span<const SpreadPosition> positions = spread->arrPositions;

    CardTableSurface* table = env.table();
    if (!table) return;
    table->HideBoxesFrom(n);
    const bool layoutFirst = profile.alwaysLayoutFirst || kBlocks[*block].form == BlockForm::ShowFirst;
    if (layoutFirst) LayOut(*table, positions);

    if (replay) {
        Replay(*table, env.report(), positions);
        return;
    }

    platform::Randomize();
    CardArray drawn(static_cast<std::size_t>(n), 0);
    std::int32_t candidate = table->CandidateCard();
    DrawCards(drawn, profile.pool, env.letEventsRun, candidate);
    std::copy(drawn.begin(), drawn.end(), reading.arrDrawnCards.begin());

    // The events let run during the draw cannot take the table away, but stay safe if they do.
    table = env.table();
    if (!table) return;
    table->CandidateCard() = candidate;

    if (!layoutFirst) {
        for (int k = 0; k < n; ++k) table->PlaceBox(k, positions[k].sngLeft, positions[k].sngTop);
    }
    for (int k = 0; k < n; ++k) {
        const std::int32_t id = drawn[static_cast<std::size_t>(k)];
        const bool turned = positions[k].blnTurned;
        // Every position takes its value, the crossing card's too, which is never reversed.
        const bool reversed = profile.reversals && ComesOutReversed(platform::Rnd()) && !turned;
        if (!layoutFirst) table->ShowBox(k);
        if (turned) {
            table->ShowCrossingCard(k, id);
        } else if (reversed) {
            table->ShowReversedCard(k, id);
            reading.arrReversedCards.push_back(id);
        } else {
            table->LoadCardPicture(k, id);
        }
        if (!layoutFirst) table->ShowLabel(k);
    }

    WriteCardReadings(env.report(), reading.arrDrawnCards, reading.arrReversedCards);
    env.report().setSelStart(0);
}

}  // namespace casting
