#include "shell/startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SetUpApplication();
    StartApplication();
    // A second instance or missing picture folders end the program before its loop starts.
    const int status = IsQuitting() ? 0 : app.exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
