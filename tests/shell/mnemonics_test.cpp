// Alt with a button's underlined letter presses the button, in every window that has such
// buttons, as on the desktop the program came from.
#include "shell/frmFront.h"
#include "shell/frmMDI.h"
#include "shell/frmNagScreen2.h"
#include "shell/navigation.h"
#include "support/windowtest.h"

#include <QTest>
#include <functional>

namespace {

class Mnemonics : public WindowTest {};

struct MnemonicCase {
    const char* caption;
    Qt::Key key;
    std::function<QWidget*()> show;                         // shows the window, returns it
    std::function<platform::CommandButton*()> button;      // the button the key belongs to
};

TEST_F(Mnemonics, AltWithTheUnderlinedLetterPressesTheButton) {
    const auto querent = [] {
        ShowQuerentWindow();
        return static_cast<QWidget*>(platform::Peek<frmFront>());
    };
    const auto report = [] {
        ShowReportWindow();
        return static_cast<QWidget*>(platform::Peek<frmMDI>());
    };
    const auto exitScreen = [] {
        return static_cast<QWidget*>(ShownExitScreen());
    };
    const MnemonicCase cases[] = {
        {"&Exit", Qt::Key_E, querent, [] { return platform::Peek<frmFront>()->cmdCancel; }},
        {"&Reset", Qt::Key_R, querent, [] { return platform::Peek<frmFront>()->cmdReset; }},
        {"&Next", Qt::Key_N, querent, [] { return platform::Peek<frmFront>()->cmdNext; }},
        {"&Open Previous Record", Qt::Key_O, querent, [] { return platform::Peek<frmFront>()->cmdOpen; }},
        {"&Save", Qt::Key_S, report, [] { return platform::Peek<frmMDI>()->cmdSave; }},
        {"&Print", Qt::Key_P, report, [] { return platform::Peek<frmMDI>()->cmdPrint; }},
        {"E&xit", Qt::Key_X, exitScreen, [] { return &platform::Peek<frmNagScreen2>()->cmdClose; }},
        {"Refer A Friend &Now", Qt::Key_N, exitScreen, [] { return &platform::Peek<frmNagScreen2>()->cmdSubmit; }},
    };
    for (const MnemonicCase& c : cases) {
        SCOPED_TRACE(c.caption);
        QuitRecorder round;  // "E&xit" quits; the next case starts afresh
        QWidget* window = c.show();
        ASSERT_NE(window, nullptr);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        platform::CommandButton* button = c.button();
        ASSERT_EQ(button->text(), QString::fromLatin1(c.caption));
        int presses = 0;
        QObject::connect(button, &platform::CommandButton::Click, [&presses] { ++presses; });

        QTest::keyClick(window, c.key, Qt::AltModifier);
        // At once: a key typed right after the mnemonic must not reach a window about to go.
        EXPECT_EQ(presses, 1) << "not pressed at once";
        EXPECT_TRUE(QTest::qWaitFor([&presses] { return presses > 0; }, 2000));
        EXPECT_EQ(presses, 1);
        UnloadAll();
    }
}

}  // namespace
