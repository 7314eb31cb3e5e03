// Message boxes and file dialogs are wide enough for the window manager to show their whole
// title, and a box shows every line of its message whole.
#include "platform/filedialog.h"
#include "platform/messagebox.h"
#include "support/qtprinting.h"

#include <QApplication>
#include <QDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

using namespace platform;

namespace {

const QString kBoxTitle = QStringLiteral("CV Vezor Adarizu Dudiruvo");

// The width a title bar needs to show the whole title: the ink of the title painted as title
// bars set it (bold, in the desktop's font, at 10 points or more), and beside it the window icon
// and three buttons, each a square as high as the bar (a line of that font and a margin), and a
// margin at either end.
int TitleNeeds(const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    if (font.pointSizeF() < 10) font.setPointSizeF(10);

    const qreal dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
    QImage image(4000, 200, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(20, 100), title);
    }
    int left = image.width();
    int right = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(row[x]) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    const int ink = right >= left ? right - left + 1 : 0;
    const int bar = QFontInfo(font).pixelSize() * 3 / 2;  // a line and its margin
    const int margin = 4;
    return ink + 4 * bar + 2 * margin;
}

struct Showing {
    QString title;
    int width = 0;
    QString text;
    int textHeight = 0;
    int textNeeds = 0;
};

// Runs show(), which opens a modal dialog; notes how the dialog showed and cancels it.
Showing ShowAndCancel(const std::function<void()>& show) {
    Showing seen;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        seen.title = dialog->windowTitle();
        seen.width = dialog->frameGeometry().width();
        if (const auto* label = dialog->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            seen.text = label->text();
            seen.textHeight = label->contentsRect().height();
            seen.textNeeds = label->fontMetrics()
                                 .boundingRect(label->contentsRect(), static_cast<int>(label->alignment()) | Qt::TextWordWrap, label->text())
                                 .height();
        }
        dialog->reject();
    });
    poll.start();
    show();
    return seen;
}

struct BoxCase {
    const char* name;
    const char* text;
    MsgIcon icon;
    MsgButtons buttons;
    const char* shownText;
};

const BoxCase kBoxes[] = {
    {"CriticalOneLine", "Please Check The File.", MsgIcon::Critical, MsgButtons::Ok, "Please Check The File."},
    {"InformationOneLine", "Application is already running", MsgIcon::Information, MsgButtons::Ok,
     "Application is already running"},
    {"InformationTwoLines", "Cards or Spread Pictures are missing.\rPlease Reinstall Software.", MsgIcon::Information,
     MsgButtons::Ok, "Cards or Spread Pictures are missing.\nPlease Reinstall Software."},
    {"YesNo", "Do you want to check for an update?", MsgIcon::Information, MsgButtons::YesNo,
     "Do you want to check for an update?"},
    {"ExclamationYesNoTwoLines", "a.trs already exists.\rDo you want to replace it?", MsgIcon::Exclamation,
     MsgButtons::YesNo, "a.trs already exists.\nDo you want to replace it?"},
    {"ExclamationTwoLines", "The Folder Does Not Exist.\rPlease Check The Name.", MsgIcon::Exclamation, MsgButtons::Ok,
     "The Folder Does Not Exist.\nPlease Check The Name."},
    {"NoIconTwoLines", "First line\r\nSecond line", MsgIcon::None, MsgButtons::Ok, "First line\nSecond line"},
};

void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.name; }

class MessageBoxShows : public ::testing::TestWithParam<BoxCase> {};

}  // namespace

TEST_P(MessageBoxShows, ItsWholeTitleAndEveryLineOfItsText) {
    const BoxCase& c = GetParam();
    const Showing seen = ShowAndCancel([&] { MsgBox(QString::fromLatin1(c.text), c.icon, c.buttons); });
    EXPECT_EQ(seen.title, kBoxTitle);
    EXPECT_GE(seen.width, TitleNeeds(kBoxTitle));
    EXPECT_EQ(seen.text, QString::fromLatin1(c.shownText));
    EXPECT_GE(seen.textHeight, seen.textNeeds);
    EXPECT_GE(seen.textNeeds, QFontMetrics(QApplication::font()).lineSpacing() * (seen.text.count('\n') + 1) - 1);
}

INSTANTIATE_TEST_SUITE_P(Kinds, MessageBoxShows, ::testing::ValuesIn(kBoxes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FileDialogs, AreWideEnoughForTheirWholeTitle) {
    struct DialogCase {
        const char* title;
        std::function<std::optional<QString>(const FileDialogOptions&)> run;
    };
    // The program's two titles, and one wider than the dialog would be for its own contents.
    const char* const kLongTitle = "Select the reading file that was saved from the report window, to see it again";
    for (const DialogCase& c : {DialogCase{"Select the source file", GetOpenFileName},
                                DialogCase{"CV Vezor Adarizu Dudiruvo", GetSaveFileName},
                                DialogCase{kLongTitle, GetOpenFileName}, DialogCase{kLongTitle, GetSaveFileName}}) {
        FileDialogOptions options;
        options.title = QString::fromLatin1(c.title);
        options.filter = QStringLiteral("CV Vezor Adarizu Dudiruvo (*.trs)|*.trs");
        const Showing seen = ShowAndCancel([&] { EXPECT_FALSE(c.run(options)); });
        EXPECT_EQ(seen.title, options.title);
        EXPECT_GE(seen.width, TitleNeeds(options.title)) << c.title;
    }
}
