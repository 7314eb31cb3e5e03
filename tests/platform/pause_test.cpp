// The program's real pause (no recorder): it lasts its whole time and answers the display server
// meanwhile, while user input waits for its end. The events are posted as a platform plugin posts
// them; they stand for a window manager's or compositor's ping (KWin and GNOME, on X11 and
// Wayland), which goes unanswered when the pause blocks the thread, and for which the desktop
// offers to kill the program.
#include "platform/pause.h"
#include "support/qtprinting.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>
#include <optional>
#include <qpa/qwindowsysteminterface.h>
#include <thread>

namespace {

// When each thing happened: during the pause (true) or after it (false).
class Moments {
public:
    void note(const QString& what) {
        if (!seen_.contains(what)) seen_.insert(what, inPause);
    }
    std::optional<bool> at(const QString& what) const {
        return seen_.contains(what) ? std::optional<bool>(seen_.value(what)) : std::nullopt;
    }
    bool inPause = false;

private:
    QMap<QString, bool> seen_;
};

// Notes what the window system brings to a window.
class WindowEvents : public QObject {
public:
    explicit WindowEvents(Moments& moments) : moments_(moments) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Expose: moments_.note("expose"); break;
        case QEvent::Resize: moments_.note("resize"); break;
        case QEvent::Close: moments_.note("close"); break;
        default: break;
        }
        return false;
    }

private:
    Moments& moments_;
};

TEST(Pauses, AnswerTheDisplayServerAndKeepUserInputForAfterTheirWholeTime) {
    Moments moments;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* text = new QLineEdit;
    auto* clicked = new QPushButton("Clicked");
    auto* mnemonic = new QPushButton("Mnemonic");
    layout->addWidget(text);
    layout->addWidget(clicked);
    layout->addWidget(mnemonic);
    QObject::connect(clicked, &QPushButton::clicked, [&] { moments.note("click"); });
    QObject::connect(mnemonic, &QPushButton::clicked, [&] { moments.note("animated press"); });
    QObject::connect(text, &QLineEdit::textChanged, [&] { moments.note("key"); });
    window.resize(300, 200);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    text->setFocus();
    QWindow* handle = window.windowHandle();
    WindowEvents events(moments);
    handle->installEventFilter(&events);

    // What the display server sends: a window uncovered, a new size, and (from Qt's reader
    // thread, as the Wayland plugin hands the compositor's messages to the GUI thread) a call.
    QWindowSystemInterface::handleExposeEvent(handle, QRect(QPoint(), window.size()));
    QWindowSystemInterface::handleGeometryChange(handle, QRect(handle->position(), QSize(320, 220)));
    std::thread reader([&] { QMetaObject::invokeMethod(&window, [&] { moments.note("reader's call"); }, Qt::QueuedConnection); });
    // What the user does: a key, a click on a button, the title bar's close box; and a button's
    // animated press from a mnemonic struck just before the pause.
    QWindowSystemInterface::handleKeyEvent(handle, QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QWindowSystemInterface::handleKeyEvent(handle, QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a");
    const QPoint onButton = clicked->mapTo(&window, clicked->rect().center());
    QWindowSystemInterface::handleMouseEvent(handle, onButton, handle->mapToGlobal(onButton), Qt::LeftButton,
                                             Qt::LeftButton, QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent(handle, onButton, handle->mapToGlobal(onButton), Qt::NoButton,
                                             Qt::LeftButton, QEvent::MouseButtonRelease);
    QWindowSystemInterface::handleCloseEvent(handle);
    mnemonic->animateClick();

    QElapsedTimer clock;
    clock.start();
    moments.inPause = true;
    platform::Sleep(3000);
    moments.inPause = false;
    const qint64 lasted = clock.elapsed();
    reader.join();

    EXPECT_GE(lasted, 3000);
    EXPECT_EQ(moments.at("expose"), true);
    EXPECT_EQ(moments.at("resize"), true);
    EXPECT_EQ(window.size(), QSize(320, 220));
    EXPECT_EQ(moments.at("reader's call"), true);
    for (const char* input : {"key", "click", "close", "animated press"}) {
        EXPECT_NE(moments.at(input), true) << input << " acted during the pause";
    }
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(text->text().isEmpty());

    // After the pause the input reaches its targets, in order: the window closes last.
    for (int i = 0; i < 100 && window.isVisible(); ++i) QTest::qWait(50);
    EXPECT_EQ(text->text(), "a");
    for (const char* input : {"key", "click", "close", "animated press"}) {
        EXPECT_EQ(moments.at(input), false) << input << " never came";
    }
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
