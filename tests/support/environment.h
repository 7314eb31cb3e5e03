#pragma once
// Environment variables for the length of a test.
#include <QByteArray>
#include <QtGlobal>

// Sets a variable (a null value unsets it) while it lives, then gives back the earlier value.
class ScopedEnvironmentVariable {
public:
    ScopedEnvironmentVariable(const char* name, const QByteArray& value)
        : name_(name), wasSet_(qEnvironmentVariableIsSet(name)), earlier_(qgetenv(name)) {
        set(value);
    }
    ~ScopedEnvironmentVariable() { set(wasSet_ ? earlier_ : QByteArray()); }
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

    void set(const QByteArray& value) {
        if (value.isNull()) {
            qunsetenv(name_);
        } else {
            qputenv(name_, value);
        }
    }

private:
    const char* name_;
    bool wasSet_;
    QByteArray earlier_;
};
