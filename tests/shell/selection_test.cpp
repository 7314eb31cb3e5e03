// The selection window: what it starts with, the lists and option rules, and the ways out.
#include "catalogue/report.h"
#include "catalogue/spreads.h"
#include "platform/twips.h"
#include "shell/frmFront.h"
#include "shell/frmMDI.h"
#include "shell/frmNagScreen2.h"
#include "shell/frmTarot.h"
#include "shell/navigation.h"
#include "shell/startup.h"
#include "state/readingstate.h"
#include "support/windowtest.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <functional>

namespace {

class SelectionWindow : public WindowTest {
protected:
    void SetUp() override {
        Querent() = QuerentDetails{};
        State() = ReadingState{};
        ShowQuerentWindow();
        front = platform::Peek<frmFront>();
        front->txtName->setText(QStringLiteral("Ann Lee"));
        front->txtCountry->setText(QStringLiteral("Spain"));
        front->txtQuestion->setPlainText(QStringLiteral("Will I travel?"));
        front->cmbDate->setCurrentIndex(4);
        front->cmbMonth->setCurrentIndex(2);
        front->cmbYear->setCurrentIndex(75);
        front->cmdNext->click();
        tarot = platform::Peek<frmTarot>();
        ASSERT_NE(tarot, nullptr);
    }

    QAction* entry(const QString& menu, const QString& caption) const {
        for (QAction* top : tarot->menuBar()->actions()) {
            if (top->text() != menu) continue;
            if (!top->menu()) return top;
            for (QAction* a : top->menu()->actions()) {
                if (a->text() == caption) return a;
            }
        }
        return nullptr;
    }

    // A program folder whose spread diagrams are told apart by their width: c<i>.jpg is 20 + i wide.
    QString diagramFolder(const std::vector<int>& missing = {}) const {
        const QString folder = temp.path() + QStringLiteral("/program");
        QDir().mkpath(folder + QStringLiteral("/pic"));
        for (int i = 0; i < kSpreadCount; ++i) {
            if (std::find(missing.begin(), missing.end(), i) != missing.end()) continue;
            QImage picture(20 + i, 30, QImage::Format_RGB32);
            picture.fill(Qt::darkGreen);
            picture.save(folder + QStringLiteral("/pic/c%1.jpg").arg(i));
        }
        return folder;
    }

    // Back to a fresh selection window the way a user gets there: "Start Again" or the querent
    // window, then "&Next".
    void reopenSelection() {
        if (platform::IsLoaded<frmMDI>()) {
            PressReportRestart();
        } else {
            ShowQuerentWindow();
        }
        Flush();
        front->cmdNext->click();
        tarot = platform::Peek<frmTarot>();
        ASSERT_NE(tarot, nullptr);
    }

    static int DiagramWidth(const frmTarot* w) { return w->pctCard->pixmap().width(); }

    QuitRecorder quits;
    frmFront* front = nullptr;
    frmTarot* tarot = nullptr;
};

}  // namespace

