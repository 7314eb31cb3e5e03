// The card table window: its load and dispatch, the layout of every spread, the pictures and
// their turns, missing pictures, the replay of an opened reading, and its menus.
#include "casting/cardbox.h"
#include "casting/frmAuto.h"
#include "castingsupport.h"
#include "catalogue/cards.h"
#include "catalogue/report.h"
#include "catalogue/spreadtables.h"
#include "platform/randomsource.h"
#include "platform/twips.h"
#include "shell/navigation.h"
#include "support/windowtest.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTransform>
#include <gtest/gtest.h>

namespace {

using platform::TwipsToPixels;

class CardTableTest : public WindowTest {
protected:
    CardTableTest() : ourPictures(pictures.path()) {
        FreshState();
        WriteCardPictures(pictures.path());
    }

    static frmAuto* Table() { return platform::Peek<frmAuto>(); }

    QString PicturePath(std::int32_t id, const QString& letter = QStringLiteral("r")) const {
        return pictures.path() + QStringLiteral("/cards/") + letter + QString::number(id) + QStringLiteral(".jpg");
    }
    QImage Face(std::int32_t id, const QString& letter = QStringLiteral("r")) const {
        return Rgb(QImage(PicturePath(id, letter)));
    }
    static QImage Shown(int k) { return Rgb(Table()->p(k)->Image()); }
    static QImage Turned(const QImage& image, int degrees) { return image.transformed(QTransform().rotate(degrees)); }

    // The selection window's "AutoCast" as far as the card table sees it.
    static void AutoCast(const QString& spread, bool minor = false, bool major = false, bool reverse = false) {
        ChooseSpread(spread, minor, major, reverse);
        ShowCardTable();
    }

    static QString Header(const QString& spread) {
        platform::RichTextBox box;
        WriteReportHeader(box, spread);
        return box.Text();
    }
    static QString HeaderAndSection(const QString& spread, const CardArray& drawn, const CardArray& reversed) {
        platform::RichTextBox box;
        const QString chosen = State().reading.strSpreadName;
        State().reading.strSpreadName = spread;
        WriteReportHeader(box, spread);
        WriteCardReadings(box, drawn, reversed);
        State().reading.strSpreadName = chosen;
        return box.Text();
    }

    static void OpenReading(const QString& spread, CardArray cards, CardArray reversed) {
        ReadingState& state = State();
        state.opened.strOpenedSpreadName = spread;
        state.opened.arrOpenedCards = std::move(cards);
        state.opened.arrOpenedReversed = std::move(reversed);
        state.reading.strDeckLetter = QStringLiteral("r");
        state.options = ReadingOptions{};
        state.reading.blnManualMode = false;
        state.opened.blnReplayPending = true;
    }

    QTemporaryDir pictures;
    platform::ScopedProgramFolder ourPictures;
};

}  // namespace

TEST_F(CardTableTest, AutoCastLaysTheSpreadOutWithPicturesNumbersAndTheReport) {
    AutoCast(QStringLiteral("Three Cards"));
    frmAuto* table = Table();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->pos(), QPoint(0, 0));
    EXPECT_FALSE(table->isHidden());

    const CardArray drawn = State().reading.arrDrawnCards;
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_EQ(drawn[3], 0);
    const int lefts[] = {2200, 4400, 6600};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_FALSE(table->p(k)->isHidden());
        EXPECT_EQ(table->p(k)->pos(), QPoint(TwipsToPixels(lefts[k]), TwipsToPixels(2500)));
        EXPECT_EQ(Shown(k), Face(drawn[static_cast<std::size_t>(k)]));
        EXPECT_EQ(table->p(k)->size(), QSize(147, 252));
        EXPECT_FALSE(table->lbl(k)->isHidden());
        EXPECT_TRUE(table->lbl(k)->isEnabled());
        EXPECT_EQ(table->lbl(k)->text(), QString::number(k + 1));
    }
    for (int k = 3; k < 21; ++k) EXPECT_TRUE(table->p(k)->isHidden()) << k;

    EXPECT_EQ(ReportBox().Text(), HeaderAndSection(QStringLiteral("Three Cards"), drawn, {}));
    EXPECT_EQ(ReportBox().SelStart(), 0);
}

