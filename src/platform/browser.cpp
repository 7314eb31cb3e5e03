#include "platform/browser.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {
namespace {
BrowserRecorder* g_browser = nullptr;
}

void OpenInBrowser(const QString& address) {
    if (g_browser) {
        g_browser->record(address);
        return;
    }
    // The address is already encoded where it carries user text: take it as it stands.
    QDesktopServices::openUrl(QUrl::fromEncoded(address.toUtf8(), QUrl::TolerantMode));
}

BrowserRecorder::BrowserRecorder() : previous_(g_browser) { g_browser = this; }
BrowserRecorder::~BrowserRecorder() { g_browser = previous_; }

}  // namespace platform
