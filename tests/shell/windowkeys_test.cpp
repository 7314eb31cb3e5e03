// After every change of window the keyboard is with the window the user sees in front, and no
// key reaches a window that is not shown: not the exit screen shown and hidden again on the
// way from one window to another, whose "E&xit" would end the program on Space.
#include "manual/frmManual.h"
#include "shell/frmFront.h"
#include "shell/frmMDI.h"
#include "shell/frmNagScreen2.h"
#include "shell/frmOpen.h"
#include "shell/frmTarot.h"
#include "shell/modTellAFriend.h"
#include "shell/navigation.h"
#include "shell/startup.h"
#include "shell/windowroads.h"
#include "support/qtprinting.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <QWindow>
#include <functional>
#include <string>

namespace {

class WindowKeys : public WindowRoads {};

constexpr int kOneCard = 1;  // the spread list's row

// The class of the window that has the keyboard: Qt's focus window, and the window of the
// widget that takes typed keys.
std::string KeyboardWindow() {
    QWindow* focus = QGuiApplication::focusWindow();
    QWidget* widget = QApplication::focusWidget();
    if (!focus || !widget || widget->window()->windowHandle() != focus) return "(none)";
    return widget->window()->metaObject()->className();
}

struct ChangeCase {
    const char* what;
    std::function<void(WindowKeys&)> change;
    const char* front;  // the window in front afterwards
};

const ChangeCase kChanges[] = {
    {"\"Continue....\" on the splash",
     [](WindowKeys&) {
         StartApplication();
         frmOpen* splash = platform::Peek<frmOpen>();
         splash->Timer1_Timer();
         WindowKeys::Settle();
         splash->cmdContd.click();
     },
     "frmFront"},
    {"\"&Next\"", [](WindowKeys& t) { t.OpenQuerent()->cmdNext->click(); }, "frmTarot"},
    {"\"Back\"", [](WindowKeys& t) { t.OpenSelection()->cmdBack->click(); }, "frmFront"},
    {"\"Back\" from the File menu", [](WindowKeys& t) { t.OpenSelection()->mnuBack->trigger(); }, "frmFront"},
    {"\"Manual\"", [](WindowKeys& t) { t.OpenSelection()->cmdManual->click(); }, "frmManual"},
    {"\"&Manual\" from the File menu", [](WindowKeys& t) { t.OpenSelection()->mnuManual->trigger(); }, "frmManual"},
    {"\"AutoCast\"", [](WindowKeys& t) { t.OpenSelection()->cmdAuto->click(); }, "frmMDI"},
    {"the manual window's \"Back\"", [](WindowKeys& t) { t.OpenManual(kOneCard)->cmdBack->click(); }, "frmFront"},
    {"the manual window's \"&Start Again\"", [](WindowKeys& t) { t.OpenManual(kOneCard)->mnuStart->trigger(); }, "frmFront"},
    {"the deal", [](WindowKeys& t) { QTest::mouseClick(t.OpenManual(kOneCard)->p[0], Qt::LeftButton); }, "frmMDI"},
    {"\"Start Again\"", [](WindowKeys& t) { t.OpenReport()->cmdRestart->click(); }, "frmFront"},
    {"\"&Open Previous Record\"", [](WindowKeys& t) { t.OpenReportBesideQuerent(); }, "frmMDI"},
    {"the report window's \"Exit\"", [](WindowKeys& t) { t.OpenReport()->cmdExit->click(); }, "frmNagScreen2"},
    {"closing the querent window", [](WindowKeys& t) { t.OpenQuerent()->close(); }, "frmNagScreen2"},
};

TEST_F(WindowKeys, AfterEveryChangeOfWindowTheWindowInFrontHasTheKeyboard) {
    for (const ChangeCase& c : kChanges) {
        SCOPED_TRACE(c.what);
        QuitRecorder round;
        c.change(*this);
        Settle();
        EXPECT_EQ(KeyboardWindow(), c.front);
        EXPECT_EQ(round.ends(), 0);
        UnloadAll();
    }
}

TEST_F(WindowKeys, TheQuerentWindowTakesTheLettersTypedAfterBack) {
    frmTarot* selection = OpenSelection();
    platform::Peek<frmFront>()->txtName->setText(QStringLiteral("Ann"));
    selection->cmdBack->click();
    Settle();
    ASSERT_NE(QGuiApplication::focusWindow(), nullptr);
    QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_E);
    QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Space);
    Settle();

    EXPECT_EQ(platform::Peek<frmFront>()->txtName->text(), QStringLiteral("Anne "));
    EXPECT_EQ(quits.ends(), 0);
    EXPECT_FALSE(ExitScreenShown());
}

TEST_F(WindowKeys, AHiddenWindowTakesNoKeyClickOrClose) {
    OpenQuerent()->cmdCancel->click();  // the exit screen, with the focus on "E&xit"
    Settle();
    QPointer<frmNagScreen2> screen = platform::Peek<frmNagScreen2>();
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(QApplication::focusWidget(), &screen->cmdClose);
    HideExitScreen();

    // Keys, clicks and closes that the window system may still route to the hidden window
    // (a window manager that mapped it late shows its close box and its "E&xit").
    struct Key {
        const char* what;
        std::function<void(frmNagScreen2&)> press;
    };
    const Key keys[] = {
        {"Space to the window", [](frmNagScreen2& s) { QTest::keyClick(s.windowHandle(), Qt::Key_Space); }},
        {"Space to \"E&xit\"", [](frmNagScreen2& s) { QTest::keyClick(&s.cmdClose, Qt::Key_Space); }},
        {"Enter to \"E&xit\"", [](frmNagScreen2& s) { QTest::keyClick(&s.cmdClose, Qt::Key_Return); }},
        {"Alt+X to the window", [](frmNagScreen2& s) { QTest::keyClick(s.windowHandle(), Qt::Key_X, Qt::AltModifier); }},
        {"letters to \"Your Name\"", [](frmNagScreen2& s) { QTest::keyClicks(&s.txtName, QStringLiteral("abc")); }},
        {"a click on \"E&xit\"", [](frmNagScreen2& s) { QTest::mouseClick(&s.cmdClose, Qt::LeftButton); }},
        {"a double click on \"E&xit\"", [](frmNagScreen2& s) { QTest::mouseDClick(&s.cmdClose, Qt::LeftButton); }},
        {"the window manager's close", [](frmNagScreen2& s) { s.windowHandle()->close(); }},
    };
    for (const Key& key : keys) {
        SCOPED_TRACE(key.what);
        key.press(*screen);
        Settle();
        ASSERT_EQ(quits.ends(), 0);
        ASSERT_TRUE(screen);
    }
    EXPECT_EQ(screen->txtName.text(), kNamePlaceholder);
}

}  // namespace
