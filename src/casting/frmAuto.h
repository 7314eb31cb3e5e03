#pragma once
// The card table: the cards of a reading laid out in their spread's pattern, each in a card box
// with its position number. It sits in the report window's card table area, and while it exists
// its menus are the report window's menu bar. Its load writes the report header and starts the
// casting routine the options call for.
#include "casting/engine.h"
#include "platform/forms.h"
#include "shell/windowparts.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>

class CardBox;
class QAction;
class QLabel;
class QMenu;
class QMenuBar;
struct TarotSpread;

class frmAuto : public QWidget, public platform::Form, public casting::CardTableSurface {
    Q_OBJECT
public:
    static constexpr int kBoxCount = 21;

    frmAuto();
    ~frmAuto() override;

    QWidget* widget() override { return this; }
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    // The casting routines; `no` is the number of positions of the spread to lay out. Calling
    // one does not load the card table; its first touch of a card box does.
    static void DONE1(int no);  // whole deck, upright; also replays an opened reading
    static void DONE2(int no);  // Minor Arcana, upright
    static void DONE3(int no);  // Major Arcana, upright
    static void DONE4(int no);  // whole deck, reversed cards
    static void DONE5(int no);  // Minor Arcana, reversed cards
    static void DONE6(int no);  // Major Arcana, reversed cards
    // Empties the pictures of boxes 0 to 9.
    void Clear_PicBox();

    // Cards on the card table.
    static QString CardPicturePath(std::int32_t id);
    void ShowCardPositions(const TarotSpread& spread);
    void LoadCardPicture(int k, std::int32_t id) override;
    void ShowCrossingCard(int k, std::int32_t id) override;
    void ShowReversedCard(int k, std::int32_t id) override;

    // Box k and label k (nullptr for a k that names none).
    CardBox* p(int k) const;
    QLabel* lbl(int k) const;
    QLabel* Img = nullptr;

    // Menus.
    QMenu* mnuFile = nullptr;
    QAction* mnuStart = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpOnline = nullptr;
    QAction* mnuVisitOnline = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;
    QAction* mnuMakeMoney = nullptr;

    std::int32_t lngCandidateCard = 0;

    // CardTableSurface.
    void ShowBox(int k) override;
    void ShowLabel(int k) override;
    void PlaceBox(int k, float left, float top) override;
    void HideBoxesFrom(int k) override;
    std::int32_t& CandidateCard() override { return lngCandidateCard; }

protected:
    void closeEvent(QCloseEvent* event) override { handleCloseEvent(event); }

private:
    static void RunCast(const casting::CastProfile& profile, int no);
    void BuildMenus();
    void InstallMenus();
    void RemoveMenus();
    // Puts the card's picture into box k upright; a picture that cannot be loaded leaves no
    // other card's face in the box. True when the picture was loaded.
    bool LoadPictureInto(CardBox& box, std::int32_t id);

    std::array<CardBox*, kBoxCount> boxes_{};
    std::array<QLabel*, kBoxCount> labels_{};
    QPixmap objCardPicture;
    windowparts::HelpAndDonateMenus helpMenus_;
    QPointer<QMenuBar> installedIn_;
};

// The card table, loaded (with its report window) if it is not, and shown.
frmAuto* LoadCardTable();
