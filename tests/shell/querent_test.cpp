// The querent window: its lists, the name and country filter, "&Next", "&Reset", menus and closing.
#include "catalogue/report.h"
#include "shell/frmFront.h"
#include "shell/frmTarot.h"
#include "shell/navigation.h"
#include "shell/startup.h"
#include "support/windowtest.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>

namespace {

class QuerentWindow : public WindowTest {
protected:
    void SetUp() override {
        Querent() = QuerentDetails{};
        ShowQuerentWindow();
        front = platform::Peek<frmFront>();
        ASSERT_NE(front, nullptr);
    }

    // Sends one key press and release as typing it would.
    static void Type(QWidget* box, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(box, &press);
        QApplication::sendEvent(box, &release);
    }

    static QAction* MenuEntry(QMainWindow* window, const QString& menu, const QString& entry) {
        for (QAction* top : window->menuBar()->actions()) {
            if (top->text() != menu) continue;
            if (!top->menu()) return entry.isEmpty() ? top : nullptr;
            for (QAction* a : top->menu()->actions()) {
                if (a->text() == entry) return a;
            }
        }
        return nullptr;
    }

    QuitRecorder quits;
    frmFront* front = nullptr;
};

struct Key {
    const char* what;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;  // Latin-1
};

const Key kRefused[] = {
    {"digit", Qt::Key_7, Qt::NoModifier, "7"},
    {"keypad digit", Qt::Key_1, Qt::KeypadModifier, "1"},
    {"full stop", Qt::Key_Period, Qt::NoModifier, "."},
    {"hyphen", Qt::Key_Minus, Qt::NoModifier, "-"},
    {"apostrophe", Qt::Key_Apostrophe, Qt::NoModifier, "'"},
    {"at sign", Qt::Key_At, Qt::ShiftModifier, "@"},
    {"e acute", Qt::Key_Eacute, Qt::NoModifier, "\xE9"},
    {"u umlaut", Qt::Key_Udiaeresis, Qt::NoModifier, "\xFC"},
    {"sharp s", Qt::Key_ssharp, Qt::NoModifier, "\xDF"},
    {"Enter", Qt::Key_Return, Qt::NoModifier, "\r"},
    {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, "\r"},
    {"Escape", Qt::Key_Escape, Qt::NoModifier, "\x1B"},
    {"copy", Qt::Key_C, Qt::ControlModifier, "\x03"},
    {"paste", Qt::Key_V, Qt::ControlModifier, "\x16"},
    {"cut", Qt::Key_X, Qt::ControlModifier, "\x18"},
    {"paste without a control code", Qt::Key_V, Qt::ControlModifier, "v"},
    {"undo", Qt::Key_Z, Qt::ControlModifier, "\x1A"},
};

const Key kAccepted[] = {
    {"capital letter", Qt::Key_A, Qt::ShiftModifier, "A"},
    {"small letter", Qt::Key_Z, Qt::NoModifier, "z"},
    {"blank", Qt::Key_Space, Qt::NoModifier, " "},
};

}  // namespace

TEST_F(QuerentWindow, StartsWithEmptyBoxesAndTheDateFirstOfJanuary1980) {
    EXPECT_TRUE(front->isVisible());
    EXPECT_EQ(front->windowTitle(), QStringLiteral("CV Vezor Adarizu Dudiruvo v1.55"));
    EXPECT_EQ(front->centralWidget()->size(), QSize(395, 355));
    EXPECT_TRUE(front->txtName->text().isEmpty());
    EXPECT_TRUE(front->txtCountry->text().isEmpty());
    EXPECT_TRUE(front->txtQuestion->toPlainText().isEmpty());
    EXPECT_EQ(front->cmbDate->currentText(), QStringLiteral("1"));
    EXPECT_EQ(front->cmbMonth->currentText(), QStringLiteral("January"));
    EXPECT_EQ(front->cmbYear->currentText(), QStringLiteral("1980"));

    ASSERT_EQ(front->cmbDate->count(), 31);
    EXPECT_EQ(front->cmbDate->itemText(30), QStringLiteral("31"));
    ASSERT_EQ(front->cmbMonth->count(), 12);
    EXPECT_EQ(front->cmbMonth->itemText(11), QStringLiteral("December"));
    ASSERT_EQ(front->cmbYear->count(), 151);
    EXPECT_EQ(front->cmbYear->itemText(0), QStringLiteral("1900"));
    EXPECT_EQ(front->cmbYear->itemText(150), QStringLiteral("2050"));
    EXPECT_FALSE(front->cmbDate->isEditable());
}

