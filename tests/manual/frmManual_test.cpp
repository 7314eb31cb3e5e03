// The manual reading window, driven as a person would drive it.
#include "manual/frmManual.h"

#include "casting/cardbox.h"
#include "casting/castingsupport.h"
#include "casting/frmAuto.h"
#include "catalogue/cards.h"
#include "catalogue/spreadtables.h"
#include "catalogue/spreads.h"
#include "manual/placement.h"
#include "platform/twips.h"
#include "shell/frmFront.h"
#include "shell/frmMDI.h"
#include "shell/frmTarot.h"
#include "shell/navigation.h"
#include "shell/startup.h"

#include "manual/duringdeal.h"
#include "support/windowtest.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <map>
#include <set>

namespace {

const QString kRule = QString(512, QLatin1Char(' '));

QString Plain(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

QString Hint(const char* spread, int position) {
    return Plain(PositionHint(QString::fromLatin1(spread), position).value_or(QStringLiteral("<none>")));
}

const char* SpreadName(int index) {
    static QByteArray names[kSpreadCount];
    names[index] = SpreadByIndex(index)->strDisplayName.toLatin1();
    return names[index].constData();
}

struct Options {
    bool minor = false;
    bool major = false;
    bool reverse = false;
};

class ManualReading : public WindowTest {
protected:
    ManualReading() : ownPictures(temp.path() + QStringLiteral("/program")) {
        WriteCardPictures(temp.path() + QStringLiteral("/program"), {QStringLiteral("r")});
        FreshState();
        Querent() = QuerentDetails{QStringLiteral("Ada"), QStringLiteral("Wales"), QStringLiteral("Will it rain?"),
                                   QStringLiteral("5"), QStringLiteral("May"), QStringLiteral("1990"),
                                   QStringLiteral("May 5, 1990")};
    }

    // The window as the selection window's "Manual" leaves it.
    frmManual* Open(int spreadIndex, Options options = {}, bool buttonPressed = true) {
        const TarotSpread* spread = SpreadByIndex(spreadIndex);
        Selection().card = spread->strDisplayName;
        Selection().no = spread->lngCardCount;
        Selection().MaxCardInSet = spreadIndex;
        ReadingState& state = State();
        state.reading.lngSpreadIndex = spreadIndex;
        state.reading.blnManualMode = true;
        state.reading.strSpreadName = spread->strDisplayName;
        state.reading.lngCardCount = spread->lngCardCount;
        state.options.blnMinorArcana = options.minor;
        state.options.blnMajorArcana = options.major;
        state.options.blnAllowReverse = options.reverse;
        state.options.blnAutoCastPressed = false;
        state.options.blnManualPressed = buttonPressed;
        ShowManualWindow();
        return platform::Peek<frmManual>();
    }

    static void Pick(frmManual* window, int k) { QTest::mouseClick(window->p[static_cast<std::size_t>(k)], Qt::LeftButton); }

    // Picks the first n shown backs; the last pick deals.
    static void PickAll(frmManual* window, int n) {
        for (int k = 0; k < n; ++k) Pick(window, k);
    }

    static QString HintBox(frmManual* window) { return window->txtDisp->toPlainText(); }

    static QString Report() { return ReportBox().Text(); }

    // The card sections after the header: one rule line closes each.
    static int Sections(const char* spread) {
        const QString text = Report();
        const QString first = PositionHint(QString::fromLatin1(spread), 0).value_or(QString());
        const int start = text.indexOf(first);
        if (first.isEmpty() || start < 0) return 0;
        return static_cast<int>(text.mid(start).count(kRule));
    }

    static const CardArray& Drawn() { return State().reading.arrDrawnCards; }
    static const CardArray& Reversed() { return State().reading.arrReversedCards; }

    static frmAuto* Table() { return platform::Peek<frmAuto>(); }

    platform::ScopedProgramFolder ownPictures;
    QuitRecorder quit;
};

// Brightness of a small patch of an image, 0..255.
int Brightness(const QImage& image, int x, int y) {
    int sum = 0;
    int count = 0;
    for (int dy = 0; dy < 8; ++dy) {
        for (int dx = 0; dx < 8; ++dx) {
            const QColor c = image.pixelColor(x + dx, y + dy);
            sum += (c.red() + c.green() + c.blue()) / 3;
            ++count;
        }
    }
    return sum / count;
}

// What a card box shows, without its number label.
QImage Shown(const CardBox* box) { return Rgb(box->Image().isNull() ? box->Picture().toImage() : box->Image()); }

// -- The window on its load ---------------------------------------------------------------

TEST_F(ManualReading, ShowsTheWindowWithItsControls) {
    frmManual* window = Open(0);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("CV Vezor Adarizu Dudiruvo v1.55"));
    EXPECT_EQ(window->cmdBack->text(), QStringLiteral("Back"));
    EXPECT_EQ(window->cmdCancel->text(), QStringLiteral("Exit"));
    EXPECT_FALSE(window->picMessage->isVisible());
    EXPECT_EQ(window->Label1->text(), QStringLiteral("Please Wait ..."));
    EXPECT_EQ(window->Label2->text(), QStringLiteral("CV Ruda Dored Ivadezo Radadudu is generating the Tarot result...."));
    EXPECT_TRUE(window->txtDisp->isReadOnly());
    EXPECT_TRUE(window->Label6->text().contains(QStringLiteral("www.corvantelle.example")));
    EXPECT_TRUE(State().reading.blnManualMode);

    QStringList menus;
    for (QAction* action : window->menuBar()->actions()) menus << action->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Help", "Donate", "Make Money &Online"}));
    EXPECT_EQ(window->mnuStart->text(), QStringLiteral("&Start Again"));
    EXPECT_EQ(window->mnuExit->text(), QStringLiteral("&Exit"));
    QStringList help;
    for (QAction* action : window->mnuHelp->actions()) help << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(help, QStringList({"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-",
                                 "&About Software"}));
    EXPECT_FALSE(window->mnuMakeMoney->isEnabled());
}

TEST_F(ManualReading, OffersTheBacksTheOptionsAllow) {
    const struct {
        Options options;
        int shown;
    } cases[] = {
        {{false, false, false}, 78},
        {{false, true, false}, 22},
        {{true, false, true}, 56},
        {{true, true, false}, 22},  // both set: the Major Arcana win
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        QuitRecorder round;
        frmManual* window = Open(0, c.options);
        ASSERT_NE(window, nullptr);
        for (int k = 0; k < frmManual::kBackCount; ++k) {
            const QLabel* back = window->p[static_cast<std::size_t>(k)];
            ASSERT_EQ(back->isVisible(), k < c.shown) << k;
            ASSERT_EQ(back->isEnabled(), k < c.shown) << k;
        }
        UnloadAll();
    }
}

TEST_F(ManualReading, LaysTheBacksOutInThirteenColumns) {
    frmManual* window = Open(0);
    const QLabel* first = window->p[0];
    const QLabel* last = window->p[77];
    EXPECT_EQ(first->geometry(), platform::TwipsRect(90, 180, 350, 600));
    EXPECT_EQ(window->p[12]->pos(), platform::TwipsRect(90 + 375 * 12, 180, 350, 600).topLeft());
    EXPECT_EQ(window->p[13]->pos(), platform::TwipsRect(90, 810, 350, 600).topLeft());
    EXPECT_EQ(last->pos(), platform::TwipsRect(4590, 3330, 350, 600).topLeft());
    EXPECT_FALSE(first->pixmap().isNull());
}

TEST_F(ManualReading, ShowsTheSpreadsDiagramOrNothingWhenItIsMissing) {
    QImage diagram(120, 200, QImage::Format_RGB32);
    diagram.fill(Qt::darkGreen);
    ASSERT_TRUE(diagram.save(temp.path() + QStringLiteral("/program/pic/c3.jpg")));
    frmManual* window = Open(3);
    EXPECT_EQ(window->picManual->pixmap().size(), QSize(120, 200));
    UnloadAll();
    window = Open(4);
    EXPECT_TRUE(window->picManual->pixmap().isNull());
}

// -- Hints and picks ------------------------------------------------------------------------

// What the hint box showed before every pick and after every dealt card of one reading.
struct HintsSeen {
    QStringList beforePick;            // before the pick of position k
    std::map<int, QString> afterDeal;  // after dealt position k
    QString report;
};

// What the hint box shows after dealt position k: a text of its own, the hint that stood
// before the next position was picked, or the text it had.
struct After {
    enum Kind { Text, NextHint, Kept } kind;
    const char* text = "";
};
const After kNext{After::NextHint};
const After kKept{After::Kept};
After Says(const char* text) { return {After::Text, text}; }

// By spread list index, after positions 0, 1, 2, ...
const std::vector<After> kDealHints[kSpreadCount] = {
    {Says("Card 2\r\n\r\nThe Crossing"), Says("Card 3: The Root"), Says("Card 4: The Past"), Says("Card 5: The Crown"),
     Says("Card 6: The Future"), Says("Card 7: The Questioner"), Says("Card 8: The House"),
     Says("Card 9: The Inside\r\nCard 10: The Outcome"), Says("Card 9: The Inside\r\nCard 10: The Outcome"), kKept},
    {kKept},
    {kNext, kKept},
    {kNext, kNext, kKept},
    {kNext, kNext, kNext, kNext, kKept},
    {kNext, kNext, kNext, kNext, kKept},
    {kNext, kNext, kNext, kNext, kNext, kNext, kKept},
    {kNext, kNext, kNext, kNext, kNext, kNext, kNext, kKept},
    {Says("Card 2 represents your partner's view towards you."),
     Says("Card 3 reflects you expressions, feelings, desires and sentiments."),
     Says("Card 4 represents your partner's expressions and sentiments."),
     Says("Card 5 represents your unconscious expressions."),
     Says("Card 6 represents your partner's unconscious expressions."),
     Says("Card 7 represents your inner desires and needs."),
     Says("Card 8 represents your partner's inner desires and needs."),
     Says("Card 9 tells you about ways of improving your relationship with your partner."),
     Says("Card 10 tells the ways your partner can improve your relationship."), kKept},
    {Says("Card 2 represents the past"),      Says("Card 3 represents the past"),
     Says("Card 4 represents the past"),      Says("Card 5 represents the past"),
     Says("Card 6 represents the past"),      Says("Card 7 represents the past"),
     Says("Card 8 represents the present"),   Says("Card 9 represents the present"),
     Says("Card 10 represents the present"),  Says("Card 11 represents the present"),
     Says("Card 12 represents the present"),  Says("Card 13 represents the present"),
     Says("Card 14 represents the present"),  Says("Card 15 reflects the future"),
     Says("Card 16 reflects the future"),     Says("Card 17 reflects the future"),
     Says("Card 18 reflects the future"),     Says("Card 19 reflects the future"),
     Says("Card 20 reflects the future"),     Says("Card 21 reflects the future"),
     Says("")},
    {Says("Card 2 is Related to Taurus which represents your financial and business matters."),
     Says("Card 3 is Related to Gemini which represents communication and education."),
     Says("Card 4 is Related to Cancer which represents home, family and childhood concerns."),
     Says("Card 5 is Related to Leo which represents the pleasures and leisure of life."),
     Says("Card 6 is Related to Virgo which represents work and responsibility."),
     Says("Card 7 is Related to Libra which represents close partnership and love."),
     Says("Card 8 is Related to Scorpio which reveals all your hidden influences and desires."),
     Says("Card 9 is Related to Sagittarius which represents you intimacy in religion and philosophy."),
     Says("Card 10 is Related to Capricorn which represents your career and ambition."),
     Says("Card 11 is Related to Aquarius which represents your social life and acquaintances."),
     Says("Card 12 is Related to Pisces which represents your strengths and weaknesses."), kKept},
    {Says("Card 2 - Right temple: Reveals the basic emotions, feelings and intuitions."),
     Says("Card 3 - Left temple: Reveals the level of practicality and rationality."),
     Says("Card 4 - Right shoulder: Reveals our natural ability and common sense."),
     Says("Card 5 - Left shoulder: Reveals our learning skills and our capacity to take up things."),
     Says("Card 6 - Heart/ centre position: Related to how we tackle our emotions."),
     Says("Card 7 - Right hip: Relates to our destiny - the path which we choose."),
     Says("Card 8 - Left hip: Reveals our energy level."),
     Says("Card 9 - Groin: Reveals the level of sexuality and sensuality."),
     Says("Card 10 - feet: Reveals our basic nature."), kKept},
    {Says(""), Says(""), Says(""), Says(""), Says(""), Says(""), Says(""), Says(""), kKept},
};

class ManualHints : public ManualReading {
protected:
    // Picks one back per position of the spread and deals, reading the hint box before every
    // pick and, while the deal lets events run before each draw, after every dealt card.
    HintsSeen PickAndDeal(int spreadIndex, int positions) {
        HintsSeen seen;
        frmManual* window = Open(spreadIndex);
        QPointer<frmManual> watch(window);
        for (int k = 0; k < positions; ++k) {
            seen.beforePick << HintBox(window);
            if (k < positions - 1) Pick(window, k);
        }
        WhileEventsRun during([&] {
            if (!watch) return false;
            const int dealt = static_cast<int>(Drawn().size());
            if (watch->isDealing() && dealt > 0) seen.afterDeal[dealt - 1] = HintBox(watch);
            return true;
        });
        Pick(window, positions - 1);
        if (watch) seen.afterDeal[positions - 1] = HintBox(watch);
        seen.report = Report();
        UnloadAll();
        return seen;
    }
};

TEST_F(ManualHints, TheHintBeforeEveryPickOfEverySpread) {
    for (int spread = 0; spread < kSpreadCount; ++spread) {
        const SpreadTexts& texts = kSpreadTexts[static_cast<std::size_t>(spread)];
        SCOPED_TRACE(texts.spread);
        const int n = static_cast<int>(texts.positions.size());
        const HintsSeen seen = PickAndDeal(spread, n);
        ASSERT_EQ(seen.beforePick.size(), n);
        for (int k = 0; k < n; ++k) {
            const QString& hint = seen.beforePick[k];
            EXPECT_TRUE(HintFits(hint, texts, k, QStringLiteral("\n"))) << k << ": " << hint.toStdString();
            // The report writes the position as the hint showed it.
            QString written = hint;
            EXPECT_TRUE(seen.report.contains(written.replace(QLatin1Char('\n'), QStringLiteral("\r\n")))) << k;
        }
    }
}

TEST_F(ManualHints, TheHintAfterEveryDealtCardOfEverySpread) {
    for (int spread = 0; spread < kSpreadCount; ++spread) {
        const std::vector<After>& table = kDealHints[spread];
        SCOPED_TRACE(kSpreadTexts[static_cast<std::size_t>(spread)].spread);
        const int n = static_cast<int>(table.size());
        const HintsSeen seen = PickAndDeal(spread, n);
        QString expected = seen.beforePick.value(n - 1);
        for (int k = 0; k < n; ++k) {
            const After& after = table[static_cast<std::size_t>(k)];
            if (after.kind == After::Text) expected = Plain(QString::fromLatin1(after.text));
            if (after.kind == After::NextHint) expected = seen.beforePick.value(k + 1);
            ASSERT_EQ(seen.afterDeal.count(k), 1u) << k;
            EXPECT_EQ(seen.afterDeal.at(k), expected) << k;
        }
    }
}

TEST_F(ManualReading, SameLineHintsShowTitleAndMeaningOnOneLine) {
    frmManual* window = Open(1);
    EXPECT_EQ(HintBox(window),
              QStringLiteral("Card 1:  This represents the most important factor that affects the issue in hand."));
    UnloadAll();
    window = Open(4);
    Pick(window, 0);
    Pick(window, 1);
    EXPECT_EQ(HintBox(window), QStringLiteral("Card 3 - This card represents the present."));
}

TEST_F(ManualReading, ShowCardInfoLeavesTheBoxForAnythingButAPosition) {
    frmManual* window = Open(0);
    const QString before = HintBox(window);
    for (const char* text : {"10", "-1", "1.5", "x", ""}) {
        window->ShowCardInfo(QString::fromLatin1(text));
        EXPECT_EQ(HintBox(window), before) << text;
    }
    window->ShowCardInfo(QStringLiteral("3"));
    window->ShowCardInfo(QStringLiteral("3"));
    EXPECT_EQ(HintBox(window), Hint("Celtic Cross", 3));  // nothing accumulates
}

TEST_F(ManualReading, AnUnknownSpreadNameLeavesTheHintBoxEmpty) {
    Selection().card = QStringLiteral("celtic cross");
    Selection().MaxCardInSet = 0;
    ReadingState& state = State();
    state.reading.strSpreadName = QStringLiteral("Celtic Cross ");
    state.reading.lngSpreadIndex = 0;
    ShowManualWindow();
    frmManual* window = platform::Peek<frmManual>();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(HintBox(window), QString());
    Pick(window, 0);
    EXPECT_EQ(HintBox(window), QString());
}

TEST_F(ManualReading, APickedBackDisappearsAndCannotBePickedAgain) {
    frmManual* window = Open(0);
    Pick(window, 7);
    EXPECT_FALSE(window->p[7]->isVisible());
    EXPECT_FALSE(window->p[7]->isEnabled());
    window->p_Click(7);
    EXPECT_EQ(window->pickCount(), 1);
    EXPECT_TRUE(window->p[8]->isVisible());
    window->p_Click(78);
    window->p_Click(-1);
    EXPECT_EQ(window->pickCount(), 1);
}

// -- The deal -------------------------------------------------------------------------------

TEST_F(ManualReading, OneCardDealsOnTheFirstPickAndReportsOneCard) {
    frmManual* window = Open(1);
    QPointer<frmManual> watch(window);
    const QString hintBefore = HintBox(window);
    Pick(window, 30);

    EXPECT_EQ(pauses.pauses(), std::vector<int>({3000}));
    EXPECT_EQ(platform::Peek<frmManual>(), nullptr);
    ASSERT_EQ(Drawn().size(), 1u);
    EXPECT_TRUE(Reversed().empty());
    EXPECT_EQ(Sections("One Card"), 1);
    EXPECT_TRUE(Report().contains(CardById(Drawn()[0])->strTitle));
    EXPECT_EQ(ReportBox().SelStart(), 0);
    EXPECT_FALSE(ExitScreenShown());
    ASSERT_NE(platform::Peek<frmMDI>(), nullptr);
    EXPECT_TRUE(platform::Peek<frmMDI>()->isVisible());
    if (watch) EXPECT_EQ(HintBox(watch), hintBefore);  // One Card never writes a deal hint

    ASSERT_NE(Table(), nullptr);
    const CardBox* box = Table()->p(0);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(Table()->lbl(0)->isVisible());
    EXPECT_EQ(box->pos(), QPoint(platform::TwipsToPixels(5000), platform::TwipsToPixels(2500)));
    EXPECT_TRUE(box->holdsCardFace());
    for (int k = 1; k < frmAuto::kBoxCount; ++k) EXPECT_FALSE(Table()->p(k)->isVisible()) << k;
}

TEST_F(ManualReading, ReportReadsHeaderThenOneSectionPerPositionThenTheClosingLine) {
    frmManual* window = Open(3);
    PickAll(window, 3);
    const QString text = Report();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Corvantelle")));
    EXPECT_TRUE(text.contains(QStringLiteral("Spread Type - ")));
    int from = 0;
    for (int k = 0; k < 3; ++k) {
        const QString position = *PositionHint(QStringLiteral("Three Cards"), k);
        const int at = text.indexOf(position, from);
        ASSERT_GE(at, from) << k;
        const int title = text.indexOf(CardById(Drawn()[static_cast<std::size_t>(k)])->strTitle, at);
        ASSERT_GT(title, at) << k;
        from = title;
    }
    EXPECT_GT(text.indexOf(QStringLiteral("Thank You for using"), from), from);
    EXPECT_EQ(Sections("Three Cards"), 3);
}

TEST_F(ManualReading, CelticCrossDealsTenDistinctCardsWithTheCrossingCardAcross) {
    frmManual* window = Open(0);
    QPointer<frmManual> watch(window);
    PickAll(window, 10);

    ASSERT_EQ(Drawn().size(), 10u);
    EXPECT_EQ(std::set<std::int32_t>(Drawn().begin(), Drawn().end()).size(), 10u);
    EXPECT_EQ(Sections("Celtic Cross"), 10);
    if (watch) EXPECT_EQ(HintBox(watch), QStringLiteral("Card 9: The Inside\nCard 10: The Outcome"));

    ASSERT_NE(Table(), nullptr);
    for (int k = 0; k < 10; ++k) {
        const Corner& corner = LayoutOf(QStringLiteral("Celtic Cross")).corners[static_cast<std::size_t>(k)];
        const CardBox* box = Table()->p(k);
        EXPECT_TRUE(box->isVisible()) << k;
        EXPECT_TRUE(Table()->lbl(k)->isVisible()) << k;
        EXPECT_EQ(box->pos(), QPoint(platform::TwipsToPixels(corner.left), platform::TwipsToPixels(corner.top))) << k;
    }
    const CardBox* crossing = Table()->p(1);
    EXPECT_GT(crossing->width(), crossing->height());
    EXPECT_LT(Table()->p(0)->width(), Table()->p(0)->height());
    // Turned a quarter clockwise: the picture's white top-left corner now lies top right.
    const QImage shown = Shown(crossing);
    EXPECT_GT(Brightness(shown, shown.width() - 12, 4), 230);
    EXPECT_LT(Brightness(shown, 4, shown.height() - 12), 230);
}

TEST_F(ManualReading, MajorArcanaRomanyEndsWithTwentyOneDistinctMajorCards) {
    frmManual* window = Open(9, {false, true, false});
    QPointer<frmManual> watch(window);
    PickAll(window, 21);
    ASSERT_EQ(Drawn().size(), 21u);
    EXPECT_EQ(std::set<std::int32_t>(Drawn().begin(), Drawn().end()).size(), 21u);
    for (std::int32_t id : Drawn()) EXPECT_LE(id, 21);
    EXPECT_EQ(Sections("The Romany/ Gypsy Spread"), 21);
    if (watch) EXPECT_EQ(HintBox(watch), QString());  // emptied after the last card
}

TEST_F(ManualReading, NumerologyEmptiesTheHintBoxWhileDealing) {
    frmManual* window = Open(12);
    QPointer<frmManual> watch(window);
    PickAll(window, 9);
    ASSERT_TRUE(watch);
    EXPECT_EQ(HintBox(watch), QString());
    EXPECT_EQ(Sections("Numerology Spread"), 9);
}

TEST_F(ManualReading, AFirstValueOfZeroDealsCardZero) {
    platform::ScriptedRandom random({0.0});
    frmManual* window = Open(1);
    Pick(window, 0);
    ASSERT_EQ(Drawn(), CardArray({0}));
    EXPECT_TRUE(Report().contains(CardById(0)->strTitle + QStringLiteral("\r\n")));
}

TEST_F(ManualReading, ReversalFollowsTheDealsOwnRoundingOfHalves) {
    const struct {
        double value;
        bool reversed;
    } cases[] = {{0.25, false}, {0.125, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        QuitRecorder round;
        FreshState();
        platform::ScriptedRandom random({0.0, c.value});
        frmManual* window = Open(1, {false, false, true});
        Pick(window, 0);
        ASSERT_EQ(Drawn(), CardArray({0}));
        const QString title = CardById(0)->strTitle;
        EXPECT_EQ(Report().contains(ReversedTitle(*CardById(0))), c.reversed);
        EXPECT_TRUE(Report().contains(title));
        EXPECT_EQ(Reversed(), c.reversed ? CardArray({0}) : CardArray());
        // The white corner of the picture lies top left when upright, bottom right when reversed.
        const QImage shown = Shown(Table()->p(0));
        EXPECT_EQ(Brightness(shown, 4, 4) > 230, !c.reversed);
        EXPECT_EQ(Brightness(shown, shown.width() - 12, shown.height() - 12) > 230, c.reversed);
        UnloadAll();
    }
}

TEST_F(ManualReading, AReversedCrossingCardLiesAcrossFromItsUprightPicture) {
    const casting::CardPool deck{0, 78};
    // Card 1 upright, card 2 (the crossing card) reversed, the rest as the values fall.
    platform::ScriptedRandom random({ValueFor(10, deck), 0.25, ValueFor(20, deck), 0.125});
    frmManual* window = Open(0, {false, false, true});
    PickAll(window, 10);
    ASSERT_EQ(Drawn().size(), 10u);
    EXPECT_EQ(Drawn()[1], 20);
    ASSERT_FALSE(Reversed().empty());
    EXPECT_EQ(Reversed()[0], 20);
    EXPECT_TRUE(Report().contains(ReversedTitle(*CardById(20))));
    const CardBox* crossing = Table()->p(1);
    EXPECT_GT(crossing->width(), crossing->height());
    const QImage shown = Shown(crossing);
    EXPECT_GT(Brightness(shown, shown.width() - 12, 4), 230);
}

TEST_F(ManualReading, WithoutReversalsNoValueIsSpentOnThem) {
    // Were a value taken for a reversal, the second and third cards would come from other values.
    const casting::CardPool deck{0, 78};
    platform::ScriptedRandom random({ValueFor(70, deck), ValueFor(1, deck), ValueFor(33, deck)});
    frmManual* window = Open(3);
    PickAll(window, 3);
    EXPECT_EQ(Drawn(), CardArray({70, 1, 33}));
    EXPECT_TRUE(Reversed().empty());
}

TEST_F(ManualReading, MinorArcanaDealsOnlyMinorCards) {
    frmManual* window = Open(10, {true, false, false});
    PickAll(window, 12);
    ASSERT_EQ(Drawn().size(), 12u);
    for (std::int32_t id : Drawn()) EXPECT_GE(id, 22);
}

TEST_F(ManualReading, AMissingCardPictureShowsNoOtherCard) {
    const casting::CardPool deck{0, 78};
    QFile::remove(temp.path() + QStringLiteral("/program/cards/r5.jpg"));
    platform::ScriptedRandom random({ValueFor(4, deck), ValueFor(5, deck)});
    frmManual* window = Open(2);
    PickAll(window, 2);
    ASSERT_EQ(Drawn(), CardArray({4, 5}));
    EXPECT_TRUE(Table()->p(0)->holdsCardFace());
    EXPECT_FALSE(Table()->p(1)->holdsCardFace());
    EXPECT_TRUE(Table()->p(1)->isVisible());
    EXPECT_EQ(Sections("Two Cards"), 2);
}

// -- Input while the deal runs --------------------------------------------------------------

void PostClick(QWidget* widget) {
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(at);
    QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                                                        Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton,
                                                        Qt::NoButton, Qt::NoModifier));
}