namespace {

// Whether a routine lays a spread's boxes out (shown, numbered and placed) before it draws the
// cards, or draws first and shows each box as its picture is set.
enum class Order { LayOutFirst, DrawFirst };
constexpr Order L = Order::LayOutFirst;
constexpr Order D = Order::DrawFirst;

// The order in which every routine tests its spread blocks.
const char* const kBlockOrder[] = {
    "One Card",        "Two Cards",    "Three Cards",       "Eliphas Levy Wheel Spread(Hollin)",
    "The Line Spread", "Seven Card Chakra Layout", "Four Seasons Spread(Marvane/Oska)",
    "Celtic Cross",    "Relationship Spread",      "Tree of Life", "Numerology Spread",
    "Zodiac Spread",   "The Romany/ Gypsy Spread",
};

struct Routine {
    const char* name;
    bool minor, major, reverse;  // the options that call it
    casting::CardPool pool;
    Order order[std::size(kBlockOrder)];  // by block
};

const Routine kRoutines[] = {
    {"DONE1", false, false, false, {0, 78}, {L, L, L, L, L, L, L, L, L, L, L, L, L}},
    {"DONE2", true, false, false, {22, 56}, {D, D, D, D, D, D, D, D, L, L, L, L, L}},
    {"DONE3", false, true, false, {0, 22}, {D, D, D, D, D, D, D, D, L, L, L, L, L}},
    {"DONE4", false, false, true, {0, 78}, {D, D, D, D, D, D, D, D, L, L, L, L, L}},
    {"DONE5", true, false, true, {22, 56}, {D, D, D, D, D, D, D, D, L, L, L, L, L}},
    {"DONE6", false, true, true, {0, 22}, {D, D, D, D, D, D, D, D, L, L, L, L, L}},
};

QPoint PixelsOf(const Corner& corner) { return {TwipsToPixels(corner.left), TwipsToPixels(corner.top)}; }

}  // namespace

TEST_F(CardTableTest, EveryRoutineLaysEverySpreadOutAtItsCornersWithPicturesAndNumbers) {
    for (const Routine& routine : kRoutines) {
        for (const SpreadLayout& layout : kSpreadLayouts) {
            SCOPED_TRACE(::testing::Message() << routine.name << " " << layout.spread);
            const int n = static_cast<int>(layout.corners.size());
            // Distinct ids of the pool for the draw, then, where the routine reverses, a value
            // above one half (reversed) for every even position and below it for every odd one.
            std::deque<double> script;
            CardArray ids;
            for (int k = 0; k < n; ++k) {
                ids.push_back(routine.pool.first + (3 + 5 * k) % routine.pool.size);
                script.push_back(ValueFor(ids.back(), routine.pool));
            }
            for (int k = 0; k < n && routine.reverse; ++k) script.push_back(k % 2 == 0 ? 0.9 : 0.1);
            platform::ScriptedRandom values(script);

            AutoCast(QString::fromLatin1(layout.spread), routine.minor, routine.major, routine.reverse);
            frmAuto* table = Table();
            ASSERT_NE(table, nullptr);
            CardArray reversed;
            for (int k = 0; k < n; ++k) {
                SCOPED_TRACE(k);
                const Corner& corner = layout.corners[static_cast<std::size_t>(k)];
                const std::int32_t id = ids[static_cast<std::size_t>(k)];
                CardBox* box = table->p(k);
                EXPECT_FALSE(box->isHidden());
                EXPECT_EQ(box->pos(), PixelsOf(corner));
                EXPECT_TRUE(table->rect().contains(box->geometry()));
                EXPECT_EQ(box->width() > box->height(), corner.turned);
                const bool upsideDown = routine.reverse && k % 2 == 0 && !corner.turned;
                if (upsideDown) reversed.push_back(id);
                EXPECT_EQ(Shown(k), Turned(Face(id), corner.turned ? 90 : upsideDown ? 180 : 0));
                QLabel* label = table->lbl(k);
                EXPECT_FALSE(label->isHidden());
                EXPECT_TRUE(label->isEnabled());
                EXPECT_EQ(label->text(), QString::number(k + 1));
                EXPECT_EQ(label->parentWidget(), box);
            }
            for (int k = n; k < frmAuto::kBoxCount; ++k) {
                EXPECT_TRUE(table->p(k)->isHidden()) << k;
                EXPECT_TRUE(table->lbl(k)->isHidden()) << k;
            }
            ids.push_back(0);
            EXPECT_EQ(State().reading.arrDrawnCards, ids);
            EXPECT_EQ(State().reading.arrReversedCards, reversed);
            UnloadCardTable();
            Flush();
        }
    }
}

