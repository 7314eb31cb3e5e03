// The casting engine on a recording card table: dispatch, block lookup, the draw, reversals,
// the order of a block's steps, the replay of an opened reading and re-entry.
#include "casting/engine.h"
#include "castingsupport.h"
#include "catalogue/cards.h"
#include "catalogue/report.h"
#include "platform/randomsource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <set>

using casting::CastProfile;

namespace {

struct Routine {
    const char* name;
    CastProfile profile;
};

const Routine kRoutines[] = {
    {"DONE1", casting::kWholeDeck},         {"DONE2", casting::kMinorArcana},
    {"DONE3", casting::kMajorArcana},       {"DONE4", casting::kWholeDeckReversed},
    {"DONE5", casting::kMinorArcanaReversed}, {"DONE6", casting::kMajorArcanaReversed},
};

void UseOptionsOf(const CastProfile& profile) {
    State().options.blnMinorArcana = profile.minorArcana;
    State().options.blnMajorArcana = profile.majorArcana;
    State().options.blnAllowReverse = profile.allowReverse;
}

QString CardSection(const CardArray& drawn, const CardArray& reversed) {
    platform::RichTextBox box;
    WriteCardReadings(box, drawn, reversed);
    return box.Text();
}

class CastingEngineTest : public ::testing::Test {
protected:
    void SetUp() override { FreshState(); }

    casting::CastEnvironment Environment() {
        casting::CastEnvironment environment;
        environment.table = [this]() -> casting::CardTableSurface* {
            ++tableRequests;
            return tableGone ? nullptr : &table;
        };
        environment.report = [this]() -> platform::RichTextBox& { return report; };
        environment.letEventsRun = [this] {
            ++attempts;
            if (onAttempt) onAttempt();
        };
        return environment;
    }

    // Chooses the spread under the routine's own options and casts it.
    void Cast(const CastProfile& profile, const QString& spread) {
        ChooseSpread(spread);
        UseOptionsOf(profile);
        casting::Cast(profile, State().reading.lngCardCount, Environment());
    }

    RecordingTable table;
    platform::RichTextBox report;
    int attempts = 0;
    int tableRequests = 0;
    bool tableGone = false;
    std::function<void()> onAttempt;
};

}  // namespace

TEST(CastDispatch, EachOptionRowCallsOneRoutine) {
    struct Row {
        bool autoCast, minor, major, reverse;
        std::optional<int> routine;
        bool formsARow;
    };
    const Row rows[] = {
        {true, false, false, false, 1, true},  {true, true, false, false, 2, true},
        {true, false, true, false, 3, true},   {true, false, false, true, 4, true},
        {true, true, false, true, 5, true},    {true, false, true, true, 6, true},
        {true, true, true, false, {}, false},  {true, true, true, true, {}, false},
        {false, false, false, false, {}, true}, {false, false, true, true, {}, true},
    };
    for (const Row& row : rows) {
        ReadingOptions options;
        options.blnAutoCastPressed = row.autoCast;
        options.blnMinorArcana = row.minor;
        options.blnMajorArcana = row.major;
        options.blnAllowReverse = row.reverse;
        SCOPED_TRACE(::testing::Message() << row.autoCast << row.minor << row.major << row.reverse);
        EXPECT_EQ(casting::CastRoutineFor(options), row.routine);
        EXPECT_EQ(casting::OptionsFormARow(options), row.formsARow);
    }
}

