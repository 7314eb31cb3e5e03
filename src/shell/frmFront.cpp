#include "shell/frmFront.h"

#include "platform/filedialog.h"
#include "platform/fonts.h"
#include "platform/lightscheme.h"
#include "platform/messagebox.h"
#include "platform/stacking.h"
#include "platform/twips.h"
#include "platform/wholelines.h"
#include "shell/frmMDI.h"
#include "shell/frmTarot.h"
#include "shell/modHelp.h"
#include "shell/navigation.h"
#include "shell/readingfile.h"
#include "shell/startup.h"
#include "shell/windowparts.h"
#include "state/readingstate.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>

using platform::TwipsRect;

int TypedCharacterCode(const QKeyEvent& event) {
    const int key = event.key();
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
            return -1;
        default:
            break;
    }
    const Qt::KeyboardModifiers mods = event.modifiers();
    const bool control = mods.testFlag(Qt::ControlModifier) && !mods.testFlag(Qt::AltModifier);
    if (control && key >= Qt::Key_A && key <= Qt::Key_Z) return key - Qt::Key_A + 1;
    if (key == Qt::Key_Backspace) return control ? 127 : 8;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return 13;
    if (key == Qt::Key_Escape) return 27;
    const QString text = event.text();
    if (text.isEmpty()) return -1;
    return text.at(0).unicode();
}

bool IsNameCharacter(int code) {
    return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || code == ' ' || code == 8 || code == 127;
}

frmFront::frmFront() {
    setWindowTitle(windowparts::Caption());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(windowparts::ApplicationIcon());

    // The background picture is larger than the window; the window shows a cut-out of it.
    auto* client = new windowparts::BackgroundPane(this, TwipsRect(-3060, -870, 9000, 6000));
    client->setFixedSize(platform::TwipsToPixels(5925), platform::TwipsToPixels(5325));
    setCentralWidget(client);
    platform::UseLightScheme(client);

    const QFont boxFont = platform::ProgramFont(QStringLiteral("Verdana"), 9.75, true);
    auto label = [&](const QString& text, double left, double top) {
        auto* l = new QLabel(text, client);
        l->setFont(boxFont);
        l->move(platform::TwipsToPixels(left), platform::TwipsToPixels(top));
        l->adjustSize();
        return l;
    };
    auto list = [&](double left, double width) {
        auto* c = new QComboBox(client);
        c->setFont(boxFont);
        c->setGeometry(TwipsRect(left, 960, width, 360));
        return c;
    };
    auto rowButton = [&](const QString& caption, double left) {
        auto* b = new platform::CommandButton(caption, client);
        b->setGeometry(TwipsRect(left, 3270, 1215, 375));
        windowparts::SetButtonFace(b);
        return b;
    };

    Label6 = windowparts::MakeForumAdvert(client, TwipsRect(52, 60, 5520, 465));
    lblName = label(QStringLiteral("Name"), 180, 630);
    txtName = new QLineEdit(client);
    txtName->setFont(boxFont);
    txtName->setGeometry(TwipsRect(1620, 510, 3855, 375));
    lblAge = label(QStringLiteral("Date of Birth"), 180, 1050);
    cmbDate = list(1620, 975);
    cmbMonth = list(2700, 1695);
    cmbYear = list(4500, 975);
    lblCountry = label(QStringLiteral("Country"), 180, 1500);
    txtCountry = new QLineEdit(client);
    txtCountry->setFont(boxFont);
    txtCountry->setGeometry(TwipsRect(1620, 1410, 3855, 375));
    lblQuestion = label(QStringLiteral("Question"), 120, 2437);
    txtQuestion = new platform::WholeLinesTextEdit(client);
    txtQuestion->setFont(boxFont);
    txtQuestion->setGeometry(TwipsRect(1620, 1890, 3855, 1335));
    txtQuestion->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtQuestion->setTabChangesFocus(true);
    cmdCancel = rowButton(QStringLiteral("&Exit"), 1830);
    cmdReset = rowButton(QStringLiteral("&Reset"), 3060);
    cmdNext = rowButton(QStringLiteral("&Next"), 4290);
    cmdOpen = new platform::CommandButton(QStringLiteral("&Open Previous Record"), client);
    cmdOpen->setFont(platform::ProgramFont(QStringLiteral("Verdana"), 8.25, true));
    cmdOpen->setGeometry(TwipsRect(1620, 3720, 3855, 495));
    fraFullBrand = windowparts::MakeFullBrandFrame(client, TwipsRect(0, 4320, 5985, 1215));

    setTabOrder(txtName, cmbDate);
    setTabOrder(cmbDate, cmbMonth);
    setTabOrder(cmbMonth, cmbYear);
    setTabOrder(cmbYear, txtCountry);
    setTabOrder(txtCountry, txtQuestion);
    setTabOrder(txtQuestion, cmdCancel);
    setTabOrder(cmdCancel, cmdReset);
    setTabOrder(cmdReset, cmdNext);
    setTabOrder(cmdNext, cmdOpen);

    txtName->installEventFilter(this);
    txtCountry->installEventFilter(this);
    connect(static_cast<LinkLabel*>(Label6), &LinkLabel::Click, this, &frmFront::Label6_Click);
    connect(cmdNext, &platform::CommandButton::Click, this, &frmFront::cmdNext_Click);
    connect(cmdReset, &platform::CommandButton::Click, this, &frmFront::cmdReset_Click);
    connect(cmdOpen, &platform::CommandButton::Click, this, &frmFront::cmdOpen_Click);
    connect(cmdCancel, &platform::CommandButton::Click, this, &frmFront::cmdCancel_Click);
    buildMenus();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    windowparts::CentreOnScreen(this);
}