TEST_F(SelectionWindow, StartsWithTheFirstDeckTheCelticCrossAndReverseCardsAllowed) {
    EXPECT_TRUE(tarot->isVisible());
    EXPECT_EQ(tarot->windowTitle(), QStringLiteral("CV Vezor Adarizu Dudiruvo v1.55"));
    EXPECT_EQ(tarot->centralWidget()->size(), QSize(592, 413));
    ASSERT_EQ(tarot->cboCards->count(), 2);
    EXPECT_EQ(tarot->cboCards->itemText(0), QStringLiteral("Rider Waite Tarot Deck"));
    EXPECT_EQ(tarot->cboCards->itemText(1), QStringLiteral("Marseilles Tarot Deck"));
    EXPECT_EQ(tarot->cboCards->currentIndex(), 0);
    ASSERT_EQ(tarot->lstOption->count(), 13);
    EXPECT_EQ(tarot->lstOption->item(12)->text(), QStringLiteral("Numerology Spread"));
    EXPECT_EQ(tarot->lstOption->currentRow(), 0);
    EXPECT_EQ(tarot->txtDisp->toPlainText(), SpreadByIndex(0)->strDescription);
    EXPECT_EQ(Selection().no, 10);
    EXPECT_EQ(Selection().MaxCardInSet, 0);
    EXPECT_FALSE(tarot->chkHA->isChecked());
    EXPECT_FALSE(tarot->chkLA->isChecked());
    EXPECT_TRUE(tarot->chkRev->isChecked());
    EXPECT_TRUE(tarot->picMessage->isHidden());

    const ReadingState& s = State();
    EXPECT_EQ(s.reading.strDeckLetter, QStringLiteral("r"));
    EXPECT_EQ(s.reading.strSpreadName, QStringLiteral("-1"));
    EXPECT_EQ(s.reading.lngCardCount, -1);
    EXPECT_EQ(s.reading.lngSpreadIndex, 0);
    EXPECT_FALSE(s.reading.blnManualMode);
}

TEST_F(SelectionWindow, TheSpreadListKeepsItsPlaceAndTheReverseCardsTickBoxShowsWhole) {
    // The list stands where it was put and shows whole rows in no more than its height.
    const QRect list = platform::TwipsRect(5280, 1890, 3495, 1230);
    EXPECT_EQ(tarot->lstOption->pos(), list.topLeft());
    EXPECT_EQ(tarot->lstOption->width(), list.width());
    EXPECT_LE(tarot->lstOption->height(), list.height());

    // The check box is only as large as its tick box, which shows its four edges.
    EXPECT_EQ(tarot->chkRev->geometry(), platform::TwipsRect(6000, 3990, 225, 195));
    tarot->chkRev->setChecked(false);
    const QImage box = tarot->chkRev->grab().toImage();
    std::vector<int> edgePixels;  // per row of the box, the pixels as dark as its edges
    for (int y = 0; y < box.height(); ++y) {
        int dark = 0;
        for (int x = 0; x < box.width(); ++x) dark += qAlpha(box.pixel(x, y)) == 255 && qGray(box.pixel(x, y)) < 220;
        if (dark > 0) edgePixels.push_back(dark);
    }
    ASSERT_GE(edgePixels.size(), 3u);
    EXPECT_GE(edgePixels.front(), 8) << "no top edge";
    EXPECT_GE(edgePixels.back(), edgePixels.front() - 2) << "the bottom edge is cut off";
}

TEST_F(SelectionWindow, ShowsTheQuerentSummaryAndQuestion) {
    EXPECT_EQ(tarot->lblInfo->text(),
              QStringLiteral("Name: Ann Lee     Date: March 5, 1975     Country: Spain"));
    EXPECT_EQ(tarot->txtQ->toPlainText(), QStringLiteral("Question: Will I travel?"));
    EXPECT_FALSE(front->isVisible());
}

TEST_F(SelectionWindow, AtMostOneOfMajorAndMinorArcanaIsTicked) {
    const struct {
        const char* clicks;  // H = Major Arcana, L = Minor Arcana, R = Allow Reverse Cards
        bool major, minor, reverse;
    } cases[] = {
        {"L", false, true, true},   {"H", true, false, true},   {"LH", true, false, true},
        {"HL", false, true, true},  {"HH", false, false, true}, {"LHH", false, false, true},
        {"R", false, false, false}, {"RLR", false, true, true},
    };
    for (const auto& c : cases) {
        tarot->chkHA->setChecked(false);
        tarot->chkLA->setChecked(false);
        tarot->chkRev->setChecked(true);
        for (const char* k = c.clicks; *k; ++k) {
            QCheckBox* box = *k == 'H' ? tarot->chkHA : *k == 'L' ? tarot->chkLA : tarot->chkRev;
            box->click();
        }
        EXPECT_EQ(tarot->chkHA->isChecked(), c.major) << c.clicks;
        EXPECT_EQ(tarot->chkLA->isChecked(), c.minor) << c.clicks;
        EXPECT_EQ(tarot->chkRev->isChecked(), c.reverse) << c.clicks;
    }
}

