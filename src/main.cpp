#include "platform/guiapplication.h"
#include "shell/startup.h"

int main(int argc, char** argv) {
    platform::GuiApplication app(argc, argv);
    SetUpApplication();
    StartApplication();
    // A second instance or missing picture folders end the program before its loop starts.
    const int status = IsQuitting() ? 0 : app.exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
