#include "platform/settingsstore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace platform {
namespace {
std::optional<QString> g_folder;

QString StoreFile(const QString& appName) { return SettingsFolder() + QLatin1Char('/') + appName + QLatin1String(".ini"); }
QString KeyPath(const QString& section, const QByteArray& key) {
    return section + QLatin1Char('/') + QString::fromLatin1(key);
}

// Asked of the file system without opening anything: opening a named pipe waits for a writer
// for ever. Links are followed.
bool IsPlainFileOrMissing(const QString& path) {
    const QFileInfo info(path);
    return !info.exists() || info.isFile();
}
bool IsFolderOrMissing(const QString& path) {
    const QFileInfo info(path);
    return !info.exists() || info.isDir();
}

bool StoreCanBeRead(const QString& appName) {
    return IsFolderOrMissing(SettingsFolder()) && IsPlainFileOrMissing(StoreFile(appName));
}
}  // namespace

QString SettingsFolder() {
    if (g_folder) return *g_folder;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1String("/VezorAdarizuDudiruvo");
}

SettingRead GetSetting(const QString& appName, const QString& section, const QByteArray& key) {
    if (!StoreCanBeRead(appName)) return {std::nullopt, true};
    QSettings store(StoreFile(appName), QSettings::IniFormat);
    if (store.status() == QSettings::AccessError) return {std::nullopt, true};
    const QVariant value = store.value(KeyPath(section, key));
    if (!value.isValid()) return {};
    return {value.toByteArray()};
}

bool SaveSetting(const QString& appName, const QString& section, const QByteArray& key, const QByteArray& value) {
    // QSettings reads the file before it writes a new one and renames that over it, and it
    // locks the file with another one beside it: neither may be anything but a plain file.
    const QString file = StoreFile(appName);
    if (!StoreCanBeRead(appName) || !IsPlainFileOrMissing(file + QLatin1String(".lock"))) return false;
    if (!QDir().mkpath(SettingsFolder())) return false;
    QSettings store(file, QSettings::IniFormat);
    store.setValue(KeyPath(section, key), value);
    store.sync();
    return store.status() == QSettings::NoError;
}

ScopedSettingsFolder::ScopedSettingsFolder(QString folder) : previous_(g_folder) { g_folder = std::move(folder); }
ScopedSettingsFolder::~ScopedSettingsFolder() { g_folder = previous_; }

}  // namespace platform