void frmFront::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    mnuReset = file->addAction(QStringLiteral("&Reset"), this, &frmFront::cmdReset_Click);
    mnuNext = file->addAction(QStringLiteral("N&ext"), this, &frmFront::cmdNext_Click);
    file->addSeparator();
    mnuExit = file->addAction(QStringLiteral("E&xit"), this, &frmFront::cmdCancel_Click);

    const windowparts::HelpAndDonateMenus menus = windowparts::MakeHelpAndDonateMenus(
        this, {QStringLiteral("Help"), QStringLiteral("Onine &Help"), QStringLiteral("Visit Us &Online"),
               QStringLiteral("Check For Software Update"), QStringLiteral("About &Software")});
    // "Make Money &Online" is switched off and not shown here: in the bar its mnemonic would
    // make Alt+O ambiguous with "&Open Previous Record".
    menus.AddTo(menuBar(), false);
    mnuHelpOnline = menus.online;
    mnuVisitOnline = menus.visit;
    mnuUpdate = menus.update;
    mnuAbout = menus.about;
    mnuDon = menus.donate;
    mnuMakeMoney = menus.makeMoney;
}

void frmFront::Form_Load() {
    for (int day = 1; day <= 31; ++day) cmbDate->addItem(QString::number(day));
    for (const char* month : {"January", "February", "March", "April", "May", "June", "July", "August", "September",
                              "October", "November", "December"}) {
        cmbMonth->addItem(QString::fromLatin1(month));
    }
    for (int year = 1900; year <= 2050; ++year) cmbYear->addItem(QString::number(year));
    cmbDate->setCurrentIndex(0);
    cmbMonth->setCurrentIndex(0);
    cmbYear->setCurrentIndex(80);
    txtName->setFocus();
}

void frmFront::Form_Unload(bool&) {
    if (!IsQuitting()) ShowExitScreen();
}

bool frmFront::eventFilter(QObject* watched, QEvent* event) {
    auto* box = watched == txtName ? txtName : watched == txtCountry ? txtCountry : nullptr;
    if (box && filterTyped(box, event)) return true;
    return QMainWindow::eventFilter(watched, event);
}

