// Every window stays readable under a dark colour scheme: each visible label, button, check box
// (its caption and its tick), frame title, box, list, combo box (and its drop-down list), menu
// bar and menu shows its text with enough contrast against what lies behind it. The contrast is
// measured on the window as it is drawn: the control is drawn with its text and without it, and
// where the two pictures differ the text stands against its background. The windows themselves
// keep the light scheme their pictures and colours are made for; their menus and drop-down lists
// follow the desktop's.
//
// The dark palette stands for KDE Plasma with Breeze Dark, as Qt's KDE platform theme reads it
// from kdeglobals (the same palette comes from a dark qt6ct scheme under openbox): the
// application palette is dark before the windows are made, or turns dark while they are open.
#include "platform/randomsource.h"
#include "shell/everywindow.h"
#include "support/windowtest.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegion>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextEdit>
#include <cmath>
#include <functional>
#include <optional>

namespace {

// The least contrast ratio a text needs against its background (WCAG's ratio for large text
// and for the parts of a control a user must see). A light text on a light picture or a dark
// blue on a dark box stays well below it.
constexpr double kLeastContrast = 3.0;

// The colours of Breeze Dark's kdeglobals, as Qt's KDE theme turns them into a palette.
QPalette BreezeDark() {
    const QColor button(49, 54, 59);
    QPalette p(button);
    const QColor white(252, 252, 252);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Window, QColor(42, 46, 50));
        p.setColor(group, QPalette::Button, button);
        p.setColor(group, QPalette::Base, QColor(27, 30, 32));
        p.setColor(group, QPalette::AlternateBase, QColor(35, 38, 41));
        p.setColor(group, QPalette::Highlight, QColor(61, 174, 233));
        p.setColor(group, QPalette::HighlightedText, white);
        p.setColor(group, QPalette::Link, QColor(29, 153, 243));
        p.setColor(group, QPalette::LinkVisited, QColor(155, 89, 182));
        p.setColor(group, QPalette::ToolTipBase, button);
        p.setColor(group, QPalette::ToolTipText, white);
        p.setColor(group, QPalette::Light, button.lighter(50));
        p.setColor(group, QPalette::Midlight, button.lighter(75));
        p.setColor(group, QPalette::Mid, button.darker(75));
        p.setColor(group, QPalette::Dark, button.darker(50));
        QColor placeholder = white;
        placeholder.setAlpha(128);
        p.setColor(group, QPalette::PlaceholderText, placeholder);
        const QColor text = group == QPalette::Disabled ? button.darker(50) : white;
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::ButtonText, text);
    }
    return p;
}

double Luminance(QRgb colour) {
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) + 0.0722 * channel(qBlue(colour));
}

