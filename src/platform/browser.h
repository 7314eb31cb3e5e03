#pragma once
// Hands a web address to the user's browser; the result is ignored.
#include <QString>
#include <QStringList>

namespace platform {

void OpenInBrowser(const QString& address);

// While one exists, addresses are recorded instead of opened.
class BrowserRecorder {
public:
    BrowserRecorder();
    ~BrowserRecorder();
    BrowserRecorder(const BrowserRecorder&) = delete;
    BrowserRecorder& operator=(const BrowserRecorder&) = delete;
    const QStringList& opened() const { return opened_; }
    void record(const QString& address) { opened_ << address; }
    void clear() { opened_.clear(); }

private:
    QStringList opened_;
    BrowserRecorder* previous_;
};

}  // namespace platform
