#include "platform/filedialog.h"

#include "platform/dialogs.h"
#include "platform/messagebox.h"
#include "platform/stacking.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <algorithm>

namespace platform {
namespace {
FileDialogScript* g_script = nullptr;
std::optional<bool> g_completionList;

enum class Kind { Open, Save };

// What a dialog says when it refuses a name.
const QString kNoFolderMessage = QStringLiteral("The Folder Does Not Exist.\rPlease Check The Name.");
const QString kNoFileMessage = QStringLiteral("The File Does Not Exist.\rPlease Check The Name.");
const QString kReadOnlyFileMessage = QStringLiteral("The File Is Read-Only.\rPlease Choose Another Name.");
const QString kReadOnlyFolderMessage = QStringLiteral("The Folder Is Read-Only.\rPlease Choose Another Folder.");

// The name a dialog gives for the one chosen: a save completes it with the extension.
QString Completed(const QString& chosen, const FileDialogOptions& options, Kind kind) {
    if (kind == Kind::Open || options.defaultExt.isEmpty()) return chosen;
    const QString extension = QLatin1Char('.') + options.defaultExt;
    return chosen.endsWith(extension) ? chosen : chosen + extension;
}

// The message with which a dialog refuses the name; empty when the name is taken.
QString Refusal(const QString& path, const FileDialogOptions& options, Kind kind) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (options.fileMustExist && !file.exists()) return kNoFileMessage;
    if (options.pathMustExist && !folder.isDir()) return kNoFolderMessage;
    if (options.noReadOnlyReturn) {
        if (file.exists() && !file.isDir() && !file.isWritable()) return kReadOnlyFileMessage;
        // A save writes its file beside the name and renames it: the folder must take files.
        if (kind == Kind::Save && folder.isDir() && !folder.isWritable()) return kReadOnlyFolderMessage;
    }
    return {};
}

// Qt's own dialog, which refuses in its accept what the options refuse and stays open.
class CheckingFileDialog final : public QFileDialog {
public:
    CheckingFileDialog(const FileDialogOptions& options, Kind kind)
        : QFileDialog(FrontWindow(), options.title), options_(options), kind_(kind) {}

    void accept() override {
        const QStringList files = selectedFiles();
        // A folder's name opens the folder in the dialog.
        if (files.size() == 1 && !QFileInfo(files.first()).isDir()) {
            const QString refusal = Refusal(Completed(files.first(), options_, kind_), options_, kind_);
            if (!refusal.isEmpty()) {
                MsgBox(refusal, MsgIcon::Exclamation);
                return;
            }
        }
        QFileDialog::accept();
    }

private:
    FileDialogOptions options_;
    Kind kind_;
};

std::optional<QString> Show(const FileDialogOptions& options, Kind kind, const QString& selected) {
    CheckingFileDialog dialog(options, kind);
    // A native dialog would close before its accept could refuse a name.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const bool save = kind == Kind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(QtFilter(options.filter));
    if (!save) dialog.setDefaultSuffix(options.defaultExt);
    // The save asks about the completed name itself: the dialog would ask about the name
    // before the extension is added.
    if (save) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!selected.isEmpty()) dialog.selectFile(selected);
    // The dialog owns its completer and keeps using it: only the boxes let go of it.
    if (!NameCompletionList()) {
        for (QLineEdit* box : dialog.findChildren<QLineEdit*>()) box->setCompleter(nullptr);
    }
    dialog.setMinimumWidth(std::max(dialog.minimumSizeHint().width(), TitleBarWidth(options.title)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

// Shows the dialog until it gives a name the options take, or none. Qt's dialog refuses in its
// accept; a scripted name is refused here, with the same message, and the next one taken.
std::optional<QString> Ask(const FileDialogOptions& options, Kind kind, QString selected = {}) {
    for (;;) {
        const std::optional<QString> chosen = g_script ? g_script->take(options) : Show(options, kind, selected);
        if (!chosen || chosen->isEmpty()) return chosen;
        const QString path = Completed(*chosen, options, kind);
        const QString refusal = Refusal(path, options, kind);
        if (refusal.isEmpty()) return path;
        MsgBox(refusal, MsgIcon::Exclamation);
        selected = path;
    }
}
}  // namespace

bool NameCompletionList() {
    if (g_completionList) return *g_completionList;
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void SetNameCompletionList(std::optional<bool> on) { g_completionList = on; }

QString QtFilter(const QString& filter) {
    const int bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0) return filter;
    const QString description = filter.left(bar).trimmed();
    const QString pattern = filter.mid(bar + 1).trimmed();
    if (description.contains(pattern)) return description;
    return description + QLatin1String(" (") + pattern + QLatin1Char(')');
}

std::optional<QString> GetOpenFileName(const FileDialogOptions& options) { return Ask(options, Kind::Open); }

std::optional<QString> GetSaveFileName(const FileDialogOptions& options) {
    QString selected;
    for (;;) {
        const std::optional<QString> chosen = Ask(options, Kind::Save, selected);
        if (!chosen || chosen->isEmpty()) return chosen;
        const QString& path = *chosen;
        // A folder of that name is nothing to replace: the save then fails and says so.
        const QFileInfo target(path);
        if (!options.overwritePrompt || !target.exists() || target.isDir()) return path;
        if (MsgBox(ReplaceQuestion(path), MsgIcon::Exclamation, MsgButtons::YesNo, true) == MsgResult::Yes) {
            return path;
        }
        selected = path;
    }
}

QString ReplaceQuestion(const QString& path) {
    return QFileInfo(path).fileName() + QStringLiteral(" already exists.\rDo you want to replace it?");
}

FileDialogScript::FileDialogScript() : previous_(g_script) { g_script = this; }
FileDialogScript::~FileDialogScript() { g_script = previous_; }

std::optional<QString> FileDialogScript::take(const FileDialogOptions& options) {
    asked_.push_back(options);
    if (names_.empty()) return std::nullopt;
    auto name = names_.front();
    names_.pop_front();
    return name;
}

}  // namespace platform
