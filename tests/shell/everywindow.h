#pragma once
// Every top-level window of the program, opened as a user meets it, for tests that walk all of
// them: each case opens its window with fresh state and returns it.
#include "casting/castingsupport.h"
#include "catalogue/spreads.h"
#include "manual/frmManual.h"
#include "shell/frmAbout.h"
#include "shell/frmFront.h"
#include "shell/frmMDI.h"
#include "shell/frmNagScreen2.h"
#include "shell/frmOpen.h"
#include "shell/frmTarot.h"
#include "shell/navigation.h"
#include "support/windowtest.h"

#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

struct WindowCase {
    const char* name;
    std::function<QWidget*()> open;
};
inline void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

inline std::vector<WindowCase> EveryWindow() {
    return {
        {"Querent",
         [] {
             ShowQuerentWindow();
             return platform::Peek<frmFront>();
         }},
        {"Selection",
         [] {
             ShowQuerentWindow();
             ShowSelectionWindow();
             return platform::Peek<frmTarot>();
         }},
        {"ReportWithTheCardTableOfEveryCardNumber",
         [] {
             ChooseSpread(QStringLiteral("The Romany/ Gypsy Spread"));  // numbers 1 to 21
             ShowCardTable();
             ShowReportWindow();
             return platform::Peek<frmMDI>();
         }},
        {"Manual",
         [] {
             const TarotSpread* spread = SpreadByIndex(0);
             Selection() = SelectionVariables{spread->strDisplayName, spread->lngCardCount, 0};
             ChooseSpread(spread->strDisplayName);
             State().reading.blnManualMode = true;
             State().options.blnAutoCastPressed = false;
             State().options.blnManualPressed = true;
             ShowManualWindow();
             return platform::Peek<frmManual>();
         }},
        {"About",
         [] {
             frmAbout* about = platform::Get<frmAbout>();
             about->show();
             return about;
         }},
        {"ExitScreen",
         [] {
             return WindowTest::ShownExitScreen();
         }},
        {"SplashWithContinueShown",
         [] {
             frmOpen* splash = platform::Get<frmOpen>();
             splash->show();
             splash->Timer1_Timer();
             return splash;
         }},
    };
}

// Opens the case's window on a fresh reading state and querent.
inline QWidget* OpenFresh(const WindowCase& c) {
    FreshState();
    Querent() = QuerentDetails{};
    return c.open();
}

// The test name of a case.
inline std::string WindowCaseName(const ::testing::TestParamInfo<WindowCase>& info) { return info.param.name; }
