#include "casting/frmAuto.h"

#include "casting/cardbox.h"
#include "casting/modRotate90.h"
#include "casting/userinputhold.h"
#include "catalogue/report.h"
#include "catalogue/spreads.h"
#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/lightscheme.h"
#include "platform/pause.h"
#include "platform/richtextbox.h"
#include "platform/twips.h"
#include "shell/navigation.h"
#include "shell/resources.h"
#include "shell/windowparts.h"
#include "state/readingstate.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>

namespace {

// The card table's client area and the number labels, in twips.
constexpr int kTableWidth = 16110;
constexpr int kTableHeight = 27225;
constexpr int kLabelWidth = 615;
constexpr int kLabelHeight = 495;
constexpr int kLabel7Indent = 120;

// The boxes are made in this order, which sets which of two overlapping boxes lies on top:
// a later one covers an earlier one, so the crossing card lies over the first card.
constexpr int kBoxCreationOrder[frmAuto::kBoxCount] = {4,  0,  1, 2,  3,  10, 11, 12, 13, 14, 15,
                                                       16, 8, 17, 9, 7, 18, 19, 20, 5,  6};

// The picture every box holds when the table is made: a plain card back, never a card's face.
QPixmap DesignPicture() {
    InitPictureResources();
    QPixmap back(QStringLiteral(":/pictures/cardback.jpg"));
    const QSize size(145, 250);
    if (back.isNull()) {
        back = QPixmap(size);
        back.fill(QColor(0x23, 0x2f, 0x63));
    } else if (back.size() != size) {
        back = back.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return back;
}

// A box whose picture cannot be loaded shows no card: a face it showed before is emptied, and
// its design back or emptiness stays, upright.
void ShowNoFace(CardBox& box) {
    if (box.holdsCardFace()) {
        box.setPicture(QPixmap());
        box.setHoldsCardFace(false);
    } else {
        box.setPicture(box.Picture());
    }
}

}  // namespace

frmAuto::frmAuto() {
    setWindowTitle(windowparts::Caption());
    setWindowIcon(windowparts::ApplicationIcon());
    setFixedSize(platform::TwipsToPixels(kTableWidth), platform::TwipsToPixels(kTableHeight));
    platform::UseLightScheme(this);
    QPalette table = palette();
    table.setColor(QPalette::Window, table.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(table);

    const QPixmap design = DesignPicture();
    QFont numberFont = platform::ProgramFont(QStringLiteral("Arial Black"), 14.25, true);
    numberFont.setWeight(QFont::Black);
    for (const int k : kBoxCreationOrder) {
        auto* box = new CardBox(this);
        box->setObjectName(QStringLiteral("p%1").arg(k));
        box->setPicture(design);
        box->hide();
        boxes_[static_cast<std::size_t>(k)] = box;

        auto* label = new QLabel(QString::number(k + 1), box);
        label->setObjectName(QStringLiteral("lbl%1").arg(k));
        label->setFont(numberFont);
        QPalette number = label->palette();
        number.setColor(QPalette::Active, QPalette::WindowText, QColor(0xFF, 0x00, 0xFF));
        number.setColor(QPalette::Inactive, QPalette::WindowText, QColor(0xFF, 0x00, 0xFF));
        label->setPalette(number);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        const int indent = k == 6 ? platform::TwipsToPixels(kLabel7Indent) : 0;
        label->setGeometry(CardBox::kBorder + indent, CardBox::kBorder, platform::TwipsToPixels(kLabelWidth),
                           platform::TwipsToPixels(kLabelHeight));
        label->setEnabled(false);
        label->hide();
        labels_[static_cast<std::size_t>(k)] = label;
    }

    Img = new QLabel(this);
    Img->setObjectName(QStringLiteral("Img"));
    Img->setGeometry(platform::TwipsRect(240, 120, 1095, 1095));
    Img->hide();

    BuildMenus();
}

frmAuto::~frmAuto() { RemoveMenus(); }

void frmAuto::BuildMenus() {
    mnuFile = new QMenu(QStringLiteral("File"), this);
    mnuStart = mnuFile->addAction(QStringLiteral("&Start Again"));
    mnuExit = mnuFile->addAction(QStringLiteral("&Exit"));
    connect(mnuStart, &QAction::triggered, this, [] { PressReportRestart(); });
    connect(mnuExit, &QAction::triggered, this, [] { PressReportExit(); });

    helpMenus_ = windowparts::MakeHelpAndDonateMenus(
        this, {QStringLiteral("&Help"), QStringLiteral("&Online Help"), QStringLiteral("&Visit Us Online"),
               QStringLiteral("Check for Software &Update"), QStringLiteral("About &Software")});
    mnuHelp = helpMenus_.help;
    mnuHelpOnline = helpMenus_.online;
    mnuVisitOnline = helpMenus_.visit;
    mnuUpdate = helpMenus_.update;
    mnuAbout = helpMenus_.about;
    mnuDonate = helpMenus_.donate;
    mnuMakeMoney = helpMenus_.makeMoney;
}

void frmAuto::InstallMenus() {
    QMenuBar* bar = ReportMenuBar();
    if (!bar || bar == installedIn_) return;
    RemoveMenus();
    bar->addMenu(mnuFile);
    helpMenus_.AddTo(bar);
    installedIn_ = bar;
}

void frmAuto::RemoveMenus() {
    if (!installedIn_) return;
    installedIn_->removeAction(mnuFile->menuAction());
    helpMenus_.RemoveFrom(installedIn_);
    installedIn_ = nullptr;
}

void frmAuto::Form_Load() {
    if (QScrollArea* area = CardTableArea()) {
        if (area->widget() != this) area->setWidget(this);
    }
    InstallMenus();

    move(0, 0);
    platform::RichTextBox& report = ReportBox();
    report.setText(QString());
    const QString spreadName = State().reading.strSpreadName;
    WriteReportHeader(report, spreadName);

    const ReadingOptions options = State().options;
    const int count = State().reading.lngCardCount;
    switch (casting::CastRoutineFor(options).value_or(0)) {
    case 1: DONE1(count); break;
    case 2: DONE2(count); break;
    case 3: DONE3(count); break;
    case 4: DONE4(count); break;
    case 5: DONE5(count); break;
    case 6: DONE6(count); break;
    default: break;
    }
    if (options.blnManualPressed && casting::OptionsFormARow(options)) Clear_PicBox();
}

void frmAuto::Form_Unload(bool&) { RemoveMenus(); }

void frmAuto::DONE1(int no) { RunCast(casting::kWholeDeck, no); }
void frmAuto::DONE2(int no) { RunCast(casting::kMinorArcana, no); }
void frmAuto::DONE3(int no) { RunCast(casting::kMajorArcana, no); }
void frmAuto::DONE4(int no) { RunCast(casting::kWholeDeckReversed, no); }
void frmAuto::DONE5(int no) { RunCast(casting::kMinorArcanaReversed, no); }
void frmAuto::DONE6(int no) { RunCast(casting::kMajorArcanaReversed, no); }

void frmAuto::RunCast(const casting::CastProfile& profile, int no) {
    UserInputHold hold;
    QPointer<frmAuto> table = platform::Peek<frmAuto>();
    bool mayLoad = table.isNull();
    casting::CastEnvironment environment;
    environment.table = [&]() -> casting::CardTableSurface* {
        if (mayLoad) {
            mayLoad = false;
            table = LoadCardTable();
        }
        frmAuto* current = platform::Peek<frmAuto>();
        return table && current == table ? current : nullptr;
    };
    environment.report = []() -> platform::RichTextBox& { return ReportBox(); };
    environment.letEventsRun = [] { platform::DoEvents(); };
    casting::Cast(profile, no, environment);
}

void frmAuto::Clear_PicBox() {
    for (int k = 0; k <= 9; ++k) {
        boxes_[static_cast<std::size_t>(k)]->setPicture(QPixmap());
        boxes_[static_cast<std::size_t>(k)]->setHoldsCardFace(false);
    }
}

QString frmAuto::CardPicturePath(std::int32_t id) {
    return platform::ProgramFolder() + QStringLiteral("/cards/") + State().reading.strDeckLetter + QString::number(id) +
           QStringLiteral(".jpg");
}

CardBox* frmAuto::p(int k) const {
    return k >= 0 && k < kBoxCount ? boxes_[static_cast<std::size_t>(k)] : nullptr;
}

QLabel* frmAuto::lbl(int k) const {
    return k >= 0 && k < kBoxCount ? labels_[static_cast<std::size_t>(k)] : nullptr;
}

void frmAuto::ShowCardPositions(const TarotSpread& spread) {
    const int n = static_cast<int>(spread.arrPositions.size());
    for (int k = 0; k < n; ++k) ShowBox(k);
    for (int k = 0; k < n; ++k) ShowLabel(k);
    for (int k = 0; k < n; ++k) PlaceBox(k, spread.arrPositions[k].sngLeft, spread.arrPositions[k].sngTop);
}

void frmAuto::ShowBox(int k) {
    if (CardBox* box = p(k)) {
        box->setEnabled(true);
        box->show();
    }
}

void frmAuto::ShowLabel(int k) {
    if (QLabel* label = lbl(k)) {
        label->setEnabled(true);
        label->show();
    }
}

void frmAuto::PlaceBox(int k, float left, float top) {
    if (CardBox* box = p(k)) box->move(platform::TwipsToPixels(left), platform::TwipsToPixels(top));
}

void frmAuto::HideBoxesFrom(int k) {
    for (int i = std::max(k, 0); i < kBoxCount; ++i) {
        boxes_[static_cast<std::size_t>(i)]->hide();
        labels_[static_cast<std::size_t>(i)]->hide();
        labels_[static_cast<std::size_t>(i)]->setEnabled(false);
    }
}

bool frmAuto::LoadPictureInto(CardBox& box, std::int32_t id) {
    QPixmap picture;
    if (picture.load(CardPicturePath(id))) {
        box.setPicture(picture);
        box.setHoldsCardFace(true);
        return true;
    }
    ShowNoFace(box);
    return false;
}

void frmAuto::LoadCardPicture(int k, std::int32_t id) {
    if (CardBox* box = p(k)) LoadPictureInto(*box, id);
}

void frmAuto::ShowCrossingCard(int k, std::int32_t id) {
    CardBox* box = p(k);
    if (!box) return;
    LoadPictureInto(*box, id);
    RotatePicture90(*box);
}

void frmAuto::ShowReversedCard(int k, std::int32_t id) {
    CardBox* box = p(k);
    if (!box) return;
    // A picture that cannot be loaded leaves the holder empty rather than with the last
    // reversed card, whose face would stand for this card.
    QPixmap picture;
    objCardPicture = picture.load(CardPicturePath(id)) ? picture : QPixmap();
    Img->setPixmap(objCardPicture);
    if (objCardPicture.isNull()) {
        ShowNoFace(*box);
    } else {
        box->setPicture(Img->pixmap());
        box->setHoldsCardFace(true);
    }
    RotatePicture180(*box);
}

frmAuto* LoadCardTable() {
    frmAuto* table = platform::Get<frmAuto>();
    if (platform::Peek<frmAuto>() != table) return nullptr;
    table->show();
    return table;
}

void ShowCardTable() {
    if (frmAuto* table = LoadCardTable()) table->move(0, 0);
    ShowReportWindow();
}

void UnloadCardTable() { platform::Unload<frmAuto>(); }

void CardTableDONE1(int cardCount) { frmAuto::DONE1(cardCount); }
