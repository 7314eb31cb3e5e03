#include "platform/application.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace platform {
namespace {
std::optional<QString> g_programFolder;
}

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

SingleInstanceLock::SingleInstanceLock(const QString& name, const QString& folder) {
    const QString dir = folder.isEmpty() ? QDir::tempPath() : folder;
    lock_ = std::make_unique<QLockFile>(dir + QLatin1Char('/') + name + QLatin1String(".lock"));
    lock_->setStaleLockTime(0);  // only a lock whose process is gone counts as stale
    // tryLock removes a lock whose owning process is gone; a live owner keeps it.
    acquired_ = lock_->tryLock(0);
}

SingleInstanceLock::~SingleInstanceLock() {
    if (acquired_) lock_->unlock();
}

bool SingleInstanceLock::acquired() const { return acquired_; }

}  // namespace platform