TEST_F(ManualReading, InputDuringTheDealChangesNothing) {
    frmManual* window = Open(9, {false, true, true});
    QPointer<frmManual> watch(window);
    DuringDeal barrage(window, [&] {
        // Queued input, as clicks made during the pause arrive.
        PostClick(window->p[21]);
        PostClick(window->cmdBack);
        PostClick(window->cmdCancel);
        QCoreApplication::postEvent(window, new QCloseEvent);
        // And the handlers reached directly.
        window->p_Click(20);
        window->p_Click(21);
        window->cmdBack->click();
        window->cmdCancel->click();
        window->mnuStart->trigger();
        window->mnuExit->trigger();
        window->mnuVisit->trigger();
        window->mnuAbout->trigger();
        window->Label6_Click();
        window->close();
    });
    PickAll(window, 21);
    WindowTest::Flush();

    EXPECT_TRUE(barrage.fired);
    ASSERT_EQ(Drawn().size(), 21u);
    EXPECT_EQ(std::set<std::int32_t>(Drawn().begin(), Drawn().end()).size(), 21u);
    EXPECT_EQ(Sections("The Romany/ Gypsy Spread"), 21);
    EXPECT_EQ(platform::Peek<frmManual>(), nullptr);
    EXPECT_EQ(platform::Peek<frmFront>(), nullptr);  // "Back" did not run
    EXPECT_FALSE(ExitScreenShown());
    EXPECT_TRUE(browser.opened().isEmpty());
    EXPECT_EQ(pauses.pauses(), std::vector<int>({3000}));
    ASSERT_NE(platform::Peek<frmMDI>(), nullptr);
    EXPECT_TRUE(platform::Peek<frmMDI>()->isVisible());
}

