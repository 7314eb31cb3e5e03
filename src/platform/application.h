#pragma once
// Facts about the running program: its folder, its executable name, whether it runs already.
#include <QString>
#include <memory>
#include <optional>

class QLockFile;

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

// Holds a lock named after the executable for as long as it lives; a stale lock left by a
// crashed run is recovered.
class SingleInstanceLock {
public:
    explicit SingleInstanceLock(const QString& name, const QString& folder = {});
    ~SingleInstanceLock();
    // True when no other instance holds the lock.
    bool acquired() const;

private:
    std::unique_ptr<QLockFile> lock_;
    bool acquired_ = false;
};

}  // namespace platform