TEST_F(CardTableTest, WhatEveryRoutineShowsOfEverySpreadWhenItDrawsTheFirstCard) {
    for (const Routine& routine : kRoutines) {
        for (std::size_t block = 0; block < std::size(kBlockOrder); ++block) {
            const QString spread = QString::fromLatin1(kBlockOrder[block]);
            SCOPED_TRACE(::testing::Message() << routine.name << " " << kBlockOrder[block]);
            const SpreadLayout& layout = LayoutOf(spread);
            const int n = static_cast<int>(layout.corners.size());
            ASSERT_GT(n, 0);

            // The first draw attempt lets events run after the cast has seeded and before it
            // takes its first value; that is when the table is looked at.
            platform::ScriptedRandom values;
            bool seen = false;
            int valuesTaken = -1;
            std::vector<bool> boxShown, labelShown;
            std::vector<QPoint> places;
            WhileEventsRun look([&] {
                frmAuto* table = Table();
                if (!table || values.seedings() == 0) return true;
                seen = true;
                valuesTaken = values.taken();
                for (int k = 0; k < frmAuto::kBoxCount; ++k) {
                    boxShown.push_back(!table->p(k)->isHidden());
                    labelShown.push_back(!table->lbl(k)->isHidden());
                    places.push_back(table->p(k)->pos());
                }
                return false;
            });
            AutoCast(spread, routine.minor, routine.major, routine.reverse);

            ASSERT_TRUE(seen);
            EXPECT_EQ(valuesTaken, 0);
            const bool laidOut = routine.order[block] == Order::LayOutFirst;
            for (int k = 0; k < frmAuto::kBoxCount; ++k) {
                SCOPED_TRACE(k);
                EXPECT_EQ(boxShown[static_cast<std::size_t>(k)], laidOut && k < n);
                EXPECT_EQ(labelShown[static_cast<std::size_t>(k)], laidOut && k < n);
                if (laidOut && k < n) {
                    EXPECT_EQ(places[static_cast<std::size_t>(k)], PixelsOf(layout.corners[static_cast<std::size_t>(k)]));
                }
            }
            UnloadCardTable();
            Flush();
        }
    }
}

