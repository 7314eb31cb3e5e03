#include "manual/frmManual.h"

#include "casting/frmAuto.h"
#include "casting/userinputhold.h"
#include "catalogue/report.h"
#include "catalogue/spreads.h"
#include "manual/placement.h"
#include "platform/fonts.h"
#include "platform/lightscheme.h"
#include "platform/pause.h"
#include "platform/richtextbox.h"
#include "platform/stacking.h"
#include "platform/twips.h"
#include "platform/wholelines.h"
#include "shell/modHelp.h"
#include "shell/navigation.h"
#include "shell/resources.h"
#include "shell/windowparts.h"
#include "state/readingstate.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <functional>

using platform::TwipsRect;

namespace {

// A face-down card back: a left click inside it (press and release) picks it.
class CardBack : public QLabel {
public:
    CardBack(QWidget* parent, std::function<void()> onClick) : QLabel(parent), onClick_(std::move(onClick)) {}

protected:
    void mousePressEvent(QMouseEvent* event) override {
        pressed_ = event->button() == Qt::LeftButton;
        QLabel::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
        pressed_ = false;
        QLabel::mouseReleaseEvent(event);
        if (click && onClick_) onClick_();
    }

private:
    std::function<void()> onClick_;
    bool pressed_ = false;
};

// The picture every back shows; a plain dark back when the embedded one is missing.
QPixmap BackPicture(const QSize& size) {
    InitPictureResources();
    QPixmap back(QStringLiteral(":/pictures/cardback.jpg"));
    if (back.isNull()) {
        back = QPixmap(size);
        back.fill(QColor(0x23, 0x2f, 0x63));
        return back;
    }
    return back.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void SetColours(QWidget* widget, const QColor& text, const QColor& background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The back grid: 13 columns, 6 rows, inside the frame.
constexpr int kBackColumns = 13;
constexpr double kBackWidth = 350;
constexpr double kBackHeight = 600;

}  // namespace

frmManual::frmManual() {
    setWindowTitle(windowparts::Caption());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(windowparts::ApplicationIcon());
    setFont(platform::ProgramFont(QStringLiteral("Verdana"), 8.25));

    auto* client = new QWidget(this);
    client->setFixedSize(platform::TwipsToPixels(7560), platform::TwipsToPixels(6390));
    setCentralWidget(client);
    platform::UseLightScheme(client);

    Label6 = windowparts::MakeForumAdvert(client, TwipsRect(1005, 60, 5550, 465));

    picManual = new QLabel(client);
    picManual->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picManual->setGeometry(TwipsRect(90, 480, 2415, 4095));

    fraPictures = new QWidget(client);
    fraPictures->setGeometry(TwipsRect(2520, 540, 5055, 4035));
    SetColours(fraPictures, Qt::black, Qt::white);

    const QSize backSize(platform::TwipsToPixels(kBackWidth), platform::TwipsToPixels(kBackHeight));
    const QPixmap back = BackPicture(backSize);
    for (int k = 0; k < kBackCount; ++k) {
        auto* box = new CardBack(fraPictures, [this, k] { p_Click(k); });
        const int column = k % kBackColumns;
        const int row = k / kBackColumns;
        box->setGeometry(TwipsRect(90 + 375 * column, 180 + 630 * row, kBackWidth, kBackHeight));
        box->setPixmap(back);
        box->setScaledContents(true);
        box->setObjectName(QStringLiteral("p%1").arg(k));
        p[static_cast<std::size_t>(k)] = box;
    }

    txtDisp = new platform::WholeLinesTextEdit(client);
    txtDisp->setReadOnly(true);
    txtDisp->setFont(platform::ProgramFont(QStringLiteral("Verdana"), 9.75, true));
    txtDisp->setGeometry(TwipsRect(90, 4620, 7395, 1245));

    picMessage = new QWidget(client);
    picMessage->setGeometry(TwipsRect(1133, 2693, 5295, 975));
    SetColours(picMessage, Qt::black, QColor(255, 0, 0));
    Label1 = new QLabel(QStringLiteral("Please Wait ..."), picMessage);
    Label1->setFont(platform::ProgramFont(QStringLiteral("Verdana"), 14.25, true));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setGeometry(TwipsRect(60, 60, 5175, 840));
    SetColours(Label1, QColor(0, 0, 255), Qt::white);
    Label2 = new QLabel(QStringLiteral("CV Ruda Dored Ivadezo Radadudu is generating the Tarot result...."),
                        picMessage);
    Label2->setFont(platform::ProgramFont(QStringLiteral("Verdana"), 9.75));
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setWordWrap(true);
    Label2->setGeometry(TwipsRect(90, 360, 5115, 555));
    SetColours(Label2, QColor(0, 0, 255), Qt::white);
    picMessage->hide();

    const QFont buttonFont = platform::ProgramFont(QStringLiteral("MS Sans Serif"), 9.75);
    cmdBack = new platform::CommandButton(QStringLiteral("Back"), client);
    cmdBack->setGeometry(TwipsRect(6510, 5940, 975, 375));
    cmdCancel = new platform::CommandButton(QStringLiteral("Exit"), client);
    cmdCancel->setGeometry(TwipsRect(5370, 5940, 1095, 375));
    for (platform::CommandButton* button : {cmdBack, cmdCancel}) {
        button->setFont(buttonFont);
        windowparts::SetButtonFace(button);
    }
    // "Back" and "Exit" come first in the tab order, the hint box after them.
    setTabOrder(cmdBack, cmdCancel);
    setTabOrder(cmdCancel, txtDisp);

    if (auto* link = qobject_cast<LinkLabel*>(Label6)) connect(link, &LinkLabel::Click, this, &frmManual::Label6_Click);
    connect(cmdBack, &platform::CommandButton::Click, this, &frmManual::cmdBack_Click);
    connect(cmdCancel, &platform::CommandButton::Click, this, &frmManual::cmdCancel_Click);
    buildMenus();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    windowparts::CentreOnScreen(this);
}

void frmManual::buildMenus() {
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuStart = mnuFile->addAction(QStringLiteral("&Start Again"), this, &frmManual::mnuStart_Click);
    mnuExit = mnuFile->addAction(QStringLiteral("&Exit"), this, &frmManual::mnuExit_Click);

    const windowparts::HelpAndDonateMenus menus = windowparts::MakeHelpAndDonateMenus(
        this,
        {QStringLiteral("&Help"), QStringLiteral("&Online Help"), QStringLiteral("&Visit Us Online"),
         QStringLiteral("Check for Software &Update"), QStringLiteral("&About Software")},
        {[this] { mnuOnline_Click(); }, [this] { mnuVisit_Click(); }, [this] { mnuUpdate_Click(); },
         [this] { mnuAbout_Click(); }, [this] { mnuDona_Click(); }, [this] { mnuMakeMoney_Click(); }});
    menus.AddTo(menuBar());
    mnuHelp = menus.help;
    mnuOnline = menus.online;
    mnuVisit = menus.visit;
    mnuUpdate = menus.update;
    mnuAbout = menus.about;
    mnuDona = menus.donate;
    mnuMakeMoney = menus.makeMoney;
}

void frmManual::Form_Load() {
    ReadingState& state = State();
    state.reading.blnManualMode = true;

    const SelectionVariables& selection = Selection();
    SpreadName = selection.card;
    SpreadIndex = selection.MaxCardInSet;
    ShowCardInfo(QStringLiteral("0"));

    const TarotSpread* spread = SpreadByIndex(SpreadIndex);
    positionCount_ = spread ? static_cast<int>(spread->arrPositions.size()) : 0;

    SpreadName = state.reading.strSpreadName;
    AllowReverse = state.options.blnAllowReverse;
    MinorOnly = state.options.blnMinorArcana;
    MajorOnly = state.options.blnMajorArcana;

    const int shown = BacksShown(MajorOnly, MinorOnly);
    for (int k = 0; k < kBackCount; ++k) {
        QLabel* back = p[static_cast<std::size_t>(k)];
        back->setEnabled(k < shown);
        back->setVisible(k < shown);
    }

    picManual->clear();
    QPixmap diagram(SpreadDiagramPath(SpreadIndex));
    if (!diagram.isNull()) {
        if (diagram.width() > picManual->width() || diagram.height() > picManual->height()) {
            diagram = diagram.scaled(picManual->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        picManual->setPixmap(diagram);
    }

    PickCount = 0;
    // The window opens with the focus on the first control of the tab order.
    cmdBack->setFocus();
}

void frmManual::Form_Unload(bool& cancel) {
    // Nothing unloads the window under a running deal; the deal unloads it when it is done.
    if (dealing_ && !dealtOut_) {
        cancel = true;
        return;
    }
    if (cmdBack->Value()) return;
    if (!IsQuitting()) ShowExitScreen();
}

void frmManual::SetPicPlacement0(int picIndex) { PlaceDealtCard(0, picIndex); }
void frmManual::SetPicPlacement1(int picIndex) { PlaceDealtCard(1, picIndex); }
void frmManual::SetPicPlacement2(int picIndex) { PlaceDealtCard(2, picIndex); }
void frmManual::SetPicPlacement3(int picIndex) { PlaceDealtCard(3, picIndex); }
void frmManual::SetPicPlacement4(int picIndex) { PlaceDealtCard(4, picIndex); }
void frmManual::SetPicPlacement5(int picIndex) { PlaceDealtCard(5, picIndex); }
void frmManual::SetPicPlacement6(int picIndex) { PlaceDealtCard(6, picIndex); }
void frmManual::SetPicPlacement7(int picIndex) { PlaceDealtCard(7, picIndex); }
void frmManual::SetPicPlacement8(int picIndex) { PlaceDealtCard(8, picIndex); }
void frmManual::SetPicPlacement11(int picIndex) { PlaceDealtCard(11, picIndex); }
void frmManual::SetPicPlacement9(int picIndex) { PlaceDealtCard(9, picIndex); }
void frmManual::SetPicPlacement10(int picIndex) { PlaceDealtCard(10, picIndex); }
void frmManual::SetPicPlacement12(int picIndex) { PlaceDealtCard(12, picIndex); }

void frmManual::ShowCardInfo(const QString& i) {
    if (const std::optional<QString> hint = PositionHintFor(SpreadName, i)) txtDisp->setPlainText(*hint);
}

void frmManual::PlaceDealtCard(int spreadIndex, int picIndex) {
    if (picIndex < 0 || picIndex >= frmAuto::kBoxCount) return;
    frmAuto* table = LoadCardTable();
    if (!table) return;

    if (const std::optional<PlacementStep> step = PlacementOf(spreadIndex, picIndex)) {
        table->PlaceBox(picIndex, step->sngLeft, step->sngTop);
        if (step->hint) txtDisp->setPlainText(*step->hint);
        const CardArray& drawn = State().reading.arrDrawnCards;
        if (step->blnTurned && DealPos >= 0 && DealPos < static_cast<int>(drawn.size())) {
            table->ShowCrossingCard(picIndex, drawn[static_cast<std::size_t>(DealPos)]);
        }
    }
    table->ShowLabel(picIndex);
    table->ShowBox(picIndex);
}

void frmManual::DealCard(int picIndex) {
    const std::optional<DealtCard> dealt =
        DealNextCard(State().reading, DealOptions{MajorOnly, MinorOnly, AllowReverse}, [] { platform::DoEvents(); });
    if (!dealt) return;
    CandidateCard = dealt->id;

    if (frmAuto* table = LoadCardTable()) {
        if (dealt->reversed) {
            table->ShowReversedCard(picIndex, dealt->id);
        } else {
            table->LoadCardPicture(picIndex, dealt->id);
        }
    }

    using Placement = void (frmManual::*)(int);
    static constexpr Placement kPlacements[kSpreadCount] = {
        &frmManual::SetPicPlacement0, &frmManual::SetPicPlacement1,  &frmManual::SetPicPlacement2,
        &frmManual::SetPicPlacement3, &frmManual::SetPicPlacement4,  &frmManual::SetPicPlacement5,
        &frmManual::SetPicPlacement6, &frmManual::SetPicPlacement7,  &frmManual::SetPicPlacement8,
        &frmManual::SetPicPlacement9, &frmManual::SetPicPlacement10, &frmManual::SetPicPlacement11,
        &frmManual::SetPicPlacement12,
    };
    const int spread = State().reading.lngSpreadIndex;
    if (spread >= 0 && spread < kSpreadCount) (this->*kPlacements[spread])(picIndex);
}

void frmManual::p_Click(int Index) {
    if (dealing_ || Index < 0 || Index >= kBackCount) return;
    QLabel* back = p[static_cast<std::size_t>(Index)];
    if (!back->isEnabled() || back->isHidden()) return;
    back->hide();
    back->setEnabled(false);

    if (PickCount < positionCount_ - 1) {
        ++PickCount;
        ShowCardInfo(QString::number(PickCount));
        return;
    }
    Deal();
}

void frmManual::Deal() {
    // From here on the window takes no input: no pick, command, menu or close reaches it.
    dealing_ = true;
    QPointer<frmManual> self(this);
    {
        UserInputHold hold;
        cmdBack->setEnabled(false);
        cmdCancel->setEnabled(false);
        menuBar()->setEnabled(false);
        Label6->setEnabled(false);

        picMessage->show();
        picMessage->raise();
        platform::Refresh(this);
        platform::Sleep(3000);

        // Every deal starts from an empty reading, so it never needs more cards than the pool has.
        ReadingState& state = State();
        state.reading.arrDrawnCards.clear();
        state.reading.arrReversedCards.clear();
        for (DealPos = 0; DealPos < positionCount_ && self; ++DealPos) DealCard(DealPos);
        if (!self) return;

        ShowReportWindow();
        platform::RichTextBox& report = ReportBox();
        const QString kept = report.SelText();
        report.setSelText(QString());
        WriteCardReadings(report, state.reading.arrDrawnCards, state.reading.arrReversedCards);
        report.setSelText(kept + report.SelText());
        report.setSelStart(0);
    }
    if (!self) return;
    dealtOut_ = true;
    platform::Unload<frmManual>();
    HideExitScreen();
}

void frmManual::cmdBack_Click() {
    if (dealing_) return;
    ShowQuerentWindow();
    platform::Unload<frmManual>();
    HideExitScreen();
}

void frmManual::cmdCancel_Click() {
    if (dealing_) return;
    platform::Unload<frmManual>();
}

void frmManual::mnuStart_Click() {
    if (!dealing_) cmdBack->setValue(true);
}

void frmManual::mnuExit_Click() {
    if (!dealing_) cmdCancel->setValue(true);
}

void frmManual::mnuOnline_Click() {
    if (!dealing_) OpenHelpWebPage();
}

void frmManual::mnuVisit_Click() {
    if (!dealing_) OpenHomePage();
}

void frmManual::mnuUpdate_Click() {
    if (!dealing_) OpenDownloadWebPage();
}

void frmManual::mnuAbout_Click() {
    if (!dealing_) ShowAboutBox();
}

void frmManual::mnuDona_Click() {
    if (!dealing_) OpenDonatePage();
}

void frmManual::mnuMakeMoney_Click() {
    if (!dealing_) OpenFullyBrandedPage();
}

void frmManual::Label6_Click() {
    if (!dealing_) OpenHomePage();
}

void ShowManualWindow() {
    frmManual* window = platform::Get<frmManual>();
    if (platform::Peek<frmManual>() != window) return;
    window->show();
    platform::BringToFront(window);
}
