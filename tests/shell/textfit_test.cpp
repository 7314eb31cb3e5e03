// Every window shows its texts whole with the fonts this desktop has: labels (word-wrapped ones
// included), buttons, check boxes and frame titles fit their boxes, no label's text runs into the
// control beside it, multi-line boxes show whole lines and lists whole rows.
#include "shell/everywindow.h"
#include "support/windowtest.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <cmath>
#include <functional>

namespace {

// The least room between a label's text and the control its text runs towards, in pixels.
constexpr int kGapBeforeNeighbour = 6;

QString WithoutMnemonics(const QString& caption) {
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
        shown += caption[i];
    }
    return shown;
}

QString Describe(const QWidget* widget, const QString& text) {
    const QString name = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                        : widget->objectName();
    return name + QStringLiteral(" \"") + text.left(40) + QStringLiteral("\"");
}

QString Rect(const QRect& r) {
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Where a label draws its text, in the label's own coordinates.
QRect LabelTextRect(const QLabel* label, QRect* room) {
    const int margin = label->margin() + std::max(0, label->indent());
    *room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    int flags = static_cast<int>(label->alignment());
    if (label->wordWrap()) flags |= Qt::TextWordWrap;
    return label->fontMetrics().boundingRect(*room, flags, label->text());
}

// The part of the label a reader sees ink in: the text's width and, from top to bottom, from the
// highest to the lowest ink of its glyphs.
QRect InkBand(const QLabel* label, const QRect& text) {
    const QFontMetrics& metrics = label->fontMetrics();
    const QRect ink = metrics.tightBoundingRect(label->text());
    return QRect(QPoint(text.left(), text.top() + metrics.ascent() + ink.top()),
                 QPoint(text.right(), text.bottom() - metrics.descent() + ink.bottom()));
}

// The ink band widened towards the sides the text grows to: the right for left-aligned text,
// both for centred text, the left for right-aligned text.
QRect Reach(const QLabel* label, QRect band) {
    const Qt::Alignment h = label->alignment() & Qt::AlignHorizontal_Mask;
    if (h == 0 || (h & (Qt::AlignLeft | Qt::AlignHCenter | Qt::AlignJustify))) band.adjust(0, 0, kGapBeforeNeighbour, 0);
    if (h & (Qt::AlignRight | Qt::AlignHCenter)) band.adjust(-kGapBeforeNeighbour, 0, 0, 0);
    return band;
}

void CheckLabel(const QLabel* label, QStringList& misfits) {
    if (label->text().isEmpty()) return;
    QRect room;
    const QRect text = LabelTextRect(label, &room);
    const QString what = Describe(label, label->text());
    if (!room.contains(text)) misfits << what + QStringLiteral(" needs ") + Rect(text) + QStringLiteral(", has ") + Rect(room);

    const QWidget* parent = label->parentWidget();
    if (!parent->rect().contains(text.translated(label->pos()))) {
        misfits << what + QStringLiteral(" is cut by the edge of its parent");
    }
    const QRect ink = InkBand(label, text).translated(label->pos());
    const QRect reach = Reach(label, ink);
    const QObjectList& siblings = parent->children();
    const qsizetype own = siblings.indexOf(label);
    for (qsizetype i = 0; i < siblings.size(); ++i) {
        const auto* neighbour = qobject_cast<const QWidget*>(siblings[i]);
        if (!neighbour || neighbour == label || neighbour->isHidden() || neighbour->isWindow()) continue;
        // A control beneath the label that holds all of its text is its background.
        if (i < own && neighbour->geometry().contains(ink)) continue;
        if (reach.intersects(neighbour->geometry())) {
            misfits << what + QStringLiteral(" runs into ") + Describe(neighbour, QString()) + QStringLiteral(" at ") +
                           Rect(neighbour->geometry());
        }
    }
}

void CheckButton(const QAbstractButton* button, QStringList& misfits) {
    const QString caption = WithoutMnemonics(button->text());
    if (caption.isEmpty()) return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QRect room;
    if (qobject_cast<const QCheckBox*>(button)) {
        room = button->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, button);
        // A check box that is no wider than its indicator shows no caption of its own.
        if (room.width() <= 0) return;
    } else {
        room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    const QSize needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    if (needed.width() > room.width() || needed.height() > room.height()) {
        misfits << Describe(button, caption) + QStringLiteral(" needs %1x%2, has %3x%4")
                                                   .arg(needed.width())
                                                   .arg(needed.height())
                                                   .arg(room.width())
                                                   .arg(room.height());
    }
}

void CheckFrameTitle(const QGroupBox* frame, QStringList& misfits) {
    if (frame->title().isEmpty()) return;
    const int needed = frame->fontMetrics().horizontalAdvance(WithoutMnemonics(frame->title()));
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect label = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    if (needed > label.width() || !frame->rect().contains(label)) {
        misfits << Describe(frame, frame->title()) + QStringLiteral(" title needs %1, has ").arg(needed) + Rect(label);
    }
}

// A line counts as cut when more than this much of it lies inside a box's text area and more
// than this much outside, in pixels: line tops are rounded to whole pixels.
constexpr double kLineTolerance = 1.0;

// The lines of the box that show only in part at its present scroll position.
QStringList CutLines(const QPlainTextEdit* box) {
    QStringList cut;
    const int height = box->viewport()->height();
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            QTextCursor at(block);
            at.setPosition(block.position() + line.textStart());
            const double top = box->cursorRect(at).top();
            const double bottom = top + line.height();
            const bool shows = bottom > kLineTolerance && top < height - kLineTolerance;
            if (shows && (top < -kLineTolerance || bottom > height + kLineTolerance)) {
                cut << block.text().mid(line.textStart(), line.textLength()).left(30);
            }
        }
    }
    return cut;
}