TEST_F(SelectionWindow, ChoosingASpreadShowsItsDescriptionDiagramAndCount) {
    platform::ScopedProgramFolder folder(diagramFolder());
    for (int row : {4, 5, 9, 0, 12}) {
        tarot->lstOption->setCurrentRow(row);
        EXPECT_EQ(tarot->txtDisp->toPlainText(), SpreadByIndex(row)->strDescription) << row;
        EXPECT_EQ(Selection().no, SpreadByIndex(row)->lngCardCount) << row;
        EXPECT_EQ(Selection().MaxCardInSet, row);
        EXPECT_EQ(State().reading.lngSpreadIndex, row);
        EXPECT_EQ(DiagramWidth(tarot), 20 + row);
    }
}

TEST_F(SelectionWindow, AMissingDiagramLeavesThePreviousPicture) {
    platform::ScopedProgramFolder folder(diagramFolder({3}));
    tarot->lstOption->setCurrentRow(2);
    tarot->lstOption->setCurrentRow(3);
    EXPECT_EQ(DiagramWidth(tarot), 22);
    EXPECT_EQ(Selection().no, 3);
}

TEST_F(SelectionWindow, ChooseScenarioEntriesSelectTheirSpreadByName) {
    const struct {
        const char* entry;
        int index;
        int count;
    } cases[] = {
        {"&Seven card chakra layout", 6, 7},
        {"The &Line Spread", 4, 5},
        {"&Eliphas Levy Wheel Spread(Hollin)", 5, 5},
        {"The Romany/ &Gypsy Spread", 9, 21},
        {"&Numerology Spread", 12, 9},
        {"&Celtic Cross", 0, 10},
    };
    QAction* file = nullptr;
    for (QAction* a : tarot->menuBar()->actions()) {
        if (a->text() == QStringLiteral("&File")) file = a;
    }
    ASSERT_NE(file, nullptr);
    QMenu* scenario = file->menu()->actions().at(0)->menu();
    ASSERT_NE(scenario, nullptr);
    ASSERT_EQ(scenario->actions().size(), 13);
    for (const auto& c : cases) {
        QAction* entryAction = nullptr;
        for (QAction* a : scenario->actions()) {
            if (a->text() == QString::fromLatin1(c.entry)) entryAction = a;
        }
        ASSERT_NE(entryAction, nullptr) << c.entry;
        entryAction->trigger();
        EXPECT_EQ(tarot->lstOption->currentRow(), c.index) << c.entry;
        EXPECT_EQ(Selection().no, c.count) << c.entry;
        EXPECT_EQ(Selection().MaxCardInSet, c.index) << c.entry;
    }
}

TEST_F(SelectionWindow, ChangingTheDeckChangesTheLetterAtOnceAndKeepsTheSpread) {
    tarot->lstOption->setCurrentRow(7);
    tarot->cboCards->setCurrentIndex(1);
    EXPECT_EQ(State().reading.strDeckLetter, QStringLiteral("m"));
    EXPECT_EQ(tarot->lstOption->currentRow(), 7);
    tarot->cboCards->setCurrentIndex(0);
    EXPECT_EQ(State().reading.strDeckLetter, QStringLiteral("r"));
}