TEST_F(CardTableTest, TheCrossingCardLiesAcrossTheFirstCard) {
    AutoCast(QStringLiteral("Celtic Cross"));
    frmAuto* table = Table();
    ASSERT_NE(table, nullptr);
    const std::int32_t crossing = State().reading.arrDrawnCards[1];
    CardBox* box = table->p(1);
    EXPECT_EQ(box->pos(), QPoint(TwipsToPixels(2300), TwipsToPixels(4200)));
    EXPECT_EQ(box->size(), QSize(252, 147));
    EXPECT_EQ(Shown(1), Turned(Face(crossing), 90));
    // The card's top-left corner now lies at the box's top right.
    const QImage shown = Shown(1);
    EXPECT_EQ(QColor(shown.pixel(shown.width() - 5, 5)).lightness() > 230, true);
    EXPECT_LT(QColor(shown.pixel(5, 5)).lightness(), 200);
    // The picture the box holds stays upright, and every other card is upright.
    EXPECT_EQ(Rgb(box->Picture().toImage()), Face(crossing));
    for (int k : {0, 2, 9}) EXPECT_EQ(Shown(k), Face(State().reading.arrDrawnCards[static_cast<std::size_t>(k)])) << k;
    // It covers the middle of the first card, and its number stays in its top-left corner.
    const QPoint middleOfFirst = table->p(0)->geometry().center();
    EXPECT_EQ(table->childAt(middleOfFirst), box);
    EXPECT_EQ(table->lbl(1)->parentWidget(), box);
    EXPECT_EQ(table->lbl(1)->pos(), QPoint(CardBox::kBorder, CardBox::kBorder));
}

TEST_F(CardTableTest, EveryBoxCarriesItsOwnNumber) {
    AutoCast(QStringLiteral("The Romany/ Gypsy Spread"));
    frmAuto* table = Table();
    ASSERT_NE(table, nullptr);
    for (int k = 0; k < 21; ++k) {
        SCOPED_TRACE(k);
        QLabel* label = table->lbl(k);
        EXPECT_EQ(label->text(), QString::number(k + 1));
        EXPECT_EQ(label->parentWidget(), table->p(k));
        EXPECT_EQ(label->size(), QSize(TwipsToPixels(615), TwipsToPixels(495)));
        EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::WindowText), QColor(0xFF, 0x00, 0xFF));
        EXPECT_EQ(label->x(), CardBox::kBorder + (k == 6 ? TwipsToPixels(120) : 0));
    }
}

TEST_F(CardTableTest, TheOptionsChooseTheRoutineAndItsPool) {
    struct Row {
        bool minor, major, reverse;
        CardArray drawn;
        CardArray reversed;
    };
    const Row rows[] = {
        {false, false, false, {0, 77, 0}, {}},   {true, false, false, {22, 77, 0}, {}},
        {false, true, false, {0, 21, 0}, {}},    {false, false, true, {0, 77, 0}, {0, 77}},
        {true, false, true, {22, 77, 0}, {22, 77}}, {false, true, true, {0, 21, 0}, {0, 21}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.minor << row.major << row.reverse);
        platform::ScriptedRandom values({0.0, kLargestBelowOne, 0.9, 0.9});
        AutoCast(QStringLiteral("Two Cards"), row.minor, row.major, row.reverse);
        EXPECT_EQ(State().reading.arrDrawnCards, row.drawn);
        EXPECT_EQ(State().reading.arrReversedCards, row.reversed);
        for (int k = 0; k < 2; ++k) {
            const QImage face = Face(row.drawn[static_cast<std::size_t>(k)]);
            EXPECT_EQ(Shown(k), row.reverse ? Turned(face, 180) : face) << k;
        }
        EXPECT_EQ(ReportBox().Text(), HeaderAndSection(QStringLiteral("Two Cards"), row.drawn, row.reversed));
        EXPECT_EQ(ReportBox().Text().contains(QStringLiteral(" - Reversed")), row.reverse);
        UnloadCardTable();
        Flush();
    }
}

TEST_F(CardTableTest, BothArcanaTogetherCastNothing) {
    AutoCast(QStringLiteral("Three Cards"), true, true, false);
    ASSERT_NE(Table(), nullptr);
    for (int k = 0; k < 21; ++k) EXPECT_TRUE(Table()->p(k)->isHidden()) << k;
    EXPECT_EQ(ReportBox().Text(), Header(QStringLiteral("Three Cards")));
    EXPECT_TRUE(State().reading.arrDrawnCards.empty());
}

