#pragma once
// Open and save dialogs. A cancelled dialog gives no name. Tests give the next names in advance.
#include <QString>
#include <deque>
#include <optional>
#include <vector>

namespace platform {

struct FileDialogOptions {
    QString title;
    QString filter;        // as the program writes it: "Description|*.ext"
    // Open: appended when the chosen name has no extension. Save: appended, after a dot, to
    // every chosen name that does not end in that dot and extension.
    QString defaultExt;
    bool overwritePrompt = false;   // asks before an existing file is replaced
    bool pathMustExist = false;     // refuses a name in a folder that does not exist
    bool fileMustExist = false;     // refuses a name of no existing file
    // Refuses a file the user cannot write; a save also refuses a folder the user cannot write.
    bool noReadOnlyReturn = false;
};

// A name that the options refuse is refused in the dialog with a message, and the dialog stays
// for another name (a scripted dialog takes its next name).
std::optional<QString> GetOpenFileName(const FileDialogOptions& options);
// The chosen name, completed with the default extension and checked in that form. With
// overwritePrompt, a completed name that exists is asked about before it is given; "No" shows
// the dialog again.
std::optional<QString> GetSaveFileName(const FileDialogOptions& options);
// The question asked before an existing file is replaced.
QString ReplaceQuestion(const QString& path);

// Whether the dialogs' name box offers Qt's list of completions. The list is a popup window that
// takes the keyboard while it shows; under Wayland the compositor may put it anywhere as a window
// of its own, and keys typed while it comes and goes are lost. So the box offers none there (Qt's
// inline completion is no way out: Enter takes the name it offers) and the list elsewhere. Tests
// choose (an empty optional: by the platform).
bool NameCompletionList();
void SetNameCompletionList(std::optional<bool> on);

// Turns "Description|*.ext" into the Qt form "Description (*.ext)".
QString QtFilter(const QString& filter);

// While one exists, dialogs are not shown: each takes the next scripted name
// (an empty optional means cancelled; an empty queue cancels too).
class FileDialogScript {
public:
    FileDialogScript();
    ~FileDialogScript();
    FileDialogScript(const FileDialogScript&) = delete;
    FileDialogScript& operator=(const FileDialogScript&) = delete;

    void setNextFileName(std::optional<QString> name) { names_.push_back(std::move(name)); }
    const std::vector<FileDialogOptions>& asked() const { return asked_; }
    std::optional<QString> take(const FileDialogOptions& options);

private:
    std::deque<std::optional<QString>> names_;
    std::vector<FileDialogOptions> asked_;
    FileDialogScript* previous_;
};

}  // namespace platform