TEST_F(ManualReading, TheWaitPanelShowsFromTheLastPick) {
    frmManual* window = Open(2);
    bool panelShown = false;
    DuringDeal look(window, [&] { panelShown = window->picMessage->isVisible(); });
    PickAll(window, 2);
    EXPECT_TRUE(look.fired);
    EXPECT_TRUE(panelShown);
}

// -- Ways out -------------------------------------------------------------------------------

TEST_F(ManualReading, BackAndStartAgainBringBackTheQuerentWindow) {
    const std::function<void(frmManual*)> ways[] = {
        [](frmManual* w) { w->cmdBack->click(); },
        [](frmManual* w) { w->mnuStart->trigger(); },
    };
    for (const auto& way : ways) {
        QuitRecorder round;
        ShowQuerentWindow();
        frmFront* front = platform::Peek<frmFront>();
        ASSERT_NE(front, nullptr);
        front->txtName->setText(QStringLiteral("Ada"));
        front->hide();
        frmManual* window = Open(0);
        Pick(window, 1);
        Pick(window, 2);
        way(window);
        WindowTest::Flush();
        EXPECT_EQ(platform::Peek<frmManual>(), nullptr);
        EXPECT_TRUE(front->isVisible());
        EXPECT_EQ(front->txtName->text(), QStringLiteral("Ada"));
        EXPECT_FALSE(ExitScreenShown());
        EXPECT_TRUE(Drawn().empty());
        UnloadAll();
    }
}

