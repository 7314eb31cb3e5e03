// The open and save dialogs refuse what their options refuse: a name in a missing folder, a
// missing file, a read-only file and, for a save, a read-only folder. The refusal is a message,
// and the dialog stays for another name: Qt's own dialog and a scripted one alike.
#include "platform/filedialog.h"
#include "platform/messagebox.h"
#include "support/filefaults.h"
#include "support/qtprinting.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

using namespace platform;

namespace {

const char* const kNoFolder = "The Folder Does Not Exist.\rPlease Check The Name.";
const char* const kNoFile = "The File Does Not Exist.\rPlease Check The Name.";
const char* const kReadOnlyFile = "The File Is Read-Only.\rPlease Choose Another Name.";
const char* const kReadOnlyFolder = "The Folder Is Read-Only.\rPlease Choose Another Folder.";

enum class Kind { Open, Save };
enum class Driver { Script, QtDialog };

// The options the reading file's dialogs are given.
FileDialogOptions OptionsFor(Kind kind) {
    FileDialogOptions options;
    options.defaultExt = QStringLiteral("trs");
    options.noReadOnlyReturn = true;
    if (kind == Kind::Save) {
        options.title = QStringLiteral("CV Vezor Adarizu Dudiruvo");
        options.filter = QStringLiteral("CV Vezor Adarizu Dudiruvo | *.trs");
        options.overwritePrompt = true;
        options.pathMustExist = true;
    } else {
        options.title = QStringLiteral("Select the source file");
        options.filter = QStringLiteral("CV Vezor Adarizu Dudiruvo (*.trs)|*.trs");
        options.fileMustExist = true;
    }
    return options;
}

struct Case {
    const char* name;
    Kind kind;
    const char* chosen;   // within the test's folder
    const char* message;  // the refusal; null when the name is taken
    const char* given;    // the name the dialog gives when it takes the chosen one
};

// The folder: notes is a file; locked is a folder that cannot be written, holding a writable
// reading.trs; readonly.trs cannot be written; saved.trs is a plain reading file.
const Case kCases[] = {
    {"SaveInAMissingFolder", Kind::Save, "missing/reading", kNoFolder, nullptr},
    {"SaveInAFolderThatIsAFile", Kind::Save, "notes/reading.trs", kNoFolder, nullptr},
    {"SaveInAReadOnlyFolder", Kind::Save, "locked/reading.trs", kReadOnlyFolder, nullptr},
    {"SaveOverAReadOnlyFile", Kind::Save, "readonly.trs", kReadOnlyFile, nullptr},
    {"SaveCompletedToAReadOnlyFile", Kind::Save, "readonly", kReadOnlyFile, nullptr},
    {"SaveOfAName", Kind::Save, "mytrs", nullptr, "mytrs.trs"},
    {"OpenOfAMissingFile", Kind::Open, "gone.trs", kNoFile, nullptr},
    {"OpenInAMissingFolder", Kind::Open, "missing/reading.trs", kNoFile, nullptr},
    {"OpenOfAReadOnlyFile", Kind::Open, "readonly.trs", kReadOnlyFile, nullptr},
    {"OpenInAReadOnlyFolder", Kind::Open, "locked/reading.trs", nullptr, "locked/reading.trs"},
    {"OpenOfAFile", Kind::Open, "saved.trs", nullptr, "saved.trs"},
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

bool WriteFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("x\r\n") == 3;
}

// Puts the name into the dialog's file name box, as a paste does, and presses Enter; `done`
// is set once the dialog has handled the key. The key goes from a timer of its own, so that a
// box it opens does not hold up the timer that watches.
void EnterName(QFileDialog* dialog, const QString& name, bool& done) {
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->setText(name);
    done = false;
    QTimer::singleShot(0, edit, [edit, &done] {
        QTest::keyClick(edit, Qt::Key_Return);
        done = true;
    });
}

struct QtDialogRun {
    std::optional<QString> given;
    bool stayed = false;     // the same dialog still showed after the first name
    QString otherBox;        // the text of a box that was not the program's message box
};

// Runs show(), which opens Qt's file dialog; enters `first`, and if the dialog is still there
// enters `then`.
QtDialogRun RunQtDialog(const std::function<std::optional<QString>()>& show, const QString& first,
                        const QString& then) {
    QtDialogRun run;
    bool entered = false;
    bool keyDone = false;
    QPointer<QFileDialog> firstDialog;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            run.otherBox = box->text();
            box->reject();
            return;
        }
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        // As on a desktop, the dialog that shows has the keyboard.
        if (!dialog->isActiveWindow()) {
            dialog->activateWindow();
            return;
        }
        if (!entered) {
            entered = true;
            firstDialog = dialog;
            EnterName(dialog, first, keyDone);
        } else if (!keyDone) {
            return;
        } else if (!run.stayed) {
            run.stayed = dialog == firstDialog.data();
            if (run.stayed) {
                EnterName(dialog, then, keyDone);
            } else {
                dialog->reject();
            }
        } else {
            dialog->reject();  // the second name did not close it either
        }
    });
    poll.start();
    run.given = show();
    return run;
}