double Contrast(QRgb a, QRgb b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The part of the control a user sees in its window, in the window's coordinates: its rectangle
// cut down by every control it lies in.
QRect ShownRect(const QWidget* control, const QRect& part) {
    const QWidget* window = control->window();
    QRect shown(control->mapTo(window, part.topLeft()), part.size());
    for (const QWidget* inner = control; inner != window; inner = inner->parentWidget()) {
        const QWidget* outer = inner->parentWidget();
        if (outer != window) shown &= QRect(outer->mapTo(window, QPoint()), outer->size());
    }
    return shown & window->rect();
}

// The part of the shown rectangle that controls lying above the control in its window cover (a
// "Please Wait ..." panel, a neighbour that overlaps it, a drop-down list's scroll arrow).
QRegion Cover(const QWidget* control, const QRect& shown) {
    const QWidget* window = control->window();
    QRegion cover;
    for (const QWidget* inner = control; inner != window; inner = inner->parentWidget()) {
        const QObjectList& siblings = inner->parentWidget()->children();
        for (qsizetype i = siblings.indexOf(inner) + 1; i < siblings.size(); ++i) {
            const auto* above = qobject_cast<const QWidget*>(siblings.at(i));
            if (above && !above->isWindow() && above->isVisibleTo(window)) cover += ShownRect(above, above->rect());
        }
    }
    return cover & shown;
}

// Draws the part of the control's window with the text and without it (the change takes the
// text away, the undo brings it back) and returns the highest contrast at a pixel where the two
// pictures differ: the contrast of the text's colour against what it is drawn on. A text drawn in
// its background's colour changes nothing and has the contrast 1. Nothing when the text does not
// show, covered by another control.
std::optional<double> TextContrast(const QWidget* control, const QRect& part, const std::function<void()>& change,
                                   const std::function<void()>& undo) {
    QWidget* window = control->window();
    const QRect area = ShownRect(control, part);
    const QRegion hidden = Cover(control, area).translated(-area.topLeft());
    if (area.isEmpty() || hidden == QRegion(area.translated(-area.topLeft()))) return std::nullopt;
    const QImage with = window->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    change();
    const QImage without = window->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    undo();
    std::optional<double> best;
    for (int y = 0; y < std::min(with.height(), without.height()); ++y) {
        for (int x = 0; x < std::min(with.width(), without.width()); ++x) {
            if (hidden.contains(QPoint(x, y)) || with.pixel(x, y) == without.pixel(x, y)) continue;
            best = std::max(best.value_or(1.0), Contrast(with.pixel(x, y), without.pixel(x, y)));
        }
    }
    // Where part of it is covered, the text may lie under the cover.
    if (!best && hidden.isEmpty()) return 1.0;
    return best;
}

QString Describe(const QWidget* control, const QString& text) {
    const QString name = control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                                          : control->objectName();
    return name + QStringLiteral(" \"") + text.left(40) + QStringLiteral("\"");
}

class Readings {
public:
    void add(const QString& what, std::optional<double> contrast) {
        if (!contrast) return;
        if (*contrast < kLeastContrast) faults_ << what + QStringLiteral(": %1").arg(*contrast, 0, 'f', 2);
        ++count_;
    }
    int count() const { return count_; }
    std::string faults() const { return faults_.join(QLatin1Char('\n')).toStdString(); }

private:
    QStringList faults_;
    int count_ = 0;
};

// A sample that each kind of box shows as its text; the report box makes the address a link.
const QString kSampleText = QStringLiteral("Sample Text 123");
const QString kSampleLink = QStringLiteral("www.corvantelle.example");

void ReadLabel(QLabel* label, Readings& r) {
    const QString text = label->text();
    if (text.isEmpty()) return;
    r.add(Describe(label, text), TextContrast(label, label->rect(), [&] { label->setText(QString()); },
                                             [&] { label->setText(text); }));
}

void ReadButton(QAbstractButton* button, Readings& r) {
    const QString text = button->text();
    auto* check = qobject_cast<QCheckBox*>(button);
    if (check) {
        // The tick: the box drawn ticked and not.
        QStyleOptionButton option;
        option.initFrom(check);
        const QRect indicator = check->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, check);
        auto toggle = [check] {
            const QSignalBlocker quiet(check);
            check->setChecked(!check->isChecked());
        };
        r.add(Describe(check, text) + QStringLiteral(" tick"), TextContrast(check, indicator, toggle, toggle));
        // A check box only as wide as its tick shows no caption.
        const QRect caption = check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
        if ((caption & check->rect()).width() < check->fontMetrics().averageCharWidth()) return;
    }
    if (text.isEmpty()) return;
    r.add(Describe(button, text), TextContrast(button, button->rect(), [&] { button->setText(QString()); },
                                               [&] { button->setText(text); }));
}

void ReadGroupBox(QGroupBox* frame, Readings& r) {
    const QString title = frame->title();
    if (title.isEmpty()) return;
    r.add(Describe(frame, title) + QStringLiteral(" title"),
          TextContrast(frame, frame->rect(), [&] { frame->setTitle(QString()); }, [&] { frame->setTitle(title); }));
}

void ReadLineEdit(QLineEdit* box, Readings& r) {
    // An empty box is read with the sample typed into it.
    const QString text = box->text();
    const QString shown = text.isEmpty() ? kSampleText : text;
    box->setText(shown);
    r.add(Describe(box, shown),
          TextContrast(box, box->rect(), [&] { box->setText(QString()); }, [&] { box->setText(shown); }));
    box->setText(text);
}

template <class Box>
void ReadTextBox(Box* box, Readings& r) {
    const QString html = box->document()->toHtml();
    for (const QString& sample : {kSampleText, kSampleLink}) {
        box->setPlainText(sample);
        r.add(Describe(box, sample), TextContrast(box, box->rect(), [&] { box->setPlainText(QString()); },
                                                  [&] { box->setPlainText(sample); }));
    }
    box->document()->setHtml(html);
}

