#pragma once
// Faults of the file layer for tests that hold whoever runs them, root included.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <csignal>
#include <initializer_list>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace filefaults {

// Makes permission bits hold for this test process as they do for any user: root loses the
// powers to pass them (for good, in this process). Returns false if that could not be done.
inline bool HonourPermissionBits() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0) return false;
    for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
        data[cap / 32].effective &= ~(1u << (cap % 32));
        data[cap / 32].permitted &= ~(1u << (cap % 32));
        data[cap / 32].inheritable &= ~(1u << (cap % 32));
    }
    return syscall(SYS_capset, &header, data) == 0;
}

// Gives a file or folder the mode while it lives, then its earlier mode back.
class ScopedMode {
public:
    ScopedMode(const QString& path, mode_t mode) : path_(QFile::encodeName(path)) {
        struct stat st {};
        if (::stat(path_.constData(), &st) == 0) {
            earlier_ = st.st_mode & 07777;
            changed_ = ::chmod(path_.constData(), mode) == 0;
        }
    }
    ~ScopedMode() {
        if (changed_) ::chmod(path_.constData(), earlier_);
    }
    ScopedMode(const ScopedMode&) = delete;
    ScopedMode& operator=(const ScopedMode&) = delete;
    bool changed() const { return changed_; }

private:
    QByteArray path_;
    mode_t earlier_ = 0;
    bool changed_ = false;
};

// While it lives, no file of this process may grow beyond the given size: a write past it
// fails as on a full disk (File too large), whoever writes.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        earlierSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &earlier_);
        rlimit limit = earlier_;
        limit.rlim_cur = bytes;
        set_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        if (set_) ::setrlimit(RLIMIT_FSIZE, &earlier_);
        std::signal(SIGXFSZ, earlierSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool set() const { return set_; }

private:
    rlimit earlier_{};
    void (*earlierSignal_)(int) = SIG_DFL;
    bool set_ = false;
};

}  // namespace filefaults
