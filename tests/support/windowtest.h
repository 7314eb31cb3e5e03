#pragma once
// A fixture for window tests: every desktop seam is replaced by its recording double, the
// program folder is the build's (with cards/ and pic/), quitting is recorded instead of ending
// the process, and no window outlives the test.
#include "platform/application.h"
#include "platform/browser.h"
#include "platform/filedialog.h"
#include "platform/forms.h"
#include "platform/keyguard.h"
#include "platform/messagebox.h"
#include "platform/pause.h"
#include "platform/printer.h"
#include "platform/randomsource.h"
#include "platform/settingsstore.h"
#include "shell/frmFront.h"
#include "shell/frmNagScreen2.h"
#include "shell/frmTarot.h"
#include "shell/navigation.h"
#include "shell/startup.h"
#include "support/qtprinting.h"

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>
#include <algorithm>
#include <string>
#include <vector>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The classes of the windows on the screen, sorted.
inline std::vector<std::string> VisibleWindows() {
    std::vector<std::string> names;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) names.emplace_back(widget->metaObject()->className());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class WindowTest : public ::testing::Test {
protected:
    WindowTest()
        : settings(temp.path() + "/settings"),
          programFolder(QCoreApplication::applicationDirPath()),
          printer(temp.path()) {
        platform::InstallKeyGuard();
    }

    void TearDown() override { UnloadAll(); }

    // Unloads every loaded window, last loaded first, and lets deferred deletions run.
    static void UnloadAll() {
        for (int guard = 0; guard < 50 && !platform::LoadedForms().empty(); ++guard) {
            platform::UnloadForm(platform::LoadedForms().back());
        }
        Flush();
    }

public:
    // What the program does once the handler under way has returned to its event loop: the
    // windows it showed reach the screen and the one it brought forward gets the keyboard.
    static void ReturnToEventLoop() { QCoreApplication::processEvents(); }

    // The selection window, reached by "&Next" from the querent window.
    static frmTarot* OpenSelection() {
        ShowQuerentWindow();
        platform::Peek<frmFront>()->cmdNext->click();
        return platform::Peek<frmTarot>();
    }

    // The exit screen as the user meets it: shown, and on the screen.
    static frmNagScreen2* ShownExitScreen() {
        ShowExitScreen();
        ReturnToEventLoop();
        return platform::Peek<frmNagScreen2>();
    }

protected:
    static void Flush() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QTemporaryDir temp;
    platform::MessageBoxRecorder messages;
    platform::PauseRecorder pauses;
    platform::BrowserRecorder browser;
    platform::FileDialogScript dialogs;
    platform::ScopedSettingsFolder settings;
    platform::ScopedProgramFolder programFolder;
    platform::PrinterRecorder printer;
    QuitRecorder quits;
};
