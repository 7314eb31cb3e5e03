// Casting and opening, measured in the program's own windows (the real querent, selection,
// report and card table windows), with the fixed 3000 ms pauses taken out through the pause
// seam:
//  - a cast: "AutoCast" pressed until the report is written and painted, for One Card, the
//    Celtic Cross and the Romany spread with each option set; beside it its floor, the time to
//    load the same cards' pictures and write the same report into a report box;
//  - beside each cast, for context only, showing and painting a new blank main window of the
//    report window's size: the part of a cast that no floor of loading and writing holds;
//  - opening a reading file of each spread and laying it out, until the report is painted.
//
//   cast_bench <program folder> [repetitions] [spread]
//
// With a spread name, only that spread is measured.
//
// Prints figures only; it asserts nothing.
#include "catalogue/report.h"
#include "platform/application.h"
#include "platform/filedialog.h"
#include "platform/fonts.h"
#include "platform/messagebox.h"
#include "platform/pause.h"
#include "platform/richtextbox.h"
#include "platform/twips.h"
#include "shell/frmFront.h"
#include "shell/frmTarot.h"
#include "shell/navigation.h"
#include "shell/readingfile.h"
#include "shell/startup.h"
#include "state/readingstate.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QMainWindow>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
struct OptionSet {
    const char* name;
    bool minor, major, reverse;
};
constexpr OptionSet kOptionSets[] = {
    {"whole deck", false, false, false},      {"Minor Arcana", true, false, false},
    {"Major Arcana", false, true, false},     {"whole deck, reversed", false, false, true},
    {"Minor Arcana, reversed", true, false, true}, {"Major Arcana, reversed", false, true, true},
};

struct SpreadCase {
    const char* name;
    int index;
};
constexpr SpreadCase kSpreads[] = {{"One Card", 1}, {"Celtic Cross", 0}, {"The Romany/ Gypsy Spread", 9}};

// Lets everything pending run: posted events, paints, deferred deletions.
void Settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

// What follows a handler before a person sees its result: the posted layout and paint events.
void Paint() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

double Ms(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e6; }

// The selection window, opened from the querent window's "&Next", with the choices made.
frmTarot* ChooseReading(const SpreadCase& spread, const OptionSet& options) {
    ShowQuerentWindow();
    platform::Get<frmFront>()->cmdNext->setValue(true);
    frmTarot* selection = platform::Peek<frmTarot>();
    selection->lstOption->setCurrentRow(spread.index);
    selection->chkLA->setChecked(options.minor);
    selection->chkHA->setChecked(options.major);
    selection->chkRev->setChecked(options.reverse);
    Settle();
    return selection;
}

struct CastResult {
    double ms;
    QSize reportWindow;
    CardArray drawn, reversed;
    QString deck;
};

CastResult TimeCast(const SpreadCase& spread, const OptionSet& options) {
    frmTarot* selection = ChooseReading(spread, options);
    QElapsedTimer timer;
    timer.start();
    selection->cmdAuto->setValue(true);
    Paint();
    const double ms = Ms(timer);
    QWidget* report = ReportBox().view() ? ReportBox().view()->window() : nullptr;
    const TarotReading& reading = State().reading;
    CastResult result{ms, report ? report->size() : QSize(), reading.arrDrawnCards, reading.arrReversedCards,
                      reading.strDeckLetter};
    PressReportRestart();
    Settle();
    return result;
}

// The floor of a cast: load the cast's card pictures and write its report into a report box
// of the report window's size and font, then paint it.
class Floor {
public:
    Floor() : box_(new QTextDocument(&view_)) {
        box_.setDefaultFont(platform::ProgramFont(QStringLiteral("Verdana"), 8.25));
        box_.attachView(&view_);
        view_.resize(platform::TwipsToPixels(3645), 560);
        view_.show();
        Settle();
    }

    double time(const QString& spreadName, const CastResult& cast) {
        std::vector<QPixmap> pictures;
        QElapsedTimer timer;
        timer.start();
        // An automatic cast's array ends in a spare element that is no card.
        for (std::size_t k = 0; k + 1 < cast.drawn.size(); ++k) {
            QPixmap picture;
            picture.load(platform::ProgramFolder() + QStringLiteral("/cards/") + cast.deck +
                         QString::number(cast.drawn[k]) + QStringLiteral(".jpg"));
            pictures.push_back(picture);
        }
        box_.setText(QString());
        WriteReportHeader(box_, spreadName);
        WriteCardReadings(box_, cast.drawn, cast.reversed);
        box_.setSelStart(0);
        Paint();
        return Ms(timer);
    }

private:
    QTextEdit view_;
    platform::RichTextBox box_;
};

