// The reading file: its bytes, what the reader accepts and refuses, and "&Save" and
// "&Open Previous Record" in the real windows.
#include "catalogue/spreads.h"
#include "platform/richtextbox.h"
#include "shell/frmFront.h"
#include "shell/frmMDI.h"
#include "shell/frmTarot.h"
#include "shell/navigation.h"
#include "shell/readingfile.h"
#include "shell/startup.h"
#include "state/readingstate.h"
#include "support/windowtest.h"

#include <QDir>
#include <QFile>
#include <QComboBox>
#include <QPointer>
#include <QTemporaryDir>
#include <optional>
#include <gtest/gtest.h>

namespace {

// The Three Cards reading of the first deck with cards 14, 3 and 60, the second reversed:
// sThree Cards, dr, c14, c3, c60, r3, every character's code raised by 85.
const QByteArray kThreeCardsFile = QByteArrayLiteral(
    "\xC8\xA9\xBD\xC7\xBA\xBA\x75\x98\xB6\xC7\xB9\xC8\r\n"  // sThree Cards
    "\xB9\xC7\r\n"                                           // dr
    "\xB8\x86\x89\r\n"                                       // c14
    "\xB8\x88\r\n"                                           // c3
    "\xB8\x8B\x85\r\n"                                       // c60
    "\xC7\x88\r\n");                                         // r3

QByteArray Shifted(const QByteArray& plain) {
    QByteArray out;
    for (char c : plain) out.append(c == '\r' || c == '\n' ? c : static_cast<char>(static_cast<unsigned char>(c) + 85));
    return out;
}

// A file of plain records, shifted as a reading file stores them, one record per CR LF line.
QByteArray FileOf(const QList<QByteArray>& records) {
    QByteArray file;
    for (const QByteArray& r : records) file += Shifted(r) + "\r\n";
    return file;
}

QList<QByteArray> CelticCrossRecords() {
    return {"sCeltic Cross", "dm", "c5", "c0", "c77", "c21", "c22", "c40", "c3", "c9", "c60", "c13", "r0", "r60"};
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

}  // namespace

TEST(ReadingFile, WritesTheWorkedExampleByteForByte) {
    const ReadingRecord reading{QStringLiteral("Three Cards"), QStringLiteral("r"), {14, 3, 60}, {3}};
    EXPECT_EQ(WriteReadingFile(reading), kThreeCardsFile);
}

TEST(ReadingFile, ReadsTheWorkedExampleWithCrLfAndWithLfLineEnds) {
    QByteArray lfOnly = kThreeCardsFile;
    lfOnly.replace("\r\n", "\n");
    QByteArray noFinalLineEnd = kThreeCardsFile;
    noFinalLineEnd.chop(2);
    for (const QByteArray& bytes : {kThreeCardsFile, lfOnly, noFinalLineEnd}) {
        const auto reading = ReadReadingFile(bytes);
        ASSERT_TRUE(reading.has_value());
        EXPECT_EQ(reading->strSpreadName, QStringLiteral("Three Cards"));
        EXPECT_EQ(reading->strDeckLetter, QStringLiteral("r"));
        EXPECT_EQ(reading->arrCards, (CardArray{14, 3, 60}));
        EXPECT_EQ(reading->arrReversed, (CardArray{3}));
    }
}

TEST(ReadingFile, TakesRecordsInAnyOrderAndSkipsLinesWithoutATag) {
    const QByteArray file = FileOf({"c14", "x-ignored", "r3", "dm", "c3", "", "sThree Cards", "c60"});
    const auto reading = ReadReadingFile(file);
    ASSERT_TRUE(reading.has_value());
    EXPECT_EQ(reading->strDeckLetter, QStringLiteral("m"));
    EXPECT_EQ(reading->arrCards, (CardArray{14, 3, 60}));
    EXPECT_EQ(reading->arrReversed, (CardArray{3}));
}

TEST(ReadingFile, RefusesEveryFileThatIsNotASoundReading) {
    QByteArray huge = kThreeCardsFile;
    while (huge.size() <= kLongestReadingFile) huge += Shifted("xpadding padding padding padding") + "\r\n";
    QByteArray plain = "sThree Cards\r\ndr\r\nc14\r\nc3\r\nc60\r\n";
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"empty", {}},
        {"unshifted text", plain},
        {"no spread record", FileOf({"dr", "c14", "c3", "c60"})},
        {"two spread records", FileOf({"sThree Cards", "sThree Cards", "dr", "c14", "c3", "c60"})},
        {"spread of no catalogue", FileOf({"sThree cards", "dr", "c14", "c3", "c60"})},
        {"spread name with a trailing blank", FileOf({"sThree Cards ", "dr", "c14", "c3", "c60"})},
        {"no deck record", FileOf({"sThree Cards", "c14", "c3", "c60"})},
        {"two deck records", FileOf({"sThree Cards", "dr", "dm", "c14", "c3", "c60"})},
        {"deck letter x", FileOf({"sThree Cards", "dx", "c14", "c3", "c60"})},
        {"deck letter R", FileOf({"sThree Cards", "dR", "c14", "c3", "c60"})},
        {"empty deck letter", FileOf({"sThree Cards", "d", "c14", "c3", "c60"})},
        {"too few cards", FileOf({"sThree Cards", "dr", "c14", "c3"})},
        {"too many cards", FileOf({"sThree Cards", "dr", "c14", "c3", "c60", "c61"})},
        {"no cards", FileOf({"sThree Cards", "dr"})},
        {"card id 78", FileOf({"sThree Cards", "dr", "c14", "c78", "c60"})},
        {"negative card id", FileOf({"sThree Cards", "dr", "c14", "c-3", "c60"})},
        {"card id with a sign", FileOf({"sThree Cards", "dr", "c14", "c+3", "c60"})},
        {"card id with letters", FileOf({"sThree Cards", "dr", "c14", "c3x", "c60"})},
        {"card id with a blank", FileOf({"sThree Cards", "dr", "c14", "c 3", "c60"})},
        {"empty card id", FileOf({"sThree Cards", "dr", "c14", "c", "c60"})},
        {"huge card id", FileOf({"sThree Cards", "dr", "c14", "c99999999999", "c60"})},
        {"reversed id 78", FileOf({"sThree Cards", "dr", "c14", "c3", "c60", "r78"})},
        {"reversed id garbage", FileOf({"sThree Cards", "dr", "c14", "c3", "c60", "rthree"})},
        {"too long to be a reading file", huge},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(ReadReadingFile(c.bytes).has_value()) << c.what;
    }
}

