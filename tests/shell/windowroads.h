#pragma once
// The roads a user takes to each window, for tests that start from a window on the screen.
// Each step lets the work under way return to the event loop, as it does after a click.
#include "manual/frmManual.h"
#include "shell/frmFront.h"
#include "shell/frmMDI.h"
#include "shell/frmOpen.h"
#include "shell/frmTarot.h"
#include "shell/navigation.h"
#include "shell/startup.h"
#include "support/windowtest.h"

#include <QCheckBox>
#include <QListWidget>
#include <QTest>

class WindowRoads : public WindowTest {
public:
    WindowRoads() : locks(temp.path()) { ::Querent() = QuerentDetails{}; }

    static void Settle() { QTest::qWait(20); }

    frmOpen* OpenSplash() {
        StartApplication();
        Settle();
        frmOpen* splash = platform::Peek<frmOpen>();
        EXPECT_NE(splash, nullptr);
        EXPECT_TRUE(splash && splash->isVisible());
        return splash;
    }

    frmFront* OpenQuerent() {
        ShowQuerentWindow();
        Settle();
        return platform::Peek<frmFront>();
    }

    // "&Next" from the querent window: the selection window in front, the querent window hidden.
    frmTarot* OpenSelection() {
        OpenQuerent()->cmdNext->click();
        Settle();
        frmTarot* selection = platform::Peek<frmTarot>();
        EXPECT_NE(selection, nullptr);
        return selection;
    }

    // "Manual" on the spread at that row of the spread list.
    frmManual* OpenManual(int spreadRow) {
        frmTarot* selection = OpenSelection();
        selection->lstOption->setCurrentRow(spreadRow);
        selection->cmdManual->click();
        Settle();
        frmManual* manual = platform::Peek<frmManual>();
        EXPECT_NE(manual, nullptr);
        return manual;
    }

    // "AutoCast" with reversed cards cleared: the report window in front, the querent window hidden.
    frmMDI* OpenReport() {
        frmTarot* selection = OpenSelection();
        selection->chkRev->setChecked(false);
        selection->cmdAuto->click();
        Settle();
        frmMDI* report = platform::Peek<frmMDI>();
        EXPECT_NE(report, nullptr);
        return report;
    }

    // A reading saved, "Start Again", then opened from the querent window: the report window
    // and the querent window both on the screen.
    frmMDI* OpenReportBesideQuerent() {
        const QString file = temp.path() + QStringLiteral("/reading.trs");
        dialogs.setNextFileName(file);
        OpenReport()->cmdSave->click();
        PressReportRestart();
        Settle();
        dialogs.setNextFileName(file);
        platform::Peek<frmFront>()->cmdOpen->click();
        frmMDI* report = platform::Peek<frmMDI>();
        EXPECT_NE(report, nullptr);
        return report;
    }

    ScopedInstanceLockFolder locks;
};
