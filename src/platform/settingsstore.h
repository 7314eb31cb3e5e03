#pragma once
// The per-user settings store: application name, section, key; values are byte strings.
#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// What a read of one value found.
struct SettingRead {
    std::optional<QByteArray> value;  // none when the store holds no such value
    bool failed = false;              // the store itself could not be read (and gave no value)
};

// The store is a plain file (or a link to one), or none yet; anything else in its place (a
// named pipe, a device, a folder) is a store that fails to read and to write.
SettingRead GetSetting(const QString& appName, const QString& section, const QByteArray& key);
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
