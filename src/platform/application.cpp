#include "platform/application.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {
std::optional<QString> g_programFolder;

// The folder's status, when it is a folder that belongs to this user.
std::optional<struct stat> OwnFolder(const QByteArray& path) {
    struct stat status {};
    if (path.isEmpty() || ::stat(path.constData(), &status) != 0) return std::nullopt;
    if (!S_ISDIR(status.st_mode) || status.st_uid != ::geteuid()) return std::nullopt;
    return status;
}

// A folder of this user's that no one else may enter.
bool IsPrivateFolder(const QByteArray& path) {
    const std::optional<struct stat> status = OwnFolder(path);
    return status && (status->st_mode & 077) == 0;
}

// Keeps a clean-up of the runtime folder, which spares sticky files, from removing the lock
// file. A file of someone else's, or one whose mode cannot be changed, is left as it is.
void KeepFromCleanUp(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0 || status.st_uid != ::geteuid() || (status.st_mode & S_ISVTX)) return;
    ::fchmod(fd, (status.st_mode & 07777) | S_ISVTX);
}

QString SystemError(const char* what, const QString& path, int error) {
    const QString reason = QString::fromLocal8Bit(std::strerror(error));
    return QStringLiteral("cannot %1 %2: %3").arg(QLatin1String(what), path, reason);
}
}  // namespace

QString ProgramFolder() {
    if (g_programFolder) return *g_programFolder;
    return QCoreApplication::applicationDirPath();
}

QString ExecutableName() {
    const QString path = QCoreApplication::applicationFilePath();
    const QString name = QFileInfo(path).completeBaseName();
    return name.isEmpty() ? QStringLiteral("VezorAdarizuDudiruvo") : name;
}

ScopedProgramFolder::ScopedProgramFolder(QString folder) : previous_(g_programFolder) {
    g_programFolder = std::move(folder);
}
ScopedProgramFolder::~ScopedProgramFolder() { g_programFolder = previous_; }

QString InstanceLockFolder() {
    // Qt's RuntimeLocation would fall back to a folder in the shared temp folder. A relative
    // path is no runtime folder at all and counts as none.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.startsWith(QLatin1Char('/')) && IsPrivateFolder(QFile::encodeName(runtime))) return runtime;

    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty()) return {};
    const QString own = cache + QLatin1Char('/') + ExecutableName();
    const QByteArray native = QFile::encodeName(own);
    QDir().mkpath(own);
    if (OwnFolder(native)) ::chmod(native.constData(), 0700);
    return IsPrivateFolder(native) ? own : QString();
}

SingleInstanceLock::SingleInstanceLock(const QString& name, const QString& folder) {
    const QString dir = folder.isEmpty() ? InstanceLockFolder() : folder;
    if (dir.isEmpty()) {
        failure_ = QStringLiteral("no folder of this user's own to hold it");
        return;
    }
    const QString file = dir + QLatin1Char('/') + name + QLatin1String(".lock");
    const QByteArray path = QFile::encodeName(file);
    // The system's lock on the open file ends with the process. The file stays when the lock
    // is given up: removing it would let two runs lock two files. Programs started from here
    // (the browser) do not inherit the lock; a lock file that may only be read locks as well;
    // a link or a pipe in its place is never followed or waited on.
    constexpr int kFlags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    fd_ = ::open(path.constData(), O_RDWR | O_CREAT | kFlags, 0600);
    if (fd_ < 0) fd_ = ::open(path.constData(), O_RDONLY | kFlags);
    if (fd_ < 0) {
        failure_ = SystemError("open", file, errno);
        return;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
        KeepFromCleanUp(fd_);
        return;
    }
    heldElsewhere_ = errno == EWOULDBLOCK;
    if (!heldElsewhere_) failure_ = SystemError("lock", file, errno);
    ::close(fd_);
    fd_ = -1;
}

SingleInstanceLock::~SingleInstanceLock() {
    if (fd_ >= 0) ::close(fd_);
}

bool SingleInstanceLock::acquired() const { return fd_ >= 0; }

bool SingleInstanceLock::heldElsewhere() const { return heldElsewhere_; }

}  // namespace platform