class FileDialogRefusal : public ::testing::TestWithParam<std::tuple<Case, Driver>> {
protected:
    void SetUp() override {
        ASSERT_TRUE(filefaults::HonourPermissionBits());
        ASSERT_TRUE(WriteFile(at("notes")));
        ASSERT_TRUE(WriteFile(at("saved.trs")));
        ASSERT_TRUE(WriteFile(at("readonly.trs")));
        ASSERT_TRUE(QDir().mkpath(at("locked")));
        ASSERT_TRUE(WriteFile(at("locked/reading.trs")));
        readOnlyFile.emplace(at("readonly.trs"), 0444);
        readOnlyFolder.emplace(at("locked"), 0555);
        ASSERT_TRUE(readOnlyFile->changed() && readOnlyFolder->changed());
    }

    QString at(const char* name) const { return folder.path() + QLatin1Char('/') + QString::fromLatin1(name); }

    QTemporaryDir folder;
    std::optional<filefaults::ScopedMode> readOnlyFile;
    std::optional<filefaults::ScopedMode> readOnlyFolder;
    MessageBoxRecorder messages;
};

}  // namespace

TEST_P(FileDialogRefusal, SaysWhyAndStaysForAnotherName) {
    const auto& [c, driver] = GetParam();
    const FileDialogOptions options = OptionsFor(c.kind);
    const auto show = [&] { return c.kind == Kind::Save ? GetSaveFileName(options) : GetOpenFileName(options); };
    const QString good = at(c.kind == Kind::Save ? "fresh.trs" : "saved.trs");
    const QString expected = c.message ? good : at(c.given);

    std::optional<QString> given;
    bool stayed = false;
    if (driver == Driver::Script) {
        FileDialogScript dialogs;
        dialogs.setNextFileName(at(c.chosen));
        dialogs.setNextFileName(good);
        given = show();
        stayed = dialogs.asked().size() == 2;
    } else {
        const QtDialogRun run = RunQtDialog(show, at(c.chosen), good);
        given = run.given;
        stayed = run.stayed;
        EXPECT_TRUE(run.otherBox.isEmpty()) << "Qt's own box said: " << run.otherBox.toStdString();
    }

    EXPECT_EQ(given, std::optional<QString>(expected));
    if (!c.message) {
        EXPECT_FALSE(stayed) << "a name the options take was refused";
        EXPECT_TRUE(messages.shown().empty()) << messages.texts().join(" | ").toStdString();
        return;
    }
    EXPECT_TRUE(stayed) << "the dialog did not stay for another name";
    // Only the refusal: the question before replacing a file never comes for a refused name.
    ASSERT_EQ(messages.texts(), QStringList{QString::fromLatin1(c.message)});
    EXPECT_EQ(messages.shown()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::Ok);
}

INSTANTIATE_TEST_SUITE_P(Names, FileDialogRefusal,
                         ::testing::Combine(::testing::ValuesIn(kCases),
                                            ::testing::Values(Driver::Script, Driver::QtDialog)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == Driver::Script ? "_Scripted" : "_QtDialog");
                         });

