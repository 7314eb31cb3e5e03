#include "platform/messagebox.h"

#include "platform/dialogs.h"
#include "platform/stacking.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <algorithm>

namespace platform {
namespace {
MessageBoxRecorder* g_recorder = nullptr;
}

MsgResult MsgBox(const QString& text, MsgIcon icon, MsgButtons buttons, bool defaultNo) {
    MessageRecord message{text, icon, buttons, kProgramTitle, defaultNo};
    if (g_recorder) return g_recorder->record(message);

    // Over the window in front, where the desktop places a window's dialogs.
    QMessageBox box(FrontWindow());
    box.setWindowTitle(kProgramTitle);
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(shown);
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
        case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    }
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(defaultNo ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    // The box sizes itself to its contents when shown; its button row, which spans the box, is
    // what can make it wide enough for the title.
    if (auto* row = box.findChild<QDialogButtonBox*>()) row->setMinimumWidth(TitleBarWidth(kProgramTitle));
    const int answer = box.exec();
    if (buttons == MsgButtons::YesNo) return answer == QMessageBox::Yes ? MsgResult::Yes : MsgResult::No;
    return MsgResult::Ok;
}

MessageBoxRecorder::MessageBoxRecorder() : previous_(g_recorder) { g_recorder = this; }
MessageBoxRecorder::~MessageBoxRecorder() { g_recorder = previous_; }

QStringList MessageBoxRecorder::texts() const {
    QStringList list;
    for (const auto& m : shown_) list << m.text;
    return list;
}

MsgResult MessageBoxRecorder::record(const MessageRecord& message) {
    shown_.push_back(message);
    ++open_;
    mostOpen_ = std::max(mostOpen_, open_);
    if (atShow_) atShow_(message);
    --open_;
    if (!answers_.empty()) {
        MsgResult answer = answers_.front();
        answers_.erase(answers_.begin());
        return answer;
    }
    return message.buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::Ok;
}

}  // namespace platform
