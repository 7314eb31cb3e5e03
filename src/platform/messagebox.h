#pragma once
// Message boxes. Every box carries the program's title. Tests answer them in advance.
#include <QString>
#include <functional>
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
// (Ok or Yes when the queue is empty). A box counts as open while its record is made.
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
    // Runs while a box is open, before it is answered: where a test does what the desktop does
    // when a real box shows and takes the focus.
    void setAtShow(std::function<void(const MessageRecord&)> atShow) { atShow_ = std::move(atShow); }
    // The most boxes that were open at one time: more than one when a box opened from inside another.
    int mostOpenAtOnce() const { return mostOpen_; }

    MsgResult record(const MessageRecord& message);

private:
    std::vector<MessageRecord> shown_;
    std::vector<MsgResult> answers_;
    std::function<void(const MessageRecord&)> atShow_;
    int open_ = 0;
    int mostOpen_ = 0;
    MessageBoxRecorder* previous_;
};

}  // namespace platform