TEST(CastBlockLookup, CountAndExactName) {
    struct Row {
        int count;
        const char* name;
        const char* block;  // nullptr: no block
    };
    const Row rows[] = {
        {1, "One Card", "One Card"},
        {1, "-1", "One Card"},
        {2, "Celtic Cross", "Two Cards"},
        {3, "", "Three Cards"},
        {7, "anything", "Seven Card Chakra Layout"},
        {8, "Four seasons", "Four Seasons Spread(Marvane/Oska)"},
        {5, "Eliphas Levy Wheel Spread(Hollin)", "Eliphas Levy Wheel Spread(Hollin)"},
        {5, "The Line Spread", "The Line Spread"},
        {5, "the line spread", nullptr},
        {5, "The Line Spread ", nullptr},
        {5, "Eliphas Levy Wheel Spread (Hollin)", nullptr},
        {10, "Celtic Cross", "Celtic Cross"},
        {10, "Relationship Spread", "Relationship Spread"},
        {10, "Tree of Life", "Tree of Life"},
        {10, "Celtic cross", nullptr},
        {10, " Tree of Life", nullptr},
        {9, "Numerology Spread", "Numerology Spread"},
        {9, "Numerology", nullptr},
        {12, "Zodiac Spread", "Zodiac Spread"},
        {12, "ZODIAC SPREAD", nullptr},
        {21, "The Romany/ Gypsy Spread", "The Romany/ Gypsy Spread"},
        {21, "The Romany/Gypsy Spread", nullptr},
        {5, "Celtic Cross", nullptr},
        {4, "Celtic Cross", nullptr},
        {0, "One Card", nullptr},
        {-1, "-1", nullptr},
        {22, "The Romany/ Gypsy Spread", nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.count << " '" << row.name << "'");
        const std::optional<int> block = casting::FindBlock(row.count, QString::fromLatin1(row.name));
        if (!row.block) {
            EXPECT_FALSE(block.has_value());
        } else {
            ASSERT_TRUE(block.has_value());
            EXPECT_STREQ(casting::CastBlocks()[*block].spreadName, row.block);
        }
    }
}

TEST(CastBlockLookup, BlocksFollowTheCatalogueInTheirFixedOrder) {
    const char* order[] = {"One Card",         "Two Cards",         "Three Cards",         "Eliphas Levy Wheel Spread(Hollin)",
                           "The Line Spread",  "Seven Card Chakra Layout", "Four Seasons Spread(Marvane/Oska)",
                           "Celtic Cross",     "Relationship Spread", "Tree of Life",      "Numerology Spread",
                           "Zodiac Spread",    "The Romany/ Gypsy Spread"};
    ASSERT_EQ(casting::CastBlocks().size(), 13u);
    for (std::size_t i = 0; i < 13; ++i) {
        const casting::CastBlock& block = casting::CastBlocks()[i];
        EXPECT_STREQ(block.spreadName, order[i]);
        const TarotSpread* spread = SpreadByName(QString::fromLatin1(block.spreadName));
        ASSERT_NE(spread, nullptr) << block.spreadName;
        EXPECT_EQ(block.count, spread->lngCardCount) << block.spreadName;
        EXPECT_EQ(static_cast<int>(spread->arrPositions.size()), spread->lngCardCount) << block.spreadName;
        EXPECT_EQ(casting::FindBlock(spread->lngCardCount, spread->strDisplayName), static_cast<int>(i));
    }
}

TEST_F(CastingEngineTest, PoolEndsOfEveryRoutine) {
    const std::pair<std::int32_t, std::int32_t> ends[] = {{0, 77}, {22, 77}, {0, 21}, {0, 77}, {22, 77}, {0, 21}};
    for (std::size_t i = 0; i < std::size(kRoutines); ++i) {
        SCOPED_TRACE(kRoutines[i].name);
        {
            platform::ScriptedRandom values({0.0, 0.0});
            Cast(kRoutines[i].profile, QStringLiteral("One Card"));
            EXPECT_EQ(State().reading.arrDrawnCards, (CardArray{ends[i].first, 0}));
        }
        {
            platform::ScriptedRandom values({kLargestBelowOne, 0.0});
            Cast(kRoutines[i].profile, QStringLiteral("One Card"));
            EXPECT_EQ(State().reading.arrDrawnCards, (CardArray{ends[i].second, 0}));
        }
    }
}

TEST_F(CastingEngineTest, ADrawnCardIsDrawnAgainWithEventsRunBeforeEveryAttempt) {
    const casting::CardPool deck{0, 78};
    platform::ScriptedRandom values(
        {ValueFor(5, deck), ValueFor(5, deck), ValueFor(7, deck), ValueFor(5, deck), ValueFor(9, deck)});
    Cast(casting::kWholeDeck, QStringLiteral("Three Cards"));
    EXPECT_EQ(State().reading.arrDrawnCards, (CardArray{5, 7, 9, 0}));
    EXPECT_EQ(attempts, 5);
    EXPECT_EQ(values.taken(), 5);
    EXPECT_EQ(table.candidate, 9);
}