TEST_F(CardTableTest, AManualReadingsLoadEmptiesTheFirstTenBoxesOnly) {
    ChooseSpread(QStringLiteral("Celtic Cross"));
    State().options.blnAutoCastPressed = false;
    State().options.blnManualPressed = true;
    State().reading.blnManualMode = true;
    frmAuto* table = LoadCardTable();
    ASSERT_NE(table, nullptr);
    for (int k = 0; k < 21; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(table->p(k)->Picture().isNull(), k < 10);
        EXPECT_FALSE(table->p(k)->holdsCardFace());
        EXPECT_TRUE(table->p(k)->isHidden());
    }
    EXPECT_EQ(ReportBox().Text(), Header(QStringLiteral("Celtic Cross")));
    EXPECT_TRUE(State().reading.arrDrawnCards.empty());
}

TEST_F(CardTableTest, ALoadWithoutAStartButtonWritesTheHeaderAndCastsNothing) {
    ChooseSpread(QStringLiteral("Celtic Cross"));
    State().options = ReadingOptions{};
    ReportBox().setText(QStringLiteral("an earlier report"));
    frmAuto* table = LoadCardTable();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(ReportBox().Text(), Header(QStringLiteral("Celtic Cross")));
    for (int k = 0; k < 21; ++k) {
        EXPECT_TRUE(table->p(k)->isHidden()) << k;
        EXPECT_FALSE(table->p(k)->Picture().isNull()) << k;
    }
}

TEST_F(CardTableTest, ANewCastAfterStartAgainStartsOnAFreshTable) {
    AutoCast(QStringLiteral("The Romany/ Gypsy Spread"));
    UnloadCardTable();
    Flush();
    EXPECT_EQ(Table(), nullptr);
    AutoCast(QStringLiteral("Three Cards"));
    ASSERT_NE(Table(), nullptr);
    for (int k = 3; k < 21; ++k) {
        EXPECT_TRUE(Table()->p(k)->isHidden()) << k;
        EXPECT_FALSE(Table()->p(k)->holdsCardFace()) << k;
    }
}

TEST_F(CardTableTest, AMissingPictureShowsNoOtherCardAndTheReportStaysWhole) {
    const casting::CardPool deck{0, 78};
    QFile::remove(PicturePath(6));
    platform::ScriptedRandom values({ValueFor(5, deck), ValueFor(6, deck), ValueFor(7, deck)});
    AutoCast(QStringLiteral("Three Cards"));
    ASSERT_NE(Table(), nullptr);
    EXPECT_EQ(Shown(0), Face(5));
    EXPECT_EQ(Shown(2), Face(7));
    CardBox* missing = Table()->p(1);
    EXPECT_FALSE(missing->holdsCardFace());
    EXPECT_FALSE(missing->isHidden());
    EXPECT_NE(Shown(1), Face(5));
    EXPECT_NE(Shown(1), Face(7));
    EXPECT_EQ(ReportBox().Text(), HeaderAndSection(QStringLiteral("Three Cards"), {5, 6, 7, 0}, {}));
}

TEST_F(CardTableTest, AMissingReversedPictureShowsNotTheLastReversedCard) {
    const casting::CardPool deck{0, 78};
    QFile::remove(PicturePath(4));
    platform::ScriptedRandom values({ValueFor(3, deck), ValueFor(4, deck), 0.9, 0.9});
    AutoCast(QStringLiteral("Two Cards"), false, false, true);
    ASSERT_NE(Table(), nullptr);
    EXPECT_EQ(Shown(0), Turned(Face(3), 180));
    EXPECT_FALSE(Table()->p(1)->holdsCardFace());
    EXPECT_NE(Shown(1), Turned(Face(3), 180));
    EXPECT_EQ(State().reading.arrReversedCards, (CardArray{3, 4}));
    EXPECT_TRUE(ReportBox().Text().contains(ReversedTitle(*CardById(4))));
}

