#include "shell/frmAbout.h"

#include "platform/fonts.h"
#include "platform/lightscheme.h"
#include "platform/stacking.h"
#include "platform/twips.h"
#include "shell/navigation.h"
#include "shell/startup.h"
#include "shell/windowparts.h"

#include <QWindow>

using platform::ProgramFont;
using platform::TwipsRect;
using platform::TwipsToPixels;

namespace {
const QString kVerdana = QStringLiteral("Verdana");

void Colour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    widget.setPalette(palette);
}

QFont LinkFont() {
    QFont font = ProgramFont(kVerdana, 8.25);
    font.setUnderline(true);
    return font;
}
}  // namespace

frmAbout::frmAbout()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmAbout"));
    platform::UseLightScheme(this);
    setWindowTitle(windowparts::Caption());
    setWindowIcon(windowparts::ApplicationIcon());
    setFixedSize(TwipsToPixels(7275), TwipsToPixels(4290));

    picIcon.move(TwipsToPixels(90), TwipsToPixels(60));
    picIcon.setPixmap(windowparts::ApplicationIconPicture());
    picIcon.adjustSize();

    Label1.move(TwipsToPixels(810), TwipsToPixels(60));
    Label1.setFont(ProgramFont(kVerdana, 9.75, true));
    Label1.setText(windowparts::Caption());
    Colour(Label1, palette().color(QPalette::Highlight));
    Label1.adjustSize();

    Label2.setGeometry(TwipsRect(810, 390, 6315, 1215));
    Label2.setFont(ProgramFont(kVerdana, 8.25));
    Label2.setWordWrap(true);
    Label2.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2.setText(QStringLiteral(
        "CV Vezor Adarizu Dudiruvo can be used as a divination tool to know what your future has in store for you. "
        "Tarot is seen as a means of getting in touch with the spiritual world. This software also helps you improve "
        "your intuitive skills thus making you more sensitive to the unexplored psychic realm."));

    lblHomePage.move(TwipsToPixels(3075), TwipsToPixels(1605));
    lblHomePage.setFont(LinkFont());
    Colour(lblHomePage, QColor(0, 0, 255));
    lblHomePage.setText(QStringLiteral("Click here to visit www.corvantelle.example"));
    lblHomePage.adjustSize();
    connect(&lblHomePage, &LinkLabel::Click, this, &frmAbout::lblHomePage_Click);

    Label3.setGeometry(TwipsRect(60, 1920, 7065, 435));
    Label3.setFont(ProgramFont(kVerdana, 8.25, true));
    Label3.setWordWrap(true);
    Label3.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3.setText(QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. "
                                  "Get this software fully branded for your website."));

    lblCoBrand.move(TwipsToPixels(4770), TwipsToPixels(2355));
    lblCoBrand.setFont(LinkFont());
    Colour(lblCoBrand, QColor(0, 0, 255));
    lblCoBrand.setText(QStringLiteral("Click here for more details."));
    lblCoBrand.adjustSize();
    connect(&lblCoBrand, &LinkLabel::Click, this, &frmAbout::lblCoBrand_Click);

    Frame1.setGeometry(TwipsRect(810, 2700, 6315, 915));
    Frame1.setFont(ProgramFont(kVerdana, 8.25, true));
    Frame1.setTitle(QStringLiteral("Card Pictures"));
    Label4.setGeometry(TwipsRect(180, 270, 5985, 435));
    Label4.setFont(ProgramFont(kVerdana, 8.25));
    Label4.setWordWrap(true);
    Label4.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label4.setText(QStringLiteral("The card faces and spread diagrams are drawn by the program's own picture maker."));

    Line1.setGeometry(0, TwipsToPixels(3720) - 1, TwipsToPixels(8280), 2);
    Line1.setFrameShape(QFrame::HLine);
    Line1.setFrameShadow(QFrame::Sunken);
    Line1.setLineWidth(1);

    cmdOK.setGeometry(TwipsRect(5865, 3900, 1260, 345));
    cmdOK.setDefault(true);
    connect(&cmdOK, &platform::CommandButton::Click, this, &frmAbout::cmdOK_Click);
    cmdOK.setFocus();

    windowparts::CentreOnScreen(this);
}

void frmAbout::reject() { cmdOK.setValue(true); }

void frmAbout::cmdOK_Click() { platform::Unload<frmAbout>(); }

void frmAbout::lblHomePage_Click() { OpenHomePage(); }

void frmAbout::lblCoBrand_Click() { OpenDonatePage(); }

void ShowAboutBox() {
    frmAbout* about = platform::Get<frmAbout>();
    QWidget* owner = platform::FrontWindow(about);
    // Kept with the window that opened it, so it has no taskbar entry of its own.
    if (owner) {
        about->winId();
        if (QWindow* window = about->windowHandle()) window->setTransientParent(owner->windowHandle());
    }
    about->exec();
}
