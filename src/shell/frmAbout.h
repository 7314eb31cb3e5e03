#pragma once
// The About box: the program's name, a description and two links; always shown modal.
#include "platform/forms.h"
#include "shell/modHelp.h"

#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>

class frmAbout : public QDialog, public platform::Form {
    Q_OBJECT
public:
    frmAbout();
    QWidget* widget() override { return this; }
    void closeEvent(QCloseEvent* e) override { handleCloseEvent(e); }
    // Esc and Enter press "OK".
    void reject() override;

    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCoBrand_Click();

    QLabel picIcon{this};
    QLabel Label1{this};
    QLabel Label2{this};
    LinkLabel lblHomePage{this};
    QLabel Label3{this};
    LinkLabel lblCoBrand{this};
    QGroupBox Frame1{this};
    QLabel Label4{&Frame1};
    QFrame Line1{this};
    platform::CommandButton cmdOK{QStringLiteral("OK"), this};
};
