#include "platform/application.h"
#include "platform/settingsstore.h"
#include "shell/frmFront.h"
#include "shell/frmOpen.h"
#include "shell/startup.h"
#include "shell/textshift.h"
#include "shell/weblinks_urls.h"
#include "support/environment.h"
#include "support/filefaults.h"
#include "support/qtprinting.h"
#include "support/stderrcapture.h"
#include "support/windowtest.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

namespace {
const QString kMissingFolders = QStringLiteral("Cards or Spread Pictures are missing.\rPlease Reinstall Software.");

std::optional<QByteArray> StoredReminder() {
    return platform::GetSetting(platform::ExecutableName(), QStringLiteral("Settings"), EncodeText("Duration")).value;
}

class Startup : public WindowTest {
protected:
    Startup() : locks(temp.path()) {}

    // A program folder holding only the named sub-folders.
    QString ProgramFolderWith(const QStringList& folders) {
        const QString folder = temp.path() + QStringLiteral("/program");
        for (const QString& sub : folders) QDir().mkpath(folder + QLatin1Char('/') + sub);
        QDir().mkpath(folder);
        return folder;
    }

    QuitRecorder quit;
    ScopedInstanceLockFolder locks;
};

TEST_F(Startup, ASecondInstanceIsRefusedAndLeavesTheFirstAndTheSettingsAlone) {
    platform::SingleInstanceLock first(platform::ExecutableName(), temp.path());
    ASSERT_TRUE(first.acquired());

    StderrCapture said;
    StartApplication();

    EXPECT_EQ(said.text(), QByteArray());
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Application is already running");
    EXPECT_EQ(messages.shown()[0].icon, MsgIcon::Information);
    EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(quit.ends(), 1);
    EXPECT_TRUE(platform::LoadedForms().empty());
    EXPECT_FALSE(StoredReminder().has_value());
    EXPECT_TRUE(browser.opened().isEmpty());
    // The first instance still holds its lock.
    platform::SingleInstanceLock third(platform::ExecutableName(), temp.path());
    EXPECT_FALSE(third.acquired());
}

TEST_F(Startup, ASecondInstanceAsksNoReminderEvenWhenOneIsDue) {
    platform::SaveSetting(platform::ExecutableName(), "Settings", EncodeText("Duration"),
                          EncodeText(QDate::currentDate().addDays(-40).toString("yyyy-MM-dd").toLatin1()));
    const auto before = StoredReminder();
    platform::SingleInstanceLock first(platform::ExecutableName(), temp.path());

    StartApplication();

    EXPECT_EQ(messages.texts(), QStringList{"Application is already running"});
    EXPECT_EQ(StoredReminder(), before);
}

// A folder standing for one user's own runtime folder.
QString UserFolder(const QString& path) {
    QDir().mkpath(path);
    ::chmod(QFile::encodeName(path).constData(), 0700);
    return path;
}

TEST_F(Startup, AnotherUsersRunningCopyDoesNotTurnThisUserAway) {
    const QString otherUser = UserFolder(temp.path() + QStringLiteral("/runtime-other"));
    const QString thisUser = UserFolder(temp.path() + QStringLiteral("/runtime-own"));
    ScopedEnvironmentVariable runtime("XDG_RUNTIME_DIR", QFile::encodeName(otherUser));
    platform::SingleInstanceLock othersCopy(platform::ExecutableName());
    ASSERT_TRUE(othersCopy.acquired());

    runtime.set(QFile::encodeName(thisUser));
    ScopedInstanceLockFolder usersOwn{QString()};  // no folder chosen: the user's own, as in the program
    StartApplication();

    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(quit.ends(), 0);
    EXPECT_TRUE(platform::IsLoaded<frmOpen>());
    // This user's copy now holds this user's lock.
    platform::SingleInstanceLock secondOwn(platform::ExecutableName());
    EXPECT_TRUE(secondOwn.heldElsewhere());
}

struct LeftLockCase {
    const char* name;
    mode_t fileMode;
    mode_t folderMode;
    bool guarded;  // the started copy holds the lock, else it says on standard error why not
};
void PrintTo(const LeftLockCase& c, std::ostream* os) { *os << c.name; }

class LeftLock : public Startup, public ::testing::WithParamInterface<LeftLockCase> {};

TEST_P(LeftLock, DoesNotTurnTheStartAway) {
    ASSERT_TRUE(filefaults::HonourPermissionBits());
    const QString folder = UserFolder(temp.path() + QStringLiteral("/locks"));
    const QString lockFile = folder + QLatin1Char('/') + platform::ExecutableName() + QStringLiteral(".lock");
    {
        QFile left(lockFile);
        ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    }
    filefaults::ScopedMode fileMode(lockFile, GetParam().fileMode);
    filefaults::ScopedMode folderMode(folder, GetParam().folderMode);
    ScopedInstanceLockFolder lockedFolder(folder);

    StderrCapture said;
    StartApplication();

    const QString unguarded = platform::ExecutableName() +
                              QStringLiteral(": no single-instance lock could be had (cannot open ") + lockFile +
                              QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(EACCES)) +
                              QStringLiteral("); running without it\n");
    EXPECT_EQ(QString::fromLocal8Bit(said.text()), GetParam().guarded ? QString() : unguarded);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(quit.ends(), 0);
    ASSERT_TRUE(platform::IsLoaded<frmOpen>());
    EXPECT_TRUE(platform::Peek<frmOpen>()->isVisible());
    platform::SingleInstanceLock second(platform::ExecutableName(), folder);
    EXPECT_EQ(second.heldElsewhere(), GetParam().guarded);
}

