// The card table with the report and querent windows around it: input that arrives while the
// cards are drawn, the card table's "Start Again" and "Exit", and opening and saving readings.
#include "casting/cardbox.h"
#include "casting/frmAuto.h"
#include "castingsupport.h"
#include "catalogue/cards.h"
#include "catalogue/report.h"
#include "platform/randomsource.h"
#include "shell/frmFront.h"
#include "shell/frmMDI.h"
#include "shell/navigation.h"
#include "shell/textshift.h"
#include "support/windowtest.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTransform>
#include <gtest/gtest.h>

namespace {

class ReadingRoadTest : public WindowTest {
protected:
    ReadingRoadTest() : ourPictures(pictures.path()) {
        FreshState();
        WriteCardPictures(pictures.path(), {QStringLiteral("r")});
    }

    static frmAuto* Table() { return platform::Peek<frmAuto>(); }
    static frmMDI* Report() { return platform::Peek<frmMDI>(); }

    QImage Face(std::int32_t id) const {
        return Rgb(QImage(pictures.path() + QStringLiteral("/cards/r") + QString::number(id) + QStringLiteral(".jpg")));
    }
    static QImage Shown(int k) { return Rgb(Table()->p(k)->Image()); }

    // A press and a release of the left button in the middle of the widget, queued.
    static void PostClick(QWidget* widget) {
        const QPointF middle = QRectF(widget->rect()).center();
        const QPointF global = widget->mapToGlobal(middle);
        QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonPress, middle, global, Qt::LeftButton,
                                                            Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonRelease, middle, global, Qt::LeftButton,
                                                            Qt::NoButton, Qt::NoModifier));
    }

    static QByteArray ReadingFile(const QList<QByteArray>& records) {
        QByteArray bytes;
        for (const QByteArray& record : records) bytes += EncodeText(record) + "\r\n";
        return bytes;
    }
    static QList<QByteArray> Records(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return {};
        QList<QByteArray> records;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (!line.isEmpty()) records << DecodeText(line.chopped(line.endsWith('\r') ? 1 : 0));
        }
        return records;
    }
    QString WriteFile(const QString& name, const QByteArray& bytes) const {
        const QString path = temp.path() + QLatin1Char('/') + name;
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }

    // "&Open Previous Record" of the querent window with the file.
    void Open(const QString& path) {
        ShowQuerentWindow();
        dialogs.setNextFileName(path);
        platform::Peek<frmFront>()->cmdOpen->click();
    }

    QTemporaryDir pictures;
    platform::ScopedProgramFolder ourPictures;
};

}  // namespace

TEST_F(ReadingRoadTest, ClicksQueuedBeforeACastWaitUntilItHasEnded) {
    QPushButton probe(QStringLiteral("Probe"));
    probe.show();
    int clicks = 0;
    QObject::connect(&probe, &QPushButton::clicked, [&] { ++clicks; });
    PostClick(&probe);

    ChooseSpread(QStringLiteral("The Romany/ Gypsy Spread"));
    ShowCardTable();

    EXPECT_EQ(clicks, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 1);
}

TEST_F(ReadingRoadTest, AClickDuringTheDrawIsDeliveredOnlyAfterTheCast) {
    QPushButton probe(QStringLiteral("Probe"));
    probe.show();
    int clicks = 0;
    bool clickedDuringDraw = false;
    QObject::connect(&probe, &QPushButton::clicked, [&] { ++clicks; });
    QTimer::singleShot(0, &probe, [&] {
        clickedDuringDraw = casting::CastUnderWay();
        QTest::mouseClick(&probe, Qt::LeftButton);
    });

    ChooseSpread(QStringLiteral("The Romany/ Gypsy Spread"));
    ShowCardTable();

    EXPECT_TRUE(clickedDuringDraw);
    EXPECT_EQ(clicks, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 1);
}

TEST_F(ReadingRoadTest, ClosingTheCardTableOrTheReportWindowDuringTheDrawIsRefused) {
    ShowReportWindow();
    QTimer::singleShot(0, [] {
        if (frmAuto* table = platform::Peek<frmAuto>()) table->close();
        if (frmMDI* report = platform::Peek<frmMDI>()) report->close();
    });
    ChooseSpread(QStringLiteral("Celtic Cross"));
    ShowCardTable();

    ASSERT_NE(Table(), nullptr);
    ASSERT_NE(Report(), nullptr);
    EXPECT_FALSE(ExitScreenShown());
    for (int k = 0; k < 10; ++k) EXPECT_TRUE(Table()->p(k)->holdsCardFace()) << k;
    EXPECT_TRUE(ReportBox().Text().contains(CardById(State().reading.arrDrawnCards[9])->strTitle));
}

TEST_F(ReadingRoadTest, StartAgainQueuedBeforeACastRunsAfterTheWholeReading) {
    ShowReportWindow();
    PostClick(Report()->cmdRestart);
    ChooseSpread(QStringLiteral("The Romany/ Gypsy Spread"));
    ShowCardTable();

    ASSERT_NE(Table(), nullptr);
    for (int k = 0; k < 21; ++k) EXPECT_TRUE(Table()->p(k)->holdsCardFace()) << k;
    EXPECT_TRUE(ReportBox().Text().contains(CardById(State().reading.arrDrawnCards[20])->strTitle));

    QCoreApplication::processEvents();
    Flush();
    EXPECT_EQ(Report(), nullptr);
    EXPECT_EQ(Table(), nullptr);
    EXPECT_FALSE(ExitScreenShown());
}

