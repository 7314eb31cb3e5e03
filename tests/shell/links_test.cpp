// Web addresses in the report box: which text is a link, and what a press on one does.
#include "catalogue/report.h"
#include "platform/richtextbox.h"
#include "shell/frmMDI.h"
#include "shell/modRTBAutoUrlDetect.h"
#include "shell/navigation.h"
#include "shell/startup.h"
#include "support/windowtest.h"

#include <QMouseEvent>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

namespace {

class ReportLinks : public WindowTest {
protected:
    // A shown text edit holding the text, outside any window of the program.
    std::unique_ptr<QTextEdit> Box(const QString& text) {
        auto box = std::make_unique<QTextEdit>();
        box->resize(500, 300);
        box->setPlainText(text);
        box->show();
        return box;
    }

    // A point inside the character at the position of the box's text.
    static QPoint PointAt(QTextEdit* box, int position) {
        QTextCursor cursor(box->document());
        cursor.setPosition(position);
        const QRect caret = box->cursorRect(cursor);
        return QPoint(caret.left() + 2, caret.center().y());
    }

    static void Press(QTextEdit* box, int position, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(box->viewport(), button, {}, PointAt(box, position));
        QTest::mouseRelease(box->viewport(), button, {}, PointAt(box, position));
    }

    void TearDown() override {
        DisableAutoUrlDetect();
        WindowTest::TearDown();
    }

    QuitRecorder quits;
};

}  // namespace

TEST(ReportLinkText, FindsSchemeAndWwwAddressesWithoutTrailingPunctuation) {
    const struct {
        const char* paragraph;
        QList<LinkRange> links;
    } cases[] = {
        {"https://www.corvantelle.example/ ", {{0, 32}}},
        {"come see us at https://www.corvantelle.example/. The best", {{15, 32}}},
        {"visit www.corvantelle.example, today", {{6, 23}}},
        {"(www.a.example/page?x=1)", {{1, 22}}},
        {"mail mailto:ann@corvantelle.example now", {{5, 30}}},
        {"two: http://a.example and ftp://b.example.", {{5, 16}, {26, 15}}},
        {"HTTP://LOUD.EXAMPLE", {{0, 19}}},
        {"no address here", {}},
        {"a scheme alone http: and www. alone", {}},
        {"not inside a word: xwww.example or me@www.example", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindLinks(QString::fromLatin1(c.paragraph)), c.links) << c.paragraph;
    }
}

TEST_F(ReportLinks, ALeftPressOnALinkOpensItOnce) {
    auto box = Box(QStringLiteral("Come spend some time with us online at https://www.corvantelle.example/. Thanks"));
    EnableAutoUrlDetect(box.get(), nullptr);
    Press(box.get(), 45);
    EXPECT_EQ(browser.opened(), QStringList{QStringLiteral("https://www.corvantelle.example/")});

    // Moving with the button held and letting go open nothing more.
    QTest::mousePress(box->viewport(), Qt::LeftButton, {}, PointAt(box.get(), 50));
    browser.clear();
    QMouseEvent drag(QEvent::MouseMove, PointAt(box.get(), 55), box->viewport()->mapToGlobal(PointAt(box.get(), 55)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box->viewport(), &drag);
    QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, PointAt(box.get(), 55));
    EXPECT_TRUE(browser.opened().isEmpty());
}

TEST_F(ReportLinks, OnlyALeftPressOnALinkOpensAnything) {
    auto box = Box(QStringLiteral("plain words then www.corvantelle.example end"));
    EnableAutoUrlDetect(box.get(), nullptr);
    Press(box.get(), 3);                       // plain text
    Press(box.get(), 20, Qt::RightButton);     // the link, right button
    Press(box.get(), 20, Qt::MiddleButton);
    EXPECT_TRUE(browser.opened().isEmpty());
    Press(box.get(), 20);
    EXPECT_EQ(browser.opened(), QStringList{QStringLiteral("www.corvantelle.example")});
}

TEST_F(ReportLinks, APressIsNotSwallowed) {
    auto box = Box(QStringLiteral("www.corvantelle.example and more"));
    EnableAutoUrlDetect(box.get(), nullptr);
    Press(box.get(), 5);
    EXPECT_EQ(box->textCursor().position(), 5);  // the box placed its caret as usual
}

TEST_F(ReportLinks, OneBoxIsHookedAtATimeAndUnhookingStopsTheLinks) {
    auto first = Box(QStringLiteral("www.first.example"));
    auto second = Box(QStringLiteral("www.second.example"));
    DisableAutoUrlDetect();  // nothing hooked: nothing happens
    EnableAutoUrlDetect(first.get(), nullptr);
    EnableAutoUrlDetect(second.get(), nullptr);  // changes nothing
    Press(second.get(), 6);
    EXPECT_TRUE(browser.opened().isEmpty());
    Press(first.get(), 6);
    EXPECT_EQ(browser.opened(), QStringList{QStringLiteral("www.first.example")});

    DisableAutoUrlDetect();
    browser.clear();
    Press(first.get(), 6);
    EXPECT_TRUE(browser.opened().isEmpty());
    EnableAutoUrlDetect(second.get(), nullptr);
    Press(second.get(), 6);
    EXPECT_EQ(browser.opened(), QStringList{QStringLiteral("www.second.example")});
}

TEST_F(ReportLinks, ALinkLongerThanTheBufferIsCut) {
    const QString link = QStringLiteral("https://www.corvantelle.example/") + QString(1100, QLatin1Char('a'));
    auto box = Box(link);
    box->setLineWrapMode(QTextEdit::NoWrap);
    EnableAutoUrlDetect(box.get(), nullptr);
    Press(box.get(), 10);
    EXPECT_EQ(browser.opened(), QStringList{link.left(kLongestLink)});
}

TEST_F(ReportLinks, TheReportWindowMakesTheReportHeadersAddressClickable) {
    ShowReportWindow();
    frmMDI* w = platform::Peek<frmMDI>();
    WriteReportHeader(ReportBox(), QStringLiteral("One Card"));
    QTextEdit* view = w->rtbDisp1View;
    const QString text = view->document()->toPlainText();
    const int at = static_cast<int>(text.indexOf(kMakerSite));
    ASSERT_GE(at, 0);
    view->ensureCursorVisible();
    QTextCursor c(view->document());
    c.setPosition(at + 4);
    view->setTextCursor(c);
    view->ensureCursorVisible();
    Press(view, at + 4);
    EXPECT_EQ(browser.opened(), QStringList{kMakerSite});

    // After the window has gone, the hook is off.
    w->cmdRestart->click();
    auto box = Box(QStringLiteral("www.corvantelle.example"));
    EnableAutoUrlDetect(box.get(), nullptr);
    browser.clear();
    Press(box.get(), 6);
    EXPECT_EQ(browser.opened(), QStringList{QStringLiteral("www.corvantelle.example")});
}
