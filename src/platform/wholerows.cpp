#include "platform/wholerows.h"

#include "platform/focusmark.h"

#include <QEvent>
#include <QResizeEvent>
#include <algorithm>

namespace platform {

WholeRowsListWidget::WholeRowsListWidget(QWidget* parent) : QListWidget(parent) {
    // Long entries are cut at the right edge; no scroll bar takes room from the rows.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ShowFocusMark(this, FocusMark::Frame);
}

void WholeRowsListWidget::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    fitWholeRows();
}

void WholeRowsListWidget::changeEvent(QEvent* event) {
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) fitWholeRows();
}

void WholeRowsListWidget::rowsInserted(const QModelIndex& parent, int start, int end) {
    QListWidget::rowsInserted(parent, start, end);
    fitWholeRows();
}

void WholeRowsListWidget::fitWholeRows() {
    // A height other than the one fitted last is the one the list was given.
    if (height() != fittedHeight_) givenHeight_ = height();
    // Rows are as high as the first one; an empty list keeps the height it was given.
    const int row = count() > 0 ? sizeHintForRow(0) : 0;
    if (row <= 0) return;
    const int frame = height() - contentsRect().height();
    const int rows = std::max(1, (givenHeight_ - frame) / row);
    fittedHeight_ = frame + rows * row;
    if (height() != fittedHeight_) resize(width(), fittedHeight_);
}

}  // namespace platform
