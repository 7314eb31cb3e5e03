#pragma once
// A multi-line text box that shows whole lines only, as the program's boxes always have: the
// room below the last line that fits whole stays empty instead of showing the top of the next.
#include <QPlainTextEdit>

namespace platform {

class WholeLinesTextEdit : public QPlainTextEdit {
public:
    explicit WholeLinesTextEdit(QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitWholeLines();
};

}  // namespace platform
