#include "platform/pause.h"

#include <QBackingStore>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QPointer>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <algorithm>

namespace platform {
namespace {
PauseRecorder* g_pauses = nullptr;

// How long the pause sleeps between two looks at the display server's traffic.
constexpr qint64 kPauseStepMs = 10;

// A pixel read back from the display is answered only after the display has carried out
// everything sent to it before: closed windows are gone and our drawing is on the screen.
void WaitForDisplay(QWidget* window) {
    if (QScreen* screen = window->screen()) screen->grabWindow(window->winId(), 0, 0, 1, 1);
}
}  // namespace

void Sleep(int milliseconds) {
    if (g_pauses) {
        g_pauses->record(milliseconds);
        if (!g_pauses->realTime()) return;
    }
    // The window manager or compositor pings a window (on a close request, on focus) and offers
    // to kill one that stays silent, so the pause answers the display server between short
    // sleeps: pings, paints and window changes. Clicks, keys and X11's close requests stay queued
    // in Qt until the pause is over, and no timer runs (a button's animated press from a mnemonic
    // struck just before would click it in the middle of the pause); whatever its name, Qt's
    // event dispatchers on Linux all leave timers alone under X11ExcludeTimers.
    const QDeadlineTimer deadline(milliseconds, Qt::PreciseTimer);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers);
        const qint64 left = deadline.remainingTime();
        if (left > 0) QThread::msleep(static_cast<unsigned long>(std::min(left, kPauseStepMs)));
    }
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
