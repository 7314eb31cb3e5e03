#pragma once
// Faults of the file layer for tests that hold whoever runs them, root included.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <initializer_list>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <thread>
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

// Makes the file of a Unix socket at the path; the socket itself is closed again at once.
inline bool MakeSocketFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    if (name.size() >= static_cast<qsizetype>(sizeof address.sun_path)) return false;
    address.sun_family = AF_UNIX;
    std::copy(name.begin(), name.end(), address.sun_path);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (socket < 0) return false;
    const bool bound = ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    return bound;
}

// A named pipe at the path, watched while it lives. Opening a pipe waits until its other end is
// opened too. The first time something opens this one, the watch notes it, opens the other end
// so that the opening goes on (and reads an empty file), and takes the pipe away, so that
// nothing waits on it again: code that would wait for ever goes on and the test sees it.
class WatchedPipe {
public:
    explicit WatchedPipe(const QString& path) : path_(QFile::encodeName(path)) {
        made_ = ::mkfifo(path_.constData(), 0600) == 0;
        if (made_) watch_ = std::thread([this] { watch(); });
    }
    ~WatchedPipe() { stop(); }
    // Ends the watch; from then on opened() is final.
    void stop() {
        stop_ = true;
        if (watch_.joinable()) watch_.join();
    }
    WatchedPipe(const WatchedPipe&) = delete;
    WatchedPipe& operator=(const WatchedPipe&) = delete;

    bool made() const { return made_; }
    bool opened() const { return opened_; }
    // Whether the path still names the pipe (a file renamed over it would not).
    bool stillThere() const {
        struct stat st {};
        return ::lstat(path_.constData(), &st) == 0 && S_ISFIFO(st.st_mode);
    }

private:
    void watch() {
        while (!stop_) {
            // Without waiting: this fails at once while nobody has the pipe open.
            const int end = ::open(path_.constData(), O_WRONLY | O_NONBLOCK);
            if (end >= 0) {
                struct stat st {};
                const bool pipe = ::fstat(end, &st) == 0 && S_ISFIFO(st.st_mode);
                if (pipe && stillThere()) ::unlink(path_.constData());
                ::close(end);
                if (pipe) {
                    opened_ = true;
                    return;
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }

    QByteArray path_;
    bool made_ = false;
    std::atomic<bool> stop_{false};
    std::atomic<bool> opened_{false};
    std::thread watch_;
};

}  // namespace filefaults
