#include "platform/filedialog.h"

#include "platform/dialogs.h"
#include "platform/messagebox.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <algorithm>

namespace platform {
namespace {
FileDialogScript* g_script = nullptr;

std::optional<QString> Run(const FileDialogOptions& options, QFileDialog::AcceptMode mode, const QString& selected = {}) {
    if (g_script) return g_script->take(options);
    QFileDialog dialog(QApplication::activeWindow(), options.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(QtFilter(options.filter));
    if (mode == QFileDialog::AcceptOpen) dialog.setDefaultSuffix(options.defaultExt);
    // The save asks about the completed name itself: the dialog would ask about the name
    // before the extension is added.
    if (mode == QFileDialog::AcceptSave) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!selected.isEmpty()) dialog.selectFile(selected);
    dialog.setMinimumWidth(std::max(dialog.minimumSizeHint().width(), TitleBarWidth(options.title)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}
}  // namespace

QString QtFilter(const QString& filter) {
    const int bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0) return filter;
    const QString description = filter.left(bar).trimmed();
    const QString pattern = filter.mid(bar + 1).trimmed();
    if (description.contains(pattern)) return description;
    return description + QLatin1String(" (") + pattern + QLatin1Char(')');
}

std::optional<QString> GetOpenFileName(const FileDialogOptions& options) { return Run(options, QFileDialog::AcceptOpen); }
std::optional<QString> GetSaveFileName(const FileDialogOptions& options) {
    QString selected;
    for (;;) {
        std::optional<QString> chosen = Run(options, QFileDialog::AcceptSave, selected);
        if (!chosen || chosen->isEmpty()) return chosen;
        QString path = *chosen;
        const QString extension = QLatin1Char('.') + options.defaultExt;
        if (!options.defaultExt.isEmpty() && !path.endsWith(extension)) path += extension;
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
