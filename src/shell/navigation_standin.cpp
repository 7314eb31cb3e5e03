// Stand-ins for window entries whose windows are not built yet. Each entry moves to its
// window's own file when that window lands.
#include "shell/navigation.h"

#include "platform/richtextbox.h"

#include <QApplication>

void ShowExitScreen() {}
void HideExitScreen() {}
bool ExitScreenShown() { return false; }
void ShowAboutBox() {}
void QuitApplication() { QApplication::quit(); }
bool IsQuitting() { return false; }

void ShowQuerentWindow() {}
void ShowSelectionWindow() {}
void ShowReportWindow() {}
platform::RichTextBox& ReportBox() {
    static platform::RichTextBox box;
    return box;
}
QScrollArea* CardTableArea() { return nullptr; }
QMenuBar* ReportMenuBar() { return nullptr; }
void PressReportRestart() {}
void PressReportExit() {}

void ShowCardTable() {}
void UnloadCardTable() {}
void CardTableDONE1(int) {}

void ShowManualWindow() {}
