#include "shell/frmTarot.h"

#include "casting/userinputhold.h"
#include "catalogue/spreads.h"
#include "platform/fonts.h"
#include "platform/lightscheme.h"
#include "platform/pause.h"
#include "platform/stacking.h"
#include "platform/twips.h"
#include "platform/wholelines.h"
#include "platform/wholerows.h"
#include "shell/frmFront.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "shell/navigation.h"
#include "shell/startup.h"
#include "shell/windowparts.h"
#include "state/readingstate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>

using platform::TwipsRect;

namespace {
// "&Choose Scenario": each entry selects the spread list's item it names.
struct ScenarioEntry {
    const char* caption;
    const char* selects;
};
constexpr ScenarioEntry kScenarioEntries[13] = {
    {"&Celtic Cross", "Celtic Cross"},
    {"&One Card", "One Card"},
    {"&Two Cards", "Two Cards"},
    {"T&hree Cards", "Three Cards"},
    {"&Eliphas Levy Wheel Spread(Hollin)", "Eliphas Levy Wheel Spread(Hollin)"},
    {"The &Line Spread", "The Line Spread"},
    {"&Seven card chakra layout", "Seven card chakra layout"},
    {"F&our Seasons Spread(Marvane/Oska)", "Four Seasons Spread(Marvane/Oska)"},
    {"&Relationship Spread", "Relationship Spread"},
    {"The Romany/ &Gypsy Spread", "The Romany/ Gypsy Spread"},
    {"&Zodiac Spread", "Zodiac Spread"},
    {"&Tree of Life", "Tree of Life"},
    {"&Numerology Spread", "Numerology Spread"},
};

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}
}  // namespace

frmTarot::frmTarot() {
    setWindowTitle(windowparts::Caption());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(windowparts::ApplicationIcon());
    const QFont font = platform::ProgramFont(QStringLiteral("Verdana"), 8.25);
    const QFont bold = platform::ProgramFont(QStringLiteral("Verdana"), 8.25, true);
    setFont(font);

    auto* client = new windowparts::BackgroundPane(this);
    client->setFixedSize(platform::TwipsToPixels(8880), platform::TwipsToPixels(6195));
    setCentralWidget(client);
    platform::UseLightScheme(client);

    auto button = [&](const QString& caption, double left, double top) {
        auto* b = new platform::CommandButton(caption, client);
        b->setGeometry(TwipsRect(left, top, 1575, 375));
        windowparts::SetButtonFace(b);
        return b;
    };
    auto heading = [&](const QString& text, double left, double top) {
        auto* l = new QLabel(text, client);
        l->setFont(bold);
        SetTextColour(l, QColor(255, 0, 0));
        l->move(platform::TwipsToPixels(left), platform::TwipsToPixels(top));
        l->adjustSize();
        return l;
    };

    Label6 = windowparts::MakeForumAdvert(client, TwipsRect(1710, 30, 5460, 465));
    lblInfo = new QLabel(client);
    SetTextColour(lblInfo, QColor(0, 0, 255));
    lblInfo->setGeometry(TwipsRect(150, 570, 8625, 285));
    txtQ = new platform::WholeLinesTextEdit(client);
    txtQ->setReadOnly(true);
    txtQ->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SetTextColour(txtQ, QColor(0, 0, 255));
    txtQ->setGeometry(TwipsRect(120, 960, 5055, 495));
    Label4[0] = heading(QStringLiteral("Select Deck"), 5280, 960);
    cboCards = new QComboBox(client);
    cboCards->setGeometry(TwipsRect(5280, 1230, 3495, 315));
    Label4[1] = heading(QStringLiteral("Select Spread"), 5280, 1620);
    lstOption = new platform::WholeRowsListWidget(client);
    lstOption->setGeometry(TwipsRect(5280, 1890, 3495, 1230));
    txtDisp = new platform::WholeLinesTextEdit(client);
    txtDisp->setReadOnly(true);
    txtDisp->setFont(bold);
    txtDisp->setGeometry(TwipsRect(120, 1530, 2775, 3735));
    pctCard = new QLabel(client);
    pctCard->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pctCard->setGeometry(TwipsRect(3000, 1530, 2175, 3735));

    frmArcane = new QGroupBox(QStringLiteral("Select One Option"), client);
    frmArcane->setGeometry(TwipsRect(5280, 3210, 3495, 615));
    chkHA = new QCheckBox(QStringLiteral("Major Arcana"), frmArcane);
    chkHA->setGeometry(TwipsRect(240, 240, 1455, 255));
    chkLA = new QCheckBox(QStringLiteral("Minor Arcana"), frmArcane);
    chkLA->setGeometry(TwipsRect(1800, 240, 1455, 255));
    // Only as wide as its box: the caption beside it is Label3's.
    chkRev = new QCheckBox(QStringLiteral("Allow Reverse Cards"), client);
    chkRev->setGeometry(TwipsRect(6000, 3990, 225, 195));
    // The style's tick box is taller than the check box; it is drawn as high as the check box.
    chkRev->setStyleSheet(QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }").arg(chkRev->height()));
    chkRev->setPalette(platform::LightScheme());
    chkRev->setChecked(true);
    Label3 = new QLabel(QStringLiteral("Allow Reverse Cards"), client);
    Label3->setFont(bold);
    Label3->move(platform::TwipsToPixels(6300), platform::TwipsToPixels(3990) - 1);
    Label3->adjustSize();

    cmdManual = button(QStringLiteral("Manual"), 5430, 4410);
    cmdAuto = button(QStringLiteral("AutoCast"), 7200, 4410);
    cmdBack = button(QStringLiteral("Back"), 5430, 4890);
    cmdCancel = button(QStringLiteral("Exit"), 7200, 4890);

    picMessage = new QWidget(client);
    picMessage->setGeometry(TwipsRect(1860, 1860, 5295, 975));
    picMessage->setAutoFillBackground(true);
    QPalette red = picMessage->palette();
    red.setColor(QPalette::Window, QColor(255, 0, 0));
    picMessage->setPalette(red);
    auto panelLabel = [&](const QString& text, const QFont& f, double top, double height) {
        auto* l = new QLabel(text, picMessage);
        l->setFont(f);
        l->setAlignment(Qt::AlignCenter);
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, QColor(255, 255, 255));
        p.setColor(QPalette::WindowText, QColor(0, 0, 255));
        l->setPalette(p);
        l->setGeometry(TwipsRect(60, top, 5175, height));
        return l;
    };
    Label1 = panelLabel(QStringLiteral("Please Wait ..."), platform::ProgramFont(QStringLiteral("Verdana"), 14.25, true),
                        45, 390);
    Label2 = panelLabel(QStringLiteral("CV Vezor Adarizu Dudiruvo is generating the Tarot result...."),
                        platform::ProgramFont(QStringLiteral("Verdana"), 9.75), 435, 480);
    Label2->setWordWrap(true);
    picMessage->hide();

    fraFullBrand = windowparts::MakeFullBrandFrame(client, TwipsRect(0, 5400, 8865, 855));

    setTabOrder(lstOption, cboCards);
    setTabOrder(cboCards, chkHA);
    setTabOrder(chkHA, chkLA);
    setTabOrder(chkLA, chkRev);
    setTabOrder(chkRev, cmdManual);
    setTabOrder(cmdManual, cmdAuto);
    setTabOrder(cmdAuto, cmdBack);
    setTabOrder(cmdBack, cmdCancel);

    connect(static_cast<LinkLabel*>(Label6), &LinkLabel::Click, this, &frmTarot::Label6_Click);
    connect(chkHA, &QCheckBox::toggled, this, &frmTarot::chkHA_Click);
    connect(chkLA, &QCheckBox::toggled, this, &frmTarot::chkLA_Click);
    connect(cmdAuto, &platform::CommandButton::Click, this, &frmTarot::cmdAuto_Click);
    connect(cmdManual, &platform::CommandButton::Click, this, &frmTarot::cmdManual_Click);
    connect(cmdBack, &platform::CommandButton::Click, this, &frmTarot::cmdBack_Click);
    connect(cmdCancel, &platform::CommandButton::Click, this, &frmTarot::cmdCancel_Click);
    buildMenus();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    windowparts::CentreOnScreen(this);
}

