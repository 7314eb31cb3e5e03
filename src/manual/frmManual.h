#pragma once
// The manual reading window: the querent picks one face-down back per position while the hint
// box names the position to fill; after the last pick the cards are dealt onto the card table
// and the report is written.
#include "platform/forms.h"

#include <QMainWindow>
#include <QString>
#include <array>
#include <cstdint>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;

class frmManual : public QMainWindow, public platform::Form {
    Q_OBJECT
public:
    static constexpr int kBackCount = 78;

    frmManual();
    QWidget* widget() override { return this; }
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    // Places dealt position picIndex on the card table, one per spread by its list index.
    void SetPicPlacement0(int picIndex);
    void SetPicPlacement1(int picIndex);
    void SetPicPlacement2(int picIndex);
    void SetPicPlacement3(int picIndex);
    void SetPicPlacement4(int picIndex);
    void SetPicPlacement5(int picIndex);
    void SetPicPlacement6(int picIndex);
    void SetPicPlacement7(int picIndex);
    void SetPicPlacement8(int picIndex);
    void SetPicPlacement11(int picIndex);
    void SetPicPlacement9(int picIndex);
    void SetPicPlacement10(int picIndex);
    void SetPicPlacement12(int picIndex);
    // Shows the hint of the position whose number the text gives; anything else leaves the box.
    void ShowCardInfo(const QString& i);

    // Event handlers.
    void p_Click(int Index);
    void cmdBack_Click();
    void cmdCancel_Click();
    void mnuStart_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDona_Click();
    void mnuMakeMoney_Click();
    void Label6_Click();

    // True from the last pick on: the window then takes no more input.
    bool isDealing() const { return dealing_; }
    int pickCount() const { return PickCount; }

    // Controls.
    QLabel* Label6 = nullptr;
    QLabel* picManual = nullptr;
    QWidget* fraPictures = nullptr;
    std::array<QLabel*, kBackCount> p{};
    QPlainTextEdit* txtDisp = nullptr;
    QWidget* picMessage = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    platform::CommandButton* cmdBack = nullptr;
    platform::CommandButton* cmdCancel = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuStart = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDona = nullptr;
    QAction* mnuMakeMoney = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override { handleCloseEvent(e); }

private:
    void buildMenus();
    void Deal();
    void DealCard(int picIndex);
    // Places position picIndex as the spread at spreadIndex lays it out.
    void PlaceDealtCard(int spreadIndex, int picIndex);

    QString SpreadName;
    int SpreadIndex = 0;
    int PickCount = 0;
    int positionCount_ = 0;
    bool AllowReverse = false;
    bool MinorOnly = false;
    bool MajorOnly = false;
    int DealPos = 0;
    std::int32_t CandidateCard = 0;
    bool dealing_ = false;
    bool dealtOut_ = false;  // the deal has ended and unloads the window itself
};
