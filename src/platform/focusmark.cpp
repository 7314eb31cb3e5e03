#include "platform/focusmark.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPen>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QWidget>

namespace platform {
namespace {

void PaintMark(QWidget* control, FocusMark mark) {
    QPainter painter(control);
    const QRect edge = control->rect().adjusted(0, 0, -1, -1);
    if (mark == FocusMark::Frame) {
        const QColor outline = control->palette().color(QPalette::Highlight).darker(125);
        QColor soft = outline;
        soft.setAlpha(40);
        painter.setPen(outline);
        painter.drawRect(edge);
        painter.setPen(soft);
        painter.drawRect(edge.adjusted(1, 1, -1, -1));
    } else {
        QPen dots(control->palette().color(QPalette::ButtonText));
        dots.setDashPattern({1, 1});
        painter.setPen(dots);
        painter.drawRect(edge.adjusted(3, 3, -3, -3));
    }
}

// Lets the control paint itself, then paints the mark over it.
class FocusMarkPainter : public QObject {
public:
    FocusMarkPainter(QWidget* control, FocusMark mark) : QObject(control), mark_(mark) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* control = static_cast<QWidget*>(watched);
        switch (event->type()) {
            case QEvent::FocusIn:
            case QEvent::FocusOut:
                control->update();
                break;
            case QEvent::Paint: {
                if (painting_) break;
                painting_ = true;
                watched->event(event);
                painting_ = false;
                if (shown(control)) PaintMark(control, mark_);
                return true;
            }
            default:
                break;
        }
        return false;
    }

private:
    bool shown(const QWidget* control) const {
        if (!control->hasFocus()) return false;
        // Buttons show the focus once it is moved with the keyboard, as the style's own mark.
        return mark_ == FocusMark::Frame || control->window()->testAttribute(Qt::WA_KeyboardFocusChange);
    }

    FocusMark mark_;
    bool painting_ = false;
};

// The desktop's style, drawing the selected title of a menu bar that has the keyboard as pressed.
class MenuBarFocusStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* title = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element == CE_MenuBarItem && title && widget && widget->hasFocus() && (title->state & State_Selected)) {
            QStyleOptionMenuItem pressed = *title;
            pressed.state |= State_Sunken;
            QProxyStyle::drawControl(element, &pressed, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

}  // namespace

void ShowMenuBarFocus() { QApplication::setStyle(new MenuBarFocusStyle); }

void ShowFocusMark(QWidget* control, FocusMark mark) {
    control->installEventFilter(new FocusMarkPainter(control, mark));
}

}  // namespace platform
