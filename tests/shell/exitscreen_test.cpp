#include "shell/frmNagScreen2.h"
#include "shell/navigation.h"
#include "shell/startup.h"
#include "support/windowtest.h"

#include <QFile>
#include <QSet>
#include <QTest>

namespace {
const QString kCaption = QStringLiteral("CV Vezor Adarizu Dudiruvo v1.55");
const QString kHomePage = QStringLiteral("https://www.corvantelle.example/vezor-adarizu-dudiruvo/ssd.php?page=home-page");

std::vector<std::string> g_unloads;

// A main window: closing it shows the exit screen, as the program's main windows do.
template <int N>
class frmMain : public QWidget, public platform::Form {
public:
    QWidget* widget() override { return this; }
    void Form_Unload(bool&) override {
        g_unloads.push_back("main" + std::to_string(N));
        ShowExitScreen();
    }
    void closeEvent(QCloseEvent* e) override { handleCloseEvent(e); }
};

class ExitScreen : public WindowTest {
protected:
    ExitScreen() { g_unloads.clear(); }
    frmNagScreen2* show() { return ShownExitScreen(); }
    QuitRecorder quit;
};

TEST_F(ExitScreen, ItsLoadSetsTheCaptionAndShowsItOnTop) {
    frmNagScreen2* screen = show();
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_TRUE(ExitScreenShown());
    EXPECT_EQ(screen->windowTitle(), kCaption);
    EXPECT_EQ(screen->lblNagScreen2Caption.text(), kCaption);
    EXPECT_TRUE(screen->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(screen->cmdClose.text(), "E&xit");
    EXPECT_EQ(screen->Frame2.title(), "Refer A Friend");
    EXPECT_EQ(screen->Frame6.title(), "Download Lunavere Softwares");
    if (QFile::exists(":/pictures/icon32.png")) {
        EXPECT_EQ(screen->picNagscreen2Icon.pixmap().size(), QSize(32, 32));
        EXPECT_FALSE(screen->windowIcon().isNull());
    }
}

struct SupportCase {
    double r;
    int text;
};
void PrintTo(const SupportCase& c, std::ostream* os) { *os << "r=" << c.r; }

class SupportText : public ExitScreen, public ::testing::WithParamInterface<SupportCase> {};

TEST_P(SupportText, IsChosenByTheRandomValue) {
    platform::ScriptedRandom random({GetParam().r});
    frmNagScreen2* screen = show();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(random.seedings(), 1);
    EXPECT_EQ(screen->Label2.text(), SupportTexts().at(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Values, SupportText,
                         ::testing::Values(SupportCase{0.0, 0}, SupportCase{0.2499, 0}, SupportCase{0.25, 1},
                                           SupportCase{0.5, 2}, SupportCase{0.7499, 2}, SupportCase{0.75, 3},
                                           SupportCase{0.99999, 3}));

TEST_F(ExitScreen, AllFourSupportTextsOccurOverManyLoads) {
    QSet<QString> seen;
    for (int load = 0; load < 200 && seen.size() < 4; ++load) {
        QuitRecorder fresh;
        seen.insert(show()->Label2.text());
        platform::Unload<frmNagScreen2>();
        Flush();
    }
    EXPECT_EQ(seen.size(), 4);
    for (const QString& text : SupportTexts()) {
        EXPECT_TRUE(seen.contains(text));
        EXPECT_TRUE(text.contains("Corvantelle"));
    }
}

TEST_F(ExitScreen, HidingAndShowingAgainKeepsTheSupportText) {
    platform::ScriptedRandom random({0.9, 0.1, 0.1});
    frmNagScreen2* screen = show();
    HideExitScreen();
    EXPECT_FALSE(ExitScreenShown());
    EXPECT_TRUE(platform::IsLoaded<frmNagScreen2>());
    EXPECT_EQ(show(), screen);
    EXPECT_TRUE(ExitScreenShown());
    EXPECT_EQ(screen->Label2.text(), SupportTexts().at(3));
    EXPECT_EQ(random.seedings(), 1);
}

TEST_F(ExitScreen, HidingANotLoadedExitScreenLoadsNothing) {
    HideExitScreen();
    EXPECT_FALSE(platform::IsLoaded<frmNagScreen2>());
    EXPECT_FALSE(ExitScreenShown());
}

enum class Leave { ExitButton, CloseBox };

class Leaving : public ExitScreen, public ::testing::WithParamInterface<Leave> {};

TEST_P(Leaving, UnloadsEveryWindowInLoadOrderAndEndsOnce) {
    platform::Get<frmMain<1>>()->show();
    frmNagScreen2* screen = show();
    platform::Get<frmMain<2>>()->show();
    ASSERT_EQ(platform::LoadedForms().size(), 3u);

    if (GetParam() == Leave::ExitButton) {
        QTest::mouseClick(&screen->cmdClose, Qt::LeftButton);
    } else {
        screen->close();
    }

    EXPECT_EQ(g_unloads, (std::vector<std::string>{"main1", "main2"}));
    EXPECT_TRUE(platform::LoadedForms().empty());
    EXPECT_EQ(quit.ends(), 1);
    EXPECT_TRUE(IsQuitting());
    // The main windows' unload handlers showed no exit screen while the program quit.
    EXPECT_FALSE(platform::IsLoaded<frmNagScreen2>());
    EXPECT_TRUE(messages.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Ways, Leaving, ::testing::Values(Leave::ExitButton, Leave::CloseBox),
                         [](const auto& info) { return info.param == Leave::ExitButton ? "Exit" : "CloseBox"; });

TEST_F(ExitScreen, QuittingWithoutTheExitScreenUnloadsEverythingAndEnds) {
    platform::Get<frmMain<1>>()->show();
    platform::Get<frmMain<2>>()->show();
    QuitApplication();
    QuitApplication();  // a second call while quitting changes nothing
    EXPECT_EQ(g_unloads, (std::vector<std::string>{"main1", "main2"}));
    EXPECT_EQ(quit.ends(), 1);
    EXPECT_FALSE(platform::IsLoaded<frmNagScreen2>());
}

TEST_F(ExitScreen, ClosingAMainWindowShowsTheExitScreen) {
    platform::Get<frmMain<1>>()->show();
    platform::Peek<frmMain<1>>()->close();
    EXPECT_TRUE(ExitScreenShown());
    EXPECT_EQ(quit.ends(), 0);
}

TEST_F(ExitScreen, TheForumButtonOpensTheHomePageOnEveryClickAndNeverStaysDown) {
    frmNagScreen2* screen = show();
    EXPECT_EQ(screen->Check1.text(), "Click Here To Visit www.corvantelle.example Now");
    QTest::mouseClick(&screen->Check1, Qt::LeftButton);
    EXPECT_FALSE(screen->Check1.isChecked());
    QTest::mouseClick(&screen->Check1, Qt::LeftButton);
    EXPECT_FALSE(screen->Check1.isChecked());
    EXPECT_EQ(browser.opened(), (QStringList{kHomePage, kHomePage}));
    EXPECT_TRUE(ExitScreenShown());
}

TEST_F(ExitScreen, TheSoftwaresLinkOpensItsPageAndTheScreenStaysOnTop) {
    frmNagScreen2* screen = show();
    EXPECT_EQ(screen->lblGoToHome.text(), "Click Here To Visit Lunavere Softwares");
    QTest::mouseClick(&screen->lblGoToHome, Qt::LeftButton);
    EXPECT_EQ(browser.opened(),
              QStringList{"https://www.corvantelle.example/vezor-adarizu-dudiruvo/ssd.php?page=lunaveresoftwares"});
    EXPECT_TRUE(ExitScreenShown());
    EXPECT_TRUE(screen->windowFlags() & Qt::WindowStaysOnTopHint);
}

}  // namespace
