#include "platform/wholelines.h"

#include "platform/focusmark.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace platform {
namespace {
// Room between the frame and the text on the left and the right, in pixels.
constexpr int kSideMargin = 3;

// The line a cursor stands on, counted over the whole text as the lines wrap.
int LineOf(const QTextCursor& cursor) {
    const QTextBlock block = cursor.block();
    const QTextLayout* layout = block.layout();
    const QTextLine line = layout ? layout->lineForTextPosition(cursor.positionInBlock()) : QTextLine();
    return block.firstLineNumber() + (line.isValid() ? line.lineNumber() : 0);
}
}  // namespace

// The box's scroll bar: whatever range and page the text box gives it, it keeps the ones of
// whole lines.
class WholeLinesScrollBar : public QScrollBar {
public:
    explicit WholeLinesScrollBar(WholeLinesTextEdit* box) : QScrollBar(Qt::Vertical, box), box_(box) {}

protected:
    void sliderChange(SliderChange change) override {
        QScrollBar::sliderChange(change);
        if ((change == SliderRangeChange || change == SliderStepsChange) && !limiting_) {
            limiting_ = true;
            box_->limitScrolling();
            limiting_ = false;
        }
    }

private:
    WholeLinesTextEdit* box_;
    bool limiting_ = false;
};

WholeLinesTextEdit::WholeLinesTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
    // Lines start at the top of the text area, scrolled or not; the side room is the viewport's.
    document()->setDocumentMargin(0);
    // Lines wrap at the box's width, so no sideways scrolling.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBar(new WholeLinesScrollBar(this));
    // The room around the text area shows the box's own background.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    ShowFocusMark(this, FocusMark::Frame);
    fitWholeLines();
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] { pageCaretRow_.reset(); });
}

void WholeLinesTextEdit::resizeEvent(QResizeEvent* event) {
    fitWholeLines();
    QPlainTextEdit::resizeEvent(event);
    limitScrolling();
}

void WholeLinesTextEdit::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        fitWholeLines();
        limitScrolling();
    }
}

// The text box's own page moves go by where a line's ink ends, a pixel short of where the next line
// starts, and so may move a line less than is shown; the scroll bar's page is the lines shown.
void WholeLinesTextEdit::keyPressEvent(QKeyEvent* event) {
    const Qt::TextInteractionFlags flags = textInteractionFlags();
    const bool selecting = flags.testFlag(Qt::TextSelectableByKeyboard);
    const bool moving = selecting || flags.testFlag(Qt::TextEditable);
    const struct {
        QKeySequence::StandardKey key;
        bool allowed;
        QTextCursor::MoveOperation direction;
        QTextCursor::MoveMode mode;
    } pageKeys[] = {
        {QKeySequence::SelectNextPage, selecting, QTextCursor::Down, QTextCursor::KeepAnchor},
        {QKeySequence::SelectPreviousPage, selecting, QTextCursor::Up, QTextCursor::KeepAnchor},
        {QKeySequence::MoveToNextPage, moving, QTextCursor::Down, QTextCursor::MoveAnchor},
        {QKeySequence::MoveToPreviousPage, moving, QTextCursor::Up, QTextCursor::MoveAnchor},
    };
    for (const auto& page : pageKeys) {
        if (page.allowed && event->matches(page.key)) {
            event->accept();
            movePage(page.direction, page.mode);
            return;
        }
    }
    // Without a caret the page keys move the scroll bar, a page of whole lines.
    QPlainTextEdit::keyPressEvent(event);
}

// As the text box does it: the caret keeps its place in the box and its distance from the left, and
// goes to the last or the first line when the text cannot move further.
void WholeLinesTextEdit::movePage(QTextCursor::MoveOperation direction, QTextCursor::MoveMode mode) {
    ensureCursorVisible();
    QScrollBar* bar = verticalScrollBar();
    QTextCursor cursor = textCursor();
    const int row = pageCaretRow_.value_or(LineOf(cursor) - bar->value());
    const int top = bar->value();
    bar->triggerAction(direction == QTextCursor::Down ? QAbstractSlider::SliderPageStepAdd
                                                      : QAbstractSlider::SliderPageStepSub);
    int line = bar->value() + row;
    if (bar->value() == top) line = direction == QTextCursor::Down ? document()->lineCount() - 1 : 0;
    cursor.setVisualNavigation(true);
    const int lines = line - LineOf(cursor);
    if (lines > 0) cursor.movePosition(QTextCursor::Down, mode, lines);
    if (lines < 0) cursor.movePosition(QTextCursor::Up, mode, -lines);
    setTextCursor(cursor);
    pageCaretRow_ = row;
    // What Shift selects is offered to a middle click, as the text box's own selecting does.
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (mode == QTextCursor::KeepAnchor && cursor.hasSelection() && clipboard->supportsSelection()) {
        clipboard->setMimeData(createMimeDataFromSelection(), QClipboard::Selection);
    }
}

