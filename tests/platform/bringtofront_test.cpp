// Windows ask for the keyboard through BringToFront. Of the windows brought to the front in one
// handler, the last one still shown gets it once the handler has returned to the event loop; a
// window brought forward and hidden again on the way never has it, not even for a moment.
#include "platform/stacking.h"
#include "support/qtprinting.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {

struct Step {
    enum { Front, Hide } what;
    char window;
};

struct HandlerCase {
    const char* name;
    std::vector<Step> steps;
    char keyboard;  // the window that has the keyboard afterwards
};
void PrintTo(const HandlerCase& c, std::ostream* os) { *os << c.name; }

const HandlerCase kHandlers[] = {
    {"AThenB", {{Step::Front, 'A'}, {Step::Front, 'B'}}, 'B'},
    {"BThenA", {{Step::Front, 'B'}, {Step::Front, 'A'}}, 'A'},
    {"AThenBThenBHidden", {{Step::Front, 'A'}, {Step::Front, 'B'}, {Step::Hide, 'B'}}, 'A'},
};

class BringToFront : public ::testing::TestWithParam<HandlerCase> {};

}  // namespace

TEST_P(BringToFront, TheLastWindowStillShownGetsTheKeyboardOnceTheHandlerReturns) {
    const HandlerCase& c = GetParam();
    // Three windows on the screen, the keyboard with Z.
    std::map<char, QWidget> windows;
    for (const char name : {'A', 'B', 'Z'}) {
        QWidget& window = windows[name];
        window.setWindowTitle(QString(QLatin1Char(name)));
        window.resize(200, 100);
        window.show();
    }
    windows['Z'].activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&windows['Z']));

    // Every change of the window that has the keyboard, from the handler on.
    std::vector<std::string> keyboard;
    const QMetaObject::Connection recording =
        QObject::connect(qApp, &QGuiApplication::focusWindowChanged, [&keyboard](QWindow* window) {
            keyboard.push_back(window ? window->title().toStdString() : "(none)");
        });
    bool handled = false;
    QTimer::singleShot(0, [&] {
        for (const Step& step : c.steps) {
            QWidget& window = windows[step.window];
            if (step.what == Step::Front) {
                platform::BringToFront(&window);
            } else {
                window.hide();
            }
        }
        handled = true;
    });
    const std::string want(1, c.keyboard);
    const bool handedOver = QTest::qWaitFor(
        [&] { return handled && QGuiApplication::focusWindow() == windows[c.keyboard].windowHandle(); }, 10000);
    QTest::qWait(50);  // whatever else the hand-over would still do
    QObject::disconnect(recording);

    EXPECT_TRUE(handedOver) << "window " << want << " did not get the keyboard";
    EXPECT_EQ(keyboard, std::vector<std::string>{want});
}

INSTANTIATE_TEST_SUITE_P(Handlers, BringToFront, ::testing::ValuesIn(kHandlers),
                         [](const auto& info) { return std::string(info.param.name); });
