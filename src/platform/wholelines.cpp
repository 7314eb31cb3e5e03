#include "platform/wholelines.h"

#include <QEvent>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

namespace platform {
namespace {
// Room between the frame and the text on the left and the right, in pixels.
constexpr int kSideMargin = 3;
}  // namespace

WholeLinesTextEdit::WholeLinesTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
    // Lines start at the top of the text area, scrolled or not; the side room is the viewport's.
    document()->setDocumentMargin(0);
    // Lines wrap at the box's width, so no sideways scrolling.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The room around the text area shows the box's own background.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    fitWholeLines();
}

void WholeLinesTextEdit::resizeEvent(QResizeEvent* event) {
    fitWholeLines();
    QPlainTextEdit::resizeEvent(event);
}

void WholeLinesTextEdit::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) fitWholeLines();
}

void WholeLinesTextEdit::fitWholeLines() {
    const int room = contentsRect().height();
    const int line = static_cast<int>(std::ceil(QFontMetricsF(font()).lineSpacing()));
    if (line <= 0) return;
    const int lines = std::max(1, room / line);
    const int spare = std::max(0, room - lines * line);
    // The text area holds whole lines, set in the middle of the room.
    setViewportMargins(kSideMargin, spare / 2, kSideMargin, spare - spare / 2);
}

}  // namespace platform