TEST_F(ManualReading, OpensWithTheFocusOnBackWhichEnterPresses) {
    ShowQuerentWindow();
    frmFront* front = platform::Peek<frmFront>();
    ASSERT_NE(front, nullptr);
    front->hide();
    frmManual* window = Open(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window; }));
    const auto focused = [] {
        const QWidget* widget = QApplication::focusWidget();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text().toStdString();
        return std::string(widget ? widget->metaObject()->className() : "nothing");
    };
    EXPECT_EQ(focused(), "Back");

    // "Back" then "Exit" in the tab order.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focused(), "Exit");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), "Back");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    WindowTest::Flush();
    EXPECT_EQ(platform::Peek<frmManual>(), nullptr);
    EXPECT_TRUE(front->isVisible());
    EXPECT_FALSE(ExitScreenShown());
}

TEST_F(ManualReading, ExitFileExitAndTheCloseBoxShowTheExitScreen) {
    const std::function<void(frmManual*)> ways[] = {
        [](frmManual* w) { w->cmdCancel->click(); },
        [](frmManual* w) { w->mnuExit->trigger(); },
        [](frmManual* w) { w->close(); },
    };
    for (const auto& way : ways) {
        QuitRecorder round;
        frmManual* window = Open(0);
        Pick(window, 3);
        way(window);
        WindowTest::Flush();
        EXPECT_EQ(platform::Peek<frmManual>(), nullptr);
        EXPECT_TRUE(ExitScreenShown());
        EXPECT_EQ(platform::Peek<frmFront>(), nullptr);
        EXPECT_EQ(round.ends(), 0);
        UnloadAll();
    }
}

