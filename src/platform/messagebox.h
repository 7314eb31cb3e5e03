#pragma once
// Message boxes. Every box carries the program's title. Tests answer them in advance.
#include <QString>
#include <vector>

namespace platform {

inline const QString kProgramTitle = QStringLiteral("CV Vezor Adarizu Dudiruvo");

enum class MsgIcon { None, Critical, Information, Exclamation };
enum class MsgButtons { Ok, YesNo };
enum class MsgResult { Ok, Yes, No };

struct MessageRecord {
    QString text;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    QString title;
    bool defaultNo = false;
};

// Shows a modal message box and returns the answer. A carriage return alone starts a new line.
MsgResult MsgBox(const QString& text, MsgIcon icon = MsgIcon::None, MsgButtons buttons = MsgButtons::Ok,
                 bool defaultNo = false);

// While one exists, message boxes are not shown: they are recorded and answered from a queue
// (Ok or Yes when the queue is empty).
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    void setNextAnswer(MsgResult answer) { answers_.push_back(answer); }
    const std::vector<MessageRecord>& shown() const { return shown_; }
    QStringList texts() const;
    void clear() { shown_.clear(); }

    MsgResult record(const MessageRecord& message);

private:
    std::vector<MessageRecord> shown_;
    std::vector<MsgResult> answers_;
    MessageBoxRecorder* previous_;
};

}  // namespace platform