// Each row a user sees of a list, with its text and without.
void ReadRows(QAbstractItemView* view, Readings& r, const QString& whose) {
    QAbstractItemModel* model = view->model();
    if (!model) return;
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
        const QModelIndex index = model->index(row, 0, view->rootIndex());
        const QRect place = view->visualRect(index) & view->viewport()->rect();
        if (place.height() < view->fontMetrics().height()) continue;
        const QVariant text = model->data(index, Qt::DisplayRole);
        r.add(whose + Describe(view, text.toString()),
              TextContrast(view->viewport(), place, [&] { model->setData(index, QString(), Qt::DisplayRole); },
                           [&] { model->setData(index, text, Qt::DisplayRole); }));
    }
}

void ReadComboBox(QComboBox* combo, Readings& r) {
    const int current = combo->currentIndex();
    if (current >= 0) {
        const QString text = combo->itemText(current);
        r.add(Describe(combo, text), TextContrast(combo, combo->rect(), [&] { combo->setItemText(current, QString()); },
                                                  [&] { combo->setItemText(current, text); }));
    }
    // The drop-down list is a window of its own.
    combo->showPopup();
    // Its rows are read as the list shows them unselected: a selected row has the desktop's
    // own selection colours.
    combo->view()->selectionModel()->clear();
    ReadRows(combo->view(), r, QStringLiteral("drop-down of "));
    combo->hidePopup();
}

void ReadMenu(QMenu* menu, Readings& r) {
    menu->popup(QPoint(0, 0));
    for (QAction* action : menu->actions()) {
        if (action->isSeparator() || !action->isEnabled() || !action->isVisible()) continue;
        const QString text = action->text();
        r.add(QStringLiteral("menu ") + Describe(menu, text),
              TextContrast(menu, menu->actionGeometry(action), [&] { action->setText(QString()); },
                           [&] { action->setText(text); }));
    }
    // A submenu is read as a menu of its own.
    for (QAction* action : menu->actions()) {
        if (action->menu() && action->isVisible()) ReadMenu(action->menu(), r);
    }
    menu->hide();
}

void ReadMenuBar(QMenuBar* bar, Readings& r) {
    for (QAction* action : bar->actions()) {
        if (!action->isVisible()) continue;
        const QString text = action->text();
        if (action->isEnabled()) {
            r.add(QStringLiteral("menu bar ") + Describe(bar, text),
                  TextContrast(bar, bar->actionGeometry(action), [&] { action->setText(QString()); },
                               [&] { action->setText(text); }));
        }
        if (action->menu()) ReadMenu(action->menu(), r);
    }
}

// Reads every control the user sees in the window.
void ReadWindow(QWidget* window, Readings& r) {
    window->ensurePolished();
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->window() != window || !control->isVisibleTo(window)) continue;
        if (auto* label = qobject_cast<QLabel*>(control)) {
            ReadLabel(label, r);
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            ReadButton(button, r);
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            ReadGroupBox(frame, r);
        } else if (auto* line = qobject_cast<QLineEdit*>(control)) {
            if (!qobject_cast<QComboBox*>(line->parentWidget())) ReadLineEdit(line, r);
        } else if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) {
            ReadTextBox(plain, r);
        } else if (auto* rich = qobject_cast<QTextEdit*>(control)) {
            ReadTextBox(rich, r);
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            ReadComboBox(combo, r);
        } else if (auto* list = qobject_cast<QListWidget*>(control)) {
            ReadRows(list, r, QString());
        } else if (auto* bar = qobject_cast<QMenuBar*>(control)) {
            ReadMenuBar(bar, r);
        }
    }
}

// The windows of the table, and the two with a "Please Wait ..." panel with the panel shown.
std::vector<WindowCase> WindowsAndWaitPanels() {
    std::vector<WindowCase> cases = EveryWindow();
    for (const WindowCase& c : EveryWindow()) {
        if (std::string(c.name) == "Selection") {
            cases.push_back({"SelectionWithItsWaitPanel", [open = c.open] {
                                 auto* selection = static_cast<frmTarot*>(open());
                                 selection->picMessage->show();
                                 return selection;
                             }});
        } else if (std::string(c.name) == "Manual") {
            cases.push_back({"ManualWithItsWaitPanel", [open = c.open] {
                                 auto* manual = static_cast<frmManual*>(open());
                                 manual->picMessage->show();
                                 return manual;
                             }});
        }
    }
    return cases;
}

