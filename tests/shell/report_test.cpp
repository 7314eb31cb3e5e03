// The report window: querent details, the panes and the resize rule, printing and the ways out.
#include "catalogue/report.h"
#include "platform/richtextbox.h"
#include "platform/twips.h"
#include "shell/frmFront.h"
#include "shell/frmMDI.h"
#include "shell/navigation.h"
#include "shell/startup.h"
#include "support/windowtest.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTextEdit>
#include <functional>

namespace {

class ReportWindow : public WindowTest {
protected:
    void SetUp() override {
        Querent() = QuerentDetails{};
        ShowQuerentWindow();
        platform::Peek<frmFront>()->hide();  // as after "&Next"
    }

    static frmMDI* Report() {
        ShowReportWindow();
        return platform::Peek<frmMDI>();
    }

    // Where the resize rule puts a control: twips from the window's outer width, as pixels.
    static int LeftFromOuterWidth(const frmMDI* w, double twipsFromRight) {
        return platform::TwipsToPixels(static_cast<float>(platform::PixelsToTwips(w->frameGeometry().width())) -
                                       static_cast<float>(twipsFromRight));
    }

    QuitRecorder quits;
};

}  // namespace

TEST_F(ReportWindow, ShowsTheQuerentDetailsOfTheLastNextMaximised) {
    QuerentDetails& q = Querent();
    q.strName = QStringLiteral("Ann Lee");
    q.strDOB = QStringLiteral("March 5, 1975");
    q.strCountry = QStringLiteral("Spain");
    q.strQ = QStringLiteral("Will I travel?");
    frmMDI* w = Report();
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->isMaximized());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("CV Vezor Adarizu Dudiruvo v1.55"));
    EXPECT_EQ(w->txtName->text(), QStringLiteral("Ann Lee"));
    EXPECT_EQ(w->txtDOB->text(), QStringLiteral("March 5, 1975"));
    EXPECT_EQ(w->txtCountry->text(), QStringLiteral("Spain"));
    EXPECT_EQ(w->txtQ->toPlainText(), QStringLiteral("Will I travel?"));
    EXPECT_TRUE(w->txtName->isReadOnly());
}

TEST_F(ReportWindow, WithoutAnyNextTheQuerentBoxesAreEmpty) {
    frmMDI* w = Report();
    EXPECT_TRUE(w->txtName->text().isEmpty());
    EXPECT_TRUE(w->txtDOB->text().isEmpty());
    EXPECT_TRUE(w->txtCountry->text().isEmpty());
    EXPECT_TRUE(w->txtQ->toPlainText().isEmpty());
}

TEST_F(ReportWindow, TouchingTheReportBoxLoadsTheWindowWithoutShowingIt) {
    EXPECT_FALSE(platform::IsLoaded<frmMDI>());
    platform::RichTextBox& box = ReportBox();
    ASSERT_TRUE(platform::IsLoaded<frmMDI>());
    frmMDI* w = platform::Peek<frmMDI>();
    EXPECT_EQ(&box, &w->rtbDisp1);
    EXPECT_EQ(box.view(), w->rtbDisp1View);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(CardTableArea(), w->cardTableArea);
    EXPECT_EQ(ReportMenuBar(), w->menuBar());
}

