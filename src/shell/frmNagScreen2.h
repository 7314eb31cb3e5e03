#pragma once
// The exit screen: support text, links, the refer-a-friend form and "E&xit".
#include "platform/forms.h"
#include "shell/modHelp.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

// The four support texts, one of which the exit screen shows.
const QStringList& SupportTexts();

class frmNagScreen2 : public QWidget, public platform::Form {
    Q_OBJECT
public:
    frmNagScreen2();
    QWidget* widget() override { return this; }
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void closeEvent(QCloseEvent* e) override { handleCloseEvent(e); }

    void cmdClose_Click();
    void Check1_Click();
    void lblGoToHome_Click();
    void cmdSubmit_Click();

    // The message box's text with its line breaks as CR LF.
    QString txtMessageText() const;
    void setTxtMessageText(const QString& text);

    // Frames come before the controls they hold, so each control goes before its frame.
    QLabel picNagscreen2Icon{this};
    QLabel lblNagScreen2Caption{this};
    QLabel Label2{this};
    QPushButton Check1{this};
    platform::CommandButton cmdClose{QStringLiteral("E&xit"), this};
    QGroupBox Frame2{QStringLiteral("Refer A Friend"), this};
    QLineEdit txtName{&Frame2};
    platform::CommandButton cmdSubmit{QStringLiteral("Refer A Friend &Now"), &Frame2};
    QLineEdit txtEmail{&Frame2};
    QLineEdit txtFriendEmail{&Frame2};
    QLineEdit txtFriendName{&Frame2};
    QPlainTextEdit txtMessage{&Frame2};
    QGroupBox Frame6{QStringLiteral("Download Lunavere Softwares"), this};
    QLabel Label3{&Frame6};
    LinkLabel lblGoToHome{QStringLiteral("Click Here To Visit Lunavere Softwares"), &Frame6};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString boxText(QObject* box) const;
    void setBoxText(QObject* box, const QString& text);
    QString placeholderOf(QObject* box) const;
};
