// Wherever the focus can go, a user sees where it is: with the keyboard in use, every control
// that the Tab key can reach looks different while it has the focus. Boxes and lists show it
// on their frame (a caret inside does not count), buttons inside their face, where it shows on
// any background.
#include "shell/everywindow.h"
#include "support/windowtest.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

namespace {

// The band along a control's edge, and how far a button's face lies inside it, in pixels.
constexpr int kEdge = 2;
// The least change of brightness that counts as a mark.
constexpr int kVisibleChange = 30;

QString Describe(const QWidget* control) {
    QString name = QString::fromLatin1(control->metaObject()->className());
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        name += QStringLiteral(" \"") + button->text() + QStringLiteral("\"");
    }
    const QPoint at = control->mapTo(control->window(), QPoint());
    return name + QStringLiteral(" at %1,%2").arg(at.x()).arg(at.y());
}

bool IsBox(const QWidget* control) {
    return qobject_cast<const QLineEdit*>(control) || qobject_cast<const QAbstractScrollArea*>(control);
}

// Whether the two pictures differ visibly in the part where the control's mark belongs.
bool Marked(const QWidget* control, const QImage& focused, const QImage& plain) {
    QRect inner = focused.rect().adjusted(kEdge, kEdge, -kEdge, -kEdge);
    // A box with a text area of its own shows its caret there.
    if (const auto* box = qobject_cast<const QAbstractScrollArea*>(control)) inner = box->viewport()->geometry();
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x) {
            const bool onEdge = !inner.contains(x, y);
            if (IsBox(control) && !onEdge) continue;
            if (qobject_cast<const QPushButton*>(control) && onEdge) continue;
            if (std::abs(qGray(focused.pixel(x, y)) - qGray(plain.pixel(x, y))) > kVisibleChange) return true;
        }
    }
    return false;
}

// The controls of the window that the Tab key reaches and that show no mark, one a line.
std::string Unmarked(QWidget* window) {
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) return "the window does not become active";
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Tab);
    QStringList unmarked;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->window() != window || !control->isVisibleTo(window) || !control->isEnabled() ||
            !(control->focusPolicy() & Qt::TabFocus) || control->focusProxy()) {
            continue;
        }
        // A control outside its parent's area is not seen at all.
        if (!control->parentWidget()->rect().intersects(control->geometry())) continue;
        control->setFocus(Qt::TabFocusReason);
        if (QApplication::focusWidget() != control) {
            unmarked << Describe(control) + QStringLiteral(" does not take the focus");
            continue;
        }
        QApplication::processEvents();
        const QImage focused = control->grab().toImage();
        control->clearFocus();
        QApplication::processEvents();
        const QImage plain = control->grab().toImage();
        if (!Marked(control, focused, plain)) unmarked << Describe(control);
    }
    return unmarked.join(QLatin1Char('\n')).toStdString();
}

class FocusMarks : public WindowTest, public ::testing::WithParamInterface<WindowCase> {};

}  // namespace

TEST_P(FocusMarks, EveryControlTheTabKeyReachesShowsTheFocus) {
    QWidget* window = OpenFresh(GetParam());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Unmarked(window), "");
}

INSTANTIATE_TEST_SUITE_P(Windows, FocusMarks, ::testing::ValuesIn(EveryWindow()), WindowCaseName);