TEST_F(SelectionWindow, AutoCastCopiesTheChoicesShowsTheWaitPanelAndOpensTheReportWindow) {
    const struct {
        bool major, minor, reverse;
        std::vector<int> pauses;
    } cases[] = {
        {false, false, false, {3000}}, {false, true, false, {3000}}, {true, false, true, {}}, {false, false, true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.major << c.minor << c.reverse);
        if (!platform::IsLoaded<frmTarot>()) reopenSelection();
        platform::PauseRecorder pauseLog;
        tarot->lstOption->setCurrentRow(3);
        tarot->cboCards->setCurrentIndex(1);
        tarot->chkHA->setChecked(c.major);
        tarot->chkLA->setChecked(c.minor);
        tarot->chkRev->setChecked(c.reverse);
        QPointer<frmTarot> window = tarot;
        tarot->cmdAuto->click();

        EXPECT_EQ(pauseLog.pauses(), c.pauses);
        const ReadingState& s = State();
        EXPECT_EQ(s.reading.strSpreadName, QStringLiteral("Three Cards"));
        EXPECT_EQ(s.reading.lngCardCount, 3);
        EXPECT_EQ(s.reading.strDeckLetter, QStringLiteral("m"));
        EXPECT_EQ(s.options.blnMajorArcana, c.major);
        EXPECT_EQ(s.options.blnMinorArcana, c.minor);
        EXPECT_EQ(s.options.blnAllowReverse, c.reverse);
        EXPECT_TRUE(s.options.blnAutoCastPressed);
        EXPECT_FALSE(s.options.blnManualPressed);
        EXPECT_FALSE(s.reading.blnManualMode);
        EXPECT_EQ(Selection().card, QStringLiteral("Three Cards"));

        EXPECT_FALSE(platform::IsLoaded<frmTarot>());
        ASSERT_TRUE(window);  // deleted later; the panel was shown before the pause
        EXPECT_FALSE(window->picMessage->isHidden());
        ASSERT_TRUE(platform::IsLoaded<frmMDI>());
        EXPECT_TRUE(platform::Peek<frmMDI>()->isVisible());
        EXPECT_FALSE(ExitScreenShown());
    }
}

TEST_F(SelectionWindow, TheAutoCastMenuEntryPressesTheButton) {
    QAction* cast = entry(QStringLiteral("&File"), QStringLiteral("Auto&Cast"));
    ASSERT_NE(cast, nullptr);
    cast->trigger();
    EXPECT_TRUE(State().options.blnAutoCastPressed);
    EXPECT_FALSE(platform::IsLoaded<frmTarot>());
    EXPECT_FALSE(ExitScreenShown());
}

TEST_F(SelectionWindow, ManualCopiesTheChoicesWithoutAPauseByButtonAndByMenu) {
    const struct {
        bool byMenu;
        bool manualPressed;
    } cases[] = {{false, true}, {true, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.byMenu ? "menu" : "button");
        if (!platform::IsLoaded<frmTarot>()) reopenSelection();
        platform::PauseRecorder pauseLog;
        tarot->lstOption->setCurrentRow(10);
        tarot->chkRev->setChecked(false);
        tarot->chkHA->setChecked(true);
        if (c.byMenu) {
            entry(QStringLiteral("&File"), QStringLiteral("&Manual"))->trigger();
        } else {
            tarot->cmdManual->click();
        }
        const ReadingState& s = State();
        EXPECT_TRUE(s.reading.blnManualMode);
        EXPECT_EQ(s.options.blnManualPressed, c.manualPressed);
        EXPECT_FALSE(s.options.blnAutoCastPressed);
        EXPECT_EQ(s.reading.strSpreadName, QStringLiteral("Zodiac Spread"));
        EXPECT_EQ(s.reading.lngCardCount, 12);
        EXPECT_TRUE(s.options.blnMajorArcana);
        EXPECT_FALSE(s.options.blnAllowReverse);
        EXPECT_TRUE(pauseLog.pauses().empty());
        // The manual window reads these after the selection window has gone.
        EXPECT_FALSE(platform::IsLoaded<frmTarot>());
        EXPECT_EQ(Selection().card, QStringLiteral("Zodiac Spread"));
        EXPECT_EQ(Selection().no, 12);
        EXPECT_EQ(Selection().MaxCardInSet, 10);
        EXPECT_FALSE(ExitScreenShown());
    }
}