// Not part of any floor, but beside it: what showing and painting a new blank main window of the
// report window's size costs on this display.
double TimeBlankWindow(const QSize& size) {
    QMainWindow window;
    window.setCentralWidget(new QWidget);
    window.resize(size);
    QElapsedTimer timer;
    timer.start();
    window.showMaximized();
    Paint();
    const double ms = Ms(timer);
    window.hide();
    Settle();
    return ms;
}

double TimeOpen(platform::FileDialogScript& dialogs, const QString& path) {
    ShowQuerentWindow();
    Settle();
    dialogs.setNextFileName(path);
    QElapsedTimer timer;
    timer.start();
    platform::Get<frmFront>()->cmdOpen->setValue(true);
    Paint();
    const double ms = Ms(timer);
    PressReportRestart();
    Settle();
    return ms;
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    if (argc < 2) {
        std::fprintf(stderr, "usage: cast_bench <program folder> [repetitions] [spread]\n");
        return 2;
    }
    const int repetitions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;
    const QString only = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    auto measured = [&](const SpreadCase& spread) { return only.isEmpty() || only == QLatin1String(spread.name); };
    platform::ScopedProgramFolder folder(QString::fromLocal8Bit(argv[1]));
    platform::PauseRecorder pauses;            // the fixed 3000 ms pauses are taken out
    platform::MessageBoxRecorder messages;     // nothing may wait for a person
    platform::FileDialogScript dialogs;
    QuitRecorder quit;
    QTemporaryDir files;

    Floor floor;
    std::printf("casting: \"AutoCast\" pressed until the report is painted, 3000 ms pauses taken out\n");
    std::printf("floor: load the same card pictures and write the same report into a report box\n");
    std::printf("blank window: showing and painting a new blank main window of the report window's size,\n"
                "  not part of the floor; the last column compares the cast with floor + blank window\n");
    std::printf("median of %d, in ms\n\n", repetitions);
    std::printf("%-26s %-24s %8s %8s %7s %8s %9s\n", "spread", "options", "cast", "floor", "ratio", "blank", "vs f+b");
    QSize reportSize;
    for (const SpreadCase& spread : kSpreads) {
        if (!measured(spread)) continue;
        for (const OptionSet& options : kOptionSets) {
            std::vector<double> casts, floors, blanks;
            for (int i = -2; i < repetitions; ++i) {  // two warm-up rounds
                const CastResult cast = TimeCast(spread, options);
                const double floorMs = floor.time(QString::fromLatin1(spread.name), cast);
                const double blankMs = TimeBlankWindow(cast.reportWindow);
                reportSize = cast.reportWindow;
                if (i < 0) continue;
                casts.push_back(cast.ms);
                floors.push_back(floorMs);
                blanks.push_back(blankMs);
            }
            const double c = Median(casts), f = Median(floors), b = Median(blanks);
            std::printf("%-26s %-24s %8.2f %8.2f %7.2f %8.2f %9.2f\n", spread.name, options.name, c, f, c / f, b,
                        c / (f + b));
            std::fflush(stdout);
        }
        // A reading file of this spread, from its last cast, for the opening figures.
        QFile file(files.filePath(QString::number(spread.index) + QStringLiteral(".trs")));
        if (file.open(QIODevice::WriteOnly)) file.write(WriteReadingFile(CurrentReading(State())));
    }

    std::printf("(the report window was shown at %d x %d)\n\n", reportSize.width(), reportSize.height());

    std::printf("opening a reading file and laying it out (\"&Open Previous Record\" until the report is painted)\n");
    std::printf("%-26s %9s\n", "spread", "open");
    for (const SpreadCase& spread : kSpreads) {
        if (!measured(spread)) continue;
        const QString path = files.filePath(QString::number(spread.index) + QStringLiteral(".trs"));
        std::vector<double> opens;
        for (int i = -2; i < repetitions; ++i) {
            const double ms = TimeOpen(dialogs, path);
            if (i >= 0) opens.push_back(ms);
        }
        std::printf("%-26s %9.2f\n", spread.name, Median(opens));
    }
    if (!messages.shown().empty())
        std::printf("\nnote: %zu message boxes were shown, first: %s\n", messages.shown().size(),
                    qPrintable(messages.shown().front().text));

    QuitApplication();
    Settle();
    return 0;
}
