#pragma once
// The per-user settings store: application name, section, key; values are byte strings.
#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

std::optional<QByteArray> GetSetting(const QString& appName, const QString& section, const QByteArray& key);
// Returns false when the store cannot be written.
bool SaveSetting(const QString& appName, const QString& section, const QByteArray& key, const QByteArray& value);

// The folder that holds the store: the user's configuration folder unless a test chose one.
QString SettingsFolder();

// While one exists, the store lives in the given folder.
class ScopedSettingsFolder {
public:
    explicit ScopedSettingsFolder(QString folder);
    ~ScopedSettingsFolder();
    ScopedSettingsFolder(const ScopedSettingsFolder&) = delete;
    ScopedSettingsFolder& operator=(const ScopedSettingsFolder&) = delete;

private:
    std::optional<QString> previous_;
};

}  // namespace platform