TEST_F(CastingEngineTest, DeathCanComeOutAfterOtherCardsAndOnlyDrawnCardsAreRefused) {
    const casting::CardPool major{0, 22};
    platform::ScriptedRandom values({ValueFor(4, major), ValueFor(0, major), ValueFor(0, major), ValueFor(21, major)});
    Cast(casting::kMajorArcana, QStringLiteral("Three Cards"));
    EXPECT_EQ(State().reading.arrDrawnCards, (CardArray{4, 0, 21, 0}));
    EXPECT_EQ(attempts, 4);
}

TEST_F(CastingEngineTest, RomanyFromTheTwentyTwoMajorArcanaEndsWithTwentyOneDistinctCards) {
    for (const CastProfile& profile : {casting::kMajorArcana, casting::kMajorArcanaReversed}) {
        for (int round = 0; round < 20; ++round) {
            Cast(profile, QStringLiteral("The Romany/ Gypsy Spread"));
            const CardArray& drawn = State().reading.arrDrawnCards;
            ASSERT_EQ(drawn.size(), 22u);
            EXPECT_EQ(drawn.back(), 0);
            const std::set<std::int32_t> distinct(drawn.begin(), drawn.end() - 1);
            EXPECT_EQ(distinct.size(), 21u);
            EXPECT_GE(*distinct.begin(), 0);
            EXPECT_LE(*distinct.rbegin(), 21);
        }
    }
}

TEST_F(CastingEngineTest, RealCastsReachEveryIdOfThePoolAndNoOther) {
    for (const Routine& routine : kRoutines) {
        SCOPED_TRACE(routine.name);
        std::set<std::int32_t> seen;
        std::set<std::int32_t> reversed;
        for (int round = 0; round < 150; ++round) {
            Cast(routine.profile, QStringLiteral("The Romany/ Gypsy Spread"));
            const CardArray& drawn = State().reading.arrDrawnCards;
            const std::set<std::int32_t> distinct(drawn.begin(), drawn.end() - 1);
            ASSERT_EQ(distinct.size(), 21u);
            seen.insert(distinct.begin(), distinct.end());
            reversed.insert(State().reading.arrReversedCards.begin(), State().reading.arrReversedCards.end());
        }
        const casting::CardPool pool = routine.profile.pool;
        EXPECT_EQ(static_cast<int>(seen.size()), pool.size);
        EXPECT_EQ(*seen.begin(), pool.first);
        EXPECT_EQ(*seen.rbegin(), pool.first + pool.size - 1);
        if (routine.profile.reversals) {
            EXPECT_GE(*reversed.begin(), pool.first);
            EXPECT_LE(*reversed.rbegin(), pool.first + pool.size - 1);
        } else {
            EXPECT_TRUE(reversed.empty());
        }
    }
}

TEST_F(CastingEngineTest, OnlyAValueAboveOneHalfReverses) {
    const std::pair<double, bool> rows[] = {
        {0.0, false}, {0.25, false}, {0.5, false}, {std::nextafter(0.5, 1.0), true}, {0.51, true}, {kLargestBelowOne, true}};
    for (const Routine& routine : kRoutines) {
        if (!routine.profile.reversals) continue;
        for (const auto& [value, reversedExpected] : rows) {
            SCOPED_TRACE(::testing::Message() << routine.name << " " << value);
            platform::ScriptedRandom values({ValueFor(30, routine.profile.pool), value});
            Cast(routine.profile, QStringLiteral("One Card"));
            EXPECT_EQ(State().reading.arrReversedCards, reversedExpected ? CardArray{30} : CardArray{});
            EXPECT_EQ(table.pictures[0].second,
                      reversedExpected ? RecordingTable::Shown::Reversed : RecordingTable::Shown::Upright);
            EXPECT_EQ(casting::ComesOutReversed(value), reversedExpected);
        }
    }
}

