#pragma once
// What the windows ask of one another. Each window's own file implements its entries.
#include <QString>

class QMenuBar;
class QScrollArea;

namespace platform {
class RichTextBox;
}

// The querent window's public variables; reading them never loads the window.
struct QuerentDetails {
    QString strName;
    QString strCountry;
    QString strQ;
    QString strDate;
    QString strMonth;
    QString strYear;
    QString strDOB;
};
QuerentDetails& Querent();

// The selection window's public variables, kept for the manual window that reads them after
// the selection window has unloaded.
struct SelectionVariables {
    QString card;          // the spread's display name
    int no = 0;            // its card count
    int MaxCardInSet = 0;  // its list index
};
SelectionVariables& Selection();

// Start-up and exit (start-up window files).
void ShowExitScreen();
void HideExitScreen();
bool ExitScreenShown();
void ShowAboutBox();
void QuitApplication();
bool IsQuitting();

// Querent, selection and report windows.
void ShowQuerentWindow();
void ShowSelectionWindow();
void ShowReportWindow();
platform::RichTextBox& ReportBox();   // the report box; touching it loads the report window
QScrollArea* CardTableArea();         // the report window's card table area
QMenuBar* ReportMenuBar();            // the report window's menu bar
void PressReportRestart();            // the report window's "Start Again"
void PressReportExit();               // the report window's "Exit"

// Card table.
void ShowCardTable();
void UnloadCardTable();
void CardTableDONE1(int cardCount);

// Manual reading.
void ShowManualWindow();
