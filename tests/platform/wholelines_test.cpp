// The program's small multi-line boxes, scrolled with the down arrow of their scroll bar, show
// whole lines at every step and stop with the last line at the bottom of the box.
#include "platform/fonts.h"
#include "platform/twips.h"
#include "platform/wholelines.h"
#include "support/qtprinting.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {

// The boxes as the windows have them: size in twips, Verdana in points, bold, and whether the
// scroll bar is always there.
struct BoxCase {
    const char* name;
    double width;
    double height;
    double points;
    bool bold;
    bool scrollBarAlways;
};
void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.name; }

const BoxCase kBoxes[] = {
    {"QuerentQuestion", 3855, 1335, 9.75, true, true},
    {"SelectionQuestion", 5055, 495, 8.25, false, true},
    {"SelectionDescription", 2775, 3735, 8.25, true, false},
    {"ReportQuestion", 7485, 375, 8.25, false, true},
    {"ManualHint", 7395, 1245, 9.75, true, false},
};

// Texts of so many lines: each line its own paragraph, or one paragraph that wraps.
const int kLineCounts[] = {1, 2, 3, 4, 7, 12, 25};

// Every word reaches below the base line, so every line's ink ends at the bottom of the line.
QString Words(int count) {
    static const char* const words[] = {"gypsy", "journey", "party", "quickly", "jumping", "yoga", "happy"};
    QStringList text;
    for (int i = 0; i < count; ++i) text << QString::fromLatin1(words[i % 7]);
    return text.join(QLatin1Char(' '));
}

QString Paragraphs(int lines) {
    QStringList text;
    for (int i = 0; i < lines; ++i) text << QStringLiteral("Line %1 ").arg(i + 1) + Words(2);
    return text.join(QLatin1Char('\n'));
}

// The box on a shown window of its own, as in the program's windows.
struct ShownBox {
    explicit ShownBox(const BoxCase& c) {
        window.resize(600, 400);
        box = new platform::WholeLinesTextEdit(&window);
        box->setFont(platform::ProgramFont(QStringLiteral("Verdana"), c.points, c.bold));
        box->setReadOnly(true);
        box->setVerticalScrollBarPolicy(c.scrollBarAlways ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
        box->setGeometry(platform::TwipsRect(0, 0, c.width, c.height));
        window.show();
    }
    void setText(const QString& text) {
        box->setPlainText(text);
        QApplication::processEvents();
    }
    QImage shown() const { return box->viewport()->grab().toImage(); }

    QWidget window;
    platform::WholeLinesTextEdit* box;
};

// The box's lines as they wrap, each line's text.
QStringList LinesOf(const QPlainTextEdit* box) {
    QStringList lines;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        box->document()->documentLayout()->blockBoundingRect(block);  // lays the paragraph out
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            lines << block.text().mid(layout->lineAt(i).textStart(), layout->lineAt(i).textLength());
        }
    }
    return lines;
}

void ClickDownArrow(QScrollBar* bar) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.subControls = QStyle::SC_All;
    const QRect arrow = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, bar);
    QTest::mouseClick(bar, Qt::LeftButton, {}, arrow.center());
    QApplication::processEvents();
}

// The pixel rows in which two pictures of the same size differ, or "" when they are the same.
std::string RowsThatDiffer(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return "pictures of different sizes";
    QStringList rows;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                rows << QString::number(y);
                break;
            }
        }
    }
    return rows.isEmpty() ? std::string() : "rows " + rows.join(QLatin1Char(' ')).toStdString();
}

// The lowest pixel row with ink, or -1.
int LowestInk(const QImage& image) {
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 160) return y;
        }
    }
    return -1;
}

class WholeLinesScrolling : public ::testing::TestWithParam<BoxCase> {};

}  // namespace

TEST_P(WholeLinesScrolling, ShowsWholeLinesAndEndsWithTheLastLineAtTheBottom) {
    const BoxCase& c = GetParam();
    for (const int count : kLineCounts) {
        for (const bool wrapped : {false, true}) {
            ShownBox scrolled(c);
            scrolled.setText(wrapped ? Words(count * 5) : Paragraphs(count));
            const QStringList lines = LinesOf(scrolled.box);
            SCOPED_TRACE(std::to_string(lines.size()) + (wrapped ? " lines of one paragraph" : " paragraphs"));
            const QImage start = scrolled.shown();

            // A box of the same kind that holds the text from a given line on, not scrolled.
            ShownBox from(c);
            if (scrolled.box->verticalScrollBar()->isVisible()) {
                from.box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            }
            QImage previous = start;
            int first = 0;
            bool stopped = false;
            for (int click = 1; click <= lines.size(); ++click) {
                ClickDownArrow(scrolled.box->verticalScrollBar());
                const QImage now = scrolled.shown();
                if (now == previous) {
                    stopped = true;
                    continue;
                }
                ASSERT_FALSE(stopped) << "the text moved again after a click that left it in place";
                ++first;
                from.setText(lines.mid(first).join(QLatin1Char('\n')));
                ASSERT_EQ(RowsThatDiffer(now, from.shown()), "")
                    << "after click " << click << " the box does not show line " << first + 1
                    << " and the lines after it whole from its top";
                previous = now;
            }
            from.setText(lines.mid(first, lines.size() - first - 1).join(QLatin1Char('\n')));
            EXPECT_NE(RowsThatDiffer(previous, from.shown()), "")
                << "scrolled to the end, the box does not show the last line";
            EXPECT_GE(LowestInk(previous), LowestInk(start))
                << "scrolled to the end, the last line stands above the bottom of the box";
        }
    }
}