int WholeLinesTextEdit::lineHeight() const {
    // Lines are laid out a whole number of pixels apart.
    return static_cast<int>(std::ceil(QFontMetricsF(font()).lineSpacing()));
}

void WholeLinesTextEdit::fitWholeLines() {
    const int room = contentsRect().height();
    const int line = lineHeight();
    if (line <= 0) return;
    const int lines = std::max(1, room / line);
    const int spare = std::max(0, room - lines * line);
    // The text area holds whole lines, set in the middle of the room.
    setViewportMargins(kSideMargin, spare / 2, kSideMargin, spare - spare / 2);
}

void WholeLinesTextEdit::limitScrolling() {
    const int line = lineHeight();
    if (line <= 0) return;
    // The text box would let the last line scroll up until a line's room is left below it; the
    // range ends where the last line stands at the bottom.
    const int shown = std::max(1, viewport()->height() / line);
    QScrollBar* bar = verticalScrollBar();
    const int last = std::max(0, document()->lineCount() - shown);
    if (bar->maximum() > last) bar->setMaximum(last);
    if (bar->pageStep() != shown) bar->setPageStep(shown);
}

qreal WholeLinesTextEdit::firstBlockTop() const {
    const QTextBlock block = firstVisibleBlock();
    const QTextLayout* layout = block.layout();
    const int line = verticalScrollBar()->value() - block.firstLineNumber();
    if (!layout || line < 0 || line >= layout->lineCount()) return contentOffset().y();
    return -layout->lineAt(line).y();
}

void WholeLinesTextEdit::scrollContentsBy(int dx, int dy) {
    QPlainTextEdit::scrollContentsBy(dx, dy);
    // The text box moves what is drawn by its own offset, which can be a pixel short.
    viewport()->update();
}

// Drawn as the text box draws itself, except that a line shown at the top starts at the top. The
// text box places a paragraph scrolled into its middle by the height of the line above without
// its rounding, a pixel low, so that the bottom of that line showed above it.
void WholeLinesTextEdit::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect area = event->rect();
    painter.setClipRect(area);
    const QAbstractTextDocumentLayout::PaintContext context = getPaintContext();
    painter.setPen(context.palette.text().color());
    const bool caretShown = !isReadOnly() || textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard);

    QPointF offset(contentOffset().x(), firstBlockTop());
    for (QTextBlock block = firstVisibleBlock(); block.isValid() && offset.y() <= area.bottom(); block = block.next()) {
        const qreal height = blockBoundingRect(block).height();
        QTextLayout* layout = block.layout();
        if (block.isVisible() && layout) {
            const int start = block.position();
            const int length = block.length();
            QList<QTextLayout::FormatRange> selections;
            for (const QAbstractTextDocumentLayout::Selection& selection : context.selections) {
                const int from = selection.cursor.selectionStart() - start;
                const int to = selection.cursor.selectionEnd() - start;
                if (from < length && to > 0 && to > from) selections.append({from, to - from, selection.format});
            }
            layout->draw(&painter, offset, selections, area);

            const int caret = context.cursorPosition;
            // Below -1 the caret stands in text that an input method is composing.
            const bool composing = !isReadOnly() && caret < -1 && !layout->preeditAreaText().isEmpty();
            if (composing) {
                layout->drawCursor(&painter, offset, layout->preeditAreaPosition() - (caret + 2), cursorWidth());
            } else if (caretShown && caret >= start && caret < start + length) {
                layout->drawCursor(&painter, offset, caret - start, cursorWidth());
            }
        }
        offset.ry() += height;
    }
}

}  // namespace platform
