// Left and Right in an open menu move to the menu beside it in every window's menu bar, also
// where the window system leaves the keyboard with no window for a moment on the way (KWin on
// Wayland gives it to the new menu only with the next key, and Qt takes the moment for the
// program losing the keyboard).
#include "platform/guiapplication.h"
#include "support/windowtest.h"
#include "windowroads.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <functional>
#include <vector>

namespace {

class MenuKeys : public WindowRoads {
protected:
    void SetUp() override {
        app = dynamic_cast<platform::GuiApplication*>(qApp);
        ASSERT_NE(app, nullptr) << "the tests run in the program's own QApplication";
        wasKeeping = app->keepsPopupsThroughKeyboardGaps();
        // As under Qt's Wayland plugin.
        app->setKeepsPopupsThroughKeyboardGaps(true);
    }

    void TearDown() override {
        CloseMenus();
        if (app) app->setKeepsPopupsThroughKeyboardGaps(wasKeeping);
        WindowRoads::TearDown();
    }

    static void CloseMenus() {
        for (int guard = 0; guard < 10 && QApplication::activePopupWidget(); ++guard) {
            QApplication::activePopupWidget()->close();
        }
    }

    // What Qt does when the window system says that no window of the program has the keyboard.
    static void KeyboardLeavesTheProgram() {
        QEvent deactivate(QEvent::ApplicationDeactivate);
        QCoreApplication::sendEvent(qApp, &deactivate);
    }

    static QMenu* OpenMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

    static std::string OpenMenuTitle() {
        QMenu* menu = OpenMenu();
        return menu && menu->isVisible() ? menu->title().toStdString() : "(no menu open)";
    }

    static void MakeActive(QWidget* window) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    // Opens the menu with that title in the window's menu bar as a click on it does.
    static void ClickMenu(QMainWindow* window, const QString& title) {
        QMenuBar* bar = window->menuBar();
        for (QAction* action : bar->actions()) {
            if (action->text() == title) {
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
                return;
            }
        }
        ADD_FAILURE() << "no menu " << title.toStdString() << " in the menu bar";
    }

    // The key pressed in the open menu.
    static void Press(Qt::Key key) {
        QWidget* menu = QApplication::activePopupWidget();
        ASSERT_NE(menu, nullptr) << "no menu open for the key";
        QTest::keyClick(menu, key);
    }

    platform::GuiApplication* app = nullptr;
    bool wasKeeping = false;
};

struct MenuStep {
    Qt::Key key;
    // Whether the key closes the menu that has the keyboard, so that the window system holds
    // the keyboard nowhere until the next key (a submenu opens beside its menu instead).
    bool gap = true;
};

struct MenuWalk {
    const char* what;
    std::function<QMainWindow*(MenuKeys&)> open;  // shows the window with its first menu open
    std::vector<MenuStep> steps;
    const char* lands;  // the menu open after the keys
};

TEST_F(MenuKeys, LeftAndRightOpenTheMenuBesideThroughAGapInTheKeyboard) {
    const auto altKey = [](Qt::Key key) {
        return [key](QMainWindow* window) {
            MakeActive(window);
            QTest::keyClick(window, key, Qt::AltModifier);
        };
    };
    const auto querent = [](MenuKeys& t) -> QMainWindow* {
        frmFront* window = t.OpenQuerent();
        MakeActive(window);
        ClickMenu(window, QStringLiteral("File"));
        return window;
    };
    const auto selection = [altKey](MenuKeys& t) -> QMainWindow* {
        frmTarot* window = t.OpenSelection();
        altKey(Qt::Key_F)(window);
        return window;
    };
    const auto manual = [altKey](MenuKeys& t) -> QMainWindow* {
        frmManual* window = t.OpenManual(0);
        altKey(Qt::Key_F)(window);
        return window;
    };
    const auto report = [altKey](MenuKeys& t) -> QMainWindow* {
        frmMDI* window = t.OpenReport();
        altKey(Qt::Key_H)(window);
        return window;
    };
    const MenuWalk walks[] = {
        {"querent: File, Right", querent, {{Qt::Key_Right}}, "Help"},
        {"querent: File, Right, Left", querent, {{Qt::Key_Right}, {Qt::Key_Left}}, "File"},
        {"selection: Alt+F, Right into the scenarios, Right", selection,
         {{Qt::Key_Right, false}, {Qt::Key_Right}}, "&Help"},
        {"selection: Alt+F, Right, Right, Left", selection,
         {{Qt::Key_Right, false}, {Qt::Key_Right}, {Qt::Key_Left}}, "&File"},
        {"manual: Alt+F, Right", manual, {{Qt::Key_Right}}, "&Help"},
        {"manual: Alt+F, Right, Left", manual, {{Qt::Key_Right}, {Qt::Key_Left}}, "&File"},
        {"report: Alt+H, Left", report, {{Qt::Key_Left}}, "File"},
        {"report: Alt+H, Left, Right", report, {{Qt::Key_Left}, {Qt::Key_Right}}, "&Help"},
    };
    for (const MenuWalk& walk : walks) {
        SCOPED_TRACE(walk.what);
        QMainWindow* window = walk.open(*this);
        ASSERT_NE(window, nullptr);
        ASSERT_NE(OpenMenu(), nullptr) << "the first menu did not open";
        for (const MenuStep& step : walk.steps) {
            Press(step.key);
            if (step.gap) KeyboardLeavesTheProgram();
        }
        EXPECT_EQ(OpenMenuTitle(), walk.lands);
        // The menu takes the next key: Down moves on from the entry it opened on.
        if (QMenu* menu = OpenMenu()) {
            QAction* first = menu->activeAction();
            Press(Qt::Key_Down);
            EXPECT_EQ(OpenMenu(), menu);
            EXPECT_NE(menu->activeAction(), first);
            EXPECT_NE(menu->activeAction(), nullptr);
        }
        CloseMenus();
        UnloadAll();
    }
}

TEST_F(MenuKeys, AMenuInUseClosesWhenTheProgramLosesTheKeyboard) {
    struct Case {
        const char* what;
        std::vector<Qt::Key> keys;  // pressed in the manual window's menus after Alt+F
    };
    const Case cases[] = {
        {"File opened, Down", {Qt::Key_Down}},
        {"File opened, Right to Help, Down", {Qt::Key_Right, Qt::Key_Down}},
        {"File opened, nothing more", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        frmManual* window = OpenManual(0);
        ASSERT_NE(window, nullptr);
        MakeActive(window);
        QTest::keyClick(window, Qt::Key_F, Qt::AltModifier);
        ASSERT_NE(OpenMenu(), nullptr);
        for (Qt::Key key : c.keys) Press(key);
        ASSERT_NE(OpenMenu(), nullptr);

        KeyboardLeavesTheProgram();
        EXPECT_EQ(OpenMenuTitle(), "(no menu open)");
        CloseMenus();
        UnloadAll();
    }
}

}  // namespace