TEST(ReadingFile, CurrentReadingLeavesOutOnlyTheSpareOfAnAutomaticCast) {
    ReadingState state;
    state.reading.strSpreadName = QStringLiteral("Two Cards");
    state.reading.strDeckLetter = QStringLiteral("m");
    state.reading.arrDrawnCards = {7, 0, 0};  // automatic: two cards and the spare
    state.reading.arrReversedCards = {0};
    EXPECT_EQ(CurrentReading(state).arrCards, (CardArray{7, 0}));
    EXPECT_EQ(CurrentReading(state).arrReversed, (CardArray{0}));

    state.reading.blnManualMode = true;
    state.reading.arrDrawnCards = {7, 0};  // manual: no spare
    EXPECT_EQ(CurrentReading(state).arrCards, (CardArray{7, 0}));
}

TEST(ReadingFile, PrepareReplayFillsTheOpenedReadingAndClearsEarlierChoices) {
    ReadingState state;
    state.options = {true, false, true, true, true};
    state.reading.blnManualMode = true;
    state.reading.strDeckLetter = QStringLiteral("r");
    PrepareReplay(state, ReadingRecord{QStringLiteral("Three Cards"), QStringLiteral("m"), {14, 3, 60}, {}});

    EXPECT_EQ(state.opened.strOpenedSpreadName, QStringLiteral("Three Cards"));
    EXPECT_EQ(state.reading.strDeckLetter, QStringLiteral("m"));
    EXPECT_EQ(state.opened.arrOpenedCards, (CardArray{14, 3, 60, 0}));
    EXPECT_TRUE(state.opened.arrOpenedReversed.empty());
    EXPECT_FALSE(state.options.blnMinorArcana || state.options.blnMajorArcana || state.options.blnAllowReverse ||
                 state.options.blnAutoCastPressed || state.options.blnManualPressed || state.reading.blnManualMode);
    EXPECT_TRUE(state.opened.blnReplayPending);

    FinishReplay(state);
    EXPECT_FALSE(state.opened.blnReplayPending);
    EXPECT_EQ(state.reading.strSpreadName, QStringLiteral("Three Cards"));
    EXPECT_EQ(CurrentReading(state).arrCards, (CardArray{14, 3, 60}));
}

// --- "&Save" and "&Open Previous Record" in the windows ---------------------------------------

class ReadingFileWindow : public WindowTest {
protected:
    QString path(const QString& name) const { return temp.path() + QLatin1Char('/') + name; }

