#pragma once
// Start-up, the update reminder and quitting.
#include <QDate>
#include <QString>
#include <optional>

// The application's settings, made in main before any window: its desktop entry's id (the
// desktop takes the program's name and icon from the entry), that it ends only through
// QuitApplication, and that its fixed-size windows are never maximised.
void SetUpApplication();

// Runs once when the process starts: one instance only, the update reminder, then the splash.
void StartApplication();

// Asks at most once every two weeks whether to look for an update.
void CheckUpdateReminder();
// The same with a given today.
void CheckUpdateReminder(const QDate& today);

// Unloads every loaded window in load order, then ends the process. Calls made while it
// runs (from unload handlers) return at once.
void QuitApplication();
// True from the first QuitApplication on; windows show nothing new while it holds.
bool IsQuitting();

// While one exists, QuitApplication records the end of the process instead of ending it,
// and quitting starts afresh after it is gone.
class QuitRecorder {
public:
    QuitRecorder();
    ~QuitRecorder();
    QuitRecorder(const QuitRecorder&) = delete;
    QuitRecorder& operator=(const QuitRecorder&) = delete;
    int ends() const { return ends_; }
    void record() { ++ends_; }

private:
    int ends_ = 0;
    QuitRecorder* previous_;
};

// While one exists, the single-instance lock lies in the given folder (else in the user's own
// lock folder, platform::InstanceLockFolder).
class ScopedInstanceLockFolder {
public:
    explicit ScopedInstanceLockFolder(QString folder);
    ~ScopedInstanceLockFolder();
    ScopedInstanceLockFolder(const ScopedInstanceLockFolder&) = delete;
    ScopedInstanceLockFolder& operator=(const ScopedInstanceLockFolder&) = delete;

private:
    std::optional<QString> previous_;
};
