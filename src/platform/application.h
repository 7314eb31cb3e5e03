#pragma once
// Facts about the running program: its folder, its executable name, whether it runs already.
#include <QString>
#include <optional>

namespace platform {

// The folder of the program (where cards/ and pic/ lie), unless a test chose another.
QString ProgramFolder();
// The executable's name without folder, "VezorAdarizuDudiruvo" for the program.
QString ExecutableName();

class ScopedProgramFolder {
public:
    explicit ScopedProgramFolder(QString folder);
    ~ScopedProgramFolder();
    ScopedProgramFolder(const ScopedProgramFolder&) = delete;
    ScopedProgramFolder& operator=(const ScopedProgramFolder&) = delete;

private:
    std::optional<QString> previous_;
};

// The folder for the user's own locks: the session's runtime folder ($XDG_RUNTIME_DIR) when
// it is named by an absolute path and belongs to the user alone, else a folder of the program's
// in the user's cache folder, made with mode 0700. Empty when neither can be had.
QString InstanceLockFolder();

// Holds the lock named after the program in a folder (by default InstanceLockFolder) for as
// long as it lives. The lock goes with the process that holds it: a crashed run leaves none.
// The holder gives the lock file the sticky bit, so that no clean-up of the runtime folder
// removes it while the lock is held.
class SingleInstanceLock {
public:
    explicit SingleInstanceLock(const QString& name, const QString& folder = {});
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;
    // True when this one holds the lock.
    bool acquired() const;
    // True when another running instance holds it. When no lock can be had at all (no folder,
    // a lock file that cannot be opened) neither is true.
    bool heldElsewhere() const;
    // Why no lock could be had at all; empty when it is held, here or elsewhere.
    QString failure() const { return failure_; }

private:
    int fd_ = -1;
    bool heldElsewhere_ = false;
    QString failure_;
};

}  // namespace platform