TEST_F(ReadingRoadTest, SaveQueuedBeforeACastSavesTheWholeReading) {
    ShowReportWindow();
    const QString path = temp.path() + QStringLiteral("/queued.trs");
    dialogs.setNextFileName(path);
    PostClick(Report()->cmdSave);
    ChooseSpread(QStringLiteral("Celtic Cross"));
    ShowCardTable();
    EXPECT_FALSE(QFile::exists(path));

    QCoreApplication::processEvents();
    QList<QByteArray> expected{"sCeltic Cross", "dr"};
    const CardArray& drawn = State().reading.arrDrawnCards;
    for (std::size_t k = 0; k + 1 < drawn.size(); ++k) expected << "c" + QByteArray::number(drawn[k]);
    EXPECT_EQ(Records(path), expected);
}

TEST_F(ReadingRoadTest, StartAgainFromTheCardTableLeavesNoExitScreen) {
    ChooseSpread(QStringLiteral("One Card"));
    ShowCardTable();
    ASSERT_NE(Table(), nullptr);
    Table()->mnuStart->trigger();
    Flush();
    EXPECT_EQ(Report(), nullptr);
    EXPECT_EQ(Table(), nullptr);
    EXPECT_FALSE(ExitScreenShown());
    ASSERT_NE(platform::Peek<frmFront>(), nullptr);
    EXPECT_TRUE(platform::Peek<frmFront>()->isVisible());
}

TEST_F(ReadingRoadTest, ExitFromTheCardTableShowsTheExitScreen) {
    ChooseSpread(QStringLiteral("One Card"));
    ShowCardTable();
    ASSERT_NE(Table(), nullptr);
    Table()->mnuExit->trigger();
    Flush();
    EXPECT_EQ(Report(), nullptr);
    EXPECT_EQ(Table(), nullptr);
    EXPECT_TRUE(ExitScreenShown());
}

TEST_F(ReadingRoadTest, TheCardTableSitsInTheReportWindowWithItsMenus) {
    ChooseSpread(QStringLiteral("One Card"));
    ShowCardTable();
    ASSERT_NE(Table(), nullptr);
    EXPECT_EQ(Table()->window(), Report());
    EXPECT_EQ(CardTableArea()->widget(), Table());
    EXPECT_EQ(Report()->menuBar()->actions().size(), 4);
    EXPECT_EQ(Report()->menuBar()->actions().front()->menu(), Table()->mnuFile);
}

TEST_F(ReadingRoadTest, AnOpenedReadingIsLaidOutReportedAndSavedBackUnchanged) {
    const QByteArray worked = ReadingFile({"sThree Cards", "dr", "c14", "c3", "c60", "r3"});
    Open(WriteFile(QStringLiteral("worked.trs"), worked));

    ASSERT_NE(Table(), nullptr);
    EXPECT_EQ(Shown(0), Face(14));
    EXPECT_EQ(Shown(1), Face(3).transformed(QTransform().rotate(180)));
    EXPECT_EQ(Shown(2), Face(60));
    const QString report = ReportBox().Text();
    EXPECT_TRUE(report.contains(ReversedTitle(*CardById(3))));
    EXPECT_TRUE(report.contains(CardById(14)->strTitle));
    EXPECT_EQ(ReportBox().SelStart(), report.size());

    const QString saved = temp.path() + QStringLiteral("/again.trs");
    dialogs.setNextFileName(saved);
    Report()->cmdSave->click();
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), worked);
}

TEST_F(ReadingRoadTest, OpeningAOneCardReadingAfterACelticCrossLeavesOnlyItsCard) {
    Open(WriteFile(QStringLiteral("cross.trs"), ReadingFile({"sCeltic Cross", "dr", "c1", "c2", "c3", "c4", "c5", "c6",
                                                             "c7", "c8", "c9", "c10"})));
    ASSERT_NE(Table(), nullptr);
    EXPECT_EQ(Table()->p(1)->size(), QSize(252, 147));

    Open(WriteFile(QStringLiteral("one.trs"), ReadingFile({"sOne Card", "dr", "c33"})));
    Flush();
    ASSERT_NE(Table(), nullptr);
    EXPECT_FALSE(Table()->p(0)->isHidden());
    EXPECT_EQ(Shown(0), Face(33));
    for (int k = 1; k < 21; ++k) EXPECT_TRUE(Table()->p(k)->isHidden()) << k;
    EXPECT_FALSE(ReportBox().Text().contains(CardById(1)->strTitle));
}

TEST_F(ReadingRoadTest, ASavedReversedCastHasItsReversedCardsAfterItsCardsInPositionOrder) {
    const casting::CardPool deck{0, 78};
    platform::ScriptedRandom values({ValueFor(10, deck), ValueFor(20, deck), ValueFor(30, deck), 0.9, 0.1, 0.9});
    ChooseSpread(QStringLiteral("Three Cards"), false, false, true);
    ShowCardTable();
    ASSERT_NE(Report(), nullptr);
    const QString path = temp.path() + QStringLiteral("/reversed.trs");
    dialogs.setNextFileName(path);
    Report()->cmdSave->click();
    EXPECT_EQ(Records(path), (QList<QByteArray>{"sThree Cards", "dr", "c10", "c20", "c30", "r10", "r30"}));
}
