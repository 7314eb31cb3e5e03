#pragma once
// A multi-line text box that shows whole lines only, as the program's boxes always have: the
// room below the last line that fits whole stays empty instead of showing the top of the next,
// the scroll bar moves a line at a time and ends with the last line at the bottom of the box.
#include <QPlainTextEdit>

namespace platform {

class WholeLinesTextEdit : public QPlainTextEdit {
public:
    explicit WholeLinesTextEdit(QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
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
};

}  // namespace platform