    // The state after "AutoCast" of a Celtic Cross: ten cards and the spare, two reversed.
    static void CastCelticCross() {
        ReadingState& s = State();
        s.reading.strSpreadName = QStringLiteral("Celtic Cross");
        s.reading.strDeckLetter = QStringLiteral("m");
        s.reading.lngCardCount = 10;
        s.reading.blnManualMode = false;
        s.reading.arrDrawnCards = {5, 0, 77, 21, 22, 40, 3, 9, 60, 13, 0};
        s.reading.arrReversedCards = {0, 60};
    }

    void save(const QString& chosenName) {
        ShowReportWindow();
        dialogs.setNextFileName(chosenName);
        platform::Get<frmMDI>()->cmdSave->click();
    }

    void open(const QString& chosenName) {
        ShowQuerentWindow();
        dialogs.setNextFileName(chosenName);
        platform::Get<frmFront>()->cmdOpen->click();
    }

    QuitRecorder quits;
};

TEST_F(ReadingFileWindow, SavesAnAutomaticCastWithoutItsSpareElement) {
    CastCelticCross();
    save(path(QStringLiteral("cast.trs")));
    EXPECT_EQ(ReadFile(path(QStringLiteral("cast.trs"))), FileOf(CelticCrossRecords()));
    EXPECT_TRUE(messages.shown().empty());

    ASSERT_FALSE(dialogs.asked().empty());
    const auto& asked = dialogs.asked().back();
    EXPECT_EQ(asked.title, QStringLiteral("CV Vezor Adarizu Dudiruvo"));
    EXPECT_EQ(asked.filter, QStringLiteral("CV Vezor Adarizu Dudiruvo | *.trs"));
    EXPECT_EQ(asked.defaultExt, QStringLiteral("trs"));
    EXPECT_TRUE(asked.overwritePrompt);
}

TEST_F(ReadingFileWindow, SavesEveryCardOfAManualReadingAndNoReversedRecordWhenNoneIs) {
    ReadingState& s = State();
    s.reading.strSpreadName = QStringLiteral("Three Cards");
    s.reading.strDeckLetter = QStringLiteral("r");
    s.reading.blnManualMode = true;
    s.reading.arrDrawnCards = {14, 3, 60};
    s.reading.arrReversedCards.clear();
    save(path(QStringLiteral("manual.trs")));
    EXPECT_EQ(ReadFile(path(QStringLiteral("manual.trs"))), FileOf({"sThree Cards", "dr", "c14", "c3", "c60"}));
}

TEST_F(ReadingFileWindow, GivesEverySavedFileANameItsOwnOpenAccepts) {
    const struct {
        const char* chosen;
        const char* written;
    } cases[] = {
        {"plain", "plain.trs"},
        {"kept.trs", "kept.trs"},
        {"upper.TRS", "upper.TRS.trs"},
        {"other.txt", "other.txt.trs"},
        {"mytrs", "mytrs.trs"},
    };
    CastCelticCross();
    for (const auto& c : cases) {
        save(path(QString::fromLatin1(c.chosen)));
        EXPECT_TRUE(QFile::exists(path(QString::fromLatin1(c.written)))) << c.chosen;
    }
    for (const char* chosenOnly : {"plain", "upper.TRS", "mytrs"}) {
        EXPECT_FALSE(QFile::exists(path(QString::fromLatin1(chosenOnly)))) << chosenOnly;
    }
}

TEST_F(ReadingFileWindow, CancellingTheSaveDialogWritesNothingAndSaysNothing) {
    CastCelticCross();
    save(QString());  // no name: cancelled
    dialogs.setNextFileName(std::nullopt);
    platform::Get<frmMDI>()->cmdSave->click();
    EXPECT_TRUE(QDir(temp.path()).entryList(QStringList{QStringLiteral("*.trs")}, QDir::Files).isEmpty());
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ReadingFileWindow, AFailedSaveSaysSoAndLeavesNoFileBehind) {
    CastCelticCross();
    QDir(temp.path()).mkdir(QStringLiteral("folder.trs"));
    save(path(QStringLiteral("folder.trs")));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, kSaveFailedMessage);
    EXPECT_EQ(messages.shown()[0].icon, platform::MsgIcon::Critical);
    QStringList left = QDir(temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    left.removeAll(QStringLiteral("settings"));
    EXPECT_EQ(left, QStringList{QStringLiteral("folder.trs")});
    EXPECT_TRUE(QDir(path(QStringLiteral("folder.trs"))).isEmpty());
}

