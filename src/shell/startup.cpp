#include "shell/startup.h"

#include "platform/application.h"
#include "platform/fixedsize.h"
#include "platform/forms.h"
#include "platform/keepmaximised.h"
#include "platform/keyguard.h"
#include "platform/messagebox.h"
#include "platform/settingsstore.h"
#include "platform/stacking.h"
#include "shell/frmOpen.h"
#include "shell/modHelp.h"
#include "shell/textshift.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <memory>

namespace {
bool g_quitting = false;
QuitRecorder* g_quitRecorder = nullptr;
std::optional<QString> g_lockFolder;

const QString kSettingsSection = QStringLiteral("Settings");
// The reminder's date is kept in one fixed form, whatever the desktop's date format.
const QString kReminderDateFormat = QStringLiteral("yyyy-MM-dd");

std::unique_ptr<platform::SingleInstanceLock>& InstanceLock() {
    static std::unique_ptr<platform::SingleInstanceLock> lock;
    return lock;
}

void EndProcess() {
    // The lock goes with the process: a start from now on is not refused.
    InstanceLock().reset();
    if (g_quitRecorder) {
        g_quitRecorder->record();
        return;
    }
    // Leaves every running event loop; before the main loop runs, main sees IsQuitting.
    QCoreApplication::exit(0);
}
}  // namespace

void SetUpApplication() {
    // The id names the desktop entry that the install step writes; Qt gives it to the Wayland
    // compositor as the app id. (On X11 the window class is the executable's name, which the
    // entry names as its StartupWMClass.)
    QGuiApplication::setDesktopFileName(QStringLiteral(VAD_APPLICATION_ID));
    // The program ends in one place, QuitApplication, never by closing its last window.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    platform::InstallFixedSizeGuard();
    platform::InstallKeepMaximised();
}

void StartApplication() {
    platform::InstallKeyGuard();
    auto& lock = InstanceLock();
    lock.reset();
    lock = std::make_unique<platform::SingleInstanceLock>(platform::ExecutableName(), g_lockFolder.value_or(QString()));
    if (lock->heldElsewhere()) {
        platform::MsgBox(QStringLiteral("Application is already running"), platform::MsgIcon::Information);
        QuitApplication();
        return;
    }
    // Where no lock can be had the program runs unguarded rather than turn its user away, and
    // says so.
    if (!lock->acquired()) {
        const QString line = QStringLiteral("%1: no single-instance lock could be had (%2); running without it\n")
                                 .arg(platform::ExecutableName(), lock->failure());
        std::fputs(line.toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
    }
    CheckUpdateReminder();
    if (IsQuitting()) return;
    frmOpen* splash = platform::Get<frmOpen>();
    // The splash's load quits when a picture folder is missing.
    if (IsQuitting() || platform::Peek<frmOpen>() != splash) return;
    splash->show();
    platform::BringToFront(splash);
}

void CheckUpdateReminder() { CheckUpdateReminder(QDate::currentDate()); }

void CheckUpdateReminder(const QDate& today) {
    const QByteArray strDurationKey = EncodeText(QByteArrayLiteral("Duration"));
    const QString app = platform::ExecutableName();
    const QByteArray todayValue = EncodeText(today.toString(kReminderDateFormat).toLatin1());

    const platform::SettingRead stored = platform::GetSetting(app, kSettingsSection, strDurationKey);
    // A store that fails ends the reminder: nothing is shown and nothing stored.
    if (stored.failed) return;
    const QString storedText = QString::fromLatin1(DecodeText(stored.value.value_or(QByteArray())));
    const QDate storedDate = QDate::fromString(storedText, kReminderDateFormat);
    // No value, or one that does not read as a date: start counting from today.
    if (!storedDate.isValid()) {
        platform::SaveSetting(app, kSettingsSection, strDurationKey, todayValue);
        return;
    }
    const qint64 days = today.daysTo(storedDate);
    if (days >= -14 && days <= 14) return;

    const platform::MsgResult answer = platform::MsgBox(
        QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?"),
        platform::MsgIcon::Information, platform::MsgButtons::YesNo);
    platform::SaveSetting(app, kSettingsSection, strDurationKey, todayValue);
    if (answer == platform::MsgResult::Yes) OpenDownloadWebPage();
}

void QuitApplication() {
    if (g_quitting) return;
    g_quitting = true;
    // Unload in load order; a window an earlier handler unloaded is gone from the list, and
    // one whose unload was refused is not tried again.
    std::vector<platform::Form*> tried;
    for (;;) {
        const std::vector<platform::Form*> loaded = platform::LoadedForms();
        const auto next = std::find_if(loaded.begin(), loaded.end(), [&](platform::Form* form) {
            return std::find(tried.begin(), tried.end(), form) == tried.end();
        });
        if (next == loaded.end()) break;
        tried.push_back(*next);
        platform::UnloadForm(*next);
    }
    EndProcess();
}

bool IsQuitting() { return g_quitting; }

QuitRecorder::QuitRecorder() : previous_(g_quitRecorder) {
    g_quitRecorder = this;
    g_quitting = false;
}

QuitRecorder::~QuitRecorder() {
    g_quitRecorder = previous_;
    g_quitting = false;
}

ScopedInstanceLockFolder::ScopedInstanceLockFolder(QString folder) : previous_(g_lockFolder) {
    g_lockFolder = std::move(folder);
}
ScopedInstanceLockFolder::~ScopedInstanceLockFolder() {
    // A lock taken in the folder is given up with it.
    InstanceLock().reset();
    g_lockFolder = previous_;
}