void frmTarot::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QMenu* scenario = file->addMenu(QStringLiteral("&Choose Scenario"));
    for (int i = 0; i < 13; ++i) {
        const QString selects = QString::fromLatin1(kScenarioEntries[i].selects);
        mnuScenario[i] = scenario->addAction(QString::fromLatin1(kScenarioEntries[i].caption), this,
                                             [this, selects] { SelectSpreadByName(selects); });
    }
    file->addSeparator();
    mnuManual = file->addAction(QStringLiteral("&Manual"), this, &frmTarot::cmdManual_Click);
    mnuCast = file->addAction(QStringLiteral("Auto&Cast"), this, [this] { cmdAuto->setValue(true); });
    mnuBack = file->addAction(QStringLiteral("Back"), this, &frmTarot::cmdBack_Click);
    file->addSeparator();
    mnuExit = file->addAction(QStringLiteral("&Exit"), this, &frmTarot::mnuExit_Click);

    const windowparts::HelpAndDonateMenus menus = windowparts::MakeHelpAndDonateMenus(
        this, {QStringLiteral("&Help"), QStringLiteral("&Online Help"), QStringLiteral("&Visit Us Online"),
               QStringLiteral("Check for Software &Update"), QStringLiteral("&About Software")});
    menus.AddTo(menuBar());
    mnuHelpOnline = menus.online;
    mnuVisitOnline = menus.visit;
    mnuUpdate = menus.update;
    mnuAbout = menus.about;
    mnuDonate = menus.donate;
    mnuMakeMoney = menus.makeMoney;
}

