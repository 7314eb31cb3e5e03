// The program on the desktop: the id that names its desktop entry, windows of a fixed size
// that a title bar's maximise button (Qt draws one on every window on Wayland) cannot fill the
// screen with, and the report window, maximised, coming back so from its title bar's minimise.
#include "shell/everywindow.h"
#include "support/qtprinting.h"
#include "support/windowtest.h"

#include <QGuiApplication>
#include <QTest>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>
#include <set>
#include <string>

namespace {

class Desktop : public WindowTest {
protected:
    Desktop() { SetUpApplication(); }
};

// The windows that have a maximise button; every other one has a fixed size.
const std::set<std::string> kMaximisable = {"ReportWithTheCardTableOfEveryCardNumber"};

class MaximiseButton : public Desktop, public ::testing::WithParamInterface<WindowCase> {};

// Lets the window system's events and what they queued run, a few rounds.
void Settle() {
    for (int round = 0; round < 5; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// How the report window goes away and comes back, as the window system reports it.
struct MinimiseCase {
    const char* name;
    bool unmaximiseFirst;  // the title bar's restore button pressed before the minimise
    // After the title bar's minimise (which asks for the minimised state alone): what the window
    // system reports the window's state to be, first at once and then when it comes back.
    Qt::WindowStates reportedAtMinimise;
    Qt::WindowStates reportedOnReturn;
    bool maximisedAfter;
};
void PrintTo(const MinimiseCase& c, std::ostream* os) { *os << c.name; }

const MinimiseCase kMinimiseCases[] = {
    // Qt's Wayland plugin: the window at once reported normal (and asked of the compositor to be
    // unmaximised); GNOME's compositor brings it back at its normal size.
    {"MaximisedOnWaylandComesBackMaximised", false, Qt::WindowNoState, Qt::WindowNoState, true},
    // X11: the window manager keeps the window maximised while it is minimised.
    {"MaximisedOnX11ComesBackMaximised", false, Qt::WindowMinimized, Qt::WindowMaximized, true},
    {"UnmaximisedOnWaylandComesBackAtItsSize", true, Qt::WindowNoState, Qt::WindowNoState, false},
    {"UnmaximisedOnX11ComesBackAtItsSize", true, Qt::WindowMinimized, Qt::WindowNoState, false},
};

// A window's place as a failure shows it.
std::string Place(const QRect& r) {
    return std::to_string(r.width()) + "x" + std::to_string(r.height()) + " at " + std::to_string(r.x()) + "," +
           std::to_string(r.y());
}

class MinimiseButton : public Desktop, public ::testing::WithParamInterface<MinimiseCase> {};

}  // namespace

TEST_F(Desktop, TheApplicationNamesItsDesktopEntryAndEndsOnlyWhenItQuits) {
    EXPECT_EQ(QGuiApplication::desktopFileName(), "example.corvantelle.VezorAdarizuDudiruvo");
    EXPECT_FALSE(QGuiApplication::quitOnLastWindowClosed());
}

TEST_P(MaximiseButton, PutsOnlyAWindowWithAMaximiseButtonInTheMaximisedState) {
    QWidget* window = OpenFresh(GetParam());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    const bool maximisable = kMaximisable.count(GetParam().name) > 0;
    if (maximisable) {
        window->showNormal();
        Settle();
    }
    const QRect before = window->geometry();
    ASSERT_FALSE(window->windowState() & Qt::WindowMaximized);

    // What the title bar's button does, and what the window system makes of it.
    window->windowHandle()->setWindowStates(Qt::WindowMaximized);
    if (maximisable) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return window->isMaximized(); }, 10000));
        Settle();
        EXPECT_TRUE(window->isMaximized());
        return;
    }
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return !(window->windowHandle()->windowStates() & Qt::WindowMaximized) &&
                   !(window->windowState() & Qt::WindowMaximized) && window->geometry() == before;
        },
        10000))
        << "state " << window->windowState().toInt() << ", geometry " << window->geometry().width() << "x"
        << window->geometry().height() << " at " << window->x() << "," << window->y() << " instead of "
        << before.width() << "x" << before.height() << " at " << before.x() << "," << before.y();
}

INSTANTIATE_TEST_SUITE_P(Windows, MaximiseButton, ::testing::ValuesIn(EveryWindow()), WindowCaseName);

TEST_P(MinimiseButton, BringsTheReportWindowBackAsItWas) {
    const MinimiseCase& c = GetParam();
    ShowQuerentWindow();
    ShowReportWindow();
    frmMDI* report = platform::Peek<frmMDI>();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(report));
    Settle();
    ASSERT_TRUE(report->isMaximized());
    const QRect maximised = report->geometry();
    QWindow* handle = report->windowHandle();
    if (c.unmaximiseFirst) {
        handle->setWindowStates(handle->windowStates() & ~Qt::WindowMaximized);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !report->isMaximized(); }, 10000));
        Settle();
    }
    const QRect normal = c.unmaximiseFirst ? report->geometry() : QRect(maximised.topLeft(), QSize(1024, 700));
    const Qt::WindowStates shown = c.unmaximiseFirst ? Qt::WindowNoState : Qt::WindowMaximized;

    // The title bar's minimise button, as Qt's own title bars press it.
    handle->setWindowState(Qt::WindowMinimized);
    QWindowSystemInterface::handleWindowStateChanged(handle, c.reportedAtMinimise, shown);
    QWindowSystemInterface::handleWindowActivated(nullptr);
    Settle();
    // Brought back by the user at the size the window system gives it, and given the keyboard.
    if (!(c.reportedOnReturn & Qt::WindowMaximized)) QWindowSystemInterface::handleGeometryChange(handle, normal);
    QWindowSystemInterface::handleWindowStateChanged(handle, c.reportedOnReturn, c.reportedAtMinimise);
    QWindowSystemInterface::handleWindowActivated(handle);
    Settle();

    EXPECT_EQ(report->isMaximized(), c.maximisedAfter) << "state " << report->windowState().toInt();
    EXPECT_FALSE(report->isMinimized());
    EXPECT_EQ(Place(report->geometry()), Place(c.maximisedAfter ? maximised : normal));
}

INSTANTIATE_TEST_SUITE_P(Report, MinimiseButton, ::testing::ValuesIn(kMinimiseCases),
                         [](const ::testing::TestParamInfo<MinimiseCase>& info) { return std::string(info.param.name); });