bool frmFront::filterTyped(QLineEdit* box, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        lastRelease_ = {key.key(), key.timestamp()};
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        // A held key repeats as a release and a press at one time. Qt's X11 plugin marks the
        // pair as a repeat only when it finds the press already queued behind the release, so a
        // busy moment (a message box closing) lets one through as typed afresh. Keys the program
        // sends itself carry no time.
        const bool repeat = key.isAutoRepeat() ||
                            (key.timestamp() != 0 && lastRelease_ == KeyAtTime{key.key(), key.timestamp()});
        if (repeat) {
            if (repeatsRefused_) return true;
        } else {
            repeatsRefused_ = false;
        }
        const int code = TypedCharacterCode(key);
        if (code < 0 || IsNameCharacter(code)) return false;
        refuseTyped(box, 1);
        return true;
    }
    if (event->type() != QEvent::InputMethod) return false;

    // An input method's commit can hold several characters: the box takes those the filter
    // lets through, and the event still reaches it, so that the box's preedit ends with it.
    const auto& input = *static_cast<QInputMethodEvent*>(event);
    QString kept;
    int refused = 0;
    for (const char32_t c : QStringView(input.commitString()).toUcs4()) {
        if (IsNameCharacter(static_cast<int>(c))) {
            kept += QChar(static_cast<char16_t>(c));
        } else {
            ++refused;
        }
    }
    if (refused == 0) return false;
    // A commit refused in part replaces nothing: the text before it stays as it was typed.
    QInputMethodEvent allowed(input.preeditString(), input.attributes());
    allowed.setCommitString(kept);
    QCoreApplication::sendEvent(box, &allowed);
    refuseTyped(box, refused);
    return true;
}

void frmFront::refuseTyped(QLineEdit* box, int characters) {
    repeatsRefused_ = true;
    // While a message is up the box can take no typing; what reaches it then, the box's own
    // message made the input method commit (it commits its preedit when the focus moves).
    if (refusalShowing_) return;
    const bool idle = refusals_.empty();
    refusals_.insert(refusals_.end(), characters, box);
    // Not from inside the delivery: a modal box opened there runs its event loop while the input
    // method, or the key repeat of Qt's Wayland plugin, is still in the middle of the key.
    if (idle) QMetaObject::invokeMethod(this, &frmFront::showRefusals, Qt::QueuedConnection);
}

void frmFront::showRefusals() {
    while (!refusals_.empty()) {
        QLineEdit* box = refusals_.front();
        refusalShowing_ = true;
        platform::MsgBox(box == txtName ? QStringLiteral("Name cannot contain Numbers and Special Characters")
                                        : QStringLiteral("Country cannot contain Numbers and Special Characters"),
                         platform::MsgIcon::Information);
        refusalShowing_ = false;
        refusals_.pop_front();
        box->setFocus();
    }
}

void frmFront::cmdNext_Click() {
    QuerentDetails& q = Querent();
    q.strName = txtName->text();
    q.strCountry = txtCountry->text();
    q.strQ = txtQuestion->toPlainText();
    q.strDate = cmbDate->currentText();
    q.strMonth = cmbMonth->currentText();
    q.strYear = cmbYear->currentText();
    q.strDOB = q.strMonth + QLatin1Char(' ') + q.strDate + QStringLiteral(", ") + q.strYear;
    ShowSelectionWindow();
    hide();
}

void frmFront::cmdReset_Click() {
    txtName->clear();
    txtCountry->clear();
    txtQuestion->clear();
    cmbDate->setCurrentIndex(0);
    cmbMonth->setCurrentIndex(0);
    cmbYear->setCurrentIndex(80);
    txtName->setFocus();
}

void frmFront::cmdCancel_Click() { platform::Unload<frmFront>(); }

void frmFront::Label6_Click() { OpenHomePage(); }

void frmFront::cmdOpen_Click() {
    platform::FileDialogOptions options;
    options.filter = QStringLiteral("CV Vezor Adarizu Dudiruvo (*.trs)|*.trs");
    options.defaultExt = QStringLiteral("trs");
    options.fileMustExist = true;
    options.noReadOnlyReturn = true;
    options.title = QStringLiteral("Select the source file");
    const std::optional<QString> chosen = platform::GetOpenFileName(options);
    if (!chosen || chosen->isEmpty()) return;

    std::optional<ReadingRecord> reading;
    if (chosen->endsWith(QLatin1String("trs"))) reading = ReadReadingFileAt(*chosen);
    if (!reading) {
        platform::MsgBox(QStringLiteral("Please Check The File."), platform::MsgIcon::Critical);
        return;
    }

    // An earlier reading still on show gives way, so the opened one lies on a fresh card table.
    frmMDI::UnloadForNewReading();
    ReadingState& state = State();
    PrepareReplay(state, *reading);
    CardTableDONE1(static_cast<int>(reading->arrCards.size()));
    FinishReplay(state);
    ShowReportWindow();
}

void ShowQuerentWindow() {
    frmFront* window = platform::Get<frmFront>();
    window->show();
    platform::BringToFront(window);
}