TEST_F(ReadingFileWindow, TheDialogsRefuseANameOfNoFolderOrFileAndTakeTheNext) {
    const QString kNoFolder = QStringLiteral("The Folder Does Not Exist.\rPlease Check The Name.");
    const QString kNoFile = QStringLiteral("The File Does Not Exist.\rPlease Check The Name.");
    const struct {
        const char* what;
        bool saving;
        const char* refused;
        QString message;
    } cases[] = {
        {"save in a missing folder", true, "missing-folder/reading", kNoFolder},
        {"save in a missing folder, with the extension", true, "missing-folder/reading.trs", kNoFolder},
        {"save in a folder that is a file", true, "notes/reading.trs", kNoFolder},
        {"open of a missing file", false, "gone.trs", kNoFile},
        {"open in a missing folder", false, "missing-folder/reading.trs", kNoFile},
    };
    WriteFile(path(QStringLiteral("notes")), "not a folder\r\n");
    WriteFile(path(QStringLiteral("saved.trs")), FileOf(CelticCrossRecords()));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        UnloadAll();
        QFile::remove(path(QStringLiteral("fresh.trs")));
        State().Reset();
        messages.clear();
        const std::size_t asked = dialogs.asked().size();
        dialogs.setNextFileName(path(QString::fromLatin1(c.refused)));
        if (c.saving) {
            CastCelticCross();
            save(path(QStringLiteral("fresh")));
            EXPECT_EQ(ReadFile(path(QStringLiteral("fresh.trs"))), FileOf(CelticCrossRecords()));
        } else {
            open(path(QStringLiteral("saved.trs")));
            EXPECT_EQ(State().opened.arrOpenedCards, (CardArray{5, 0, 77, 21, 22, 40, 3, 9, 60, 13, 0}));
            EXPECT_TRUE(platform::IsLoaded<frmMDI>());
        }
        ASSERT_EQ(messages.texts(), QStringList{c.message});
        EXPECT_EQ(messages.shown()[0].icon, platform::MsgIcon::Exclamation);
        EXPECT_EQ(dialogs.asked().size() - asked, 2u) << "the dialog did not stay for another name";
    }
    EXPECT_FALSE(QDir(path(QStringLiteral("missing-folder"))).exists());
}

TEST_F(ReadingFileWindow, ReplacingAnEarlierFileWritesTheWholeNewReading) {
    const QString target = path(QStringLiteral("again.trs"));
    WriteFile(target, QByteArray(4000, 'x'));
    CastCelticCross();
    save(target);
    EXPECT_EQ(ReadFile(target), FileOf(CelticCrossRecords()));
}

TEST_F(ReadingFileWindow, AsksAboutTheCompletedNameBeforeReplacingAFile) {
    const QByteArray earlier = "an earlier file\r\n";
    const struct {
        const char* what;
        const char* chosen;
        const char* existing;
        std::optional<platform::MsgResult> answer;  // to the question, when it is asked
        const char* written;                        // the file that holds the reading after
    } cases[] = {
        {"completed name exists, No", "mine.txt", "mine.txt.trs", platform::MsgResult::No, nullptr},
        {"completed name exists, Yes", "mine.txt", "mine.txt.trs", platform::MsgResult::Yes, "mine.txt.trs"},
        {"only the chosen name exists", "mine.txt", "mine.txt", std::nullopt, "mine.txt.trs"},
        {"a reading file exists, No", "kept.trs", "kept.trs", platform::MsgResult::No, nullptr},
        {"nothing exists", "fresh", "other.trs", std::nullopt, "fresh.trs"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        const auto at = [&](const char* name) { return folder.path() + QLatin1Char('/') + QString::fromLatin1(name); };
        WriteFile(at(c.existing), earlier);
        messages.clear();
        if (c.answer) messages.setNextAnswer(*c.answer);
        const std::size_t asked = dialogs.asked().size();
        CastCelticCross();
        save(at(c.chosen));  // after a No the dialog comes again, and is cancelled

        if (c.answer) {
            ASSERT_EQ(messages.texts(), QStringList{QString::fromLatin1(c.existing) +
                                                    QStringLiteral(" already exists.\rDo you want to replace it?")});
            EXPECT_EQ(messages.shown()[0].buttons, platform::MsgButtons::YesNo);
            EXPECT_TRUE(messages.shown()[0].defaultNo);
        } else {
            EXPECT_TRUE(messages.shown().empty());
        }
        EXPECT_EQ(dialogs.asked().size() - asked, c.answer == platform::MsgResult::No ? 2u : 1u);
        if (c.written) EXPECT_EQ(ReadFile(at(c.written)), FileOf(CelticCrossRecords()));
        if (!c.written || QString::fromLatin1(c.written) != QString::fromLatin1(c.existing)) {
            EXPECT_EQ(ReadFile(at(c.existing)), earlier) << "replaced without being asked";
        }
    }
}

TEST_F(ReadingFileWindow, SaveWritesTheReadingItsWindowShowsWhateverIsChosenSince) {
    const QByteArray original = FileOf(CelticCrossRecords());
    WriteFile(path(QStringLiteral("opened.trs")), original);
    open(path(QStringLiteral("opened.trs")));
    frmMDI* report = platform::Peek<frmMDI>();
    ASSERT_NE(report, nullptr);

    // The querent window stays shown: "&Next" loads the selection window, which starts a new
    // reading, and another deck is chosen there.
    platform::Get<frmFront>()->cmdNext->click();
    frmTarot* selection = platform::Peek<frmTarot>();
    ASSERT_NE(selection, nullptr);
    selection->cboCards->setCurrentIndex(0);
    ASSERT_EQ(State().reading.strDeckLetter, QStringLiteral("r"));

    dialogs.setNextFileName(path(QStringLiteral("again.trs")));
    report->cmdSave->click();
    EXPECT_EQ(ReadFile(path(QStringLiteral("again.trs"))), original);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ReadingFileWindow, AReportWithoutACompleteReadingRefusesToSave) {
    State().Reset();
    save(path(QStringLiteral("nothing.trs")));
    EXPECT_EQ(messages.texts(), QStringList{kSaveFailedMessage});
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("nothing.trs"))));
}