TEST_F(QuerentWindow, NextWithoutTypingPassesEmptyDetailsAndTheDefaultBirthDate) {
    front->cmdNext->click();
    const QuerentDetails& q = Querent();
    EXPECT_TRUE(q.strName.isEmpty());
    EXPECT_TRUE(q.strCountry.isEmpty());
    EXPECT_TRUE(q.strQ.isEmpty());
    EXPECT_EQ(q.strDOB, QStringLiteral("January 1, 1980"));
    EXPECT_FALSE(front->isVisible());
    ASSERT_TRUE(platform::IsLoaded<frmTarot>());
    EXPECT_TRUE(platform::Peek<frmTarot>()->isVisible());
}

TEST_F(QuerentWindow, NextPassesWhatWasEntered) {
    front->txtName->setText(QStringLiteral("Mira Holt"));
    front->txtCountry->setText(QStringLiteral("Iceland"));
    front->txtQuestion->setPlainText(QStringLiteral("Will the move go well?\nAnd when?"));
    front->cmbDate->setCurrentIndex(30);
    front->cmbMonth->setCurrentIndex(11);
    front->cmbYear->setCurrentIndex(150);
    QAction* next = MenuEntry(front, QStringLiteral("File"), QStringLiteral("N&ext"));
    ASSERT_NE(next, nullptr);
    next->trigger();  // the menu entry does what the button does
    const QuerentDetails& q = Querent();
    EXPECT_EQ(q.strName, QStringLiteral("Mira Holt"));
    EXPECT_EQ(q.strCountry, QStringLiteral("Iceland"));
    EXPECT_EQ(q.strQ, QStringLiteral("Will the move go well?\nAnd when?"));
    EXPECT_EQ(q.strDate, QStringLiteral("31"));
    EXPECT_EQ(q.strMonth, QStringLiteral("December"));
    EXPECT_EQ(q.strYear, QStringLiteral("2050"));
    EXPECT_EQ(q.strDOB, QStringLiteral("December 31, 2050"));
    EXPECT_TRUE(platform::IsLoaded<frmTarot>());
}

TEST_F(QuerentWindow, NameAndCountryRefuseEverythingButLettersBlankAndBackspace) {
    const struct {
        QLineEdit* box;
        const char* message;
    } boxes[] = {
        {front->txtName, "Name cannot contain Numbers and Special Characters"},
        {front->txtCountry, "Country cannot contain Numbers and Special Characters"},
    };
    for (const auto& b : boxes) {
        for (const Key& k : kRefused) {
            b.box->setText(QStringLiteral("Ann"));
            b.box->selectAll();
            QApplication::clipboard()->setText(QStringLiteral("99"));
            messages.clear();
            Type(b.box, k.key, k.modifiers, QString::fromLatin1(k.text));
            EXPECT_EQ(b.box->text(), QStringLiteral("Ann")) << k.what;
            ASSERT_EQ(messages.shown().size(), 1u) << k.what;
            EXPECT_EQ(messages.shown()[0].text, QString::fromLatin1(b.message)) << k.what;
            EXPECT_EQ(messages.shown()[0].icon, platform::MsgIcon::Information) << k.what;
        }
        for (const Key& k : kAccepted) {
            b.box->setText(QStringLiteral("Ann"));
            b.box->end(false);
            messages.clear();
            Type(b.box, k.key, k.modifiers, QString::fromLatin1(k.text));
            EXPECT_EQ(b.box->text(), QStringLiteral("Ann") + QString::fromLatin1(k.text)) << k.what;
            EXPECT_TRUE(messages.shown().empty()) << k.what;
        }
        b.box->setText(QStringLiteral("Ann"));
        b.box->end(false);
        Type(b.box, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
        EXPECT_EQ(b.box->text(), QStringLiteral("An"));
        EXPECT_TRUE(messages.shown().empty());
    }
}

TEST_F(QuerentWindow, TheRefusedBoxKeepsTheFocus) {
    front->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(front));
    front->txtQuestion->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), front->txtQuestion);
    Type(front->txtCountry, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
    EXPECT_EQ(QApplication::focusWidget(), front->txtCountry);
}

