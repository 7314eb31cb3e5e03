#include "shell/frmNagScreen2.h"
#include "shell/modHelp.h"
#include "shell/modTellAFriend.h"
#include "shell/navigation.h"
#include "shell/startup.h"
#include "support/windowtest.h"

#include <QTest>

namespace {
struct LinkCase {
    const char* name;
    void (*open)();
    const char* address;
};
void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.name; }

class WebLinks : public WindowTest, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(WebLinks, OpenTheirPageOnTheMakersSite) {
    GetParam().open();
    EXPECT_EQ(browser.opened(), QStringList{GetParam().address});
    EXPECT_TRUE(messages.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Pages, WebLinks,
    ::testing::Values(
        LinkCase{"Home", OpenHomePage, "https://www.corvantelle.example/vezor-adarizu-dudiruvo/ssd.php?page=home-page"},
        LinkCase{"Donate", OpenDonatePage, "https://www.corvantelle.example/vezor-adarizu-dudiruvo/ssd.php?page=donate"},
        LinkCase{"Help", OpenHelpWebPage,
                 "https://www.corvantelle.example/vezor-adarizu-dudiruvo/ssd.php?page=help-web-page"},
        LinkCase{"Download", OpenDownloadWebPage,
                 "https://www.corvantelle.example/vezor-adarizu-dudiruvo/ssd.php?page=download-web-page"},
        LinkCase{"FullyBranded", OpenFullyBrandedPage,
                 "https://www.corvantelle.example/vezor-adarizu-dudiruvo/ssd.php?page=fully-branded"},
        LinkCase{"Softwares", OpenSoftwaresPage,
                 "https://www.corvantelle.example/vezor-adarizu-dudiruvo/ssd.php?page=lunaveresoftwares"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WebAddress, OpensTheAddressLastBuiltAsItStands) {
    platform::BrowserRecorder browser;
    strReferUrl() = QStringLiteral("https://www.corvantelle.example/x?a=%20b");
    OpenWebAddress();
    OpenWebAddress();
    EXPECT_EQ(browser.opened(), (QStringList{"https://www.corvantelle.example/x?a=%20b",
                                             "https://www.corvantelle.example/x?a=%20b"}));
}

class LinkClicks : public WindowTest {
protected:
    QuitRecorder quit;
};

TEST_F(LinkClicks, TwoQuickClicksOpenThePageTwice) {
    frmNagScreen2* screen = ShownExitScreen();
    ASSERT_NE(screen, nullptr);
    QTest::mouseClick(&screen->lblGoToHome, Qt::LeftButton);
    QTest::mouseClick(&screen->lblGoToHome, Qt::LeftButton);
    const QString page = "https://www.corvantelle.example/vezor-adarizu-dudiruvo/ssd.php?page=lunaveresoftwares";
    EXPECT_EQ(browser.opened(), (QStringList{page, page}));
}

TEST_F(LinkClicks, APressThatLeavesTheLabelOrARightClickOpensNothing) {
    LinkLabel label(QStringLiteral("Click here"));
    label.resize(100, 20);
    label.show();
    int clicks = 0;
    QObject::connect(&label, &LinkLabel::Click, [&] { ++clicks; });
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(150, 5));
    QTest::mouseClick(&label, Qt::RightButton);
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
