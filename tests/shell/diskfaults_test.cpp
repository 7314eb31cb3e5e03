// The reading file when the disk lets it down: "&Save" into a folder that cannot be written,
// onto a read-only file, or with a write that fails keeps the earlier file whole and says so
// (the dialog itself refuses the first two); "&Open Previous Record" of a file that cannot be
// read says "Please Check The File.", of a read-only or missing file the dialog refuses it, and
// nothing changes.
#include "shell/frmFront.h"
#include "shell/frmMDI.h"
#include "shell/navigation.h"
#include "shell/readingfile.h"
#include "shell/startup.h"
#include "state/readingstate.h"
#include "support/filefaults.h"
#include "support/windowtest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

using filefaults::FileSizeLimit;
using filefaults::HonourPermissionBits;
using filefaults::ScopedMode;

const QByteArray kEarlierFile = "an earlier reading that must survive\r\n";

// What the dialogs say when they refuse a name.
const char* const kNoFolder = "The Folder Does Not Exist.\rPlease Check The Name.";
const char* const kNoFile = "The File Does Not Exist.\rPlease Check The Name.";
const char* const kReadOnlyFile = "The File Is Read-Only.\rPlease Choose Another Name.";
const char* const kReadOnlyFolder = "The Folder Is Read-Only.\rPlease Choose Another Folder.";

// sTwo Cards, dm, c0, c42, r42, shifted.
const QByteArray kTwoCardsFile = QByteArrayLiteral(
    "\xC8\xA9\xCC\xC4\x75\x98\xB6\xC7\xB9\xC8\r\n"
    "\xB9\xC2\r\n"
    "\xB8\x85\r\n"
    "\xB8\x89\x87\r\n"
    "\xC7\x89\x87\r\n");

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

class DiskFaults : public WindowTest {
protected:
    QString path(const QString& name) const { return temp.path() + QLatin1Char('/') + name; }

    // A manual Two Cards reading, the second card reversed: the file above.
    static void TwoCardsReading() {
        ReadingState& s = State();
        s.reading.strSpreadName = QStringLiteral("Two Cards");
        s.reading.strDeckLetter = QStringLiteral("m");
        s.reading.lngCardCount = 2;
        s.reading.blnManualMode = true;
        s.reading.arrDrawnCards = {0, 42};
        s.reading.arrReversedCards = {42};
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

    void expectOneMessage(const QString& text, platform::MsgIcon icon = platform::MsgIcon::Critical) {
        ASSERT_EQ(messages.shown().size(), 1u) << "messages: " << messages.texts().join(" | ").toStdString();
        EXPECT_EQ(messages.shown()[0].text, text);
        EXPECT_EQ(messages.shown()[0].icon, icon);
        EXPECT_EQ(messages.shown()[0].title, QStringLiteral("CV Vezor Adarizu Dudiruvo"));
    }

    QuitRecorder quits;
};

// --- Saving ----------------------------------------------------------------------------------

enum class SaveFault { FolderNotWritable, FileReadOnly, ParentIsAFile, WriteFails, WriteFailsPartWay };

struct SaveCase {
    const char* name;
    SaveFault fault;
    const char* refusal;  // what the save dialog says when it refuses the name; null: it takes it
};
void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }

class SaveFaults : public DiskFaults, public ::testing::WithParamInterface<SaveCase> {
protected:
    // Lays the fault out around an earlier file (where one can be) and gives the chosen name.
    QString arrange() {
        switch (GetParam().fault) {
            case SaveFault::FolderNotWritable: {
                folder = path(QStringLiteral("locked"));
                QDir().mkpath(folder);
                earlier = folder + QStringLiteral("/reading.trs");
                WriteFile(earlier, kEarlierFile);
                EXPECT_TRUE(HonourPermissionBits());
                mode.emplace(folder, 0555);
                EXPECT_FALSE(QFileInfo(folder).isWritable()) << "the folder can still be written";
                return earlier;
            }
            case SaveFault::FileReadOnly: {
                folder = path(QStringLiteral("readings"));
                QDir().mkpath(folder);
                earlier = folder + QStringLiteral("/reading.trs");
                WriteFile(earlier, kEarlierFile);
                EXPECT_TRUE(HonourPermissionBits());
                mode.emplace(earlier, 0444);
                EXPECT_FALSE(QFileInfo(earlier).isWritable()) << "the file can still be written";
                return earlier;
            }
            case SaveFault::ParentIsAFile: {
                folder = path(QStringLiteral("readings"));
                QDir().mkpath(folder);
                WriteFile(folder + QStringLiteral("/notes"), kEarlierFile);
                return folder + QStringLiteral("/notes/reading.trs");
            }
            case SaveFault::WriteFails:
            case SaveFault::WriteFailsPartWay: {
                folder = path(QStringLiteral("readings"));
                QDir().mkpath(folder);
                earlier = folder + QStringLiteral("/reading.trs");
                WriteFile(earlier, kEarlierFile);
                limit.emplace(GetParam().fault == SaveFault::WriteFails ? 0 : 10);
                EXPECT_TRUE(limit->set());
                return earlier;
            }
        }
        return {};
    }

