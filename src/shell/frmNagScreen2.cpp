#include "shell/frmNagScreen2.h"

#include "platform/focusmark.h"
#include "platform/fonts.h"
#include "platform/lightscheme.h"
#include "platform/messagebox.h"
#include "platform/randomsource.h"
#include "platform/stacking.h"
#include "platform/twips.h"
#include "shell/modTellAFriend.h"
#include "shell/navigation.h"
#include "shell/startup.h"
#include "shell/windowparts.h"

#include <QFocusEvent>
#include <QKeyEvent>

using platform::ProgramFont;
using platform::TwipsRect;
using platform::TwipsToPixels;

namespace {
const QString kVerdana = QStringLiteral("Verdana");

const QString kPromotion = QStringLiteral(
    "Thank you for using CV Vezor Adarizu Dudiruvo. If you enjoyed this program, you will also like the other "
    "programs of Lunavere Softwares: astrology charts and horoscopes, psychic tests, tarot spreads and readings, "
    "numerology calculators and programs on the occult. Each of them is made with the same care as this one, and all "
    "of them can be downloaded from our web site. Try them for yourself, and share them with your friends and family "
    "so that they can enjoy them too. Every program you pass on helps Lunavere Softwares to make new programs and to "
    "keep the existing ones up to date.");

// Steps a one-line label's font down until the label fits the given width.
void FitToWidth(QLabel& label, int width) {
    QFont font = label.font();
    label.adjustSize();
    while (label.width() > width && font.pointSizeF() > 6) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        label.setFont(font);
        label.adjustSize();
    }
}

void Colour(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}
}  // namespace

const QStringList& SupportTexts() {
    static const QStringList texts = {
        QStringLiteral("Please support Corvantelle, the forum of Lunavere Softwares. Visit Corvantelle regularly and "
                       "join in its discussions: every visit to Corvantelle helps to keep our programs alive and up to "
                       "date."),
        QStringLiteral("Do you enjoy this program? Then help Corvantelle keep it going. Visit the Corvantelle forum "
                       "often and take part in its discussions; the visitors of Corvantelle pay for the upkeep of our "
                       "programs."),
        QStringLiteral("Our programs stay free because people come to Corvantelle. Make Corvantelle a regular stop, read "
                       "along and join the discussions there: your visits to Corvantelle keep this software "
                       "maintained."),
        QStringLiteral("Lunavere Softwares depends on Corvantelle, its forum site. Visit Corvantelle regularly, share "
                       "your readings and take part in the discussions, and you help Lunavere Softwares keep its "
                       "programs up to date."),
    };
    return texts;
}