TEST_F(ManualReading, MenusAndTheAdvertOpenTheMakersPages) {
    frmManual* window = Open(0);
    const struct {
        std::function<void()> use;
        const char* page;
    } cases[] = {
        {[&] { window->mnuOnline->trigger(); }, "help-web-page"},
        {[&] { window->mnuVisit->trigger(); }, "home-page"},
        {[&] { window->mnuUpdate->trigger(); }, "download-web-page"},
        {[&] { window->mnuDona->trigger(); }, "donate"},
        {[&] { window->mnuMakeMoney_Click(); }, "fully-branded"},
        {[&] { QTest::mouseClick(window->Label6, Qt::LeftButton); }, "home-page"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page);
        browser.clear();
        c.use();
        ASSERT_EQ(browser.opened().size(), 1);
        EXPECT_EQ(browser.opened()[0], QStringLiteral("https://www.corvantelle.example/vezor-adarizu-dudiruvo/ssd.php?page=") +
                                           QString::fromLatin1(c.page));
    }
    EXPECT_EQ(platform::Peek<frmManual>(), window);
}

TEST_F(ManualReading, AboutIsModalAndThePicksStay) {
    frmManual* window = Open(0);
    Pick(window, 0);
    Pick(window, 1);
    const QString hint = HintBox(window);
    QPointer<QWidget> modal;
    QTimer::singleShot(0, [&] {
        modal = QApplication::activeModalWidget();
        if (modal) modal->close();
    });
    window->mnuAbout->trigger();
    EXPECT_FALSE(modal.isNull());
    EXPECT_EQ(window->pickCount(), 2);
    EXPECT_EQ(HintBox(window), hint);
    EXPECT_FALSE(window->p[0]->isVisible());
    EXPECT_TRUE(window->p[2]->isVisible());
}