void frmTarot::Form_Load() {
    Selection() = SelectionVariables{};

    for (const TarotDeck& deck : Decks()) cboCards->addItem(deck.strDisplayName);
    cboCards->setCurrentIndex(0);
    connect(cboCards, &QComboBox::currentIndexChanged, this, &frmTarot::cboCards_Click);
    cboCards_Click();

    State().Reset();

    const QuerentDetails querent = Querent();
    lblInfo->setText(QStringLiteral("Name: ") + querent.strName + QStringLiteral("     Date: ") + querent.strDOB +
                     QStringLiteral("     Country: ") + querent.strCountry);
    txtQ->setPlainText(QStringLiteral("Question: ") + querent.strQ);

    for (const TarotSpread& spread : Spreads()) lstOption->addItem(spread.strDisplayName);
    if (const TarotSpread* first = SpreadByIndex(0)) txtDisp->setPlainText(first->strDescription);
    const QPixmap diagram(SpreadDiagramPath(0));
    if (!diagram.isNull()) pctCard->setPixmap(diagram);

    connect(lstOption, &QListWidget::currentRowChanged, this, &frmTarot::lstOption_Click);
    lstOption->setCurrentRow(0);
    lstOption->setFocus();
}

void frmTarot::Form_Unload(bool&) {
    if (cmdAuto->Value() || cmdManual->Value()) return;
    if (!IsQuitting()) ShowExitScreen();
}

void frmTarot::cboCards_Click() { State().reading.strDeckLetter = DeckLetter(cboCards->currentIndex()); }

void frmTarot::lstOption_Click() {
    const int index = lstOption->currentRow();
    State().reading.lngSpreadIndex = index;
    const QPixmap diagram(SpreadDiagramPath(index));
    if (!diagram.isNull()) pctCard->setPixmap(diagram);
    SelectionVariables& selection = Selection();
    if (const TarotSpread* spread = ShowSpreadDescription(index, selection.MaxCardInSet, selection.no)) {
        txtDisp->setPlainText(spread->strDescription);
    }
}

void frmTarot::SelectSpreadByName(const QString& name) {
    for (int row = 0; row < lstOption->count(); ++row) {
        if (lstOption->item(row)->text().compare(name, Qt::CaseInsensitive) != 0) continue;
        if (row == lstOption->currentRow()) {
            lstOption_Click();
        } else {
            lstOption->setCurrentRow(row);
        }
        return;
    }
}

void frmTarot::chkHA_Click() {
    if (chkHA->isChecked() && chkLA->isChecked()) chkLA->setChecked(false);
}

void frmTarot::chkLA_Click() {
    if (chkLA->isChecked() && chkHA->isChecked()) chkHA->setChecked(false);
}

void frmTarot::copyChoices(bool manualMode) {
    ReadingState& state = State();
    state.reading.blnManualMode = manualMode;
    state.options.blnAutoCastPressed = cmdAuto->Value();
    state.options.blnManualPressed = cmdManual->Value();
    state.reading.strSpreadName = Selection().card;
    state.reading.lngCardCount = Selection().no;
    state.options.blnMinorArcana = lboo;
    state.options.blnMajorArcana = hboo;
    state.options.blnAllowReverse = rboo;
}

void frmTarot::cmdAuto_Click() {
    Selection().card = lstOption->currentItem() ? lstOption->currentItem()->text() : QString();
    rboo = chkRev->isChecked();
    lboo = chkLA->isChecked();
    hboo = chkHA->isChecked();
    // From here on no click, key or close request reaches a window until the reading is cast:
    // the window stays with its panel through the pause.
    UserInputHold hold;
    picMessage->show();
    platform::Refresh(this);
    if (!rboo) platform::Sleep(3000);
    copyChoices(false);

    // A report window still open from an earlier reading gives way: the new reading is cast anew.
    frmMDI::UnloadForNewReading();
    ShowCardTable();
    ShowReportWindow();
    HideExitScreen();
    if (QScrollArea* table = CardTableArea()) {
        table->horizontalScrollBar()->setValue(0);
        table->verticalScrollBar()->setValue(0);
    }
    platform::Unload<frmTarot>();
}

void frmTarot::cmdManual_Click() {
    Selection().card = lstOption->currentItem() ? lstOption->currentItem()->text() : QString();
    rboo = chkRev->isChecked();
    lboo = chkLA->isChecked();
    hboo = chkHA->isChecked();
    copyChoices(true);

    frmMDI::UnloadForNewReading();
    ShowManualWindow();
    platform::Unload<frmTarot>();
    HideExitScreen();
}

void frmTarot::cmdBack_Click() {
    ShowQuerentWindow();
    platform::Unload<frmTarot>();
    HideExitScreen();
}

void frmTarot::cmdCancel_Click() { platform::Unload<frmTarot>(); }

void frmTarot::mnuExit_Click() {
    platform::Unload<frmTarot>();
    platform::Unload<frmFront>();
}

void frmTarot::Label6_Click() { OpenHomePage(); }

void ShowSelectionWindow() {
    frmTarot* window = platform::Get<frmTarot>();
    window->show();
    platform::BringToFront(window);
}