frmNagScreen2::frmNagScreen2()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmNagScreen2"));
    setFixedSize(TwipsToPixels(11115), TwipsToPixels(4725));
    platform::UseLightScheme(this);
    Colour(*this, QPalette::Window, Qt::white);

    picNagscreen2Icon.setGeometry(TwipsRect(360, 120, 540, 540));
    picNagscreen2Icon.setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblNagScreen2Caption.move(TwipsToPixels(1080), TwipsToPixels(240));
    lblNagScreen2Caption.setFont(ProgramFont(QStringLiteral("MS Sans Serif"), 18));

    Label2.setGeometry(TwipsRect(120, 840, 6975, 1095));
    Label2.setFont(ProgramFont(kVerdana, 9.75, true));
    Label2.setWordWrap(true);
    Label2.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2.setText(SupportTexts().at(1));

    Check1.setGeometry(TwipsRect(30, 2040, 7185, 555));
    Check1.setCheckable(true);
    Check1.setText(QStringLiteral("Click Here To Visit www.corvantelle.example Now"));
    Check1.setFont(ProgramFont(kVerdana, 14.25));
    Check1.setCursor(Qt::PointingHandCursor);
    platform::ShowFocusMark(&Check1, platform::FocusMark::Dots);
    Check1.setStyleSheet(QStringLiteral(
        "QPushButton { color: rgb(0, 0, 192); background-color: rgb(236, 233, 216); border: 1px solid rgb(128, 128, 128); }"
        "QPushButton:checked, QPushButton:pressed { background-color: rgb(212, 208, 200); }"));
    connect(&Check1, &QPushButton::clicked, this, &frmNagScreen2::Check1_Click);

    cmdClose.setGeometry(TwipsRect(6000, 2760, 1245, 375));
    connect(&cmdClose, &platform::CommandButton::Click, this, &frmNagScreen2::cmdClose_Click);

    Frame2.setObjectName(QStringLiteral("Frame2"));
    Frame2.setGeometry(TwipsRect(120, 3240, 7065, 1455));
    Frame2.setFont(ProgramFont(kVerdana, 9.75, true));
    Frame2.setStyleSheet(QStringLiteral(
        "QGroupBox#Frame2 { background-color: rgb(0, 0, 128); border: 1px solid rgb(128, 128, 192); margin: 0px; }"
        "QGroupBox#Frame2::title { color: white; subcontrol-origin: padding; subcontrol-position: top left;"
        " left: 6px; top: 2px; }"));
    const QFont boxFont = ProgramFont(QStringLiteral("MS Sans Serif"), 8.25);
    struct Box {
        QLineEdit& box;
        int left, top;
        const QString& placeholder;
    };
    for (const Box& b : {Box{txtName, 85, 360, kNamePlaceholder}, Box{txtEmail, 3600, 360, kEmailPlaceholder},
                         Box{txtFriendEmail, 3600, 720, kFriendEmailPlaceholder},
                         Box{txtFriendName, 85, 720, kFriendNamePlaceholder}}) {
        b.box.setGeometry(TwipsRect(b.left, b.top, 3375, 285));
        b.box.setFont(boxFont);
        b.box.setText(b.placeholder);
        b.box.installEventFilter(this);
    }
    cmdSubmit.setGeometry(TwipsRect(1920, 1080, 3375, 285));
    cmdSubmit.setFont(ProgramFont(kVerdana, 8.25, true));
    connect(&cmdSubmit, &platform::CommandButton::Click, this, &frmNagScreen2::cmdSubmit_Click);
    // The message box lies below the frame's edge: only the Tab key reaches it.
    txtMessage.setGeometry(TwipsRect(4800, 3600, 1815, 495));
    txtMessage.setFont(boxFont);
    txtMessage.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage.setTabChangesFocus(true);
    setTxtMessageText(kMessagePlaceholder + QStringLiteral("\r\n"));
    txtMessage.installEventFilter(this);
    // The frame's style sheet keeps the controls in it from taking the window's palette.
    for (QWidget* control : Frame2.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        control->setPalette(platform::LightScheme());
    }

    Frame6.setObjectName(QStringLiteral("Frame6"));
    Frame6.setGeometry(TwipsRect(7320, 120, 3735, 4575));
    Frame6.setFont(ProgramFont(kVerdana, 9.75, true));
    Frame6.setStyleSheet(QStringLiteral(
        "QGroupBox#Frame6 { background-color: rgb(0, 0, 128); border: 1px solid rgb(128, 128, 192); margin: 0px; }"
        "QGroupBox#Frame6::title { color: white; subcontrol-origin: padding; subcontrol-position: top left;"
        " left: 6px; top: 2px; }"));
    Label3.setGeometry(TwipsRect(120, 360, 3495, 3855));
    Label3.setFont(ProgramFont(kVerdana, 9));
    Label3.setWordWrap(true);
    Label3.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3.setText(kPromotion);
    Colour(Label3, QPalette::WindowText, Qt::white);
    lblGoToHome.move(TwipsToPixels(75), TwipsToPixels(4250));
    QFont linkFont = ProgramFont(kVerdana, 9, true);
    linkFont.setUnderline(true);
    lblGoToHome.setFont(linkFont);
    Colour(lblGoToHome, QPalette::WindowText, QColor(255, 255, 0));
    // Where the font is wider than the one the frame was laid out for, the link still fits.
    FitToWidth(lblGoToHome, Frame6.width() - 2 * lblGoToHome.x());
    connect(&lblGoToHome, &LinkLabel::Click, this, &frmNagScreen2::lblGoToHome_Click);

    setTabOrder(&cmdClose, &Check1);
    setTabOrder(&Check1, &txtName);
    setTabOrder(&txtName, &cmdSubmit);
    setTabOrder(&cmdSubmit, &txtEmail);
    setTabOrder(&txtEmail, &txtFriendEmail);
    setTabOrder(&txtFriendEmail, &txtFriendName);
    setTabOrder(&txtFriendName, &txtMessage);

    windowparts::CentreOnScreen(this);
}

