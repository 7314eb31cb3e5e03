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
    // "&Next" from the querent window.
    static frmTarot* OpenSelection() {
        ShowQuerentWindow();
        platform::Peek<frmFront>()->cmdNext->click();
        return platform::Peek<frmTarot>();
    }

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

TEST_F(WaitPanel, StaysThroughTheAutoCastPauseWhenTheWindowManagerAsksToClose) {
    QPointer<frmTarot> selection = OpenSelection();
    ASSERT_NE(selection, nullptr);
    selection->chkRev->setChecked(false);
    bool refused = false;
    pauses.setAtPause([&] {
        selection->windowHandle()->close();
        refused = platform::IsLoaded<frmTarot>() && selection->isVisible() && selection->picMessage->isVisible();
    });
    QTest::mouseClick(selection->cmdAuto, Qt::LeftButton);

    EXPECT_TRUE(refused);
    EXPECT_TRUE(platform::IsLoaded<frmMDI>());
    EXPECT_FALSE(ExitScreenShown());
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