TEST_F(CastingEngineTest, UprightRoutinesTakeNoReversalValue) {
    for (const Routine& routine : kRoutines) {
        if (routine.profile.reversals) continue;
        SCOPED_TRACE(routine.name);
        platform::ScriptedRandom values({ValueFor(30, routine.profile.pool), 0.9, 0.9});
        Cast(routine.profile, QStringLiteral("One Card"));
        EXPECT_EQ(values.taken(), 1);
        EXPECT_TRUE(State().reading.arrReversedCards.empty());
    }
}

TEST_F(CastingEngineTest, TheCrossingCardTakesItsValueAndNeverComesOutReversed) {
    const casting::CardPool deck{0, 78};
    std::deque<double> script;
    for (std::int32_t id : {10, 11, 12, 13, 14, 15, 16, 17, 18, 19}) script.push_back(ValueFor(id, deck));
    for (int k = 0; k < 10; ++k) script.push_back(0.9);
    platform::ScriptedRandom values(script);
    Cast(casting::kWholeDeckReversed, QStringLiteral("Celtic Cross"));

    EXPECT_EQ(values.taken(), 20);
    EXPECT_EQ(State().reading.arrReversedCards, (CardArray{10, 12, 13, 14, 15, 16, 17, 18, 19}));
    EXPECT_EQ(table.pictures[1], std::make_pair(std::int32_t{11}, RecordingTable::Shown::Across));
    for (int k : {0, 2, 9}) EXPECT_EQ(table.pictures[k].second, RecordingTable::Shown::Reversed) << k;
    const QString text = report.Text();
    EXPECT_TRUE(text.contains(ReversedTitle(*CardById(10))));
    EXPECT_FALSE(text.contains(ReversedTitle(*CardById(11))));
    EXPECT_TRUE(text.contains(CardById(11)->strTitle));
}

TEST_F(CastingEngineTest, ReversedCardsAreRecordedByIdInPositionOrderAndReportedSo) {
    const casting::CardPool minor{22, 56};
    platform::ScriptedRandom values({ValueFor(60, minor), ValueFor(23, minor), ValueFor(41, minor), 0.9, 0.2, 0.7});
    Cast(casting::kMinorArcanaReversed, QStringLiteral("Three Cards"));
    EXPECT_EQ(State().reading.arrDrawnCards, (CardArray{60, 23, 41, 0}));
    EXPECT_EQ(State().reading.arrReversedCards, (CardArray{60, 41}));
    EXPECT_EQ(report.Text(), CardSection({60, 23, 41, 0}, {60, 41}));
    EXPECT_TRUE(report.Text().contains(ReversedTitle(*CardById(60))));
    EXPECT_FALSE(report.Text().contains(ReversedTitle(*CardById(23))));
    EXPECT_EQ(report.SelStart(), 0);
}

TEST_F(CastingEngineTest, NoCardReversedLeavesTheListWithoutBounds) {
    const casting::CardPool deck{0, 78};
    State().reading.arrReversedCards = {5};
    platform::ScriptedRandom values({ValueFor(1, deck), ValueFor(2, deck), 0.5, 0.1});
    Cast(casting::kWholeDeckReversed, QStringLiteral("Two Cards"));
    EXPECT_TRUE(State().reading.arrReversedCards.empty());
    EXPECT_FALSE(report.Text().contains(QStringLiteral(" - Reversed")));
}

TEST_F(CastingEngineTest, OnlyTheReversingRoutinesEraseTheReversedListFirst) {
    for (const Routine& routine : kRoutines) {
        SCOPED_TRACE(routine.name);
        State().reading.arrReversedCards = {99};
        platform::ScriptedRandom values({ValueFor(40, routine.profile.pool), 0.1});
        Cast(routine.profile, QStringLiteral("One Card"));
        EXPECT_EQ(State().reading.arrReversedCards, routine.profile.eraseReversed ? CardArray{} : CardArray{99});
    }
}