// -- Placing --------------------------------------------------------------------------------

TEST_F(ManualReading, PlacingBeyondTheSpreadOnlyShowsTheBoxWhereItStands) {
    frmManual* window = Open(0);
    const QString hint = HintBox(window);
    window->SetPicPlacement0(-1);
    window->SetPicPlacement0(21);
    EXPECT_EQ(Table(), nullptr);  // an index that names no box touches nothing

    window->SetPicPlacement1(12);
    ASSERT_NE(Table(), nullptr);
    const QPoint before = Table()->p(12)->pos();
    window->SetPicPlacement0(12);
    EXPECT_FALSE(Table()->p(12)->isHidden());
    EXPECT_FALSE(Table()->lbl(12)->isHidden());
    EXPECT_TRUE(Table()->lbl(12)->isEnabled());
    EXPECT_EQ(Table()->p(12)->pos(), before);
    EXPECT_EQ(HintBox(window), hint);
}

TEST_F(ManualReading, PlacingTheCrossingCardTwiceTurnsItOnce) {
    frmManual* window = Open(0);
    State().reading.arrDrawnCards = {40};
    window->SetPicPlacement0(1);
    ASSERT_NE(Table(), nullptr);
    const QSize once = Table()->p(1)->size();
    window->SetPicPlacement0(1);
    EXPECT_EQ(Table()->p(1)->size(), once);
    EXPECT_GT(once.width(), once.height());
    EXPECT_EQ(Table()->p(1)->pos(), QPoint(platform::TwipsToPixels(2300), platform::TwipsToPixels(4200)));
    EXPECT_EQ(HintBox(window), QStringLiteral("Card 3: The Root"));
}