TEST_F(ReadingFileWindow, OpeningASavedCelticCrossReplaysItAndShowsTheReport) {
    WriteFile(path(QStringLiteral("cross.trs")), FileOf({"sCeltic Cross", "dm", "c5", "c0", "c77", "c21", "c22", "c40",
                                                         "c3", "c9", "c60", "c13"}));
    State().options = {true, false, true, true, false};  // an earlier reading's choices
    State().reading.blnManualMode = true;
    open(path(QStringLiteral("cross.trs")));

    const ReadingState& s = State();
    EXPECT_EQ(s.opened.strOpenedSpreadName, QStringLiteral("Celtic Cross"));
    EXPECT_EQ(s.reading.strDeckLetter, QStringLiteral("m"));
    EXPECT_EQ(s.opened.arrOpenedCards, (CardArray{5, 0, 77, 21, 22, 40, 3, 9, 60, 13, 0}));
    EXPECT_TRUE(s.opened.arrOpenedReversed.empty());
    EXPECT_FALSE(s.opened.blnReplayPending);
    EXPECT_FALSE(s.options.blnMinorArcana || s.options.blnAllowReverse || s.options.blnAutoCastPressed ||
                 s.reading.blnManualMode);
    EXPECT_TRUE(messages.shown().empty());

    ASSERT_FALSE(dialogs.asked().empty());
    const auto& asked = dialogs.asked().back();
    EXPECT_EQ(asked.title, QStringLiteral("Select the source file"));
    EXPECT_EQ(asked.filter, QStringLiteral("CV Vezor Adarizu Dudiruvo (*.trs)|*.trs"));
    EXPECT_TRUE(asked.fileMustExist);

    frmMDI* report = platform::Peek<frmMDI>();
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->isVisible());
    EXPECT_TRUE(platform::Get<frmFront>()->isVisible());  // the querent window stays shown
    EXPECT_TRUE(ReportBox().Text().contains(QStringLiteral("Spread Type - Celtic Cross Spread")));
}

TEST_F(ReadingFileWindow, AnOpenedReadingSavedAgainGivesTheSameFile) {
    const QByteArray original = FileOf(CelticCrossRecords());
    WriteFile(path(QStringLiteral("first.trs")), original);
    open(path(QStringLiteral("first.trs")));
    save(path(QStringLiteral("second.trs")));
    EXPECT_EQ(ReadFile(path(QStringLiteral("second.trs"))), original);
}