TEST_F(ReportWindow, PanesLieAlongTheEdgesWithTheCardTableBetween) {
    frmMDI* w = Report();
    w->showNormal();
    w->resize(1000, 700);
    Flush();
    const int width = w->centralWidget()->width();
    const int height = w->centralWidget()->height();
    EXPECT_EQ(w->picTop->geometry(), QRect(0, 0, width, 61));
    EXPECT_EQ(w->Picture1->geometry(), QRect(0, height - 49, width, 49));
    EXPECT_EQ(w->picRight->geometry(), QRect(width - 249, 61, 249, height - 110));
    EXPECT_EQ(w->cardTableArea->geometry(), QRect(0, 61, width - 249, height - 110));
    EXPECT_EQ(w->rtbDisp1View->geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(w->rtbDisp1View->width(), 243);
}

TEST_F(ReportWindow, TheResizeRuleKeepsTheButtonsRightAlignedAtEverySize) {
    frmMDI* w = Report();
    w->showNormal();
    const struct {
        QSize size;
        bool reportHeightApplies;
    } sizes[] = {{QSize(1200, 800), true}, {QSize(640, 480), true}, {QSize(200, 120), false}};
    for (const auto& s : sizes) {
        const int heightBefore = w->rtbDisp1View->height();
        w->resize(s.size);
        Flush();
        SCOPED_TRACE(s.size.width());
        EXPECT_EQ(w->cmdRestart->x(), LeftFromOuterWidth(w, 1245 + 300));
        EXPECT_EQ(w->cmdDonate->x(), LeftFromOuterWidth(w, 1245 + 300 + 1245 + 100));
        EXPECT_EQ(w->cmdExit->x(), LeftFromOuterWidth(w, 1245 + 300 + 2 * (1245 + 100)));
        EXPECT_EQ(w->cmdPrint->x(), LeftFromOuterWidth(w, 1695 + 300));
        EXPECT_EQ(w->cmdSave->x(), LeftFromOuterWidth(w, 1695 + 300 + 1695 + 100));
        EXPECT_EQ(w->cmdSave->y(), 16);
        EXPECT_EQ(w->cmdExit->y(), 4);
        if (s.reportHeightApplies) {
            EXPECT_EQ(w->rtbDisp1View->height(),
                      platform::TwipsToPixels(platform::PixelsToTwips(w->picRight->height()) - 350));
        } else {
            EXPECT_EQ(w->rtbDisp1View->height(), heightBefore);  // a negative height is not applied
        }
    }
    EXPECT_LT(w->cmdExit->x(), 0);  // at 200 pixels the row runs off the left edge
}

TEST_F(ReportWindow, StartAgainByButtonOrCardTableMenuReturnsToTheQuerentWindow) {
    const std::function<void()> ways[] = {
        [] { platform::Peek<frmMDI>()->cmdRestart->click(); },
        [] { PressReportRestart(); },
    };
    for (const auto& restart : ways) {
        Report();
        restart();
        EXPECT_FALSE(platform::IsLoaded<frmMDI>());
        EXPECT_TRUE(platform::Peek<frmFront>()->isVisible());
        EXPECT_FALSE(ExitScreenShown());
        platform::Peek<frmFront>()->hide();
        Flush();
    }
}

TEST_F(ReportWindow, ExitTheCardTableMenuAndTheCloseBoxShowTheExitScreen) {
    const std::function<void()> ways[] = {
        [] { platform::Peek<frmMDI>()->cmdExit->click(); },
        [] { PressReportExit(); },
        [] { platform::Peek<frmMDI>()->close(); },
    };
    for (const auto& leave : ways) {
        Report();
        HideExitScreen();
        leave();
        EXPECT_FALSE(platform::IsLoaded<frmMDI>());
        EXPECT_TRUE(ExitScreenShown());
        EXPECT_FALSE(platform::Peek<frmFront>()->isVisible());
        Flush();
    }
}

TEST_F(ReportWindow, DonateOpensTheDonatePage) {
    Report()->cmdDonate->click();
    EXPECT_EQ(browser.opened(), QStringList{kMakerSite + QStringLiteral("vezor-adarizu-dudiruvo/ssd.php?page=donate")});
}

TEST_F(ReportWindow, PrintsTheReportBetweenAHeaderAndAFooterLineEachTime) {
    frmMDI* w = Report();
    platform::RichTextBox& box = ReportBox();
    box.setSelBold(true);
    box.setSelText(QStringLiteral("Spread Type - One Card\r\n"));
    box.setSelBold(false);
    box.setSelText(QStringLiteral("The meaning of the card."));
    box.setSelStart(0);

    w->cmdPrint->click();
    w->cmdPrint->click();
    const QString banner = QStringLiteral("Report Generated By ") + kMakerSite;
    const QString expected =
        banner + QStringLiteral("\n\nSpread Type - One Card\nThe meaning of the card.\n\n") + banner;
    EXPECT_EQ(printer.printedTexts(), (QStringList{expected, expected}));
    ASSERT_EQ(printer.pdfFiles().size(), 2);
    EXPECT_GT(QFileInfo(printer.pdfFiles()[0]).size(), 0);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(box.Text(), QStringLiteral("Spread Type - One Card\r\nThe meaning of the card."));
}

TEST_F(ReportWindow, PrintingWithoutAPrinterSaysSo) {
    printer.setNoPrinter(true);
    Report()->cmdPrint->click();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, kNoPrinterMessage);
    EXPECT_EQ(messages.shown()[0].icon, platform::MsgIcon::Information);
    EXPECT_TRUE(printer.printedTexts().isEmpty());
}
