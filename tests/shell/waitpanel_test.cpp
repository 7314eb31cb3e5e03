// The "Please Wait ..." panels are on the screen, not only shown in the widget tree, when the
// thread blocks for the pause before a reading.
#include "manual/frmManual.h"
#include "shell/frmFront.h"
#include "shell/frmMDI.h"
#include "shell/frmTarot.h"
#include "shell/navigation.h"
#include "support/windowtest.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

namespace {

// The panel's red, as the screen shows it.
const std::string kPanelRed = QColor(255, 0, 0).name().toStdString();

// The colour the screen shows at the point of the widget, read back from the display.
std::string OnScreen(QWidget* widget, QPoint at) {
    QWidget* window = widget->window();
    const QPoint p = widget->mapTo(window, at);
    return window->screen()->grabWindow(window->winId(), p.x(), p.y(), 1, 1).toImage().pixelColor(0, 0).name().toStdString();
}

class WaitPanel : public WindowTest {
protected:
    // What the screen shows at the panel's edge (the panel is red around its white labels)
    // when each pause starts.
    void LookAtPauses(QWidget* panel) {
        pauses.setAtPause([this, panel] { seen.push_back(OnScreen(panel, QPoint(2, 2))); });
    }

    std::vector<std::string> seen;
};

TEST_F(WaitPanel, IsOnTheScreenWhenAutoCastPausesByButtonAndByMenu) {
    const struct {
        const char* way;
        std::function<void(frmTarot*)> start;
    } ways[] = {
        {"button", [](frmTarot* w) { QTest::mouseClick(w->cmdAuto, Qt::LeftButton); }},
        {"menu", [](frmTarot* w) { w->mnuCast->trigger(); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        seen.clear();
        frmTarot* selection = OpenSelection();
        ASSERT_NE(selection, nullptr);
        selection->chkRev->setChecked(false);
        LookAtPauses(selection->picMessage);
        way.start(selection);
        EXPECT_EQ(seen, std::vector<std::string>{kPanelRed});
        PressReportRestart();
        Flush();
    }
}

// The window manager's close of the selection window is refused from the moment "AutoCast" is
// pressed: while the panel is put on the screen (events run then, e.g. a timer that fired just
// before) and during the pause. The cast goes on to the report window.
TEST_F(WaitPanel, StaysThroughTheAutoCastPauseWhenTheWindowManagerAsksToClose) {
    enum class When { WhileThePanelIsPutOnTheScreen, AtThePause };
    const struct {
        const char* what;
        When when;
    } cases[] = {
        {"while the panel is put on the screen", When::WhileThePanelIsPutOnTheScreen},
        {"at the pause", When::AtThePause},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QuitRecorder round;
        QPointer<frmTarot> selection = OpenSelection();
        ASSERT_NE(selection, nullptr);
        selection->chkRev->setChecked(false);
        const auto closeByWindowManager = [selection] {
            if (selection) selection->windowHandle()->close();
        };
        bool shownAtPause = false;
        pauses.setAtPause([&] {
            if (c.when == When::AtThePause) closeByWindowManager();
            shownAtPause = platform::IsLoaded<frmTarot>() && selection && selection->isVisible() &&
                           selection->picMessage->isVisible();
        });
        // The close comes with the first events that run after the press.
        if (c.when == When::WhileThePanelIsPutOnTheScreen) QTimer::singleShot(0, selection, closeByWindowManager);
        QTest::mouseClick(selection->cmdAuto, Qt::LeftButton);

        EXPECT_TRUE(shownAtPause) << "the selection window and its panel were not on the screen at the pause";
        EXPECT_TRUE(QTest::qWaitFor([] {
            const frmMDI* report = platform::Peek<frmMDI>();
            return report && report->isVisible();
        })) << "no report window";
        EXPECT_FALSE(ExitScreenShown());
        EXPECT_EQ(round.ends(), 0);
        UnloadAll();
    }
}

TEST_F(WaitPanel, IsOnTheScreenWhenTheManualDealPauses) {
    frmTarot* selection = OpenSelection();
    ASSERT_NE(selection, nullptr);
    selection->lstOption->setCurrentRow(2);  // Two Cards
    selection->cmdManual->click();
    frmManual* manual = platform::Peek<frmManual>();
    ASSERT_NE(manual, nullptr);
    LookAtPauses(manual->picMessage);
    QTest::mouseClick(manual->p[0], Qt::LeftButton);
    EXPECT_TRUE(seen.empty());
    QTest::mouseClick(manual->p[1], Qt::LeftButton);  // the last pick
    EXPECT_EQ(seen, std::vector<std::string>{kPanelRed});
}

}  // namespace
