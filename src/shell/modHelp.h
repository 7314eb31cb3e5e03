#pragma once
// Links to the maker's web pages. Each opens its page in the browser and ignores the outcome.
#include <QLabel>

void OpenHomePage();
void OpenDonatePage();
void OpenHelpWebPage();
void OpenDownloadWebPage();
void OpenFullyBrandedPage();
void OpenSoftwaresPage();
// Opens the refer-a-friend address last built by TellAFriend.
void OpenWebAddress();

// A label that acts as a link: a left click on it emits Click.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text = {}, QWidget* parent = nullptr);
    explicit LinkLabel(QWidget* parent) : LinkLabel(QString(), parent) {}

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};
