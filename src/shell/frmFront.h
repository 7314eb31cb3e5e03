#pragma once
// The querent window: name, date of birth, country and question of the querent, passed on
// through Querent() by "&Next"; "&Open Previous Record" opens a reading file.
#include "platform/forms.h"

#include <QMainWindow>
#include <QString>
#include <deque>

class QAction;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The character code a key press types into a text box, or -1 when it types none (focus
// keys, arrows, Delete and other keys without a character). Control combinations give
// their control codes (Ctrl+C 3, Ctrl+V 22).
int TypedCharacterCode(const QKeyEvent& event);
// The codes the name and country boxes accept: letters A-Z and a-z, blank, Backspace, 127.
bool IsNameCharacter(int code);

class frmFront : public QMainWindow, public platform::Form {
    Q_OBJECT
public:
    frmFront();
    QWidget* widget() override { return this; }
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    void cmdNext_Click();
    void cmdReset_Click();
    void cmdOpen_Click();
    void cmdCancel_Click();
    void Label6_Click();

    QLabel* Label6;
    QLabel* lblName;
    QLineEdit* txtName;
    QLabel* lblAge;
    QComboBox* cmbDate;
    QComboBox* cmbMonth;
    QComboBox* cmbYear;
    QLabel* lblCountry;
    QLineEdit* txtCountry;
    QLabel* lblQuestion;
    QPlainTextEdit* txtQuestion;
    platform::CommandButton* cmdCancel;
    platform::CommandButton* cmdReset;
    platform::CommandButton* cmdNext;
    platform::CommandButton* cmdOpen;
    QGroupBox* fraFullBrand;

    QAction* mnuReset;
    QAction* mnuNext;
    QAction* mnuExit;
    QAction* mnuHelpOnline;
    QAction* mnuVisitOnline;
    QAction* mnuUpdate;
    QAction* mnuAbout;
    QAction* mnuDon;
    QAction* mnuMakeMoney;

protected:
    void closeEvent(QCloseEvent* e) override { handleCloseEvent(e); }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    // The name and country filter; true when the event is not to reach the box as it is.
    bool filterTyped(QLineEdit* box, QEvent* event);
    // Discards refused characters: one message each, shown once the event has been delivered.
    void refuseTyped(QLineEdit* box, int characters);
    void showRefusals();

    // The box of each refusal whose message is still to come, in order.
    std::deque<QLineEdit*> refusals_;
    bool refusalShowing_ = false;
    // After a refusal the key may still be held: its repeats type nothing until a fresh press.
    bool repeatsRefused_ = false;
    struct KeyAtTime {
        int key = 0;
        quint64 time = 0;
        bool operator==(const KeyAtTime&) const = default;
    };
    KeyAtTime lastRelease_;
};
