#pragma once
// The report window: the querent's details along the top, the card table in the middle, the
// report box on the right, and the commands "&Save", "&Print", "Exit", "Donate", "Start Again".
#include "platform/forms.h"
#include "platform/richtextbox.h"
#include "shell/readingfile.h"

#include <QMainWindow>
#include <QString>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QScrollArea;
class QTextEdit;

// What a failed save and a missing printer say.
inline const QString kSaveFailedMessage = QStringLiteral("The Reading Could Not Be Saved.\rPlease Check The File.");
inline const QString kNoPrinterMessage = QStringLiteral("No Printer Is Available.\rPlease Check Your Printer.");

class frmMDI : public QMainWindow, public platform::Form {
    Q_OBJECT
public:
    frmMDI();
    ~frmMDI() override;
    QWidget* widget() override { return this; }
    void Form_Load() override;                // MDIForm_Load
    void Form_Unload(bool& cancel) override;  // MDIForm_Unload
    void MDIForm_Resize();

    void cmdSave_Click();
    void cmdPrint_Click();
    void cmdRestart_Click();
    void cmdExit_Click();
    void cmdDonate_Click();

    // Unloads the window, if loaded, without the exit screen, so that a new reading starts
    // on a fresh card table.
    static void UnloadForNewReading();

    QWidget* picTop;
    QLabel* lblName;
    QLineEdit* txtName;
    QLabel* lblDOB;
    QLineEdit* txtDOB;
    QLabel* lblCountry;
    QLineEdit* txtCountry;
    QLabel* lblQ;
    QPlainTextEdit* txtQ;
    platform::CommandButton* cmdSave;
    platform::CommandButton* cmdPrint;
    QWidget* picRight;
    QTextEdit* rtbDisp1View;
    platform::RichTextBox rtbDisp1;  // the report box, shown in rtbDisp1View
    platform::RichTextBox rtb1;      // composes the printout
    QWidget* Picture1;
    QGroupBox* fraFullBrand;
    platform::CommandButton* cmdExit;
    platform::CommandButton* cmdDonate;
    platform::CommandButton* cmdRestart;
    QScrollArea* cardTableArea;

protected:
    void closeEvent(QCloseEvent* e) override { handleCloseEvent(e); }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Lays the three panes along the edges of the client area and the card table between them.
    void DockPanes();

    friend void ShowReportWindow();

    QWidget* client_;
    bool newReading_ = false;
    std::optional<ReadingRecord> shownReading_;  // the reading on show, from ShowReportWindow
};
