// The querent window: its lists, the name and country filter, "&Next", "&Reset", menus and closing.
#include "catalogue/report.h"
#include "shell/frmFront.h"
#include "shell/frmTarot.h"
#include "shell/navigation.h"
#include "shell/startup.h"
#include "support/qtprinting.h"
#include "support/windowtest.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>
#include <vector>

namespace {

// How many input events are on their way into a box at this moment. A message box opened while
// one is runs its event loop in the middle of the delivery, where the input method still holds
// what it is committing and commits it again when the box takes the focus.
int g_delivering = 0;

void Deliver(QWidget* box, QEvent& event) {
    ++g_delivering;
    QApplication::sendEvent(box, &event);
    --g_delivering;
}

class QuerentWindow : public WindowTest {
protected:
    void SetUp() override {
        Querent() = QuerentDetails{};
        ShowQuerentWindow();
        front = platform::Peek<frmFront>();
        ASSERT_NE(front, nullptr);
        WatchDeliveries(messages);
    }

    void TearDown() override {
        EXPECT_EQ(openedInDelivery.join(QLatin1Char('|')).toStdString(), "")
            << "messages opened while a key or a commit was being delivered";
        WindowTest::TearDown();
    }

    // Notes each message the recorder opens while an input event is being delivered, then does
    // what the desktop does while a real box is open ($atShow, and the box's own event loop).
    void WatchDeliveries(platform::MessageBoxRecorder& recorder, std::function<void()> atShow = {}) {
        recorder.setAtShow([this, atShow](const platform::MessageRecord& message) {
            if (g_delivering > 0) openedInDelivery << message.text;
            if (atShow) atShow();
            QCoreApplication::processEvents();
        });
    }

    // The two boxes that take letters only, and the message each gives for anything else.
    struct RuledBox {
        QLineEdit* box;
        const char* message;
    };
    std::vector<RuledBox> RuledBoxes() const {
        return {{front->txtName, "Name cannot contain Numbers and Special Characters"},
                {front->txtCountry, "Country cannot contain Numbers and Special Characters"}};
    }

    // Sends one key press and release as typing it would; the event loop runs after it, as it
    // does between two keys.
    static void Type(QWidget* box, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        Deliver(box, press);
        Deliver(box, release);
        QCoreApplication::processEvents();
    }

    // One repeat of a held key as Qt gives it: a release and a press at one time, both marked
    // as a repeat (unless Qt's X11 plugin missed it).
    static void Repeat(QWidget* box, int key, const QString& text, quint64 time, bool marked = true) {
        KeyAt(box, QEvent::KeyRelease, key, text, time, marked);
        KeyAt(box, QEvent::KeyPress, key, text, time, marked);
    }