// A multi-line box, filled with a long text and scrolled through line by line, shows whole lines
// only. A box that lies outside its parent's area shows nothing.
void CheckWholeLines(QPlainTextEdit* box, QStringList& misfits) {
    if (!box->parentWidget()->rect().intersects(box->geometry())) return;
    const QString kept = box->toPlainText();
    QStringList words;
    for (int i = 0; i < 60; ++i) words << QStringLiteral("Will the journey bring me luck");
    box->setPlainText(words.join(QLatin1Char(' ')));
    QScrollBar* scroll = box->verticalScrollBar();
    for (int value = scroll->minimum(); value <= scroll->maximum(); ++value) {
        scroll->setValue(value);
        const QStringList cut = CutLines(box);
        if (!cut.isEmpty()) {
            misfits << Describe(box, QString()) + QStringLiteral(" scrolled to %1 shows part of \"").arg(value) +
                           cut.join(QStringLiteral("\", \"")) + QStringLiteral("\"");
            break;
        }
    }
    // Scrolled to the end, the last line ends at the bottom of the text area.
    scroll->setValue(scroll->maximum());
    const QTextBlock last = box->document()->lastBlock();
    const QTextLine lastLine = last.layout()->lineAt(last.layout()->lineCount() - 1);
    QTextCursor at(last);
    at.setPosition(last.position() + lastLine.textStart());
    const double bottom = box->cursorRect(at).top() + lastLine.height();
    if (std::abs(bottom - box->viewport()->height()) > kLineTolerance) {
        misfits << Describe(box, QString()) + QStringLiteral(" scrolled to the end ends its last line at %1 of %2")
                                                  .arg(bottom)
                                                  .arg(box->viewport()->height());
    }
    box->setPlainText(kept);
}

// A list, scrolled through row by row, shows whole rows only.
void CheckWholeRows(QAbstractItemView* list, QStringList& misfits) {
    const QRect room = list->viewport()->rect();
    QScrollBar* scroll = list->verticalScrollBar();
    for (int value = scroll->minimum(); value <= scroll->maximum(); ++value) {
        scroll->setValue(value);
        for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row) {
            const QModelIndex index = list->model()->index(row, 0, list->rootIndex());
            const QRect shown = list->visualRect(index);
            if (shown.intersects(room) && !room.contains(shown)) {
                misfits << Describe(list, QString()) + QStringLiteral(" scrolled to %1 shows part of \"").arg(value) +
                               index.data().toString() + QStringLiteral("\" at ") + Rect(shown) +
                               QStringLiteral(" in ") + Rect(room);
                return;
            }
        }
    }
}

// Every caption of the window and its child windows that does not show whole, one a line.
std::string Misfits(const QWidget* window) {
    QStringList misfits;
    for (const QLabel* label : window->findChildren<const QLabel*>()) CheckLabel(label, misfits);
    for (const QAbstractButton* button : window->findChildren<const QAbstractButton*>()) CheckButton(button, misfits);
    for (const QGroupBox* frame : window->findChildren<const QGroupBox*>()) CheckFrameTitle(frame, misfits);
    for (QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>()) CheckWholeLines(box, misfits);
    for (QAbstractItemView* list : window->findChildren<QAbstractItemView*>()) {
        // A drop-down list's rows show in a window of their own.
        if (list->window() == window && list->isVisibleTo(window)) CheckWholeRows(list, misfits);
    }
    return misfits.join(QLatin1Char('\n')).toStdString();
}

class TextShowsWhole : public WindowTest, public ::testing::WithParamInterface<WindowCase> {};

}  // namespace

TEST_P(TextShowsWhole, InTheWindow) {
    const QWidget* window = OpenFresh(GetParam());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Misfits(window), "");
}

INSTANTIATE_TEST_SUITE_P(Windows, TextShowsWhole, ::testing::ValuesIn(EveryWindow()), WindowCaseName);
