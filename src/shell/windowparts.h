#pragma once
// What the program's windows share: caption, icon, centring, the forum advert, the
// promotional frame, the button face and the Help and Donate menus.
#include <QIcon>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

namespace windowparts {
inline constexpr char kCaption[] = "CV Vezor Adarizu Dudiruvo v1.55";
inline constexpr char kBackgroundPicture[] = ":/pictures/background.jpg";
// The maker's forum site as the adverts show it.
inline constexpr char kForumSite[] = "www.corvantelle.example";

// The caption of the program's windows.
inline QString Caption() { return QString::fromLatin1(kCaption); }

// A window's client area with the background picture painted into the given place, which may
// be larger than the client (the client then shows a cut-out of it); by default the picture
// fills the client.
class BackgroundPane : public QWidget {
public:
    explicit BackgroundPane(QWidget* parent, std::optional<QRect> place = std::nullopt);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    std::optional<QRect> place_;
};

// The program's icon (32 x 32 and 16 x 16), and its 32 x 32 picture.
QIcon ApplicationIcon();
QPixmap ApplicationIconPicture();
// Moves a top-level window to the centre of its screen.
void CentreOnScreen(QWidget* window);

QString ForumAdvertText();
// The forum advert label: underlined, blue, centred, hand cursor; its Click opens nothing by
// itself, the window connects it.
QLabel* MakeForumAdvert(QWidget* parent, const QRect& place);
// The frame along the bottom edge with the promotional label.
QGroupBox* MakeFullBrandFrame(QWidget* parent, const QRect& place);
// The face colour of the graphical buttons.
void SetButtonFace(QPushButton* button);

// The captions of the Help menu, which differ from window to window.
struct HelpMenuCaptions {
    QString help;
    QString online;
    QString visit;
    QString update;
    QString about;
};

// What the entries do; by default they open the maker's pages and the About box.
struct HelpMenuHandlers {
    std::function<void()> online;
    std::function<void()> visit;
    std::function<void()> update;
    std::function<void()> about;
    std::function<void()> donate;
    std::function<void()> makeMoney;
};
HelpMenuHandlers DefaultHelpMenuHandlers();

// The Help menu, the "Donate" entry and the switched-off "Make Money &Online" entry of a
// window's menu bar. The owner owns them; add them to a bar with AddTo.
struct HelpAndDonateMenus {
    QMenu* help = nullptr;
    QAction* online = nullptr;
    QAction* visit = nullptr;
    QAction* update = nullptr;
    QAction* about = nullptr;
    QAction* donate = nullptr;
    QAction* makeMoney = nullptr;

    // Appends Help, Donate and, where shown, Make Money to the bar.
    void AddTo(QMenuBar* bar, bool showMakeMoney = true) const;
    void RemoveFrom(QMenuBar* bar) const;
};
HelpAndDonateMenus MakeHelpAndDonateMenus(QWidget* owner, const HelpMenuCaptions& captions,
                                          const HelpMenuHandlers& handlers = DefaultHelpMenuHandlers());
}  // namespace windowparts
