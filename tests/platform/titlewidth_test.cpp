// Message boxes and file dialogs are wide enough for the window manager to show their whole
// title, and a box shows every line of its message whole.
#include "platform/filedialog.h"
#include "platform/messagebox.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace platform;

namespace {

const QString kBoxTitle = QStringLiteral("CV Vezor Adarizu Dudiruvo");

// The width a title bar needs: the title set bold in the desktop's font at 10 points or more,
// plus eight lines of that font for the icon, three buttons and the margins.
int TitleNeeds(const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    if (font.pointSizeF() < 10) font.setPointSizeF(10);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 8 * metrics.height();
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
    for (const DialogCase& c : {DialogCase{"Select the source file", GetOpenFileName},
                                DialogCase{"CV Vezor Adarizu Dudiruvo", GetSaveFileName}}) {
        FileDialogOptions options;
        options.title = QString::fromLatin1(c.title);
        options.filter = QStringLiteral("CV Vezor Adarizu Dudiruvo (*.trs)|*.trs");
        const Showing seen = ShowAndCancel([&] { EXPECT_FALSE(c.run(options)); });
        EXPECT_EQ(seen.title, options.title);
        EXPECT_GE(seen.width, TitleNeeds(options.title)) << c.title;
    }
}