// -- The whole road -------------------------------------------------------------------------

TEST_F(ManualReading, ManualFromTheSelectionWindowWorksForEverySpreadAndOptionSet) {
    const Options sets[] = {
        {false, false, false}, {true, false, false}, {false, true, false},
        {false, false, true},  {true, false, true},  {false, true, true},
    };
    for (int spread = 0; spread < kSpreadCount; ++spread) {
        for (const Options& options : sets) {
            SCOPED_TRACE(testing::Message() << SpreadName(spread) << " minor " << options.minor << " major "
                                            << options.major << " reverse " << options.reverse);
            QuitRecorder round;
            ShowSelectionWindow();
            frmTarot* selection = platform::Peek<frmTarot>();
            ASSERT_NE(selection, nullptr);
            selection->lstOption->setCurrentRow(spread);
            selection->chkLA->setChecked(options.minor);
            selection->chkHA->setChecked(options.major);
            selection->chkRev->setChecked(options.reverse);
            selection->cmdManual->click();
            WindowTest::Flush();
            EXPECT_EQ(platform::Peek<frmTarot>(), nullptr);
            frmManual* window = platform::Peek<frmManual>();
            ASSERT_NE(window, nullptr);
            const int n = SpreadByIndex(spread)->lngCardCount;
            PickAll(window, n);
            WindowTest::Flush();

            EXPECT_EQ(platform::Peek<frmManual>(), nullptr);
            ASSERT_EQ(static_cast<int>(Drawn().size()), n);
            EXPECT_EQ(static_cast<int>(std::set<std::int32_t>(Drawn().begin(), Drawn().end()).size()), n);
            const casting::CardPool pool = DealPool(options.major, options.minor);
            for (std::int32_t id : Drawn()) {
                EXPECT_GE(id, pool.first);
                EXPECT_LT(id, pool.first + pool.size);
            }
            if (!options.reverse) EXPECT_TRUE(Reversed().empty());
            EXPECT_EQ(Sections(SpreadName(spread)), n);
            ASSERT_NE(Table(), nullptr);
            const SpreadLayout& layout = kSpreadLayouts[static_cast<std::size_t>(spread)];
            ASSERT_EQ(static_cast<int>(layout.corners.size()), n);
            for (int k = 0; k < n; ++k) {
                const Corner& corner = layout.corners[static_cast<std::size_t>(k)];
                const CardBox* box = Table()->p(k);
                EXPECT_TRUE(box->isVisible()) << k;
                EXPECT_EQ(box->pos(), QPoint(platform::TwipsToPixels(corner.left), platform::TwipsToPixels(corner.top)))
                    << k;
                EXPECT_EQ(box->width() > box->height(), corner.turned) << k;
            }
            EXPECT_FALSE(ExitScreenShown());
            UnloadAll();
        }
    }
}

