// Start-up when the settings store is damaged or cannot be written: the update reminder does
// what it can and the splash comes up all the same.
#include "platform/application.h"
#include "platform/settingsstore.h"
#include "shell/frmFront.h"
#include "shell/frmOpen.h"
#include "shell/startup.h"
#include "shell/textshift.h"
#include "support/filefaults.h"
#include "support/windowtest.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QString kQuestion =
    QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?");

enum class StoreFault {
    FolderCannotBeMade,
    FileIsAFolder,
    FolderNotWritable,
    FileReadOnly,
    FileIsGarbage,
    FileIsANamedPipe,
    FileIsALinkToANamedPipe,
    LockIsANamedPipe,
};

struct StoreCase {
    const char* name;
    StoreFault fault;
    bool reminderDue;  // the store holds a date a month back
};
void PrintTo(const StoreCase& c, std::ostream* os) { *os << c.name; }

QByteArray ReadFile(const QString& path) {
    // Only a plain file: opening a named pipe would wait for ever.
    if (!QFileInfo(path).isFile()) return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SettingsFaults : public WindowTest, public ::testing::WithParamInterface<StoreCase> {
protected:
    SettingsFaults() : locks(temp.path()) {}

    QString storeFile() const { return folder + QLatin1Char('/') + platform::ExecutableName() + QStringLiteral(".ini"); }

    void storeDueReminder() {
        platform::ScopedSettingsFolder here(folder);
        ASSERT_TRUE(platform::SaveSetting(
            platform::ExecutableName(), QStringLiteral("Settings"), EncodeText("Duration"),
            EncodeText(QDate::currentDate().addDays(-30).toString(QStringLiteral("yyyy-MM-dd")).toLatin1())));
    }

    // Lays the fault out and gives the folder the store is to live in.
    void arrange() {
        const StoreCase& c = GetParam();
        folder = temp.path() + QStringLiteral("/store");
        switch (c.fault) {
            case StoreFault::FolderCannotBeMade: {
                QFile blocker(temp.path() + QStringLiteral("/store"));
                ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
                folder += QStringLiteral("/config");
                break;
            }
            case StoreFault::FileIsAFolder:
                ASSERT_TRUE(QDir().mkpath(storeFile()));
                break;
            case StoreFault::FolderNotWritable:
                ASSERT_TRUE(QDir().mkpath(folder));
                if (c.reminderDue) storeDueReminder();
                ASSERT_TRUE(filefaults::HonourPermissionBits());
                mode.emplace(folder, 0555);
                ASSERT_FALSE(QFileInfo(folder).isWritable());
                break;
            case StoreFault::FileReadOnly:
                ASSERT_TRUE(QDir().mkpath(folder));
                storeDueReminder();
                ASSERT_TRUE(filefaults::HonourPermissionBits());
                mode.emplace(storeFile(), 0444);
                ASSERT_FALSE(QFileInfo(storeFile()).isWritable());
                break;
            case StoreFault::FileIsANamedPipe:
                ASSERT_TRUE(QDir().mkpath(folder));
                pipe.emplace(storeFile());
                break;
            case StoreFault::FileIsALinkToANamedPipe:
                ASSERT_TRUE(QDir().mkpath(folder));
                pipe.emplace(temp.path() + QStringLiteral("/pipe"));
                ASSERT_TRUE(QFile::link(temp.path() + QStringLiteral("/pipe"), storeFile()));
                break;
            case StoreFault::LockIsANamedPipe:
                // The lock is taken only to write, as on a first start.
                ASSERT_TRUE(QDir().mkpath(folder));
                pipe.emplace(storeFile() + QStringLiteral(".lock"));
                break;
            case StoreFault::FileIsGarbage: {
                ASSERT_TRUE(QDir().mkpath(folder));
                QFile garbage(storeFile());
                ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
                QByteArray bytes;
                for (int i = 0; i < 4096; ++i) bytes.append(static_cast<char>((i * 151 + 7) % 256));
                garbage.write("[Settings\n\x99\xCA=\"\n" + bytes);
                break;
            }
        }
    }

    QString folder;
    std::optional<filefaults::ScopedMode> mode;
    std::optional<filefaults::WatchedPipe> pipe;
    QuitRecorder quit;
    ScopedInstanceLockFolder locks;
};

TEST_P(SettingsFaults, StartUpGoesOnToTheSplash) {
    arrange();
    if (pipe) ASSERT_TRUE(pipe->made());
    const QByteArray storeBefore = ReadFile(storeFile());
    messages.setNextAnswer(platform::MsgResult::No);

    {
        platform::ScopedSettingsFolder store(folder);
        StartApplication();
    }
    mode.reset();

    if (GetParam().reminderDue) {
        EXPECT_EQ(messages.texts(), QStringList{kQuestion});
    } else {
        EXPECT_TRUE(messages.shown().empty()) << messages.texts().join(" | ").toStdString();
    }
    EXPECT_EQ(quit.ends(), 0);
    ASSERT_TRUE(platform::IsLoaded<frmOpen>());
    frmOpen* splash = platform::Peek<frmOpen>();
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(browser.opened().isEmpty());
    if (GetParam().fault != StoreFault::FileIsGarbage) {
        EXPECT_EQ(ReadFile(storeFile()), storeBefore) << "the store was written after all";
    }
    // A pipe in the store's place is neither opened (which waits for a writer for ever) nor
    // replaced.
    if (pipe) {
        pipe->stop();
        EXPECT_FALSE(pipe->opened()) << "the pipe was opened";
        EXPECT_TRUE(pipe->stillThere()) << "the pipe was replaced";
    }

    // And the road goes on to the querent window.
    splash->Timer1_Timer();
    splash->cmdContd.click();
    EXPECT_TRUE(platform::IsLoaded<frmFront>());
}

INSTANTIATE_TEST_SUITE_P(
    Stores, SettingsFaults,
    ::testing::Values(StoreCase{"FolderCannotBeMade", StoreFault::FolderCannotBeMade, false},
                      StoreCase{"FileIsAFolder", StoreFault::FileIsAFolder, false},
                      StoreCase{"FolderNotWritable", StoreFault::FolderNotWritable, false},
                      StoreCase{"FolderNotWritableWithAReminderDue", StoreFault::FolderNotWritable, true},
                      StoreCase{"FileReadOnlyWithAReminderDue", StoreFault::FileReadOnly, true},
                      StoreCase{"FileIsGarbage", StoreFault::FileIsGarbage, false},
                      StoreCase{"FileIsANamedPipe", StoreFault::FileIsANamedPipe, false},
                      StoreCase{"FileIsALinkToANamedPipe", StoreFault::FileIsALinkToANamedPipe, false},
                      StoreCase{"LockIsANamedPipe", StoreFault::LockIsANamedPipe, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
