// The window manager's close and a click during the real 3 s pauses (not skipped): the click and
// the close that Qt keeps queued until the pause is over (X11's close) find the window already
// unloaded, the close asked through a call in the middle of the pause (Wayland's) is refused,
// and the reading comes up in the report window, with nothing else on the screen.
#include "manual/frmManual.h"
#include "shell/frmFront.h"
#include "shell/frmMDI.h"
#include "shell/frmTarot.h"
#include "shell/navigation.h"
#include "support/windowtest.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <qpa/qwindowsysteminterface.h>
#include <string>
#include <vector>

namespace {

// Counts the close requests that the window system delivers to a native window, before any
// filter of the program can refuse them.
class CloseCount : public QObject {
public:
    explicit CloseCount(QWindow* window) : window_(window) { qApp->installEventFilter(this); }
    ~CloseCount() override { qApp->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Close) ++count;
        return false;
    }

private:
    QPointer<QWindow> window_;
};

class RealPause : public WindowTest {};

TEST_F(RealPause, ACloseOrAClickDuringItChangesNothingAndTheReadingComesUp) {
    // The window in its pause, its panel, and its "Back", which would leave for the querent window.
    struct Paused {
        QWidget* window;
        QWidget* panel;
        QWidget* back;
    };
    struct Way {
        const char* name;
        std::function<Paused()> open;                // brings the program to just before the pause
        std::function<void(QWidget*)> start;         // what starts the pause
    };
    const Way ways[] = {
        {"AutoCast with reversed cards cleared",
         [] {
             frmTarot* selection = OpenSelection();
             selection->chkRev->setChecked(false);
             return Paused{selection, selection->picMessage, selection->cmdBack};
         },
         [](QWidget* window) { QTest::mouseClick(static_cast<frmTarot*>(window)->cmdAuto, Qt::LeftButton); }},
        {"the manual deal after the last pick of Two Cards",
         [] {
             frmTarot* selection = OpenSelection();
             selection->lstOption->setCurrentRow(2);  // Two Cards
             selection->cmdManual->click();
             frmManual* manual = platform::Peek<frmManual>();
             QTest::mouseClick(manual->p[0], Qt::LeftButton);
             return Paused{manual, manual->picMessage, manual->cmdBack};
         },
         [](QWidget* window) { QTest::mouseClick(static_cast<frmManual*>(window)->p[1], Qt::LeftButton); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        const int ends = quits.ends();
        const Paused paused = way.open();
        ASSERT_NE(paused.window, nullptr);
        QPointer<QWidget> window = paused.window;
        QWidget* panel = paused.panel;
        QPointer<QWindow> handle = window->windowHandle();
        bool refused = false;
        pauses.setRealTime(true);
        const QPoint onBack = paused.back->mapTo(window, paused.back->rect().center());
        pauses.setAtPause([&] {
            // A click on "Back" and X11's close: Qt keeps them queued, as it keeps all user input,
            // until the pause is over.
            for (const auto& [type, buttons] : {std::pair(QEvent::MouseButtonPress, Qt::LeftButton),
                                                std::pair(QEvent::MouseButtonRelease, Qt::NoButton)}) {
                QWindowSystemInterface::handleMouseEvent(handle, onBack, handle->mapToGlobal(onBack), buttons,
                                                         Qt::LeftButton, type);
            }
            QWindowSystemInterface::handleCloseEvent(handle);
            // Wayland's close: a call on the window from the compositor's message, which the
            // pause handles.
            QMetaObject::invokeMethod(
                qApp,
                [&] {
                    if (handle) handle->close();
                    refused = window && window->isVisible() && panel->isVisible() &&
                              !platform::IsLoaded<frmMDI>();
                },
                Qt::QueuedConnection);
        });
        way.start(window);
        pauses.setRealTime(false);
        pauses.setAtPause({});
        // The queued click and close come to the window after the pause, before it is deleted.
        CloseCount later(handle);
        QCoreApplication::processEvents();
        EXPECT_EQ(later.count, 1);
        for (int i = 0; i < 5; ++i) Flush();

        EXPECT_TRUE(refused) << "the window did not stay through the pause with its panel";
        EXPECT_EQ(window, nullptr);
        EXPECT_EQ(VisibleWindows(), std::vector<std::string>{"frmMDI"});
        EXPECT_EQ(quits.ends(), ends);
        if (HasFailure()) return;
        PressReportRestart();
        UnloadAll();
    }
}

}  // namespace
