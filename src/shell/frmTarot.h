#pragma once
// The selection window: deck, spread and options of a reading; "AutoCast" and "Manual" start it.
// Its public variables card, no and MaxCardInSet live in Selection().
#include "platform/forms.h"

#include <QMainWindow>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;

class frmTarot : public QMainWindow, public platform::Form {
    Q_OBJECT
public:
    frmTarot();
    QWidget* widget() override { return this; }
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    void cboCards_Click();
    void lstOption_Click();
    void chkHA_Click();
    void chkLA_Click();
    void cmdAuto_Click();
    void cmdManual_Click();
    void cmdBack_Click();
    void cmdCancel_Click();
    void mnuExit_Click();
    void Label6_Click();
    // Selects the spread list's item of that name, letter case aside, as a click on it would.
    void SelectSpreadByName(const QString& name);

    // Set by "AutoCast" and "Manual": Minor Arcana, Major Arcana, reversed cards ticked.
    bool lboo = false;
    bool hboo = false;
    bool rboo = false;

    QLabel* Label6;
    QLabel* lblInfo;
    QPlainTextEdit* txtQ;
    QLabel* Label4[2];
    QComboBox* cboCards;
    QListWidget* lstOption;
    QPlainTextEdit* txtDisp;
    QLabel* pctCard;
    QGroupBox* frmArcane;
    QCheckBox* chkHA;
    QCheckBox* chkLA;
    QCheckBox* chkRev;
    QLabel* Label3;
    platform::CommandButton* cmdManual;
    platform::CommandButton* cmdAuto;
    platform::CommandButton* cmdBack;
    platform::CommandButton* cmdCancel;
    QWidget* picMessage;
    QLabel* Label1;
    QLabel* Label2;
    QGroupBox* fraFullBrand;

    QAction* mnuScenario[13];
    QAction* mnuManual;
    QAction* mnuCast;
    QAction* mnuBack;
    QAction* mnuExit;
    QAction* mnuHelpOnline;
    QAction* mnuVisitOnline;
    QAction* mnuUpdate;
    QAction* mnuAbout;
    QAction* mnuDonate;
    QAction* mnuMakeMoney;

protected:
    void closeEvent(QCloseEvent* e) override { handleCloseEvent(e); }

private:
    void buildMenus();
    // Steps shared by "AutoCast" and "Manual": the public variables and the reading state.
    void copyChoices(bool manualMode);
};
