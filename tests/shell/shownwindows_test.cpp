// What reaches the display and the keyboard when windows come and go: the exit screen shown and
// hidden again on the way from one window to the next never reaches the display (a window
// manager that maps windows late, as GNOME's mutter does on X11, would leave it there); it stays
// above the window left beside it; keys typed right after a mnemonic go to the window that
// comes; Tab moves on out of the report box.
#include "manual/frmManual.h"
#include "shell/frmFront.h"
#include "shell/frmMDI.h"
#include "shell/frmNagScreen2.h"
#include "shell/frmTarot.h"
#include "shell/navigation.h"
#include "shell/windowroads.h"
#include "support/qtprinting.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <QWindow>
#include <functional>

namespace {

class ShownWindows : public WindowRoads {};

constexpr int kOneCard = 1;  // the spread list's row

// Counts the exit screen's showings, whichever exit screen the program creates.
class ExitScreenShowings : public QObject {
public:
    ExitScreenShowings() { qApp->installEventFilter(this); }
    ~ExitScreenShowings() override { qApp->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->inherits("frmNagScreen2")) ++count;
        return false;
    }
};

struct Road {
    const char* what;
    std::function<void(ShownWindows&)> take;
};

// Each of these unloads a window whose unload shows the exit screen, and then hides it again.
const Road kRoadsPastTheExitScreen[] = {
    {"\"Back\"", [](ShownWindows& t) { t.OpenSelection()->cmdBack->click(); }},
    {"\"Back\" from the File menu", [](ShownWindows& t) { t.OpenSelection()->mnuBack->trigger(); }},
    {"\"Manual\"", [](ShownWindows& t) { t.OpenSelection()->cmdManual->click(); }},
    {"\"&Manual\" from the File menu", [](ShownWindows& t) { t.OpenSelection()->mnuManual->trigger(); }},
    {"the manual window's \"Back\"", [](ShownWindows& t) { t.OpenManual(kOneCard)->cmdBack->click(); }},
    {"the manual window's \"&Start Again\"", [](ShownWindows& t) { t.OpenManual(kOneCard)->mnuStart->trigger(); }},
    {"the deal of the last pick", [](ShownWindows& t) { QTest::mouseClick(t.OpenManual(kOneCard)->p[0], Qt::LeftButton); }},
};

TEST_F(ShownWindows, TheExitScreenShownAndHiddenOnTheWayNeverReachesTheDisplay) {
    for (const Road& road : kRoadsPastTheExitScreen) {
        SCOPED_TRACE(road.what);
        QuitRecorder round;
        ExitScreenShowings showings;
        road.take(*this);
        Settle();
        EXPECT_EQ(showings.count, 0);
        EXPECT_FALSE(ExitScreenShown());
        if (frmNagScreen2* screen = platform::Peek<frmNagScreen2>()) {
            // Not even a window on the display was made for it.
            EXPECT_FALSE(screen->testAttribute(Qt::WA_WState_Created));
        }
        EXPECT_EQ(round.ends(), 0);
        UnloadAll();
    }
}

TEST_F(ShownWindows, AClosedWindowsExitScreenReachesTheDisplayOnceItsHandlerIsDone) {
    ExitScreenShowings showings;
    OpenQuerent()->close();
    Settle();
    frmNagScreen2* screen = platform::Peek<frmNagScreen2>();
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(showings.count, 1);
    // Nothing else of the program is on the screen, so it is nobody's child.
    EXPECT_EQ(screen->windowHandle()->transientParent(), nullptr);
}

TEST_F(ShownWindows, TheExitScreenStaysAboveTheQuerentWindowLeftBesideIt) {
    frmMDI* report = OpenReportBesideQuerent();
    frmFront* querent = platform::Peek<frmFront>();
    report->cmdExit->click();
    Settle();
    frmNagScreen2* screen = platform::Peek<frmNagScreen2>();
    ASSERT_TRUE(screen && screen->isVisible());
    ASSERT_TRUE(querent->isVisible());
    EXPECT_TRUE(screen->windowFlags() & Qt::WindowStaysOnTopHint);
    // Where no window may ask to be kept above (Wayland), a child stays above its parent.
    EXPECT_EQ(screen->windowHandle()->transientParent(), querent->windowHandle());

    // The querent window's "&Exit" leaves the exit screen alone on the screen. The screen lets go
    // of its parent first: Qt's Wayland plugin closes the children of a window that goes away.
    querent->cmdCancel->click();
    EXPECT_EQ(screen->windowHandle()->transientParent(), nullptr);
    Flush();
    EXPECT_TRUE(ExitScreenShown());
    EXPECT_EQ(quits.ends(), 0);
}

TEST_F(ShownWindows, KeysTypedRightAfterAMnemonicGoToTheWindowThatComes) {
    frmFront* querent = OpenQuerent();
    querent->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(querent));
    QTest::keyClicks(querent->txtName, QStringLiteral("abc"));

    QTest::keyClick(querent->txtName, Qt::Key_N, Qt::AltModifier);
    // At once, as a fast typist's next key would come: nothing has run in between.
    QTest::keyClick(querent->txtName, Qt::Key_Z);

    EXPECT_EQ(querent->txtName->text(), QStringLiteral("abc"));
    EXPECT_FALSE(querent->isVisible());
    frmTarot* selection = platform::Peek<frmTarot>();
    ASSERT_NE(selection, nullptr);
    EXPECT_TRUE(selection->isVisible());
}

TEST_F(ShownWindows, TabMovesOnOutOfTheReportBoxAndCtrlTabTypesATab) {
    frmMDI* report = OpenReport();
    QTextEdit* box = report->rtbDisp1View;
    ASSERT_FALSE(box->isReadOnly());
    report->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(report));
    box->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), box);
    const QString text = box->toPlainText();

    QTest::keyClick(box, Qt::Key_Tab);
    QWidget* next = QApplication::focusWidget();
    EXPECT_NE(next, box);
    EXPECT_EQ(next ? next->window() : nullptr, report);
    QTest::keyClick(next, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(box->toPlainText(), text);

    QTest::keyClick(box, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(box->toPlainText().count(QLatin1Char('\t')), text.count(QLatin1Char('\t')) + 1);
}

}  // namespace
