#include "shell/frmOpen.h"

#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/lightscheme.h"
#include "platform/messagebox.h"
#include "platform/twips.h"
#include "shell/navigation.h"
#include "shell/resources.h"
#include "shell/startup.h"
#include "shell/windowparts.h"

#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>

using platform::TwipsRect;
using platform::TwipsToPixels;

frmOpen::frmOpen() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmOpen"));
    setFixedSize(TwipsToPixels(7485), TwipsToPixels(5010));
    platform::UseLightScheme(this);
    QPalette back = palette();
    back.setColor(QPalette::Window, QColor(40, 24, 64));
    setPalette(back);

    InitPictureResources();
    Image1.setGeometry(TwipsRect(0, 0, 7500, 5010));
    Image1.setScaledContents(true);
    Image1.setPixmap(QPixmap(QStringLiteral(":/pictures/splash.jpg")));
    Image1.setToolTip(QStringLiteral("Please Wait CV Ruda Dored Ivadezo Radadudu is loading..."));

    cmdContd.setGeometry(TwipsRect(5880, 4560, 1455, 375));
    cmdContd.setAutoDefault(false);
    connect(&cmdContd, &platform::CommandButton::Click, this, &frmOpen::cmdContd_Click);

    Timer1.setInterval(3000);
    connect(&Timer1, &QTimer::timeout, this, &frmOpen::Timer1_Timer);
    windowparts::CentreOnScreen(this);
}

void frmOpen::Form_Load() {
    Timer1.start();
    CheckUpdateReminder();
    cmdContd.setVisible(false);
    cmdContd.setEnabled(false);

    const QString folder = platform::ProgramFolder();
    const bool cards = QDir(folder + QStringLiteral("/cards/")).exists();
    const bool pictures = QDir(folder + QStringLiteral("/pic/")).exists();
    if (!cards || !pictures) {
        platform::MsgBox(QStringLiteral("Cards or Spread Pictures are missing.\rPlease Reinstall Software."),
                         platform::MsgIcon::Information);
        QuitApplication();
    }
}

void frmOpen::Form_Unload(bool& cancel) {
    (void)cancel;
    Timer1.stop();
}

void frmOpen::closeEvent(QCloseEvent* event) {
    event->ignore();
    QuitApplication();
}

void frmOpen::Timer1_Timer() {
    // The button's face is set up when it is first revealed: the font lookup is slow and would
    // delay the splash.
    if (cmdContd.styleSheet().isEmpty()) {
        cmdContd.setFont(platform::ProgramFont(QStringLiteral("Verdana"), 9.75, true));
        cmdContd.setStyleSheet(QStringLiteral(
            "QPushButton { background-color: rgb(255, 192, 128); color: black; border: 1px solid rgb(96, 64, 32); }"
            "QPushButton:pressed { background-color: rgb(230, 160, 96); }"));
    }
    cmdContd.setEnabled(true);
    cmdContd.setVisible(true);
}

void frmOpen::cmdContd_Click() {
    ShowQuerentWindow();
    platform::Unload<frmOpen>();
}

void frmOpen::keyPressEvent(QKeyEvent* event) {
    // "Continue...." is the default button: Enter presses it while it is visible and enabled.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !cmdContd.isHidden() &&
        cmdContd.isEnabled()) {
        cmdContd.setValue(true);
        return;
    }
    QWidget::keyPressEvent(event);
}
