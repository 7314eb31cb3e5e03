// Closing each top-level window from outside, as the window manager does (Alt+F4, the title
// bar's close box, a task bar's "Close"), or in code: what follows, and that the program never
// lives on without a window on the screen.
#include "casting/frmAuto.h"
#include "manual/frmManual.h"
#include "platform/application.h"
#include "shell/frmAbout.h"
#include "shell/frmFront.h"
#include "shell/frmMDI.h"
#include "shell/frmNagScreen2.h"
#include "shell/frmOpen.h"
#include "shell/frmTarot.h"
#include "shell/navigation.h"
#include "shell/startup.h"

#include "manual/duringdeal.h"
#include "shell/windowroads.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

enum class CloseBy {
    WindowManager,  // the close request of the window system, delivered to the native window
    Widget,         // QWidget::close()
    PostedEvent,    // a QCloseEvent posted to the window
};

const char* Name(CloseBy how) {
    switch (how) {
        case CloseBy::WindowManager: return "ByTheWindowManager";
        case CloseBy::Widget: return "ByQWidgetClose";
        case CloseBy::PostedEvent: return "ByAPostedCloseEvent";
    }
    return "";
}
void PrintTo(CloseBy how, std::ostream* os) { *os << Name(how); }

void Close(QWidget* window, CloseBy how) {
    switch (how) {
        case CloseBy::WindowManager:
            ASSERT_NE(window->windowHandle(), nullptr);
            window->windowHandle()->close();
            break;
        case CloseBy::Widget: window->close(); break;
        case CloseBy::PostedEvent:
            QCoreApplication::postEvent(window, new QCloseEvent);
            QCoreApplication::sendPostedEvents(window, QEvent::Close);
            break;
    }
}

class WindowClose;

struct CloseCase {
    const char* name;
    // Brings the program to the state and closes the window there.
    std::function<void(WindowClose&, CloseBy)> run;
    std::vector<std::string> visibleAfter;  // the windows on the screen afterwards, sorted
    bool quits;  // the program ended (then with nothing on the screen)
};

void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }

class WindowClose : public WindowRoads, public ::testing::WithParamInterface<std::tuple<CloseCase, CloseBy>> {
public:
    // "Manual" on a Three Cards spread, one back picked.
    frmManual* OpenManual() {
        frmManual* manual = WindowRoads::OpenManual(3);
        if (manual) QTest::mouseClick(manual->p[0], Qt::LeftButton);
        return manual;
    }

    // Opens the About box with the entry and closes it while it waits modally.
    void CloseAboutOpenedBy(QAction* entry, CloseBy how) {
        ASSERT_NE(entry, nullptr);
        bool stayed = false;
        QTimer::singleShot(0, [&] {
            frmAbout* about = platform::Peek<frmAbout>();
            if (!about) return;
            Close(about, how);
            stayed = platform::IsLoaded<frmAbout>();
            if (stayed) platform::Unload<frmAbout>();  // never leave the test waiting
        });
        entry->trigger();
        EXPECT_FALSE(stayed) << "the About box stayed open";
    }
};

const std::string kExitScreen = "frmNagScreen2";

const CloseCase kCases[] = {
    {"SplashBeforeContinueShows", [](WindowClose& t, CloseBy how) { Close(t.OpenSplash(), how); }, {}, true},
    {"SplashWithContinueShown",
     [](WindowClose& t, CloseBy how) {
         frmOpen* splash = t.OpenSplash();
         splash->Timer1_Timer();
         Close(splash, how);
     },
     {},
     true},
    {"Querent", [](WindowClose& t, CloseBy how) { Close(t.OpenQuerent(), how); }, {kExitScreen}, false},
    {"SelectionWithTheQuerentHidden", [](WindowClose& t, CloseBy how) { Close(t.OpenSelection(), how); }, {kExitScreen},
     false},
    {"ManualWhilePicking", [](WindowClose& t, CloseBy how) { Close(t.OpenManual(), how); }, {kExitScreen}, false},
    {"ManualWhileDealingIsRefused",
     [](WindowClose& t, CloseBy how) {
         frmManual* manual = t.OpenManual();
         QTest::mouseClick(manual->p[1], Qt::LeftButton);
         bool refused = false;
         DuringDeal close(manual, [&] {
             Close(manual, how);
             refused = platform::Peek<frmManual>() == manual && manual->isVisible();
         });
         QTest::mouseClick(manual->p[2], Qt::LeftButton);  // the last pick deals
         EXPECT_TRUE(close.fired);
         EXPECT_TRUE(refused);
     },
     {"frmMDI"},
     false},
    {"ReportWithTheQuerentHidden", [](WindowClose& t, CloseBy how) { Close(t.OpenReport(), how); }, {kExitScreen}, false},
    {"ReportBesideTheQuerent", [](WindowClose& t, CloseBy how) { Close(t.OpenReportBesideQuerent(), how); },
     {"frmFront", kExitScreen},
     false},
    {"AboutFromTheQuerent", [](WindowClose& t, CloseBy how) { t.CloseAboutOpenedBy(t.OpenQuerent()->mnuAbout, how); },
     {"frmFront"},
     false},
    {"AboutFromTheSelection",
     [](WindowClose& t, CloseBy how) { t.CloseAboutOpenedBy(t.OpenSelection()->mnuAbout, how); },
     {"frmTarot"},
     false},
    {"AboutFromTheManual", [](WindowClose& t, CloseBy how) { t.CloseAboutOpenedBy(t.OpenManual()->mnuAbout, how); },
     {"frmManual"},
     false},
    {"AboutFromTheCardTable",
     [](WindowClose& t, CloseBy how) {
         t.OpenReport();
         t.CloseAboutOpenedBy(platform::Peek<frmAuto>()->mnuAbout, how);
     },
     {"frmMDI"},
     false},
    {"ExitScreen",
     [](WindowClose& t, CloseBy how) {
         t.OpenQuerent()->cmdCancel->click();
         ASSERT_TRUE(ExitScreenShown());
         // The user closes it once it is on the screen.
         WindowTest::ReturnToEventLoop();
         Close(platform::Peek<frmNagScreen2>(), how);
     },
     {},
     true},
};

TEST_P(WindowClose, EndsInItsNavigationOrQuitsAndNeverLeavesTheProgramWithoutAWindow) {
    const auto& [c, how] = GetParam();
    c.run(*this, how);
    Flush();

    EXPECT_EQ(VisibleWindows(), c.visibleAfter);
    EXPECT_EQ(quits.ends(), c.quits ? 1 : 0);
    EXPECT_TRUE(quits.ends() > 0 || !VisibleWindows().empty());
    if (c.quits) {
        EXPECT_TRUE(platform::LoadedForms().empty());
        // The program's lock is given up: a new start is not refused.
        platform::SingleInstanceLock next(platform::ExecutableName(), temp.path());
        EXPECT_TRUE(next.acquired());
    }
    EXPECT_TRUE(messages.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowClose,
                         ::testing::Combine(::testing::ValuesIn(kCases),
                                            ::testing::Values(CloseBy::WindowManager, CloseBy::Widget,
                                                              CloseBy::PostedEvent)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" + Name(std::get<1>(info.param));
                         });

}  // namespace