TEST_F(SelectionWindow, BackReturnsToTheQuerentWindowAsItWasLeft) {
    tarot->cmdBack->click();
    EXPECT_FALSE(platform::IsLoaded<frmTarot>());
    EXPECT_TRUE(front->isVisible());
    EXPECT_EQ(front->txtName->text(), QStringLiteral("Ann Lee"));
    EXPECT_EQ(front->cmbYear->currentText(), QStringLiteral("1975"));
    EXPECT_FALSE(ExitScreenShown());
}

TEST_F(SelectionWindow, ExitAndTheCloseBoxShowTheExitScreenAndLeaveTheQuerentWindowHidden) {
    const std::function<void(frmTarot*)> ways[] = {
        [](frmTarot* w) { w->cmdCancel->click(); },
        [](frmTarot* w) { w->close(); },
    };
    for (const auto& leave : ways) {
        if (!platform::IsLoaded<frmTarot>()) reopenSelection();
        HideExitScreen();
        leave(tarot);
        EXPECT_FALSE(platform::IsLoaded<frmTarot>());
        EXPECT_TRUE(ExitScreenShown());
        EXPECT_TRUE(platform::IsLoaded<frmFront>());
        EXPECT_FALSE(front->isVisible());
    }
}

TEST_F(SelectionWindow, TheExitMenuEntryUnloadsTheSelectionAndTheQuerentWindows) {
    entry(QStringLiteral("&File"), QStringLiteral("&Exit"))->trigger();
    EXPECT_FALSE(platform::IsLoaded<frmTarot>());
    EXPECT_FALSE(platform::IsLoaded<frmFront>());
    EXPECT_TRUE(ExitScreenShown());
}

TEST_F(SelectionWindow, AutoCastWhileAnEarlierReportIsOpenCastsOnAFreshReportWindow) {
    ShowReportWindow();
    QPointer<frmMDI> earlier = platform::Peek<frmMDI>();
    ReportBox().setText(QStringLiteral("an earlier report"));
    tarot->chkRev->setChecked(true);
    tarot->cmdAuto->click();

    frmMDI* now = platform::Peek<frmMDI>();
    ASSERT_NE(now, nullptr);
    EXPECT_NE(now, earlier.data());
    EXPECT_FALSE(platform::IsLoaded<frmNagScreen2>());  // not even for a moment
    EXPECT_FALSE(ReportBox().Text().contains(QStringLiteral("an earlier report")));
    EXPECT_TRUE(ReportBox().Text().contains(QStringLiteral("Spread Type - Celtic Cross Spread")));
}

TEST_F(SelectionWindow, MenusAndTheForumAdvertOpenTheirPages) {
    const QString pages = kMakerSite + QStringLiteral("vezor-adarizu-dudiruvo/ssd.php?page=");
    const struct {
        const char* menu;
        const char* entry;
        const char* page;
    } cases[] = {
        {"&Help", "&Online Help", "help-web-page"},
        {"&Help", "&Visit Us Online", "home-page"},
        {"&Help", "Check for Software &Update", "download-web-page"},
        {"Donate", "", "donate"},
    };
    for (const auto& c : cases) {
        browser.clear();
        QAction* a = entry(QString::fromLatin1(c.menu), QString::fromLatin1(c.entry));
        ASSERT_NE(a, nullptr) << c.entry;
        a->trigger();
        EXPECT_EQ(browser.opened(), QStringList{pages + QString::fromLatin1(c.page)}) << c.entry;
    }
    EXPECT_FALSE(entry(QStringLiteral("Make Money &Online"), QString())->isEnabled());
    browser.clear();
    QTest::mouseClick(tarot->Label6, Qt::LeftButton);
    EXPECT_EQ(browser.opened(), QStringList{pages + QStringLiteral("home-page")});
}
