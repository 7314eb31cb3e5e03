// The program on the desktop: the id that names its desktop entry, and windows of a fixed size
// that a title bar's maximise button (Qt draws one on every window on Wayland) cannot fill the
// screen with.
#include "shell/everywindow.h"
#include "support/qtprinting.h"
#include "support/windowtest.h"

#include <QGuiApplication>
#include <QTest>
#include <QWindow>
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
