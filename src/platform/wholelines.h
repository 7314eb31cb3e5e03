#pragma once
// A multi-line text box that shows whole lines only, as the program's boxes always have: the
// room below the last line that fits whole stays empty instead of showing the top of the next,
// the scroll bar moves a line at a time and ends with the last line at the bottom of the box.
// Page Down and Page Up move by the lines shown, and the caret with them.
#include <QPlainTextEdit>
#include <QTextCursor>
#include <optional>

namespace platform {

class WholeLinesTextEdit : public QPlainTextEdit {
public:
    explicit WholeLinesTextEdit(QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    friend class WholeLinesScrollBar;
    int lineHeight() const;
    void fitWholeLines();
    // Keeps the scroll range to the lines that do not fit, and a page to the lines that do.
    void limitScrolling();
    // Where the first shown paragraph starts, so that the top line shown starts at the top.
    qreal firstBlockTop() const;
    // Scrolls a page down or up and moves the caret along, selecting as it goes or not.
    void movePage(QTextCursor::MoveOperation direction, QTextCursor::MoveMode mode);
    // The caret's line counted from the top line shown, as the first of the page moves in a row
    // found it, so that the caret comes back to it after the end of the text.
    std::optional<int> pageCaretRow_;
};

}  // namespace platform
