#pragma once
// A list box that shows whole rows only, as the program's list boxes always have: its height
// shrinks to the whole rows that fit in the height it was given, and its top-left stays put.
#include <QListWidget>

namespace platform {

class WholeRowsListWidget : public QListWidget {
public:
    explicit WholeRowsListWidget(QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;

private:
    void fitWholeRows();
    // The height the list was given, and the one it shrank to.
    int givenHeight_ = -1;
    int fittedHeight_ = -1;
};

}  // namespace platform