namespace {

// Names typed key by key into Qt's own dialog, opened in a folder whose files begin as the typed
// names do. With no list of completions (as under Wayland) no window opens while the keys come;
// with the list, it opens under the box. Either way Enter gives the name typed, completed as the
// options say, never a name the dialog only offered.
struct TypedCase {
    const char* name;
    Kind kind;
    bool list;          // the name box offers Qt's list of completions
    const char* typed;  // within the dialog's folder
    const char* given;
};

const TypedCase kTypedCases[] = {
    {"SaveOfAPrefixWithoutList", Kind::Save, false, "k", "k.trs"},
    {"SaveOfAPrefixWithList", Kind::Save, true, "k", "k.trs"},
    {"SaveInASubfolderWithoutList", Kind::Save, false, "sub/k1", "sub/k1.trs"},
    {"OpenOfAPrefixWithoutList", Kind::Open, false, "k1", "k1.trs"},
    {"OpenOfAPrefixWithList", Kind::Open, true, "k1", "k1.trs"},
    {"OpenOfAWholeNameWithoutList", Kind::Open, false, "k10.trs", "k10.trs"},
};

void PrintTo(const TypedCase& c, std::ostream* os) { *os << c.name; }

// The folder's entries: what the dialog lists once it has read the folder.
const char* const kTypedFolder[] = {"k1.trs", "k1-earlier.trs", "k10.trs", "sub/k1-earlier.trs", "sub/k10.trs"};
constexpr int kListed = 4;  // sub and the three readings beside it

struct TypedRun {
    std::optional<QString> given;
    QString box;                     // the name box's text before Enter
    QStringList windowsWhileTyping;  // the other windows that showed while the keys came
    bool boxHadFocus = false;
    bool stayed = false;             // the dialog was still there after Enter
    bool listed = false;             // the dialog listed the folder's files
};

// Runs show(), which opens Qt's file dialog; takes the dialog to `folder` and, once it lists the
// folder's files, types `typed` key by key, as the display sends keys to the window with the
// keyboard, then Enter.
TypedRun TypeIntoQtDialog(const std::function<std::optional<QString>()>& show, const QString& folder,
                          const QString& typed) {
    TypedRun run;
    bool entered = false;
    QElapsedTimer waiting;
    waiting.start();
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        if (entered) {
            run.stayed = true;
            dialog->reject();
            return;
        }
        if (!dialog->isActiveWindow()) {
            dialog->activateWindow();
            return;
        }
        if (dialog->directory().absolutePath() != folder) dialog->setDirectory(folder);
        // A person types once the dialog shows the folder's files.
        auto* files = dialog->findChild<QFileSystemModel*>();
        run.listed = files && files->rowCount(files->index(folder)) >= kListed;
        if (!run.listed) {
            // Not for ever: a dialog that never lists them fails the test.
            if (waiting.hasExpired(60000)) dialog->reject();
            return;
        }
        entered = true;
        auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        run.boxHadFocus = box && box->hasFocus();
        QWindow* window = dialog->windowHandle();
        for (const QChar c : typed) {
            QTest::keyClick(window, c.toLatin1());
            for (QWidget* other : QApplication::topLevelWidgets()) {
                const QString name = QString::fromLatin1(other->metaObject()->className());
                if (other != dialog && other->isVisible() && !run.windowsWhileTyping.contains(name)) {
                    run.windowsWhileTyping << name;
                }
            }
        }
        if (box) run.box = box->text();
        QTest::keyClick(window, Qt::Key_Return);
    });
    poll.start();
    run.given = show();
    return run;
}

class FileDialogTyping : public ::testing::TestWithParam<TypedCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(at("sub")));
        for (const char* name : kTypedFolder) ASSERT_TRUE(WriteFile(at(name)));
    }
    void TearDown() override { SetNameCompletionList(std::nullopt); }

    QString at(const char* name) const { return folder.path() + QLatin1Char('/') + QString::fromLatin1(name); }

    QTemporaryDir folder;
    MessageBoxRecorder messages;
};

}  // namespace

TEST_P(FileDialogTyping, GivesTheNameTyped) {
    const TypedCase& c = GetParam();
    SetNameCompletionList(c.list);
    const FileDialogOptions options = OptionsFor(c.kind);
    const auto show = [&] { return c.kind == Kind::Save ? GetSaveFileName(options) : GetOpenFileName(options); };
    const QString typed = QString::fromLatin1(c.typed);

    const TypedRun run = TypeIntoQtDialog(show, folder.path(), typed);

    ASSERT_TRUE(run.listed) << "the dialog never listed the folder's files";
    EXPECT_TRUE(run.boxHadFocus) << "the dialog opened with the focus elsewhere than the name box";
    EXPECT_EQ(run.box, typed);
    if (c.list) {
        EXPECT_EQ(run.windowsWhileTyping, QStringList{QStringLiteral("QListView")}) << "no list of completions opened";
    } else {
        EXPECT_EQ(run.windowsWhileTyping, QStringList{}) << "windows opened while typing";
    }
    EXPECT_FALSE(run.stayed) << "Enter left the dialog open";
    EXPECT_EQ(run.given, std::optional<QString>(at(c.given)));
    EXPECT_TRUE(messages.shown().empty()) << messages.texts().join(" | ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Names, FileDialogTyping, ::testing::ValuesIn(kTypedCases),
                         [](const auto& info) { return std::string(info.param.name); });