void frmNagScreen2::Form_Load() {
    setWindowTitle(windowparts::Caption());
    lblNagScreen2Caption.setText(windowparts::Caption());
    lblNagScreen2Caption.adjustSize();

    setWindowIcon(windowparts::ApplicationIcon());
    picNagscreen2Icon.setPixmap(windowparts::ApplicationIconPicture());

    platform::Randomize();
    const int k = platform::RandomChoice(0, 4, platform::Rnd());
    Label2.setText(SupportTexts().value(k));

    // On top of every other window, shown without taking the focus, once the work that loaded
    // it is done: a navigation that shows and hides it on the way leaves it off the screen.
    platform::KeepAbove(this);
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    platform::ShowLater(this);
}

void frmNagScreen2::Form_Unload(bool& cancel) {
    (void)cancel;
    QuitApplication();
}

void frmNagScreen2::cmdClose_Click() { QuitApplication(); }

void frmNagScreen2::Check1_Click() {
    // The box never stays down: each click opens the home page once.
    if (Check1.isChecked()) {
        Check1.setChecked(false);
        OpenHomePage();
    }
}

void frmNagScreen2::lblGoToHome_Click() { OpenSoftwaresPage(); }

void frmNagScreen2::cmdSubmit_Click() {
    strSenderName() = TrimBlanks(txtName.text());
    strSenderEmail() = TrimBlanks(txtEmail.text());
    strMessage() = TrimBlanks(txtMessageText());
    strFriendName() = TrimBlanks(txtFriendName.text());
    strFriendEmail() = TrimBlanks(txtFriendEmail.text());

    const QString& email = strSenderEmail();
    const QString& friendEmail = strFriendEmail();
    if (email == friendEmail) {
        platform::MsgBox(QStringLiteral("Please Enter Distinct Email Addresses"), platform::MsgIcon::Critical);
        return;
    }
    const auto proper = [](const QString& address) {
        return address.contains(QLatin1Char('@')) && address.contains(QLatin1Char('.'));
    };
    if (!proper(email) || !proper(friendEmail)) {
        platform::MsgBox(QStringLiteral("Please Enter Proper Email Address"), platform::MsgIcon::Critical);
        return;
    }
    TellAFriend();
}

QString frmNagScreen2::txtMessageText() const {
    QString text = txtMessage.toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void frmNagScreen2::setTxtMessageText(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtMessage.setPlainText(plain);
}

QString frmNagScreen2::boxText(QObject* box) const {
    if (box == &txtMessage) return txtMessageText();
    return static_cast<QLineEdit*>(box)->text();
}

void frmNagScreen2::setBoxText(QObject* box, const QString& text) {
    if (box == &txtMessage) {
        setTxtMessageText(text);
    } else {
        static_cast<QLineEdit*>(box)->setText(text);
    }
}

QString frmNagScreen2::placeholderOf(QObject* box) const {
    if (box == &txtName) return kNamePlaceholder;
    if (box == &txtEmail) return kEmailPlaceholder;
    if (box == &txtFriendEmail) return kFriendEmailPlaceholder;
    if (box == &txtFriendName) return kFriendNamePlaceholder;
    return kMessagePlaceholder;
}

bool frmNagScreen2::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            // Only moves between the window's own controls count, not a message box or
            // another program taking the focus for a while.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) break;
            const QString placeholder = placeholderOf(watched);
            const QString text = TrimBlanks(boxText(watched));
            if (event->type() == QEvent::FocusIn && text == placeholder) setBoxText(watched, QString());
            if (event->type() == QEvent::FocusOut && text.isEmpty()) setBoxText(watched, placeholder);
            break;
        }
        case QEvent::KeyPress:
            if ((watched == &txtEmail || watched == &txtFriendEmail) &&
                static_cast<QKeyEvent*>(event)->text() == QStringLiteral(" ")) {
                platform::MsgBox(QStringLiteral("Email Address Cannot Contain Space"), platform::MsgIcon::Critical);
                static_cast<QWidget*>(watched)->setFocus(Qt::OtherFocusReason);
                return true;
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void ShowExitScreen() {
    if (IsQuitting()) return;
    platform::ShowLater(platform::Get<frmNagScreen2>());
}

void HideExitScreen() {
    if (frmNagScreen2* screen = platform::Peek<frmNagScreen2>()) platform::HideWindow(screen);
}

bool ExitScreenShown() {
    const frmNagScreen2* screen = platform::Peek<frmNagScreen2>();
    return screen && platform::IsShown(screen);
}
