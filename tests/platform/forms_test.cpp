#include "platform/forms.h"
#include "support/qtprinting.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using namespace platform;

namespace {
std::vector<std::string> g_log;

class frmTiny : public QWidget, public Form {
public:
    QWidget* widget() override { return this; }
    void Form_Load() override {
        g_log.push_back("load");
        // A load may touch its own window again.
        EXPECT_EQ(Peek<frmTiny>(), this);
    }
    void Form_Unload(bool& cancel) override {
        g_log.push_back("unload");
        cancel = keepLoaded;
    }
    void closeEvent(QCloseEvent* e) override { handleCloseEvent(e); }
    bool keepLoaded = false;
    CommandButton button{"Go", this};
};

class frmOther : public QWidget, public Form {
public:
    QWidget* widget() override { return this; }
};

void Flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
}  // namespace

TEST(Forms, LoadOnceOnFirstUseAndPeekNeverLoads) {
    g_log.clear();
    EXPECT_EQ(Peek<frmTiny>(), nullptr);
    EXPECT_FALSE(IsLoaded<frmTiny>());
    frmTiny* a = Get<frmTiny>();
    frmTiny* b = Get<frmTiny>();
    EXPECT_EQ(a, b);
    EXPECT_EQ(g_log, (std::vector<std::string>{"load"}));
    Unload<frmTiny>();
    Flush();
}

TEST(Forms, UnloadFromItsOwnHandlerAndAFreshInstanceAfterwards) {
    g_log.clear();
    frmTiny* first = Get<frmTiny>();
    QObject::connect(&first->button, &CommandButton::Click, [] { Unload<frmTiny>(); });
    first->button.click();  // the handler unloads its own window
    EXPECT_FALSE(IsLoaded<frmTiny>());
    Flush();
    frmTiny* second = Get<frmTiny>();
    EXPECT_TRUE(IsLoaded<frmTiny>());
    EXPECT_EQ(g_log, (std::vector<std::string>{"load", "unload", "load"}));
    Unload<frmTiny>();
    (void)second;
    Flush();
}

TEST(Forms, LoadOrderIsKeptAndCancelKeepsTheWindow) {
    frmOther* other = Get<frmOther>();
    frmTiny* tiny = Get<frmTiny>();
    auto loaded = LoadedForms();
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0], static_cast<Form*>(other));
    EXPECT_EQ(loaded[1], static_cast<Form*>(tiny));

    tiny->keepLoaded = true;
    EXPECT_FALSE(Unload<frmTiny>());
    EXPECT_TRUE(IsLoaded<frmTiny>());
    tiny->keepLoaded = false;
    tiny->close();  // the close box unloads as Unload does
    EXPECT_FALSE(IsLoaded<frmTiny>());
    Unload<frmOther>();
    Flush();
    EXPECT_TRUE(LoadedForms().empty());
}

TEST(Forms, ButtonValueIsTrueOnlyWhileItsHandlerRuns) {
    CommandButton button("Start Again");
    std::vector<bool> seen;
    QObject::connect(&button, &CommandButton::Click, [&] { seen.push_back(button.Value()); });
    button.click();
    button.setValue(true);
    EXPECT_EQ(seen, (std::vector<bool>{true, true}));
    EXPECT_FALSE(button.Value());
}

TEST(Forms, EnterAndSpacePressAFocusedButtonOtherKeysDoNot) {
    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int presses;
    } keys[] = {
        {"Return", Qt::Key_Return, Qt::NoModifier, 1},
        {"Enter of the number pad", Qt::Key_Enter, Qt::KeypadModifier, 1},
        {"Space", Qt::Key_Space, Qt::NoModifier, 1},
        {"A letter", Qt::Key_A, Qt::NoModifier, 0},
        {"Escape", Qt::Key_Escape, Qt::NoModifier, 0},
        {"Ctrl+Return", Qt::Key_Return, Qt::ControlModifier, 0},
    };
    QWidget window;
    CommandButton button("Next", &window);
    window.show();
    button.setFocus();
    int presses = 0;
    bool valueWhilePressed = false;
    QObject::connect(&button, &CommandButton::Click, [&] {
        ++presses;
        valueWhilePressed = button.Value();
    });
    for (const auto& k : keys) {
        presses = 0;
        QTest::keyClick(&button, k.key, k.modifiers);
        EXPECT_EQ(presses, k.presses) << k.name;
        if (k.presses > 0) EXPECT_TRUE(valueWhilePressed) << k.name;
    }
}

// A key held down on a focused button, as the window system sends it: the press, then
// auto-repeated releases and presses, then the release. The button is pressed once.
TEST(Forms, AHeldEnterOrSpacePressesAFocusedButtonOnce) {
    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* text;
    } keys[] = {
        {"Return", Qt::Key_Return, Qt::NoModifier, "\r"},
        {"Enter of the number pad", Qt::Key_Enter, Qt::KeypadModifier, "\r"},
        {"Space", Qt::Key_Space, Qt::NoModifier, " "},
    };
    QWidget window;
    CommandButton button("Next", &window);
    window.show();
    button.setFocus();
    int presses = 0;
    QObject::connect(&button, &CommandButton::Click, [&] { ++presses; });
    const auto send = [&](QEvent::Type type, const auto& k, bool autoRepeat) {
        QKeyEvent event(type, k.key, k.modifiers, QString::fromLatin1(k.text), autoRepeat);
        QCoreApplication::sendEvent(&button, &event);
    };
    for (const auto& k : keys) {
        presses = 0;
        send(QEvent::KeyPress, k, false);
        for (int repeat = 0; repeat < 5; ++repeat) {
            send(QEvent::KeyRelease, k, true);
            send(QEvent::KeyPress, k, true);
        }
        send(QEvent::KeyRelease, k, false);
        EXPECT_EQ(presses, 1) << k.name;
    }
}

// Alt+G where "&Go" and "&Give" share the letter: each stroke moves the focus to the next of
// the two, and neither is pressed. A letter only one button has presses it at once.
TEST(Forms, AMnemonicTwoButtonsShareOnlyMovesTheFocus) {
    QWidget window;
    CommandButton go("&Go", &window);
    CommandButton give("&Give", &window);
    CommandButton back("&Back", &window);
    give.move(0, 40);
    back.move(0, 80);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    back.setFocus();
    int presses = 0;
    for (CommandButton* button : {&go, &give, &back}) {
        QObject::connect(button, &CommandButton::Click, [&presses] { ++presses; });
    }

    QTest::keyClick(&window, Qt::Key_G, Qt::AltModifier);
    QWidget* first = QApplication::focusWidget();
    EXPECT_TRUE(first == &go || first == &give) << "the focus is on " << testing::PrintToString(first);
    QTest::keyClick(&window, Qt::Key_G, Qt::AltModifier);
    QWidget* second = QApplication::focusWidget();
    EXPECT_TRUE((second == &go || second == &give) && second != first)
        << "the focus is on " << testing::PrintToString(second);
    EXPECT_EQ(presses, 0);

    QTest::keyClick(&window, Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(presses, 1);
}
