#include "platform/settingsstore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace platform {
namespace {
std::optional<QString> g_folder;

QString StoreFile(const QString& appName) { return SettingsFolder() + QLatin1Char('/') + appName + QLatin1String(".ini"); }
QString KeyPath(const QString& section, const QByteArray& key) {
    return section + QLatin1Char('/') + QString::fromLatin1(key);
}
}  // namespace

QString SettingsFolder() {
    if (g_folder) return *g_folder;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1String("/VezorAdarizuDudiruvo");
}

std::optional<QByteArray> GetSetting(const QString& appName, const QString& section, const QByteArray& key) {
    QSettings store(StoreFile(appName), QSettings::IniFormat);
    const QVariant value = store.value(KeyPath(section, key));
    if (!value.isValid()) return std::nullopt;
    return value.toByteArray();
}

bool SaveSetting(const QString& appName, const QString& section, const QByteArray& key, const QByteArray& value) {
    if (!QDir().mkpath(SettingsFolder())) return false;
    QSettings store(StoreFile(appName), QSettings::IniFormat);
    store.setValue(KeyPath(section, key), value);
    store.sync();
    return store.status() == QSettings::NoError;
}

ScopedSettingsFolder::ScopedSettingsFolder(QString folder) : previous_(g_folder) { g_folder = std::move(folder); }
ScopedSettingsFolder::~ScopedSettingsFolder() { g_folder = previous_; }

}  // namespace platform
