#include "shell/frmAbout.h"
#include "shell/navigation.h"
#include "support/windowtest.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {
const QString kHomePage = QStringLiteral("https://www.corvantelle.example/vezor-adarizu-dudiruvo/ssd.php?page=home-page");
const QString kDonatePage = QStringLiteral("https://www.corvantelle.example/vezor-adarizu-dudiruvo/ssd.php?page=donate");

class About : public WindowTest {};

TEST_F(About, ShowsTheProgramAndItsLinks) {
    frmAbout* about = platform::Get<frmAbout>();
    about->show();
    EXPECT_EQ(about->windowTitle(), "CV Vezor Adarizu Dudiruvo v1.55");
    EXPECT_EQ(about->Label1.text(), "CV Vezor Adarizu Dudiruvo v1.55");
    EXPECT_TRUE(about->Label2.text().startsWith("CV Vezor Adarizu Dudiruvo can be used as a divination tool"));
    EXPECT_EQ(about->lblHomePage.text(), "Click here to visit www.corvantelle.example");
    EXPECT_EQ(about->lblCoBrand.text(), "Click here for more details.");
    EXPECT_EQ(about->cmdOK.text(), "OK");
    // Every text fits inside the window.
    for (QWidget* w : std::initializer_list<QWidget*>{&about->Label1, &about->lblHomePage, &about->lblCoBrand,
                                                       &about->cmdOK, &about->Frame1}) {
        EXPECT_TRUE(about->rect().contains(w->geometry())) << w->metaObject()->className();
    }
}

TEST_F(About, TheLinksOpenTheHomeAndTheDonationPages) {
    frmAbout* about = platform::Get<frmAbout>();
    about->show();
    QTest::mouseClick(&about->lblHomePage, Qt::LeftButton);
    QTest::mouseClick(&about->lblCoBrand, Qt::LeftButton);
    QTest::mouseClick(&about->lblHomePage, Qt::LeftButton);
    EXPECT_EQ(browser.opened(), (QStringList{kHomePage, kDonatePage, kHomePage}));
    EXPECT_TRUE(platform::IsLoaded<frmAbout>());
}

enum class Close { OkButton, Enter, Escape, CloseBox };

class ClosingAbout : public About, public ::testing::WithParamInterface<Close> {};

TEST_P(ClosingAbout, TheModalShowingWaitsUntilTheBoxIsClosed) {
    bool returned = false;
    bool sawModal = false;
    QTimer::singleShot(0, [&] {
        frmAbout* about = platform::Peek<frmAbout>();
        ASSERT_NE(about, nullptr);
        sawModal = QApplication::activeModalWidget() == about && about->isVisible();
        // A link opens its page and the box stays open; the opener still waits.
        QTest::mouseClick(&about->lblHomePage, Qt::LeftButton);
        EXPECT_TRUE(platform::IsLoaded<frmAbout>());
        EXPECT_FALSE(returned);
        switch (GetParam()) {
            case Close::OkButton: QTest::mouseClick(&about->cmdOK, Qt::LeftButton); break;
            case Close::Enter: QTest::keyClick(about, Qt::Key_Return); break;
            case Close::Escape: QTest::keyClick(about, Qt::Key_Escape); break;
            case Close::CloseBox: about->close(); break;
        }
        if (platform::IsLoaded<frmAbout>()) platform::Unload<frmAbout>();  // never leave the test waiting
    });
    ShowAboutBox();
    returned = true;
    EXPECT_TRUE(sawModal);
    EXPECT_FALSE(platform::IsLoaded<frmAbout>());
    EXPECT_EQ(browser.opened(), QStringList{kHomePage});
}

INSTANTIATE_TEST_SUITE_P(Ways, ClosingAbout,
                         ::testing::Values(Close::OkButton, Close::Enter, Close::Escape, Close::CloseBox),
                         [](const auto& info) {
                             switch (info.param) {
                                 case Close::OkButton: return "Ok";
                                 case Close::Enter: return "Enter";
                                 case Close::Escape: return "Escape";
                                 case Close::CloseBox: return "CloseBox";
                             }
                             return "";
                         });

TEST_F(About, EachOpeningLoadsAFreshBox) {
    for (int opening = 0; opening < 2; ++opening) {
        QTimer::singleShot(0, [&] {
            frmAbout* about = platform::Peek<frmAbout>();
            ASSERT_NE(about, nullptr);
            EXPECT_EQ(about->Label1.text(), "CV Vezor Adarizu Dudiruvo v1.55");
            about->Label1.setText("changed");
            QTest::mouseClick(&about->cmdOK, Qt::LeftButton);
        });
        ShowAboutBox();
        Flush();
    }
}

}  // namespace


namespace {

// Opened before the desktop has handed the window in front the keyboard, the box is still that
// window's child, which a Wayland compositor keeps it with.
TEST_F(About, IsTheChildOfTheWindowInFrontEvenWhileNoWindowIsActive) {
    ShowQuerentWindow();
    ReturnToEventLoop();
    QWidget* querent = QApplication::activeWindow();
    ASSERT_NE(querent, nullptr);
    QApplication::setActiveWindow(nullptr);
    QWindow* parent = nullptr;
    QTimer::singleShot(0, [&] {
        frmAbout* about = platform::Peek<frmAbout>();
        ASSERT_NE(about, nullptr);
        parent = about->windowHandle()->transientParent();
        about->close();
    });
    ShowAboutBox();
    EXPECT_EQ(parent, querent->windowHandle());
}

}  // namespace
