#include "platform/richtextbox.h"
#include "support/qtprinting.h"

#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

using platform::RichTextBox;

namespace {
// Formatting of the character at a Text() position.
QTextCharFormat FormatAt(const RichTextBox& box, int textPosition) {
    QTextCursor c(box.document());
    c.setPosition(box.toDocumentPosition(textPosition) + 1);
    return c.charFormat();
}
}  // namespace

TEST(RichTextBox, WritesAtTheCaretWithTheCurrentFormatting) {
    RichTextBox box;
    box.setSelBold(true);
    box.setSelText("Bold");
    box.setSelBold(false);
    box.setSelUnderline(true);
    box.setSelText(" under");
    box.setSelUnderline(false);
    box.setSelText(" plain");

    EXPECT_EQ(box.Text(), "Bold under plain");
    EXPECT_EQ(box.SelStart(), 16);
    EXPECT_EQ(FormatAt(box, 0).fontWeight(), QFont::Bold);
    EXPECT_FALSE(FormatAt(box, 0).fontUnderline());
    EXPECT_EQ(FormatAt(box, 5).fontWeight(), QFont::Normal);
    EXPECT_TRUE(FormatAt(box, 5).fontUnderline());
    EXPECT_FALSE(FormatAt(box, 12).fontUnderline());
}

TEST(RichTextBox, LineBreaksArePargraphsAndTextJoinsThemWithCrLf) {
    RichTextBox box;
    box.setSelText("one\r\ntwo\r\n\r\nthree");
    EXPECT_EQ(box.document()->blockCount(), 4);
    EXPECT_EQ(box.Text(), "one\r\ntwo\r\n\r\nthree");
    EXPECT_EQ(box.SelStart(), box.Text().size());
}

TEST(RichTextBox, SelStartCountsCrLfAsTwoCharacters) {
    RichTextBox box;
    box.setSelText("ab\r\ncd");
    box.setSelStart(4);  // before "c"
    box.setSelText("X");
    EXPECT_EQ(box.Text(), "ab\r\nXcd");
    box.setSelStart(0);
    box.setSelText("<");
    EXPECT_EQ(box.Text(), "<ab\r\nXcd");
    EXPECT_EQ(box.SelStart(), 1);
}

TEST(RichTextBox, SelTextReplacesTheSelection) {
    RichTextBox box;
    box.setSelText("hello world");
    box.setSelStart(6);
    box.setSelLength(5);
    EXPECT_EQ(box.SelText(), "world");
    box.setSelText("there");
    EXPECT_EQ(box.Text(), "hello there");
    EXPECT_EQ(box.SelLength(), 0);
}

TEST(RichTextBox, NewParagraphsTakeTheAlignmentOfTheCurrentOne) {
    RichTextBox box;
    box.setSelText("left\r\n");
    box.setSelAlignment(platform::kAlignCenter);
    box.setSelText("centre\r\nalso centre\r\n");
    box.setSelAlignment(platform::kAlignLeft);
    box.setSelText("left again");

    const QTextDocument* doc = box.document();
    EXPECT_EQ(doc->findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_TRUE(doc->findBlockByNumber(1).blockFormat().alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(doc->findBlockByNumber(2).blockFormat().alignment() & Qt::AlignHCenter);
    EXPECT_FALSE(doc->findBlockByNumber(3).blockFormat().alignment() & Qt::AlignHCenter);
    EXPECT_EQ(box.SelAlignment(), platform::kAlignLeft);
}

TEST(RichTextBox, EmptyingTheTextResetsCaretAndFormatting) {
    RichTextBox box;
    box.setSelBold(true);
    box.setSelAlignment(platform::kAlignCenter);
    box.setSelText("x\r\ny");
    box.setText("");
    EXPECT_EQ(box.Text(), "");
    EXPECT_EQ(box.SelStart(), 0);
    EXPECT_FALSE(box.SelBold());
    EXPECT_EQ(box.SelAlignment(), platform::kAlignLeft);
}

TEST(RichTextBox, UnderlinedBlankParagraphIsDrawnAsARuleButKeepsItsBlanks) {
    RichTextBox box;
    box.setSelText("before\r\n");
    box.setSelUnderline(true);
    box.setSelText(QString(512, ' ') + "\r\n");
    box.setSelUnderline(false);
    box.setSelText("after");

    const QTextDocument* doc = box.document();
    EXPECT_TRUE(doc->findBlockByNumber(1).blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth));
    EXPECT_FALSE(doc->findBlockByNumber(2).blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth));
    EXPECT_FALSE(doc->findBlockByNumber(0).blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth));
    EXPECT_EQ(box.Text(), "before\r\n" + QString(512, ' ') + "\r\nafter");
}