    // Takes the fault away again, where that can be done.
    bool lift() {
        limit.reset();
        mode.reset();
        return GetParam().fault != SaveFault::ParentIsAFile;
    }

    QString folder;
    QString earlier;
    std::optional<ScopedMode> mode;
    std::optional<FileSizeLimit> limit;
};

TEST_P(SaveFaults, KeepTheEarlierFileWholeAndSaySo) {
    TwoCardsReading();
    const QString chosen = arrange();
    const QStringList before = Entries(folder);

    const std::size_t asked = dialogs.asked().size();
    save(chosen);

    const bool lifted = lift();  // before any assertion, so that nothing stays limited
    if (GetParam().refusal) {
        // Refused before any question; the dialog stays for another name (here: cancelled).
        expectOneMessage(QString::fromLatin1(GetParam().refusal), platform::MsgIcon::Exclamation);
        EXPECT_EQ(dialogs.asked().size() - asked, 2u);
    } else if (earlier.isEmpty()) {
        expectOneMessage(kSaveFailedMessage);
    } else {
        // Replacing the earlier file is asked about first (and answered Yes).
        EXPECT_EQ(messages.texts(), QStringList({platform::ReplaceQuestion(earlier), kSaveFailedMessage}));
    }
    if (!earlier.isEmpty()) EXPECT_EQ(ReadFile(earlier), kEarlierFile);
    EXPECT_EQ(Entries(folder), before) << "a partial or temporary file was left behind";
    EXPECT_TRUE(platform::IsLoaded<frmMDI>());

    // Without the fault the same save goes through.
    if (lifted) {
        messages.clear();
        save(chosen);
        EXPECT_EQ(messages.texts(), QStringList{platform::ReplaceQuestion(chosen)});
        EXPECT_EQ(ReadFile(chosen), kTwoCardsFile);
        EXPECT_EQ(Entries(folder), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, SaveFaults,
                         ::testing::Values(SaveCase{"FolderNotWritable", SaveFault::FolderNotWritable, kReadOnlyFolder},
                                           SaveCase{"FileReadOnly", SaveFault::FileReadOnly, kReadOnlyFile},
                                           SaveCase{"ParentIsAFile", SaveFault::ParentIsAFile, kNoFolder},
                                           SaveCase{"WriteFails", SaveFault::WriteFails, nullptr},
                                           SaveCase{"WriteFailsPartWay", SaveFault::WriteFailsPartWay, nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DiskFaults, AFailedSaveOverNoEarlierFileLeavesNoFileAtAll) {
    TwoCardsReading();
    const QString folder = path(QStringLiteral("readings"));
    QDir().mkpath(folder);
    {
        FileSizeLimit limit(0);
        ASSERT_TRUE(limit.set());
        save(folder + QStringLiteral("/new.trs"));
    }
    expectOneMessage(kSaveFailedMessage);
    EXPECT_TRUE(Entries(folder).isEmpty());
}

// --- Opening ---------------------------------------------------------------------------------

enum class OpenFault { DanglingLink, LinkLoop, NoReadPermission, ReadOnly, ReadFails, EndlessDevice, NamedPipe };

struct OpenCase {
    const char* name;
    OpenFault fault;
    const char* refusal;  // what the open dialog says when it refuses the name; null: it takes it
};
void PrintTo(const OpenCase& c, std::ostream* os) { *os << c.name; }

// Hands a sound reading to whoever opens the named pipe, until stopped.
class PipeWriter {
public:
    explicit PipeWriter(const QString& pipe) : pipe_(QFile::encodeName(pipe)), thread_([this] { run(); }) {}
    ~PipeWriter() {
        stop_ = true;
        thread_.join();
    }
    PipeWriter(const PipeWriter&) = delete;
    PipeWriter& operator=(const PipeWriter&) = delete;

private:
    void run() {
        while (!stop_) {
            const int fd = ::open(pipe_.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                [[maybe_unused]] const auto written = ::write(fd, kTwoCardsFile.constData(), kTwoCardsFile.size());
                ::close(fd);
                return;
            }
            ::usleep(2000);
        }
    }

    QByteArray pipe_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

class OpenFaults : public DiskFaults, public ::testing::WithParamInterface<OpenCase> {
protected:
    // The name the open dialog gives, with the fault behind it.
    QString arrange() {
        const QString chosen = path(QStringLiteral("reading.trs"));
        const QByteArray name = QFile::encodeName(chosen);
        switch (GetParam().fault) {
            case OpenFault::DanglingLink:
                EXPECT_EQ(::symlink("gone-away.trs", name.constData()), 0);
                break;
            case OpenFault::LinkLoop:
                EXPECT_EQ(::symlink("reading.trs", name.constData()), 0);
                break;
            case OpenFault::NoReadPermission:
                // Writable, so that the dialog, which refuses read-only files, takes it.
                WriteFile(chosen, kTwoCardsFile);
                EXPECT_TRUE(HonourPermissionBits());
                mode.emplace(chosen, 0200);
                EXPECT_FALSE(QFileInfo(chosen).isReadable()) << "the file can still be read";
                break;
            case OpenFault::ReadOnly:
                WriteFile(chosen, kTwoCardsFile);
                EXPECT_TRUE(HonourPermissionBits());
                mode.emplace(chosen, 0444);
                EXPECT_FALSE(QFileInfo(chosen).isWritable()) << "the file can still be written";
                break;
            case OpenFault::ReadFails:
                // Opens, then every read fails: nothing lives at the start of our own memory.
                EXPECT_EQ(::symlink("/proc/self/mem", name.constData()), 0);
                break;
            case OpenFault::EndlessDevice:
                EXPECT_EQ(::symlink("/dev/zero", name.constData()), 0);
                break;
            case OpenFault::NamedPipe:
                EXPECT_EQ(::mkfifo(name.constData(), 0644), 0);
                writer.emplace(chosen);
                break;
        }
        return chosen;
    }

    std::optional<ScopedMode> mode;
    std::optional<PipeWriter> writer;
};

TEST_P(OpenFaults, SaySoAndChangeNothing) {
    ReadingState& s = State();
    s.options = {true, false, true, true, false};
    s.reading.strDeckLetter = QStringLiteral("r");
    s.reading.blnManualMode = true;
    s.opened.strOpenedSpreadName = QStringLiteral("Tree of Life");
    s.opened.arrOpenedCards = {1, 2, 0};
    s.opened.arrOpenedReversed = {2};
    const QString chosen = arrange();
    const std::size_t asked = dialogs.asked().size();

    open(chosen);
    writer.reset();
    mode.reset();

    if (GetParam().refusal) {
        // Refused in the dialog, which stays for another name (here: cancelled).
        expectOneMessage(QString::fromLatin1(GetParam().refusal), platform::MsgIcon::Exclamation);
        EXPECT_EQ(dialogs.asked().size() - asked, 2u);
    } else {
        expectOneMessage(QStringLiteral("Please Check The File."));
    }
    EXPECT_TRUE(s.options.blnMinorArcana && s.options.blnAllowReverse && s.options.blnAutoCastPressed);
    EXPECT_TRUE(s.reading.blnManualMode);
    EXPECT_EQ(s.reading.strDeckLetter, QStringLiteral("r"));
    EXPECT_EQ(s.opened.strOpenedSpreadName, QStringLiteral("Tree of Life"));
    EXPECT_EQ(s.opened.arrOpenedCards, (CardArray{1, 2, 0}));
    EXPECT_EQ(s.opened.arrOpenedReversed, (CardArray{2}));
    EXPECT_FALSE(s.opened.blnReplayPending);
    EXPECT_FALSE(platform::IsLoaded<frmMDI>());
    EXPECT_TRUE(platform::Get<frmFront>()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Faults, OpenFaults,
                         ::testing::Values(OpenCase{"DanglingLink", OpenFault::DanglingLink, kNoFile},
                                           OpenCase{"LinkLoop", OpenFault::LinkLoop, kNoFile},
                                           OpenCase{"NoReadPermission", OpenFault::NoReadPermission, nullptr},
                                           OpenCase{"ReadOnly", OpenFault::ReadOnly, kReadOnlyFile},
                                           OpenCase{"ReadFails", OpenFault::ReadFails, nullptr},
                                           OpenCase{"EndlessDevice", OpenFault::EndlessDevice, nullptr},
                                           OpenCase{"NamedPipe", OpenFault::NamedPipe, nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DiskFaults, AFileThatComesBackCanBeOpenedAgain) {
    // The same name refused while it cannot be read opens once it can.
    const QString chosen = path(QStringLiteral("reading.trs"));
    WriteFile(chosen, kTwoCardsFile);
    ASSERT_TRUE(HonourPermissionBits());
    {
        ScopedMode unreadable(chosen, 0200);
        ASSERT_TRUE(unreadable.changed());
        open(chosen);
    }
    expectOneMessage(QStringLiteral("Please Check The File."));

    messages.clear();
    open(chosen);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(State().opened.strOpenedSpreadName, QStringLiteral("Two Cards"));
    EXPECT_EQ(State().opened.arrOpenedCards, (CardArray{0, 42, 0}));
    EXPECT_EQ(State().opened.arrOpenedReversed, (CardArray{42}));
    EXPECT_TRUE(platform::IsLoaded<frmMDI>());
}

}  // namespace