TEST_F(QuerentWindow, TheQuestionBoxTakesEveryCharacter) {
    for (const Key& k : kRefused) {
        if (k.modifiers & Qt::ControlModifier) continue;  // shortcuts are not characters to keep
        if (k.key == Qt::Key_Return || k.key == Qt::Key_Enter || k.key == Qt::Key_Escape) continue;
        front->txtQuestion->clear();
        Type(front->txtQuestion, k.key, k.modifiers, QString::fromLatin1(k.text));
        EXPECT_EQ(front->txtQuestion->toPlainText(), QString::fromLatin1(k.text)) << k.what;
    }
    front->txtQuestion->clear();
    Type(front->txtQuestion, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_EQ(front->txtQuestion->toPlainText(), QStringLiteral("\n"));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(QuerentWindow, ResetClearsTheBoxesButKeepsTheDetailsOfTheLastNext) {
    front->txtName->setText(QStringLiteral("Mira"));
    front->cmbMonth->setCurrentIndex(4);
    front->cmdNext->click();
    platform::Unload<frmTarot>();
    ShowQuerentWindow();

    front->txtCountry->setText(QStringLiteral("Peru"));
    front->txtQuestion->setPlainText(QStringLiteral("Why?"));
    front->cmbYear->setCurrentIndex(3);
    front->cmdReset->click();
    EXPECT_TRUE(front->txtName->text().isEmpty());
    EXPECT_TRUE(front->txtCountry->text().isEmpty());
    EXPECT_TRUE(front->txtQuestion->toPlainText().isEmpty());
    EXPECT_EQ(front->cmbDate->currentText(), QStringLiteral("1"));
    EXPECT_EQ(front->cmbMonth->currentText(), QStringLiteral("January"));
    EXPECT_EQ(front->cmbYear->currentText(), QStringLiteral("1980"));
    EXPECT_EQ(Querent().strName, QStringLiteral("Mira"));
    EXPECT_EQ(Querent().strDOB, QStringLiteral("May 1, 1980"));

    front->txtName->setText(QStringLiteral("X"));
    MenuEntry(front, QStringLiteral("File"), QStringLiteral("&Reset"))->trigger();
    EXPECT_TRUE(front->txtName->text().isEmpty());
}

TEST_F(QuerentWindow, ExitButtonMenuAndCloseBoxUnloadTheWindowAndShowTheExitScreen) {
    const std::function<void(frmFront*)> ways[] = {
        [](frmFront* w) { w->cmdCancel->click(); },
        [](frmFront* w) { MenuEntry(w, QStringLiteral("File"), QStringLiteral("E&xit"))->trigger(); },
        [](frmFront* w) { w->close(); },
    };
    for (const auto& leave : ways) {
        ShowQuerentWindow();
        HideExitScreen();
        leave(platform::Peek<frmFront>());
        EXPECT_FALSE(platform::IsLoaded<frmFront>());
        EXPECT_TRUE(ExitScreenShown());
        Flush();
    }
}

TEST_F(QuerentWindow, MenusAndTheForumAdvertOpenTheirPages) {
    const QString pages = kMakerSite + QStringLiteral("vezor-adarizu-dudiruvo/ssd.php?page=");
    const struct {
        const char* menu;
        const char* entry;
        const char* page;
    } cases[] = {
        {"Help", "Onine &Help", "help-web-page"},
        {"Help", "Visit Us &Online", "home-page"},
        {"Help", "Check For Software Update", "download-web-page"},
        {"Donate", "", "donate"},
    };
    for (const auto& c : cases) {
        browser.clear();
        QAction* a = MenuEntry(front, QString::fromLatin1(c.menu), QString::fromLatin1(c.entry));
        ASSERT_NE(a, nullptr) << c.entry;
        a->trigger();
        EXPECT_EQ(browser.opened(), QStringList{pages + QString::fromLatin1(c.page)}) << c.entry;
    }
    // Switched off, and not in the bar, where its mnemonic would take Alt+O.
    EXPECT_FALSE(front->mnuMakeMoney->isEnabled());
    EXPECT_EQ(MenuEntry(front, QStringLiteral("Make Money &Online"), QString()), nullptr);

    browser.clear();
    QTest::mouseClick(front->Label6, Qt::LeftButton);
    EXPECT_EQ(browser.opened(), QStringList{pages + QStringLiteral("home-page")});
    EXPECT_TRUE(front->Label6->text().startsWith(
        QStringLiteral("The Most Popular Online Lunavere Forum. Best Resource For Everything Lunavere. Visit ")));
}
