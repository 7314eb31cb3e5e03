#include "platform/pause.h"

#include <QBackingStore>
#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QScreen>
#include <QThread>
#include <QWidget>

namespace platform {
namespace {
PauseRecorder* g_pauses = nullptr;

// A pixel read back from the display is answered only after the display has carried out
// everything sent to it before: closed windows are gone and our drawing is on the screen.
void WaitForDisplay(QWidget* window) {
    if (QScreen* screen = window->screen()) screen->grabWindow(window->winId(), 0, 0, 1, 1);
}
}  // namespace

void Sleep(int milliseconds) {
    if (g_pauses) {
        g_pauses->record(milliseconds);
        return;
    }
    if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void DoEvents() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Refresh(QWidget* widget) {
    QPointer<QWidget> window = widget->window();
    if (!window->isVisible()) return;
    // A child just shown is painted by its posted update, which repaint() alone does not run.
    DoEvents();
    if (!window) return;
    // The whole window goes to the display again, over whatever a menu that just closed left
    // there: the display uncovers that area at its own pace and its expose may come too late.
    if (QBackingStore* store = window->backingStore()) {
        store->flush(QRect(QPoint(), window->size()), window->windowHandle());
    }
    // Qt's Wayland plugin sends what it has queued for the compositor (the flush above) only when
    // the event loop wakes; without this the drawing would wait in the connection's buffer
    // through the whole pause. User input stays queued here too.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (window) WaitForDisplay(window);
}

PauseRecorder::PauseRecorder() : previous_(g_pauses) { g_pauses = this; }
PauseRecorder::~PauseRecorder() { g_pauses = previous_; }

void PauseRecorder::record(int ms) {
    pauses_.push_back(ms);
    if (atPause_) atPause_();
}

}  // namespace platform