// What the window itself draws: the client area below a main window's menu bar (menus follow
// the desktop's scheme), else the whole window.
QImage ClientPicture(QWidget* window) {
    // Qt lays a long text out a piece at a time in the background, and the box's scroll bar
    // handle shrinks as it goes: the picture waits until every text box is laid out to its end.
    for (QTextEdit* box : window->findChildren<QTextEdit*>()) box->document()->documentLayout()->documentSize();
    QCoreApplication::processEvents();
    const auto* main = qobject_cast<QMainWindow*>(window);
    const QRect client = main && main->centralWidget() ? main->centralWidget()->geometry() : window->rect();
    return window->grab(client).toImage().convertToFormat(QImage::Format_RGB32);
}

// Where two pictures of the same size differ, as the rectangle round the differing pixels.
QRect Differences(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.rect() | b.rect();
    QRect differ;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) differ |= QRect(x, y, 1, 1);
        }
    }
    return differ;
}

std::string Describe(const QRect& r) {
    if (r.isEmpty()) return "nothing";
    return QStringLiteral("%1x%2 at %3,%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y()).toStdString();
}

class DarkScheme : public WindowTest, public ::testing::WithParamInterface<WindowCase> {
protected:
    DarkScheme() : original_(QApplication::palette()), flashTime_(QApplication::cursorFlashTime()) {
        // A caret that does not blink looks the same in every picture.
        QApplication::setCursorFlashTime(0);
    }
    void TearDown() override {
        WindowTest::TearDown();
        QApplication::setPalette(original_);
        QApplication::setCursorFlashTime(flashTime_);
    }

    // Opens the window, shown as a user sees it.
    QWidget* Open() {
        QWidget* window = OpenFresh(GetParam());
        if (!window) {
            ADD_FAILURE() << "the window does not open";
            return nullptr;
        }
        window->show();
        QCoreApplication::processEvents();
        return window;
    }

    static void TurnDark() {
        QApplication::setPalette(BreezeDark());
        QCoreApplication::processEvents();
    }

    // Opens the window with the scheme dark before or after, and reads it.
    Readings OpenAndRead(bool darkFirst) {
        if (darkFirst) TurnDark();
        QWidget* window = Open();
        if (!darkFirst) TurnDark();
        Readings readings;
        if (window) ReadWindow(window, readings);
        return readings;
    }

    const QPalette original_;
    const int flashTime_;
};

}  // namespace

TEST_P(DarkScheme, EveryTextStandsOutWhenTheWindowOpensUnderIt) {
    const Readings readings = OpenAndRead(true);
    EXPECT_GT(readings.count(), 0);
    EXPECT_EQ(readings.faults(), "");
}

TEST_P(DarkScheme, EveryTextStandsOutWhenTheSchemeTurnsDarkWhileTheWindowIsOpen) {
    const Readings readings = OpenAndRead(false);
    EXPECT_GT(readings.count(), 0);
    EXPECT_EQ(readings.faults(), "");
}

// The windows draw in the light scheme whatever the desktop's: opened under the dark scheme, or
// left open while the scheme turns dark, a window looks as it does under the light one.
TEST_P(DarkScheme, TheWindowLooksAsUnderTheLightScheme) {
    QImage light;
    {
        const platform::ScriptedRandom sameDraws;
        QWidget* window = Open();
        ASSERT_NE(window, nullptr);
        light = ClientPicture(window);
        TurnDark();
        EXPECT_EQ(Describe(Differences(light, ClientPicture(window))), "nothing") << "after the scheme turned dark";
    }
    UnloadAll();
    // A second run of the program, with the same draws.
    const QuitRecorder secondRun;
    const platform::ScriptedRandom sameDraws;
    QWidget* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Describe(Differences(light, ClientPicture(window))), "nothing") << "opened under the dark scheme";
}

INSTANTIATE_TEST_SUITE_P(Windows, DarkScheme, ::testing::ValuesIn(WindowsAndWaitPanels()), WindowCaseName);
