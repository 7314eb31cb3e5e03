#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("CV Vezor Adarizu Dudiruvo v1.55"));
    window.resize(640, 480);
    window.show();
    return app.exec();
}
