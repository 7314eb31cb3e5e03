#include "shell/modHelp.h"

#include "platform/browser.h"
#include "shell/modTellAFriend.h"
#include "shell/weblinks_urls.h"

#include <QMouseEvent>

void OpenHomePage() { platform::OpenInBrowser(PageAddress(page_keys::kHome)); }
void OpenDonatePage() { platform::OpenInBrowser(PageAddress(page_keys::kDonate)); }
void OpenHelpWebPage() { platform::OpenInBrowser(PageAddress(page_keys::kHelp)); }
void OpenDownloadWebPage() { platform::OpenInBrowser(PageAddress(page_keys::kDownload)); }
void OpenFullyBrandedPage() { platform::OpenInBrowser(PageAddress(page_keys::kFullyBranded)); }
void OpenSoftwaresPage() { platform::OpenInBrowser(PageAddress(page_keys::kSoftwares)); }
void OpenWebAddress() { platform::OpenInBrowser(strReferUrl()); }

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) emit Click();
}
