#include "shell/windowparts.h"

#include "platform/fonts.h"
#include "shell/modHelp.h"
#include "shell/navigation.h"
#include "shell/resources.h"

#include <QAction>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace windowparts {

BackgroundPane::BackgroundPane(QWidget* parent, std::optional<QRect> place) : QWidget(parent), place_(place) {
    InitPictureResources();
    picture_.load(QString::fromLatin1(kBackgroundPicture));
}

void BackgroundPane::paintEvent(QPaintEvent*) {
    if (!picture_.isNull()) QPainter(this).drawPixmap(place_.value_or(rect()), picture_);
}

QPixmap ApplicationIconPicture() {
    InitPictureResources();
    return QPixmap(QStringLiteral(":/pictures/icon32.png"));
}

QIcon ApplicationIcon() {
    InitPictureResources();
    QIcon icon;
    for (const char* path : {":/pictures/icon32.png", ":/pictures/icon16.png"}) {
        const QPixmap picture(QString::fromLatin1(path));
        if (!picture.isNull()) icon.addPixmap(picture);
    }
    return icon;
}

void CentreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

QString ForumAdvertText() {
    return QStringLiteral("The Most Popular Online Lunavere Forum. Best Resource For Everything Lunavere. Visit ") +
           QLatin1String(kForumSite) + QStringLiteral(" Now");
}

QLabel* MakeForumAdvert(QWidget* parent, const QRect& place) {
    auto* label = new LinkLabel(ForumAdvertText(), parent);
    QFont font = platform::ProgramFont(QStringLiteral("Verdana"), 8.25);
    font.setUnderline(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255); background: transparent;"));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setCursor(Qt::PointingHandCursor);
    label->setGeometry(place);
    return label;
}

QGroupBox* MakeFullBrandFrame(QWidget* parent, const QRect& place) {
    auto* frame = new QGroupBox(parent);
    frame->setGeometry(place);
    auto* offer = new QLabel(
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. "
                       "Get this software fully branded for your website. Click here for more details."),
        frame);
    QFont font = platform::ProgramFont(QStringLiteral("Verdana"), 8.25, true);
    font.setUnderline(true);
    offer->setFont(font);
    offer->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255); background: transparent;"));
    offer->setWordWrap(true);
    offer->setAlignment(Qt::AlignCenter);
    offer->setGeometry(QRect(8, 10, place.width() - 16, place.height() - 14));
    return frame;
}

void SetButtonFace(QPushButton* button) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, QColor(255, 224, 192));
    button->setPalette(palette);
}

HelpMenuHandlers DefaultHelpMenuHandlers() {
    return {OpenHelpWebPage, OpenHomePage, OpenDownloadWebPage, ShowAboutBox, OpenDonatePage, OpenFullyBrandedPage};
}

HelpAndDonateMenus MakeHelpAndDonateMenus(QWidget* owner, const HelpMenuCaptions& captions,
                                          const HelpMenuHandlers& handlers) {
    HelpAndDonateMenus menus;
    auto entry = [owner](QAction* action, const std::function<void()>& handler) {
        QObject::connect(action, &QAction::triggered, owner, [handler] { handler(); });
        return action;
    };
    menus.help = new QMenu(captions.help, owner);
    menus.online = entry(menus.help->addAction(captions.online), handlers.online);
    menus.visit = entry(menus.help->addAction(captions.visit), handlers.visit);
    menus.help->addSeparator();
    menus.update = entry(menus.help->addAction(captions.update), handlers.update);
    menus.help->addSeparator();
    menus.about = entry(menus.help->addAction(captions.about), handlers.about);
    menus.donate = entry(new QAction(QStringLiteral("Donate"), owner), handlers.donate);
    // Switched off: shown greyed, never chosen.
    menus.makeMoney = entry(new QAction(QStringLiteral("Make Money &Online"), owner), handlers.makeMoney);
    menus.makeMoney->setEnabled(false);
    return menus;
}

void HelpAndDonateMenus::AddTo(QMenuBar* bar, bool showMakeMoney) const {
    bar->addMenu(help);
    bar->addAction(donate);
    // A menu bar claims the mnemonic of every action it holds, hidden or not, so an entry
    // that is not shown stays out of the bar.
    if (showMakeMoney) bar->addAction(makeMoney);
}

void HelpAndDonateMenus::RemoveFrom(QMenuBar* bar) const {
    bar->removeAction(help->menuAction());
    bar->removeAction(donate);
    bar->removeAction(makeMoney);
}

}  // namespace windowparts
