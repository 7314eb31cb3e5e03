#include "platform/pause.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

namespace platform {
namespace {
PauseRecorder* g_pauses = nullptr;
}

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

PauseRecorder::PauseRecorder() : previous_(g_pauses) { g_pauses = this; }
PauseRecorder::~PauseRecorder() { g_pauses = previous_; }

}  // namespace platform