TEST_F(CastingEngineTest, OptionsOfAnotherRoutineCastNothingAndWriteNoCardSection) {
    for (const Routine& routine : kRoutines) {
        SCOPED_TRACE(routine.name);
        report.setText(QStringLiteral("Header"));
        report.setSelStart(6);
        table = RecordingTable{};
        tableRequests = 0;
        State().reading.arrReversedCards = {99};
        ChooseSpread(QStringLiteral("Three Cards"));
        // The options of the next routine in the list.
        const Routine& other = kRoutines[(&routine - kRoutines + 1) % std::size(kRoutines)];
        UseOptionsOf(other.profile);
        casting::Cast(routine.profile, 3, Environment());
        EXPECT_EQ(tableRequests, 0);
        EXPECT_TRUE(table.log.isEmpty());
        EXPECT_EQ(report.Text(), QStringLiteral("Header"));
        EXPECT_EQ(report.SelStart(), 0);
        EXPECT_EQ(State().reading.arrDrawnCards, (CardArray{0, 0, 0, 0}));
        EXPECT_EQ(State().reading.arrReversedCards, routine.profile.eraseReversed ? CardArray{} : CardArray{99});
    }
}

TEST_F(CastingEngineTest, ACastThatFitsNoBlockLaysOutNothingAndReportsNoCard) {
    const std::pair<int, const char*> rows[] = {{5, "Celtic Cross"}, {4, "Celtic Cross"}, {10, "celtic cross"}};
    for (const auto& [count, name] : rows) {
        for (const Routine& routine : kRoutines) {
            SCOPED_TRACE(::testing::Message() << routine.name << " " << count << " " << name);
            report.setText(QStringLiteral("Header"));
            table = RecordingTable{};
            platform::ScriptedRandom values;
            ChooseSpread(QString::fromLatin1(name));
            UseOptionsOf(routine.profile);
            casting::Cast(routine.profile, count, Environment());
            EXPECT_TRUE(table.log.isEmpty());
            EXPECT_EQ(report.Text(), QStringLiteral("Header"));
            EXPECT_EQ(values.seedings(), 0);
            EXPECT_EQ(State().reading.arrDrawnCards, CardArray(static_cast<std::size_t>(count) + 1, 0));
        }
    }
}

TEST_F(CastingEngineTest, PicturesComeInPositionOrderWithTheCrossingCardAcross) {
    for (const Routine& routine : kRoutines) {
        SCOPED_TRACE(routine.name);
        table = RecordingTable{};
        platform::ScriptedRandom values;
        Cast(routine.profile, QStringLiteral("Celtic Cross"));
        QStringList pictures = table.log.filter(QStringLiteral("picture"));
        QStringList expected;
        for (int k = 0; k < 10; ++k) expected << QStringLiteral("picture %1").arg(k);
        EXPECT_EQ(pictures, expected);
        EXPECT_EQ(table.pictures[1].second, RecordingTable::Shown::Across);
        for (const auto& [k, picture] : table.pictures) {
            if (k != 1) {
                EXPECT_NE(picture.second, RecordingTable::Shown::Across) << k;
            }
        }
    }
}

TEST_F(CastingEngineTest, EveryCastSeedsOnceAndStartsFromAFreshList) {
    platform::ScriptedRandom values;
    Cast(casting::kWholeDeck, QStringLiteral("The Romany/ Gypsy Spread"));
    EXPECT_EQ(values.seedings(), 1);
    Cast(casting::kWholeDeckReversed, QStringLiteral("Two Cards"));
    EXPECT_EQ(values.seedings(), 2);
    const CardArray& drawn = State().reading.arrDrawnCards;
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[2], 0);
    EXPECT_NE(drawn[0], drawn[1]);
}

TEST_F(CastingEngineTest, TheCardSectionFollowsWhatTheReportHeld) {
    report.setText(QStringLiteral("Header"));
    report.setSelStart(6);
    platform::ScriptedRandom values;
    Cast(casting::kWholeDeck, QStringLiteral("Celtic Cross"));
    EXPECT_EQ(report.Text(), QStringLiteral("Header") + CardSection(State().reading.arrDrawnCards, {}));
    EXPECT_EQ(report.SelStart(), 0);
}