TEST_F(ManualReading, ASavedManualReadingOpensAgainIdentically) {
    frmManual* window = Open(0, {false, false, true});
    PickAll(window, 10);
    const QString report = Report();
    const CardArray drawn = Drawn();
    const CardArray reversed = Reversed();
    std::vector<QPoint> places;
    for (int k = 0; k < 10; ++k) places.push_back(Table()->p(k)->pos());

    const QString file = temp.path() + QStringLiteral("/reading.trs");
    dialogs.setNextFileName(file);
    platform::Peek<frmMDI>()->cmdSave->click();
    ASSERT_TRUE(QFile::exists(file));
    platform::Peek<frmMDI>()->cmdRestart->click();
    WindowTest::Flush();
    ASSERT_EQ(platform::Peek<frmMDI>(), nullptr);

    frmFront* front = platform::Peek<frmFront>();
    ASSERT_NE(front, nullptr);
    dialogs.setNextFileName(file);
    front->cmdOpen->click();
    WindowTest::Flush();
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(Report(), report);
    ASSERT_NE(Table(), nullptr);
    for (int k = 0; k < 10; ++k) EXPECT_EQ(Table()->p(k)->pos(), places[static_cast<std::size_t>(k)]) << k;
    EXPECT_EQ(State().opened.arrOpenedCards.size(), drawn.size() + 1);
}

}  // namespace