// A lock file that cannot be opened leaves the program unguarded rather than shut out.
INSTANTIATE_TEST_SUITE_P(Leftovers, LeftLock,
                         ::testing::Values(LeftLockCase{"InAReadOnlyFolder", 0644, 0500, true},
                                           LeftLockCase{"ThatCannotBeOpened", 0000, 0700, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FolderCase {
    const char* name;
    QStringList present;
};
void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.name; }

class MissingFolder : public Startup, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(MissingFolder, ShowsTheTwoLineMessageAndEnds) {
    platform::ScopedProgramFolder folder(ProgramFolderWith(GetParam().present));

    StartApplication();

    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, kMissingFolders);
    EXPECT_EQ(messages.shown()[0].icon, MsgIcon::Information);
    EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(quit.ends(), 1);
    EXPECT_FALSE(platform::IsLoaded<frmOpen>());
    EXPECT_FALSE(platform::IsLoaded<frmFront>());
}

INSTANTIATE_TEST_SUITE_P(Folders, MissingFolder,
                         ::testing::Values(FolderCase{"OnlyPic", {"pic"}}, FolderCase{"OnlyCards", {"cards"}},
                                           FolderCase{"Neither", {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Startup, EmptyPictureFoldersAreEnoughForTheSplash) {
    platform::ScopedProgramFolder folder(ProgramFolderWith({"cards", "pic"}));

    StartApplication();

    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(quit.ends(), 0);
    ASSERT_TRUE(platform::IsLoaded<frmOpen>());
    EXPECT_TRUE(platform::Peek<frmOpen>()->isVisible());
}

TEST_F(Startup, TheFirstStartStoresTodayAndTheSplashAsksNothingMore) {
    StartApplication();

    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(DecodeText(StoredReminder().value_or("")), QDate::currentDate().toString("yyyy-MM-dd").toLatin1());
    EXPECT_TRUE(platform::IsLoaded<frmOpen>());
}

TEST_F(Startup, ADueReminderIsAskedOnceAndYesOpensTheDownloadPage) {
    platform::SaveSetting(platform::ExecutableName(), "Settings", EncodeText("Duration"),
                          EncodeText(QDate::currentDate().addDays(-30).toString("yyyy-MM-dd").toLatin1()));
    messages.setNextAnswer(MsgResult::Yes);

    StartApplication();

    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(browser.opened(), QStringList{PageAddress("download-web-page")});
    ASSERT_TRUE(platform::IsLoaded<frmOpen>());
    EXPECT_TRUE(platform::Peek<frmOpen>()->isVisible());
}

enum class Press { Enter, Click };

class ContinueButton : public Startup, public ::testing::WithParamInterface<Press> {
protected:
    void press(frmOpen* splash) {
        if (GetParam() == Press::Enter) {
            QTest::keyClick(splash, Qt::Key_Return);
        } else {
            QTest::mouseClick(&splash->cmdContd, Qt::LeftButton);
        }
    }
};

TEST_P(ContinueButton, IsHiddenBeforeTheTimerAndOpensTheQuerentWindowAfter) {
    StartApplication();
    frmOpen* splash = platform::Peek<frmOpen>();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->Timer1.isActive());
    EXPECT_FALSE(splash->cmdContd.isVisible());
    EXPECT_FALSE(splash->cmdContd.isEnabled());

    press(splash);
    EXPECT_TRUE(platform::IsLoaded<frmOpen>());
    EXPECT_FALSE(platform::IsLoaded<frmFront>());

    splash->Timer1_Timer();
    EXPECT_TRUE(splash->cmdContd.isVisible());
    EXPECT_TRUE(splash->cmdContd.isEnabled());
    splash->Timer1_Timer();  // later ticks change nothing
    EXPECT_TRUE(splash->cmdContd.isVisible());

    press(splash);
    EXPECT_FALSE(platform::IsLoaded<frmOpen>());
    ASSERT_TRUE(platform::IsLoaded<frmFront>());
    EXPECT_TRUE(platform::Peek<frmFront>()->isVisible());
    EXPECT_EQ(quit.ends(), 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, ContinueButton, ::testing::Values(Press::Enter, Press::Click),
                         [](const auto& info) { return info.param == Press::Enter ? "Enter" : "Click"; });

TEST_F(Startup, TheTimerRevealsContinueByItself) {
    StartApplication();
    frmOpen* splash = platform::Peek<frmOpen>();
    ASSERT_NE(splash, nullptr);
    splash->Timer1.setInterval(1);
    splash->Timer1.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return splash->cmdContd.isVisible(); }));
    EXPECT_TRUE(splash->cmdContd.isEnabled());
}

}  // namespace