// Page Down moves the box by the lines it shows: the first line not shown before is then at the
// top, whole, no line skipped or shown again, until the last line stands at the bottom; Page Up
// goes back the same way.
TEST_P(WholeLinesScrolling, PageDownAndPageUpMoveByTheLinesShown) {
    const BoxCase& c = GetParam();
    // One long paragraph whose lines a number tells apart.
    QStringList numbered;
    for (int i = 1; i <= 100; ++i) numbered << QStringLiteral("gypsy%1").arg(i);
    const struct {
        const char* what;
        QString text;
        bool readOnly;
    } texts[] = {
        {"paragraphs, read-only", Paragraphs(25), true},
        {"one paragraph, read-only", numbered.join(QLatin1Char(' ')), true},
        {"paragraphs, editable", Paragraphs(25), false},
        {"one paragraph, editable", numbered.join(QLatin1Char(' ')), false},
    };
    for (const auto& t : texts) {
        SCOPED_TRACE(t.what);
        ShownBox scrolled(c);
        scrolled.box->setReadOnly(t.readOnly);
        scrolled.setText(t.text);
        scrolled.box->setFocus();
        const QStringList lines = LinesOf(scrolled.box);

        // A box of the same kind that holds so many lines of the text from a given one on, not
        // scrolled, and whether the box shows the same.
        ShownBox from(c);
        from.box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        const auto showsFrom = [&](int first, int count = -1) {
            from.setText(lines.mid(first, count).join(QLatin1Char('\n')));
            return RowsThatDiffer(scrolled.shown(), from.shown());
        };
        // The lines shown: the fewest first lines that look the same in a box of their own.
        int shown = 1;
        while (shown < lines.size() && showsFrom(0, shown) != "") ++shown;
        ASSERT_LT(shown, lines.size()) << "the box shows all " << lines.size() << " lines";

        const auto press = [&](Qt::Key key, int from, int to) {
            QTest::keyClick(scrolled.box, key);
            QApplication::processEvents();
            return showsFrom(to) == ""
                       ? ::testing::AssertionSuccess()
                       : ::testing::AssertionFailure()
                             << (key == Qt::Key_PageDown ? "Page Down" : "Page Up") << " from line " << from + 1
                             << " with " << shown << " lines shown does not show line " << to + 1
                             << " and the lines after it whole from its top";
        };
        const int last = static_cast<int>(lines.size()) - shown;  // the top line at the end
        int top = 0;
        while (top < last) {
            const int next = std::min(top + shown, last);
            ASSERT_TRUE(press(Qt::Key_PageDown, top, next));
            top = next;
        }
        EXPECT_TRUE(press(Qt::Key_PageDown, top, top)) << " (at the end)";
        while (top > 0) {
            const int next = std::max(top - shown, 0);
            ASSERT_TRUE(press(Qt::Key_PageUp, top, next));
            top = next;
        }
    }
}

// In a box that takes text, the caret goes along a page at a time and stays in view on the line
// it stood on; Shift selects from where it stood, and Page Up takes it back to the first line.
TEST_P(WholeLinesScrolling, PageKeysTakeTheCaretAlongAndShiftSelects) {
    const BoxCase& c = GetParam();
    ShownBox box(c);
    box.box->setReadOnly(false);
    box.setText(Words(200));
    box.box->setFocus();
    box.box->moveCursor(QTextCursor::Start);
    const QRect view = box.box->viewport()->rect();
    // The line of the box the caret stands on, counted from the top.
    const auto caretRow = [&] { return box.box->cursorRect().center().y() / box.box->fontMetrics().height(); };
    const auto caretShown = [&] { return view.contains(box.box->cursorRect().center()); };
    const int row = caretRow();

    QTest::keyClick(box.box, Qt::Key_PageDown);
    const int after = box.box->textCursor().position();
    EXPECT_GT(after, 0) << "Page Down leaves the caret at the start";
    EXPECT_TRUE(caretShown()) << "the caret is out of view";
    EXPECT_EQ(caretRow(), row) << "the caret left the line of the box it stood on";
    EXPECT_FALSE(box.box->textCursor().hasSelection());

    QTest::keyClick(box.box, Qt::Key_PageDown, Qt::ShiftModifier);
    const QTextCursor selected = box.box->textCursor();
    EXPECT_EQ(selected.selectionStart(), after) << "Shift+Page Down does not select from the caret";
    EXPECT_GT(selected.selectionEnd(), after);
    EXPECT_TRUE(caretShown()) << "the caret is out of view";

    QTest::keyClick(box.box, Qt::Key_PageUp);
    QTest::keyClick(box.box, Qt::Key_PageUp);
    QTest::keyClick(box.box, Qt::Key_PageUp);
    EXPECT_FALSE(box.box->textCursor().hasSelection());
    const QTextCursor back = box.box->textCursor();
    EXPECT_EQ(back.block().layout()->lineForTextPosition(back.positionInBlock()).lineNumber(), 0)
        << "Page Up at the top leaves the caret below the first line";
    EXPECT_EQ(box.box->verticalScrollBar()->value(), 0);
}

INSTANTIATE_TEST_SUITE_P(Boxes, WholeLinesScrolling, ::testing::ValuesIn(kBoxes),
                         [](const auto& info) { return std::string(info.param.name); });