TEST_F(ReadingFileWindow, RoundTripOfAnAutomaticAndOfAManualReading) {
    // Automatic: the spare element is left out, the reversed cards kept.
    CastCelticCross();
    save(path(QStringLiteral("auto.trs")));
    open(path(QStringLiteral("auto.trs")));
    EXPECT_EQ(State().opened.arrOpenedCards, (CardArray{5, 0, 77, 21, 22, 40, 3, 9, 60, 13, 0}));
    EXPECT_EQ(State().opened.arrOpenedReversed, (CardArray{0, 60}));
    EXPECT_EQ(State().reading.strDeckLetter, QStringLiteral("m"));

    // Manual: every element is a card.
    ReadingState& s = State();
    s.reading.strSpreadName = QStringLiteral("Two Cards");
    s.reading.strDeckLetter = QStringLiteral("r");
    s.reading.blnManualMode = true;
    s.reading.arrDrawnCards = {0, 42};
    s.reading.arrReversedCards = {42};
    save(path(QStringLiteral("manual.trs")));
    open(path(QStringLiteral("manual.trs")));
    EXPECT_EQ(State().opened.strOpenedSpreadName, QStringLiteral("Two Cards"));
    EXPECT_EQ(State().opened.arrOpenedCards, (CardArray{0, 42, 0}));
    EXPECT_EQ(State().opened.arrOpenedReversed, (CardArray{42}));
    EXPECT_EQ(State().reading.strDeckLetter, QStringLiteral("r"));
}

TEST_F(ReadingFileWindow, RefusedFilesSayPleaseCheckTheFileAndChangeNothing) {
    WriteFile(path(QStringLiteral("good.TRS")), kThreeCardsFile);
    WriteFile(path(QStringLiteral("good.Trs")), kThreeCardsFile);
    WriteFile(path(QStringLiteral("good.txt")), kThreeCardsFile);
    WriteFile(path(QStringLiteral("bad.trs")), FileOf({"sThree Cards", "dr", "c14", "c3"}));
    WriteFile(path(QStringLiteral("empty.trs")), {});
    QDir(temp.path()).mkdir(QStringLiteral("folder.trs"));
    const QString refused[] = {path(QStringLiteral("good.TRS")), path(QStringLiteral("good.Trs")),
                               path(QStringLiteral("good.txt")), path(QStringLiteral("bad.trs")),
                               path(QStringLiteral("empty.trs")), path(QStringLiteral("folder.trs"))};

    ReadingState& s = State();
    s.reading.strDeckLetter = QStringLiteral("r");
    s.options.blnAllowReverse = true;
    s.opened.strOpenedSpreadName = QStringLiteral("Tree of Life");
    s.opened.arrOpenedCards = {1, 2, 0};
    for (const QString& name : refused) {
        messages.clear();
        open(name);
        ASSERT_EQ(messages.shown().size(), 1u) << name.toStdString();
        EXPECT_EQ(messages.shown()[0].text, QStringLiteral("Please Check The File."));
        EXPECT_EQ(messages.shown()[0].icon, platform::MsgIcon::Critical);
        EXPECT_EQ(s.reading.strDeckLetter, QStringLiteral("r"));
        EXPECT_TRUE(s.options.blnAllowReverse);
        EXPECT_EQ(s.opened.strOpenedSpreadName, QStringLiteral("Tree of Life"));
        EXPECT_EQ(s.opened.arrOpenedCards, (CardArray{1, 2, 0}));
        EXPECT_FALSE(s.opened.blnReplayPending);
        EXPECT_FALSE(platform::IsLoaded<frmMDI>());
    }
}

TEST_F(ReadingFileWindow, CancellingTheOpenDialogDoesNothing) {
    State().options.blnAllowReverse = true;
    open(QString());
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_TRUE(State().options.blnAllowReverse);
    EXPECT_FALSE(platform::IsLoaded<frmMDI>());
}

TEST_F(ReadingFileWindow, OpeningWhileAnEarlierReportIsShownReplacesItWithoutTheExitScreen) {
    WriteFile(path(QStringLiteral("one.trs")), FileOf(CelticCrossRecords()));
    WriteFile(path(QStringLiteral("three.trs")), kThreeCardsFile);
    open(path(QStringLiteral("one.trs")));
    QPointer<frmMDI> first = platform::Peek<frmMDI>();
    ASSERT_TRUE(first);

    open(path(QStringLiteral("three.trs")));
    frmMDI* second = platform::Peek<frmMDI>();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first.data());
    EXPECT_FALSE(ExitScreenShown());
    const QString report = ReportBox().Text();
    EXPECT_TRUE(report.contains(QStringLiteral("Spread Type - Three Cards")));
    EXPECT_FALSE(report.contains(QStringLiteral("Celtic Cross")));
}
