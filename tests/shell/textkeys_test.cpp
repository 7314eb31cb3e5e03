// Keys held with Alt (and Ctrl keys other than a box's editing shortcuts) type into no text box of
// the program; mnemonics and menus still take their Alt keys, and plain keys still type.
#include "casting/castingsupport.h"
#include "casting/frmAuto.h"
#include "manual/frmManual.h"
#include "platform/richtextbox.h"
#include "shell/frmFront.h"
#include "shell/frmMDI.h"
#include "shell/frmNagScreen2.h"
#include "shell/frmTarot.h"
#include "shell/navigation.h"
#include "support/windowtest.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>
#include <string>
#include <utility>
#include <vector>

namespace {

const QString kText = QStringLiteral("corvantelle");

struct Chord {
    const char* what;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

const Chord kCommandKeys[] = {
    {"Alt+F", Qt::Key_F, Qt::AltModifier},
    {"Alt+Shift+F", Qt::Key_F, Qt::AltModifier | Qt::ShiftModifier},
    {"Alt+5", Qt::Key_5, Qt::AltModifier},
    {"Alt+Space", Qt::Key_Space, Qt::AltModifier},
    {"Alt+full stop", Qt::Key_Period, Qt::AltModifier},
    {"Alt+Tab", Qt::Key_Tab, Qt::AltModifier},
    {"Ctrl+Alt+F", Qt::Key_F, Qt::ControlModifier | Qt::AltModifier},
    {"Meta+F", Qt::Key_F, Qt::MetaModifier},
    {"Ctrl+keypad 5", Qt::Key_5, Qt::ControlModifier | Qt::KeypadModifier},
    {"Ctrl+Q", Qt::Key_Q, Qt::ControlModifier},
    {"Ctrl+Shift+F", Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier},
};

// As a standard string, so that a failure shows it.
std::string TextOf(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) return line->text().toStdString();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) return plain->toPlainText().toStdString();
    return qobject_cast<QTextEdit*>(box)->toPlainText().toStdString();
}

// Puts the text into the box with the caret after the given character.
void Fill(QWidget* box, const QString& text, int caretAt) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
        line->setCursorPosition(caretAt);
        return;
    }
    auto setCaret = [caretAt](auto* edit) {
        QTextCursor caret = edit->textCursor();
        caret.setPosition(caretAt);
        edit->setTextCursor(caret);
    };
    if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) {
        plain->setPlainText(text);
        setCaret(plain);
        return;
    }
    auto* rich = qobject_cast<QTextEdit*>(box);
    rich->setPlainText(text);
    setCaret(rich);
}

bool IsReadOnly(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) return line->isReadOnly();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) return plain->isReadOnly();
    return qobject_cast<QTextEdit*>(box)->isReadOnly();
}

class TextKeys : public WindowTest {
protected:
    void SetUp() override {
        FreshState();
        Querent() = QuerentDetails{};
        ShowQuerentWindow();
    }

    // The report window with a card table, as after a cast; the report box shows its link.
    static frmMDI* ReportWithCardTable() {
        ChooseSpread(QStringLiteral("One Card"));
        ShowCardTable();
        ShowReportWindow();
        frmMDI* report = platform::Peek<frmMDI>();
        report->rtbDisp1.setText(QStringLiteral("Visit www.") + kText + QStringLiteral(".example"));
        return report;
    }