TEST_F(CardTableTest, TheDeckLetterChoosesThePictures) {
    const casting::CardPool deck{0, 78};
    {
        platform::ScriptedRandom values({ValueFor(7, deck)});
        ChooseSpread(QStringLiteral("One Card"));
        State().reading.strDeckLetter = QStringLiteral("m");
        ShowCardTable();
        EXPECT_EQ(Shown(0), Face(7, QStringLiteral("m")));
        EXPECT_NE(Shown(0), Face(7));
        UnloadCardTable();
        Flush();
    }
    // No fallback to the other deck.
    QFile::remove(PicturePath(7, QStringLiteral("m")));
    platform::ScriptedRandom values({ValueFor(7, deck)});
    ChooseSpread(QStringLiteral("One Card"));
    State().reading.strDeckLetter = QStringLiteral("m");
    ShowCardTable();
    EXPECT_FALSE(Table()->p(0)->holdsCardFace());
    EXPECT_NE(Shown(0), Face(7));
}

TEST(CardPicturePath, DeckLetterAndPlainDecimalId) {
    platform::ScopedProgramFolder folder(QStringLiteral("/opt/vad"));
    const std::tuple<const char*, std::int32_t, const char*> rows[] = {
        {"r", 0, "/opt/vad/cards/r0.jpg"}, {"r", 7, "/opt/vad/cards/r7.jpg"}, {"m", 77, "/opt/vad/cards/m77.jpg"}};
    for (const auto& [letter, id, path] : rows) {
        State().reading.strDeckLetter = QString::fromLatin1(letter);
        EXPECT_EQ(frmAuto::CardPicturePath(id), QString::fromLatin1(path));
    }
}

TEST_F(CardTableTest, OpeningAReadingLoadsTheTableAndReplaysIt) {
    OpenReading(QStringLiteral("Three Cards"), {14, 3, 60, 0}, {3});
    State().reading.strSpreadName = QStringLiteral("-1");
    CardTableDONE1(3);
    frmAuto* table = Table();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(Shown(0), Face(14));
    EXPECT_EQ(Shown(1), Turned(Face(3), 180));
    EXPECT_EQ(Shown(2), Face(60));
    for (int k = 3; k < 21; ++k) EXPECT_TRUE(table->p(k)->isHidden()) << k;
    const QString report = HeaderAndSection(QStringLiteral("Three Cards"), {14, 3, 60, 0}, {3});
    EXPECT_EQ(ReportBox().Text(), report);
    EXPECT_EQ(ReportBox().SelStart(), report.size());
    EXPECT_FALSE(State().opened.blnReplayPending);
    EXPECT_EQ(State().reading.arrDrawnCards, (CardArray{14, 3, 60, 0}));
    EXPECT_EQ(State().reading.arrReversedCards, (CardArray{3}));
}

TEST_F(CardTableTest, AReplayedReversedCrossingCardLiesAcrossNotUpsideDown) {
    OpenReading(QStringLiteral("Celtic Cross"), {40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 0}, {41, 45});
    CardTableDONE1(10);
    ASSERT_NE(Table(), nullptr);
    EXPECT_EQ(Shown(1), Turned(Face(41), 90));
    EXPECT_EQ(Table()->p(1)->size(), QSize(252, 147));
    EXPECT_EQ(Shown(5), Turned(Face(45), 180));
    EXPECT_TRUE(ReportBox().Text().contains(ReversedTitle(*CardById(41))));
}

