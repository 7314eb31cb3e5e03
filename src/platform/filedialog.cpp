#include "platform/filedialog.h"

#include <QApplication>
#include <QFileDialog>

namespace platform {
namespace {
FileDialogScript* g_script = nullptr;

std::optional<QString> Run(const FileDialogOptions& options, QFileDialog::AcceptMode mode) {
    if (g_script) return g_script->take(options);
    QFileDialog dialog(QApplication::activeWindow(), options.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(QtFilter(options.filter));
    dialog.setDefaultSuffix(options.defaultExt);
    if (!options.overwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
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
std::optional<QString> GetSaveFileName(const FileDialogOptions& options) { return Run(options, QFileDialog::AcceptSave); }

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