    static void KeyAt(QWidget* box, QEvent::Type type, int key, const QString& text, quint64 time,
                      bool repeat = false) {
        QKeyEvent event(type, key, Qt::NoModifier, text, repeat);
        event.setTimestamp(time);
        Deliver(box, event);
        QCoreApplication::processEvents();
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
    QStringList openedInDelivery;
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

// An input method as IBus drives one through Qt: it shows a preedit while a dead key waits for
// its letter, commits text, and forgets its preedit only once the commit has been delivered.
// When the focus moves (a message box showing takes it), Qt has it commit the preedit it still
// holds, to the box that had the focus.
class InputMethod {
public:
    explicit InputMethod(QWidget* box) : box_(box) {}

    void preedit(const QString& text) {
        QInputMethodEvent event(text, {{QInputMethodEvent::Cursor, static_cast<int>(text.size()), 1, QVariant()}});
        Deliver(box_, event);
        preedit_ = text;
    }
    void commit(const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        Deliver(box_, event);
        preedit_.clear();
    }
    void focusMoved() {
        if (preedit_.isEmpty()) return;
        commit(preedit_);
    }

private:
    QWidget* box_;
    QString preedit_;
};

struct Commit {
    const char* what;
    const char* preedit;  // UTF-8, shown before the commit
    const char* commit;   // UTF-8
    const char* after;    // the box's text after the commit, which starts from "Zo"
    int refused;          // the messages
};

const Commit kCommits[] = {
    {"a dead key and its letter", "\u00B4", "\u00E9", "Zo", 1},
    {"a dead key and a blank", "\u00B4", "\u00B4", "Zo", 1},
    {"an accented letter without a preedit", "", "\u00FC", "Zo", 1},
    {"letters around a digit", "", "a1b", "Zoab", 1},
    {"two refused characters", "", "1\u00E9", "Zo", 2},
    {"a character beyond 16 bits", "", "\U0001F600", "Zo", 1},
    {"letters and a blank", "", "a b", "Zoa b", 0},
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
    for (const RuledBox& b : RuledBoxes()) {
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

TEST_F(QuerentWindow, InputMethodCommitsAreFilteredCharacterByCharacterWithOneMessageEach) {
    for (const RuledBox& b : RuledBoxes()) {
        for (const Commit& c : kCommits) {
            SCOPED_TRACE(c.what);
            b.box->setText(QStringLiteral("Zo"));
            QCoreApplication::processEvents();
            const QRect caret = b.box->inputMethodQuery(Qt::ImCursorRectangle).toRect();
            platform::MessageBoxRecorder recorder;
            InputMethod method(b.box);
            // The box a message opens takes the focus from the box typed into.
            WatchDeliveries(recorder, [&] {
                if (recorder.mostOpenAtOnce() < 5) method.focusMoved();
            });

            if (*c.preedit) method.preedit(QString::fromUtf8(c.preedit));
            method.commit(QString::fromUtf8(c.commit));
            QCoreApplication::processEvents();

            EXPECT_EQ(b.box->text().toStdString(), c.after);
            EXPECT_EQ(recorder.texts().join(QLatin1Char('|')).toStdString(),
                      QStringList(c.refused, QString::fromLatin1(b.message)).join(QLatin1Char('|')).toStdString());
            EXPECT_LE(recorder.mostOpenAtOnce(), 1) << "a message opened from inside another";
            for (const auto& shown : recorder.shown()) EXPECT_EQ(shown.icon, platform::MsgIcon::Information);
            // No preedit is left standing in the box: the caret is where the text ends.
            if (b.box->text() == QStringLiteral("Zo")) {
                EXPECT_EQ(b.box->inputMethodQuery(Qt::ImCursorRectangle).toRect(), caret);
            }
        }
    }
}

// Under IBus the refused key or commit is delivered from inside the input method's own handling,
// and the input method forgets its preedit only once that delivery has returned. A message opened
// from there takes the focus while the preedit is still held, and Qt has IBus commit it again to
// the box: a refusal, and a message, of its own.
TEST_F(QuerentWindow, ARefusalShowsOnceTheKeyOrTheCommitHasBeenDeliveredAndOnlyOnce) {
    const struct {
        const char* what;
        const char* preedit;  // UTF-8: what the input method shows while it waits
        std::function<void(QLineEdit*, InputMethod&)> refused;
    } ways[] = {
        {"a digit key", "",
         [](QLineEdit* box, InputMethod&) { Type(box, Qt::Key_7, Qt::NoModifier, QStringLiteral("7")); }},
        // IBus passes Control keys by and keeps the dead key waiting.
        {"Ctrl+C while a dead key waits", "\u00B4",
         [](QLineEdit* box, InputMethod&) { Type(box, Qt::Key_C, Qt::ControlModifier, QStringLiteral("\x03")); }},
        {"a dead key's accented letter", "\u00B4",
         [](QLineEdit*, InputMethod& method) { method.commit(QStringLiteral("\u00E9")); }},
        {"an accented letter committed at once", "",
         [](QLineEdit*, InputMethod& method) { method.commit(QStringLiteral("\u00FC")); }},
    };
    for (const RuledBox& b : RuledBoxes()) {
        for (const auto& way : ways) {
            SCOPED_TRACE(way.what);
            b.box->setText(QStringLiteral("Zo"));
            QCoreApplication::processEvents();
            platform::MessageBoxRecorder recorder;
            InputMethod method(b.box);
            WatchDeliveries(recorder, [&] {
                if (recorder.mostOpenAtOnce() < 5) method.focusMoved();
            });

            if (*way.preedit) method.preedit(QString::fromUtf8(way.preedit));
            way.refused(b.box, method);
            QCoreApplication::processEvents();

            EXPECT_EQ(openedInDelivery.join(QLatin1Char('|')).toStdString(), "") << "opened inside the delivery";
            openedInDelivery.clear();
            EXPECT_EQ(recorder.texts().join(QLatin1Char('|')).toStdString(), b.message);
            EXPECT_LE(recorder.mostOpenAtOnce(), 1) << "a message opened from inside another";
            EXPECT_EQ(b.box->text().toStdString(), "Zo");
        }
    }
}

TEST_F(QuerentWindow, TheQuestionBoxTakesAccentedLettersFromAnInputMethod) {
    InputMethod method(front->txtQuestion);
    for (const Commit& c : kCommits) {
        front->txtQuestion->clear();
        if (*c.preedit) method.preedit(QString::fromUtf8(c.preedit));
        method.commit(QString::fromUtf8(c.commit));
        QCoreApplication::processEvents();
        EXPECT_EQ(front->txtQuestion->toPlainText().toStdString(), c.commit) << c.what;
    }
    EXPECT_TRUE(messages.shown().empty());
}

// A key held while its character is refused goes on repeating behind the message: on X11 the
// server's repeats reach the box once the message is answered, and Qt's Wayland plugin, whose
// repeat starts after the key's press has been handled, misses the release that the message's
// event loop took, and repeats until another key is pressed.
TEST_F(QuerentWindow, AKeyHeldThroughARefusalTypesNothingUntilAFreshPress) {
    const struct {
        const char* what;
        std::function<void(QLineEdit*)> refuse;
        int key;
        const char* text;
    } holds[] = {
        {"a digit", [](QLineEdit* box) { KeyAt(box, QEvent::KeyPress, Qt::Key_7, QStringLiteral("7"), 1000); },
         Qt::Key_7, "7"},
        {"the letter of a dead key's accented letter",
         [](QLineEdit* box) {
             InputMethod method(box);
             method.commit(QStringLiteral("\u00E9"));
             QCoreApplication::processEvents();
         },
         Qt::Key_E, "e"},
    };
    for (QLineEdit* box : {front->txtName, front->txtCountry}) {
        for (const auto& h : holds) {
            SCOPED_TRACE(h.what);
            box->setText(QStringLiteral("Zo"));
            messages.clear();
            h.refuse(box);
            ASSERT_EQ(messages.shown().size(), 1u);
            // Held for two seconds at 25 repeats a second; one repeat is not marked as one.
            quint64 time = 1660;
            for (int i = 0; i < 50; ++i, time += 40) Repeat(box, h.key, QString::fromLatin1(h.text), time, i != 30);
            KeyAt(box, QEvent::KeyRelease, h.key, QString::fromLatin1(h.text), time);
            EXPECT_EQ(box->text().toStdString(), "Zo");
            EXPECT_EQ(messages.shown().size(), 1u);

            // A fresh press types again, and a letter held now repeats as it always does.
            KeyAt(box, QEvent::KeyPress, Qt::Key_A, QStringLiteral("a"), time += 300);
            Repeat(box, Qt::Key_A, QStringLiteral("a"), time += 660);
            Repeat(box, Qt::Key_A, QStringLiteral("a"), time += 40, false);
            KeyAt(box, QEvent::KeyRelease, Qt::Key_A, QStringLiteral("a"), time += 40);
            KeyAt(box, QEvent::KeyPress, Qt::Key_A, QStringLiteral("a"), time += 120);
            EXPECT_EQ(box->text().toStdString(), "Zoaaaa");
            EXPECT_EQ(messages.shown().size(), 1u);
        }
    }
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
