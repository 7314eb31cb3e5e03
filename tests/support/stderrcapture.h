#pragma once
// What the program writes to its standard error while one lives. Qt's own log messages (the
// offscreen platform's notes on window stacking and focus) are set aside meanwhile.
#include <QByteArray>
#include <QtGlobal>
#include <cstdio>
#include <unistd.h>

class StderrCapture {
public:
    StderrCapture() : file_(std::tmpfile()), qtHandler_(qInstallMessageHandler(&SetAside)) {
        std::fflush(stderr);
        if (file_) {
            saved_ = ::dup(STDERR_FILENO);
            ::dup2(::fileno(file_), STDERR_FILENO);
        }
    }
    ~StderrCapture() {
        qInstallMessageHandler(qtHandler_);
        restore();
        if (file_) std::fclose(file_);
    }
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    // Ends the capture and gives what was written.
    QByteArray text() {
        restore();
        QByteArray bytes;
        if (!file_) return bytes;
        std::rewind(file_);
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file_)) > 0;) bytes.append(buffer, qsizetype(n));
        return bytes;
    }

private:
    static void SetAside(QtMsgType, const QMessageLogContext&, const QString&) {}

    void restore() {
        if (saved_ < 0) return;
        std::fflush(stderr);
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
        saved_ = -1;
    }

    std::FILE* file_;
    QtMessageHandler qtHandler_;
    int saved_ = -1;
};
