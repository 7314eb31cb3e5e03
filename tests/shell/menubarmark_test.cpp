// Esc in an open menu closes it and leaves the keyboard with the menu bar, on the menu's title:
// the title shows as selected, in every window's menu bar and under a light or a dark desktop
// scheme. Tab moves the selection to the next title, as Right does, and a second Esc gives the
// keys back to the window with no title marked. Alt pressed and let go alone gives the menu bar
// the keyboard on its first title, marked the same way.
#include "support/windowtest.h"
#include "windowroads.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <functional>

namespace {

// The least change of brightness that counts as a mark, as for the other focus marks.
constexpr int kVisibleChange = 30;

// KDE Plasma's Breeze Dark, as Qt's KDE platform theme gives it to the program.
QPalette DarkDesktop() {
    QPalette p(QColor(49, 54, 59));
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Window, QColor(42, 46, 50));
        p.setColor(group, QPalette::WindowText, QColor(252, 252, 252));
        p.setColor(group, QPalette::Highlight, QColor(61, 174, 233));
        p.setColor(group, QPalette::HighlightedText, QColor(252, 252, 252));
    }
    return p;
}

class MenuBarMark : public WindowRoads {
protected:
    MenuBarMark() : original(QApplication::palette()) {}

    void TearDown() override {
        while (QApplication::activePopupWidget()) QApplication::activePopupWidget()->close();
        WindowRoads::TearDown();
        QApplication::setPalette(original);
    }

    static QAction* Title(QMenuBar* bar, const QString& name) {
        for (QAction* action : bar->actions()) {
            if (action->text().remove(QLatin1Char('&')) == name) return action;
        }
        ADD_FAILURE() << "no title " << name.toStdString() << " in the menu bar";
        return nullptr;
    }

    // The share of the title's place in which the two pictures of the menu bar differ visibly.
    static double ChangedShare(QMenuBar* bar, QAction* title, const QImage& shown, const QImage& plain) {
        const QRect place = bar->actionGeometry(title) & shown.rect() & plain.rect();
        if (place.isEmpty()) return 0;
        int changed = 0;
        for (int y = place.top(); y <= place.bottom(); ++y) {
            for (int x = place.left(); x <= place.right(); ++x) {
                if (std::abs(qGray(shown.pixel(x, y)) - qGray(plain.pixel(x, y))) > kVisibleChange) ++changed;
            }
        }
        return double(changed) / (place.width() * place.height());
    }

    // Which titles of the menu bar show as selected in the picture, against the bar with none:
    // those whose place is mostly changed, as a highlight behind the title changes it.
    static QStringList MarkedTitles(QMenuBar* bar, const QImage& shown, const QImage& plain) {
        QStringList marked;
        for (QAction* action : bar->actions()) {
            if (!action->isVisible() || action->isSeparator()) continue;
            if (ChangedShare(bar, action, shown, plain) > 0.5) marked << action->text().remove(QLatin1Char('&'));
        }
        return marked;
    }

    static QImage Picture(QMenuBar* bar) {
        QCoreApplication::processEvents();
        return bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The key as the window system delivers it: to the popup that is open, else to the widget
    // with the keyboard.
    static void Press(Qt::Key key) {
        QWidget* target = QApplication::activePopupWidget();
        if (!target) target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr) << "nothing has the keyboard";
        QTest::keyClick(target, key);
    }

    const QPalette original;
};

struct WindowWithMenus {
    const char* what;
    std::function<QMainWindow*(MenuBarMark&)> open;
    bool altOpensHelp;  // Alt+H opens the Help menu; else a click on its title does
};

}  // namespace

TEST_F(MenuBarMark, EscFromAMenuLeavesItsTitleShownSelected) {
    const WindowWithMenus windows[] = {
        {"querent", [](MenuBarMark& t) -> QMainWindow* { return t.OpenQuerent(); }, false},
        {"selection", [](MenuBarMark& t) -> QMainWindow* { return t.OpenSelection(); }, true},
        {"manual", [](MenuBarMark& t) -> QMainWindow* { return t.OpenManual(0); }, true},
        {"report", [](MenuBarMark& t) -> QMainWindow* { return t.OpenReport(); }, true},
    };
    for (const bool dark : {false, true}) {
        for (const WindowWithMenus& w : windows) {
            SCOPED_TRACE(std::string(w.what) + (dark ? " under a dark desktop scheme" : " under a light one"));
            QApplication::setPalette(dark ? DarkDesktop() : original);
            QMainWindow* window = w.open(*this);
            ASSERT_NE(window, nullptr);
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window));
            QWidget* focusBefore = QApplication::focusWidget();
            QMenuBar* bar = window->menuBar();
            QAction* help = Title(bar, QStringLiteral("Help"));
            ASSERT_NE(help, nullptr);
            const QImage plain = Picture(bar);

            if (w.altOpensHelp) {
                QTest::keyClick(window, Qt::Key_H, Qt::AltModifier);
            } else {
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(help).center());
            }
            ASSERT_EQ(QApplication::activePopupWidget(), help->menu()) << "the Help menu did not open";
            // The window system hands the keyboard to the open menu.
            QCoreApplication::processEvents();
            Press(Qt::Key_Escape);
            ASSERT_EQ(QApplication::activePopupWidget(), nullptr) << "Esc left the menu open";
            EXPECT_EQ(QApplication::focusWidget(), bar) << "the menu bar does not have the keyboard";
            EXPECT_EQ(MarkedTitles(bar, Picture(bar), plain), QStringList{QStringLiteral("Help")});

            Press(Qt::Key_Tab);
            EXPECT_EQ(MarkedTitles(bar, Picture(bar), plain), QStringList{QStringLiteral("Donate")});

            Press(Qt::Key_Escape);
            EXPECT_EQ(MarkedTitles(bar, Picture(bar), plain), QStringList{});
            EXPECT_EQ(QApplication::focusWidget(), focusBefore) << "the keys did not go back to the window";
            UnloadAll();
        }
    }
}

TEST_F(MenuBarMark, AltAloneMarksTheFirstTitleUntilEsc) {
    frmTarot* window = OpenSelection();
    ASSERT_NE(window, nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QWidget* focusBefore = QApplication::focusWidget();
    QMenuBar* bar = window->menuBar();
    const QImage plain = Picture(bar);

    QTest::keyClick(window, Qt::Key_Alt);
    EXPECT_EQ(QApplication::focusWidget(), bar) << "Alt did not give the keyboard to the menu bar";
    EXPECT_EQ(MarkedTitles(bar, Picture(bar), plain), QStringList{QStringLiteral("File")});

    Press(Qt::Key_Escape);
    EXPECT_EQ(MarkedTitles(bar, Picture(bar), plain), QStringList{});
    EXPECT_EQ(QApplication::focusWidget(), focusBefore) << "the keys did not go back to the window";
}
