// The single-instance lock: one running copy per user, in a folder of that user's own, and no
// lock file left behind turns a start away for good.
#include "platform/application.h"
#include "support/environment.h"
#include "support/filefaults.h"
#include "support/qtprinting.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using platform::InstanceLockFolder;
using platform::SingleInstanceLock;

namespace {

const QString kName = QStringLiteral("Prog");
// Someone else: the owner given to files and folders that stand for another user's.
constexpr uid_t kOtherUser = 65534;

struct stat Status(const QString& path) {
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status;
}

bool MakeFolder(const QString& path, mode_t mode) {
    return QDir().mkpath(path) && ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

bool GiveToOtherUser(const QString& path) { return ::chown(QFile::encodeName(path).constData(), kOtherUser, kOtherUser) == 0; }

bool WriteFile(const QString& path, const QByteArray& bytes, mode_t mode) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
           ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

// Makes a folder the current one while it lives.
class ScopedCurrentFolder {
public:
    explicit ScopedCurrentFolder(const QString& folder)
        : earlier_(QDir::currentPath()), changed_(QDir::setCurrent(folder)) {}
    ~ScopedCurrentFolder() { QDir::setCurrent(earlier_); }
    ScopedCurrentFolder(const ScopedCurrentFolder&) = delete;
    ScopedCurrentFolder& operator=(const ScopedCurrentFolder&) = delete;
    bool changed() const { return changed_; }

private:
    QString earlier_;
    bool changed_;
};

class InstanceLock : public ::testing::Test {
protected:
    QString at(const QString& relative) const { return temp.path() + QLatin1Char('/') + relative; }
    // The folder the lock falls back to under the cache folder of these tests.
    QString cacheFolder() const { return at(QStringLiteral("cache/")) + platform::ExecutableName(); }

    QTemporaryDir temp;
    ScopedEnvironmentVariable runtime{"XDG_RUNTIME_DIR", QByteArray()};
    ScopedEnvironmentVariable cacheHome{"XDG_CACHE_HOME", QFile::encodeName(at(QStringLiteral("cache")))};
};

TEST_F(InstanceLock, ASecondLockInOneFolderIsRefusedUntilTheFirstIsGone) {
    {
        SingleInstanceLock first(kName, temp.path());
        ASSERT_TRUE(first.acquired());
        EXPECT_FALSE(first.heldElsewhere());
        SingleInstanceLock second(kName, temp.path());
        EXPECT_FALSE(second.acquired());
        EXPECT_TRUE(second.heldElsewhere());
    }
    SingleInstanceLock again(kName, temp.path());
    EXPECT_TRUE(again.acquired());
}

TEST_F(InstanceLock, EachUsersRuntimeFolderHoldsThatUsersLock) {
    const QString userA = at(QStringLiteral("runtime-a"));
    const QString userB = at(QStringLiteral("runtime-b"));
    ASSERT_TRUE(MakeFolder(userA, 0700));
    ASSERT_TRUE(MakeFolder(userB, 0700));

    runtime.set(QFile::encodeName(userA));
    SingleInstanceLock a(kName);
    ASSERT_TRUE(a.acquired());
    EXPECT_TRUE(QFile::exists(userA + QStringLiteral("/Prog.lock")));

    runtime.set(QFile::encodeName(userB));
    SingleInstanceLock b(kName);
    EXPECT_TRUE(b.acquired());
    EXPECT_FALSE(b.heldElsewhere());

    runtime.set(QFile::encodeName(userA));
    SingleInstanceLock secondA(kName);
    EXPECT_FALSE(secondA.acquired());
    EXPECT_TRUE(secondA.heldElsewhere());
}

enum class Runtime {
    Private,
    NotNamed,
    OpenToOthers,
    WorldWritable,
    Missing,
    OtherUsers,
    PrivateNamedRelatively
};

struct RuntimeCase {
    const char* name;
    Runtime runtime;
    bool used;  // else the folder under the cache folder is
    const char* relativeName = nullptr;  // how a folder named relatively is named
};
void PrintTo(const RuntimeCase& c, std::ostream* os) { *os << c.name; }

class LockFolder : public InstanceLock, public ::testing::WithParamInterface<RuntimeCase> {};

TEST_P(LockFolder, IsTheRuntimeFolderOnlyWhenItIsTheUsersAlone) {
    const QString relativeName = QString::fromUtf8(GetParam().relativeName);
    const QString folder = at(relativeName.isEmpty() ? QStringLiteral("runtime") : relativeName);
    // A relative name names a folder of the current folder.
    ScopedCurrentFolder current(temp.path());
    ASSERT_TRUE(current.changed());
    switch (GetParam().runtime) {
        case Runtime::Private: ASSERT_TRUE(MakeFolder(folder, 0700)); break;
        case Runtime::NotNamed: break;
        case Runtime::OpenToOthers: ASSERT_TRUE(MakeFolder(folder, 0755)); break;
        case Runtime::WorldWritable: ASSERT_TRUE(MakeFolder(folder, 01777)); break;
        case Runtime::Missing: break;
        case Runtime::OtherUsers:
            ASSERT_TRUE(MakeFolder(folder, 0700));
            if (!GiveToOtherUser(folder)) GTEST_SKIP() << "only root can hand a folder to another user";
            break;
        case Runtime::PrivateNamedRelatively: ASSERT_TRUE(MakeFolder(folder, 0700)); break;
    }
    if (GetParam().runtime != Runtime::NotNamed) {
        runtime.set(QFile::encodeName(relativeName.isEmpty() ? folder : relativeName));
    }

    const QString chosen = InstanceLockFolder();

    if (GetParam().used) {
        EXPECT_EQ(chosen, folder);
        return;
    }
    EXPECT_EQ(chosen, cacheFolder());
    const struct stat status = Status(chosen);
    EXPECT_TRUE(S_ISDIR(status.st_mode));
    EXPECT_EQ(status.st_mode & 07777, 0700u);
    EXPECT_EQ(status.st_uid, ::geteuid());
    // The runtime folder is left as it was.
    if (GetParam().runtime == Runtime::OpenToOthers) EXPECT_EQ(Status(folder).st_mode & 07777, 0755u);
}

INSTANTIATE_TEST_SUITE_P(
    Runtimes, LockFolder,
    ::testing::Values(RuntimeCase{"Private", Runtime::Private, true}, RuntimeCase{"NotNamed", Runtime::NotNamed, false},
                      RuntimeCase{"OpenToOthers", Runtime::OpenToOthers, false},
                      RuntimeCase{"WorldWritable", Runtime::WorldWritable, false},
                      RuntimeCase{"Missing", Runtime::Missing, false},
                      RuntimeCase{"OtherUsers", Runtime::OtherUsers, false},
                      RuntimeCase{"RelativePath", Runtime::PrivateNamedRelatively, false, "run/user"},
                      RuntimeCase{"RelativeToTheCurrentFolder", Runtime::PrivateNamedRelatively, false, "./x"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InstanceLock, AnEarlierCacheFolderIsKeptToItsOwner) {
    ASSERT_TRUE(MakeFolder(cacheFolder(), 0755));
    EXPECT_EQ(InstanceLockFolder(), cacheFolder());
    EXPECT_EQ(Status(cacheFolder()).st_mode & 07777, 0700u);
}

TEST_F(InstanceLock, WithoutAFolderOfItsOwnTheLockIsNeitherHeldNorRefused) {
    ASSERT_TRUE(MakeFolder(cacheFolder(), 0700));
    if (!GiveToOtherUser(cacheFolder())) GTEST_SKIP() << "only root can hand a folder to another user";

    EXPECT_EQ(InstanceLockFolder(), QString());
    SingleInstanceLock lock(kName);
    EXPECT_FALSE(lock.acquired());
    EXPECT_FALSE(lock.heldElsewhere());
    EXPECT_FALSE(lock.failure().isEmpty());
    EXPECT_EQ(Status(cacheFolder()).st_mode & 07777, 0700u);
}

// The runtime folder's clean-up may remove files untouched for 6 hours, unless they are sticky.
TEST_F(InstanceLock, ANewLockFileIsTheUsersAloneAndSticky) {
    SingleInstanceLock lock(kName, temp.path());
    ASSERT_TRUE(lock.acquired());
    EXPECT_EQ(Status(at(QStringLiteral("Prog.lock"))).st_mode & 07777, 01600u);
}

TEST_F(InstanceLock, AnotherUsersLockFileLocksAndIsLeftAsItWas) {
    const QString lockFile = at(QStringLiteral("Prog.lock"));
    ASSERT_TRUE(WriteFile(lockFile, {}, 0644));
    if (!GiveToOtherUser(lockFile)) GTEST_SKIP() << "only root can hand a file to another user";

    SingleInstanceLock lock(kName, temp.path());
    EXPECT_TRUE(lock.acquired());
    const struct stat status = Status(lockFile);
    EXPECT_EQ(status.st_mode & 07777, 0644u);
    EXPECT_EQ(status.st_uid, kOtherUser);
}

// What a run that crashed, or someone, left where the lock goes.
struct LeftBehind {
    const char* name;
    std::function<bool(const QString& lockFile)> leave;
    mode_t folderMode;
    bool lockable;  // and then the lock file is made sticky, else no lock can be had there at all
};
void PrintTo(const LeftBehind& c, std::ostream* os) { *os << c.name; }

// The lock file of an earlier version: process id, program name and host of a process that is
// gone (the id lies above any the system hands out).
QByteArray CrashedCopysLock() { return "4194305\nProg\n" + QSysInfo::machineHostName().toUtf8() + '\n'; }

const LeftBehind kLeftBehind[] = {
    {"EmptyFile", [](const QString& f) { return WriteFile(f, {}, 0600); }, 0700, true},
    {"CrashedCopysLock", [](const QString& f) { return WriteFile(f, CrashedCopysLock(), 0644); }, 0700, true},
    {"CrashedCopysLockInAReadOnlyFolder", [](const QString& f) { return WriteFile(f, CrashedCopysLock(), 0644); },
     0500, true},
    {"ReadOnlyLockInAReadOnlyFolder", [](const QString& f) { return WriteFile(f, CrashedCopysLock(), 0444); }, 0500,
     true},
    {"UnreadableFile", [](const QString& f) { return WriteFile(f, CrashedCopysLock(), 0000); }, 0700, false},
    {"LinkToNowhere", [](const QString& f) { return QFile::link(f + QStringLiteral(".gone"), f); }, 0700, false},
};

class LeftAtTheLocksPlace : public InstanceLock, public ::testing::WithParamInterface<LeftBehind> {};

TEST_P(LeftAtTheLocksPlace, NeverTurnsTheNextStartAway) {
    ASSERT_TRUE(filefaults::HonourPermissionBits());
    const QString folder = at(QStringLiteral("locks"));
    ASSERT_TRUE(MakeFolder(folder, 0700));
    ASSERT_TRUE(GetParam().leave(folder + QStringLiteral("/Prog.lock")));
    filefaults::ScopedMode mode(folder, GetParam().folderMode);
    ASSERT_TRUE(mode.changed());

    SingleInstanceLock first(kName, folder);
    EXPECT_FALSE(first.heldElsewhere());
    EXPECT_EQ(first.acquired(), GetParam().lockable);
    EXPECT_EQ(first.failure().isEmpty(), GetParam().lockable);
    struct stat left {};
    ASSERT_EQ(::lstat(QFile::encodeName(folder + QStringLiteral("/Prog.lock")).constData(), &left), 0);
    EXPECT_EQ((left.st_mode & S_ISVTX) != 0, GetParam().lockable);

    // A lock taken is a lock held; where none can be had, the next start is not refused either.
    SingleInstanceLock second(kName, folder);
    EXPECT_FALSE(second.acquired());
    EXPECT_EQ(second.heldElsewhere(), GetParam().lockable);
}

INSTANTIATE_TEST_SUITE_P(Leftovers, LeftAtTheLocksPlace, ::testing::ValuesIn(kLeftBehind),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InstanceLock, AProgramStartedByTheHolderDoesNotKeepTheLock) {
    QProcess child;
    {
        SingleInstanceLock lock(kName, temp.path());
        ASSERT_TRUE(lock.acquired());
        child.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        ASSERT_TRUE(child.waitForStarted());
    }
    SingleInstanceLock next(kName, temp.path());
    EXPECT_TRUE(next.acquired());
    child.kill();
    child.waitForFinished();
}

}  // namespace