TEST_F(CastingEngineTest, ACastStartedWhileOneIsUnderWayDoesNothing) {
    const casting::CardPool deck{0, 78};
    platform::ScriptedRandom values({ValueFor(1, deck), ValueFor(2, deck), ValueFor(3, deck)});
    bool inner = false;
    onAttempt = [&] {
        if (inner) return;
        inner = true;
        EXPECT_TRUE(casting::CastUnderWay());
        casting::Cast(casting::kWholeDeckReversed, 21, Environment());
    };
    Cast(casting::kWholeDeck, QStringLiteral("Three Cards"));
    EXPECT_FALSE(casting::CastUnderWay());
    EXPECT_EQ(State().reading.arrDrawnCards, (CardArray{1, 2, 3, 0}));
    EXPECT_EQ(report.Text(), CardSection({1, 2, 3, 0}, {}));
}

TEST_F(CastingEngineTest, ACardTableThatWentAwayDuringTheDrawGetsNothingMore) {
    onAttempt = [&] { tableGone = true; };
    platform::ScriptedRandom values;
    Cast(casting::kWholeDeck, QStringLiteral("Three Cards"));
    EXPECT_TRUE(table.log.filter(QStringLiteral("picture")).isEmpty());
    EXPECT_TRUE(report.Text().isEmpty());
}

// The replay of an opened reading.
namespace {
void OpenReading(const QString& spread, CardArray cards, CardArray reversed, const QString& deck = QStringLiteral("r")) {
    ReadingState& state = State();
    state.opened.strOpenedSpreadName = spread;
    state.opened.arrOpenedCards = std::move(cards);
    state.opened.arrOpenedReversed = std::move(reversed);
    state.reading.strDeckLetter = deck;
    state.options = ReadingOptions{};
    state.reading.blnManualMode = false;
    state.opened.blnReplayPending = true;
}

QString HeaderAndSection(const QString& spread, const CardArray& cards, const CardArray& reversed) {
    platform::RichTextBox box;
    const QString previous = State().reading.strSpreadName;
    State().reading.strSpreadName = spread;
    WriteReportHeader(box, spread);
    WriteCardReadings(box, cards, reversed);
    State().reading.strSpreadName = previous;
    return box.Text();
}
}  // namespace

TEST_F(CastingEngineTest, ReplayLaysOutAndReportsTheOpenedReading) {
    OpenReading(QStringLiteral("Three Cards"), {14, 3, 60, 0}, {3});
    State().reading.strSpreadName = QStringLiteral("Celtic Cross");
    State().reading.arrReversedCards = {77};
    report.setText(QStringLiteral("what the card table's load wrote"));
    platform::ScriptedRandom values;

    casting::Cast(casting::kWholeDeck, 3, Environment());

    EXPECT_EQ(table.log, (QStringList{"hide from 3", "show 0", "show 1", "show 2", "label 0", "label 1", "label 2",
                                      "place 0", "place 1", "place 2", "picture 0", "picture 1", "picture 2"}));
    EXPECT_EQ(table.pictures[0], std::make_pair(std::int32_t{14}, RecordingTable::Shown::Upright));
    EXPECT_EQ(table.pictures[1], std::make_pair(std::int32_t{3}, RecordingTable::Shown::Reversed));
    EXPECT_EQ(table.pictures[2], std::make_pair(std::int32_t{60}, RecordingTable::Shown::Upright));

    const QString expected = HeaderAndSection(QStringLiteral("Three Cards"), {14, 3, 60, 0}, {3});
    EXPECT_EQ(report.Text(), expected);
    EXPECT_TRUE(report.Text().contains(ReversedTitle(*CardById(3))));
    EXPECT_EQ(report.SelStart(), report.Text().size());

    EXPECT_EQ(values.seedings(), 0);
    EXPECT_EQ(values.taken(), 0);
    EXPECT_EQ(attempts, 0);
    EXPECT_FALSE(State().opened.blnReplayPending);
    // The opened reading becomes the current one, so that a save writes it back unchanged.
    EXPECT_EQ(State().reading.strSpreadName, QStringLiteral("Three Cards"));
    EXPECT_EQ(State().reading.arrDrawnCards, (CardArray{14, 3, 60, 0}));
    EXPECT_EQ(State().reading.arrReversedCards, (CardArray{3}));
    EXPECT_EQ(State().reading.strDeckLetter, QStringLiteral("r"));
}

