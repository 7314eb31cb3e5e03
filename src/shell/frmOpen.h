#pragma once
// The splash window: checks the picture folders and offers "Continue...." after a while.
#include "platform/forms.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

class frmOpen : public QWidget, public platform::Form {
    Q_OBJECT
public:
    frmOpen();
    QWidget* widget() override { return this; }
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    // The splash has no close box; closing it through the window manager ends the program.
    void closeEvent(QCloseEvent* event) override;

    void Timer1_Timer();
    void cmdContd_Click();

    QLabel Image1{this};
    QTimer Timer1{this};
    platform::CommandButton cmdContd{QStringLiteral("Continue...."), this};

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