TEST_F(CardTableTest, OpeningOnALoadedTableLeavesNoEarlierCardBehind) {
    OpenReading(QStringLiteral("Celtic Cross"), {40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 0}, {});
    CardTableDONE1(10);
    frmAuto* table = Table();
    ASSERT_NE(table, nullptr);

    OpenReading(QStringLiteral("One Card"), {33, 0}, {});
    CardTableDONE1(1);
    ASSERT_EQ(Table(), table);
    EXPECT_FALSE(table->p(0)->isHidden());
    EXPECT_EQ(Shown(0), Face(33));
    EXPECT_EQ(table->p(0)->pos(), QPoint(TwipsToPixels(5000), TwipsToPixels(2500)));
    for (int k = 1; k < 21; ++k) {
        EXPECT_TRUE(table->p(k)->isHidden()) << k;
        EXPECT_TRUE(table->lbl(k)->isHidden()) << k;
    }
    EXPECT_EQ(ReportBox().Text(), HeaderAndSection(QStringLiteral("One Card"), {33, 0}, {}));

    // A box that showed a card and whose new picture is missing shows that card no more.
    QFile::remove(PicturePath(34));
    OpenReading(QStringLiteral("Two Cards"), {34, 35, 0}, {});
    CardTableDONE1(2);
    EXPECT_FALSE(table->p(0)->holdsCardFace());
    EXPECT_NE(Shown(0), Face(33));
    EXPECT_EQ(Shown(1), Face(35));
}

TEST_F(CardTableTest, AnOpenedReadingThatFitsNoSpreadLoadsNothing) {
    OpenReading(QStringLiteral("Celtic Cross"), {1, 2, 3, 4, 0}, {});
    CardTableDONE1(4);
    EXPECT_EQ(Table(), nullptr);
    EXPECT_FALSE(State().opened.blnReplayPending);
}

TEST_F(CardTableTest, TheMenusOfTheCardTable) {
    AutoCast(QStringLiteral("One Card"));
    frmAuto* table = Table();
    ASSERT_NE(table, nullptr);

    QStringList topLevel;
    for (QAction* action : ReportMenuBar()->actions()) topLevel << action->text();
    EXPECT_EQ(topLevel, (QStringList{"File", "&Help", "Donate", "Make Money &Online"}));
    QStringList file;
    for (QAction* action : table->mnuFile->actions()) file << action->text();
    EXPECT_EQ(file, (QStringList{"&Start Again", "&Exit"}));
    QStringList help;
    for (QAction* action : table->mnuHelp->actions()) help << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(help, (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-", "About &Software"}));
    EXPECT_FALSE(table->mnuMakeMoney->isEnabled());

    const std::pair<QAction*, const char*> links[] = {{table->mnuHelpOnline, "page=help-web-page"},
                                                      {table->mnuVisitOnline, "page=home-page"},
                                                      {table->mnuUpdate, "page=download-web-page"},
                                                      {table->mnuDonate, "page=donate"}};
    for (const auto& [action, page] : links) {
        browser.clear();
        action->trigger();
        ASSERT_EQ(browser.opened().size(), 1) << page;
        EXPECT_TRUE(browser.opened().front().endsWith(QString::fromLatin1(page))) << browser.opened().front().toStdString();
    }
    // The switched-off entry cannot be chosen.
    browser.clear();
    table->mnuMakeMoney->trigger();
    EXPECT_TRUE(browser.opened().isEmpty());
    EXPECT_EQ(Table(), table);
}

TEST_F(CardTableTest, AboutFromTheCardTableIsModal) {
    AutoCast(QStringLiteral("One Card"));
    ASSERT_NE(Table(), nullptr);
    bool modalShown = false;
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modalShown = modal->isModal();
            watch.stop();
            modal->close();
        }
    });
    watch.start();
    Table()->mnuAbout->trigger();
    EXPECT_TRUE(modalShown);
}

TEST_F(CardTableTest, TheCardTableGoesWithItsMenus) {
    AutoCast(QStringLiteral("One Card"));
    QMenuBar* bar = ReportMenuBar();
    ASSERT_EQ(bar->actions().size(), 4);
    UnloadCardTable();
    EXPECT_TRUE(bar->actions().isEmpty());
}

TEST_F(CardTableTest, UnloadingTheCardTableIsNeverCancelled) {
    AutoCast(QStringLiteral("One Card"));
    EXPECT_TRUE(platform::Unload<frmAuto>());
    EXPECT_EQ(Table(), nullptr);
}
