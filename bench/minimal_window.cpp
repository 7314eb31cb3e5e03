// The floor of the stack: a Qt Widgets program that shows one empty window of the splash
// window's size. A click into it shows a second empty window of the querent window's size, the
// floor of going from one window to the next.
#include <QApplication>
#include <QWidget>

namespace {
class FirstWindow : public QWidget {
public:
    FirstWindow() {
        setFixedSize(499, 334);
        second_.setFixedSize(395, 374);
    }

protected:
    void mousePressEvent(QMouseEvent*) override {
        second_.show();
        hide();
    }

private:
    QWidget second_;
};
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    FirstWindow window;
    window.show();
    return app.exec();
}