TEST_F(CastingEngineTest, ReplayedCrossingCardLiesAcrossEvenWhenItIsReversed) {
    OpenReading(QStringLiteral("Celtic Cross"), {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0}, {1, 4});
    casting::Cast(casting::kWholeDeck, 10, Environment());
    EXPECT_EQ(table.log.last(), QStringLiteral("picture 1"));
    EXPECT_EQ(table.pictures[1], std::make_pair(std::int32_t{1}, RecordingTable::Shown::Across));
    EXPECT_EQ(table.pictures[4].second, RecordingTable::Shown::Reversed);
    EXPECT_EQ(table.pictures[0].second, RecordingTable::Shown::Upright);
    EXPECT_TRUE(report.Text().contains(ReversedTitle(*CardById(1))));
}

TEST_F(CastingEngineTest, ReplayTestsReversalByIdNotByPosition) {
    OpenReading(QStringLiteral("Two Cards"), {9, 9, 0}, {9});
    casting::Cast(casting::kWholeDeck, 2, Environment());
    EXPECT_EQ(table.pictures[0].second, RecordingTable::Shown::Reversed);
    EXPECT_EQ(table.pictures[1].second, RecordingTable::Shown::Reversed);
    EXPECT_EQ(report.Text().count(ReversedTitle(*CardById(9))), 2);
}

TEST_F(CastingEngineTest, ReplayOfAnUnknownNameIsLaidOutByItsCountAlone) {
    OpenReading(QStringLiteral("No Such Spread"), {1, 2, 3, 0}, {});
    casting::Cast(casting::kWholeDeck, 3, Environment());
    EXPECT_EQ(table.places[2], std::make_pair(6600.0f, 2500.0f));
    EXPECT_EQ(report.Text(), HeaderAndSection(QStringLiteral("No Such Spread"), {1, 2, 3, 0}, {}));
    EXPECT_FALSE(State().opened.blnReplayPending);
}

TEST_F(CastingEngineTest, AReplayThatFitsNoBlockLowersTheFlagAndTouchesNothing) {
    OpenReading(QStringLiteral("Celtic cross"), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0}, {});
    report.setText(QStringLiteral("earlier report"));
    casting::Cast(casting::kWholeDeck, 10, Environment());
    EXPECT_EQ(tableRequests, 0);
    EXPECT_EQ(report.Text(), QStringLiteral("earlier report"));
    EXPECT_FALSE(State().opened.blnReplayPending);
}

TEST_F(CastingEngineTest, OnlyTheWholeDeckRoutineReplays) {
    for (const Routine& routine : kRoutines) {
        if (routine.profile.replays) continue;
        SCOPED_TRACE(routine.name);
        OpenReading(QStringLiteral("Three Cards"), {14, 3, 60, 0}, {3});
        platform::ScriptedRandom values;
        Cast(routine.profile, QStringLiteral("One Card"));
        EXPECT_TRUE(State().opened.blnReplayPending);
        EXPECT_EQ(values.seedings(), 1);
        EXPECT_EQ(State().reading.arrDrawnCards.size(), 2u);
    }
}

TEST_F(CastingEngineTest, AfterAReplayTheNextWholeDeckCastDrawsAnew) {
    OpenReading(QStringLiteral("Three Cards"), {14, 3, 60, 0}, {3});
    casting::Cast(casting::kWholeDeck, 3, Environment());
    platform::ScriptedRandom values;
    State().reading.arrReversedCards.clear();
    Cast(casting::kWholeDeck, QStringLiteral("Three Cards"));
    EXPECT_EQ(values.seedings(), 1);
    EXPECT_EQ(report.SelStart(), 0);
}
