// Message boxes and file dialogs open over the program's window in front, also while the
// desktop has not yet given that window the keyboard (Qt then knows no active window): on
// Wayland the compositor places a dialog by its parent, and one without a parent lands in a
// corner of the screen.
#include "platform/filedialog.h"
#include "platform/messagebox.h"
#include "platform/stacking.h"
#include "support/qtprinting.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// The window the dialog opened by `open` was given as its parent; the dialog is cancelled.
QWidget* ParentOfTheDialogOf(const std::function<void()>& open) {
    QPointer<QWidget> parent;
    bool seen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            seen = true;
            parent = dialog->parentWidget();
            dialog->reject();
        }
    });
    poll.start(10);
    open();
    EXPECT_TRUE(seen) << "no dialog opened";
    return parent;
}

struct DialogCase {
    const char* what;
    std::function<void()> open;
};

const DialogCase kDialogs[] = {
    {"a message box", [] { MsgBox(QStringLiteral("Please Check The File."), MsgIcon::Critical); }},
    {"the open dialog", [] { GetOpenFileName(FileDialogOptions{QStringLiteral("Select the source file")}); }},
    {"the save dialog", [] { GetSaveFileName(FileDialogOptions{QStringLiteral("CV Vezor Adarizu Dudiruvo")}); }},
};

class FrontWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        back.setWindowTitle(QStringLiteral("back"));
        front.setWindowTitle(QStringLiteral("front"));
        back.show();
        BringToFront(&back);
        front.show();
        BringToFront(&front);
        QCoreApplication::processEvents();
    }
    QWidget back;
    QWidget front;
};

TEST_F(FrontWindowTest, IsTheActiveWindowElseTheLastOneBroughtForwardThatIsStillShown) {
    EXPECT_EQ(FrontWindow(), &front);
    QApplication::setActiveWindow(nullptr);  // the desktop has not handed the keyboard over yet
    EXPECT_EQ(FrontWindow(), &front);
    EXPECT_EQ(FrontWindow(&front), &back);
    front.hide();
    EXPECT_EQ(FrontWindow(), &back);
    back.hide();
    EXPECT_EQ(FrontWindow(), nullptr);
}

TEST_F(FrontWindowTest, DialogsOpenOverTheWindowInFrontWhileNoWindowIsActive) {
    for (const DialogCase& c : kDialogs) {
        SCOPED_TRACE(c.what);
        QApplication::setActiveWindow(nullptr);
        EXPECT_EQ(ParentOfTheDialogOf(c.open), &front);
    }
}

TEST(ShowLater, AWindowHiddenAgainBeforeTheWorkIsDoneNeverShows) {
    QWidget window;
    int shows = 0;
    struct CountShows : QObject {
        int& shows;
        explicit CountShows(int& s) : shows(s) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Show) ++shows;
            return false;
        }
    } counter(shows);
    window.installEventFilter(&counter);

    ShowLater(&window);
    EXPECT_TRUE(IsShown(&window));
    EXPECT_FALSE(window.isVisible());
    HideWindow(&window);
    EXPECT_FALSE(IsShown(&window));
    QCoreApplication::processEvents();
    EXPECT_EQ(shows, 0);
    EXPECT_FALSE(window.isVisible());

    ShowLater(&window);
    QCoreApplication::processEvents();
    EXPECT_EQ(shows, 1);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(IsShown(&window));
}

}  // namespace