    // Every kind of text box of the program, each window loaded.
    static std::vector<std::pair<const char*, QWidget*>> AllBoxes() {
        frmFront* front = platform::Peek<frmFront>();
        ShowSelectionWindow();
        frmTarot* selection = platform::Peek<frmTarot>();
        frmMDI* report = ReportWithCardTable();
        frmNagScreen2* exit = ShownExitScreen();
        const TarotSpread* spread = SpreadByIndex(0);
        Selection() = SelectionVariables{spread->strDisplayName, static_cast<int>(spread->lngCardCount), 0};
        ShowManualWindow();
        frmManual* manual = platform::Peek<frmManual>();
        return {
            {"querent name", front->txtName},
            {"querent country", front->txtCountry},
            {"querent question", front->txtQuestion},
            {"selection question", selection->txtQ},
            {"selection description", selection->txtDisp},
            {"report box", report->rtbDisp1View},
            {"report name", report->txtName},
            {"report date of birth", report->txtDOB},
            {"report country", report->txtCountry},
            {"report question", report->txtQ},
            {"refer-a-friend name", &exit->txtName},
            {"refer-a-friend e-mail", &exit->txtEmail},
            {"refer-a-friend message", &exit->txtMessage},
            {"friend's name", &exit->txtFriendName},
            {"friend's e-mail", &exit->txtFriendEmail},
            {"manual hint", manual->txtDisp},
        };
    }

    static void MakeActive(QWidget* box) {
        box->window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(box->window()));
        box->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), box);
    }
};

}  // namespace

TEST_F(TextKeys, CommandKeysTypeIntoNoTextBox) {
    for (const auto& [name, box] : AllBoxes()) {
        for (const Chord& chord : kCommandKeys) {
            Fill(box, kText, 4);
            messages.clear();
            QTest::keyClick(box, chord.key, chord.modifiers);
            EXPECT_EQ(TextOf(box), kText.toStdString()) << name << ", " << chord.what;
            // Ctrl keys in the querent's name and country boxes are refused with the filter's message.
            if (chord.modifiers & (Qt::AltModifier | Qt::MetaModifier)) {
                EXPECT_TRUE(messages.shown().empty()) << name << ", " << chord.what;
            }
        }
    }
}

TEST_F(TextKeys, PlainLettersStillType) {
    for (const auto& [name, box] : AllBoxes()) {
        if (IsReadOnly(box)) continue;
        Fill(box, QStringLiteral("ab"), 2);
        QTest::keyClick(box, Qt::Key_C);
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_D, QStringLiteral("D"), Qt::ShiftModifier);
        EXPECT_EQ(TextOf(box), "abcD") << name;
    }
}

TEST_F(TextKeys, TheReportBoxKeepsItsEditingShortcuts) {
    frmMDI* report = ReportWithCardTable();
    QTextEdit* box = report->rtbDisp1View;
    const std::string shown = report->rtbDisp1.Text().toStdString();
    QApplication::clipboard()->clear();

    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(box->textCursor().selectedText().toStdString(), shown);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), shown);
    EXPECT_EQ(report->rtbDisp1.Text().toStdString(), shown);
}

TEST_F(TextKeys, AltKeysFromATextBoxReachTheWindowsMnemonicsAndMenus) {
    // The card table's "&Help" menu, from the report box.
    frmMDI* report = ReportWithCardTable();
    const std::string shown = report->rtbDisp1.Text().toStdString();
    MakeActive(report->rtbDisp1View);
    QTest::keyClick(report->rtbDisp1View, Qt::Key_H, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    EXPECT_EQ(popup, platform::Peek<frmAuto>()->mnuHelp);
    if (popup) popup->close();
    EXPECT_EQ(report->rtbDisp1.Text().toStdString(), shown);

    // The querent window's "&Next", from the name box: neither typed nor refused.
    report->hide();
    frmFront* front = platform::Peek<frmFront>();
    front->show();
    front->txtName->setText(QStringLiteral("Ann"));
    MakeActive(front->txtName);
    messages.clear();
    QTest::keyClick(front->txtName, Qt::Key_N, Qt::AltModifier);
    // A mnemonic clicks its button as a mouse would, a moment later.
    EXPECT_TRUE(QTest::qWaitFor([] { return platform::Peek<frmTarot>() && platform::Peek<frmTarot>()->isVisible(); }));
    EXPECT_EQ(Querent().strName.toStdString(), "Ann");
    EXPECT_TRUE(messages.shown().empty());
}
