#include "platform/application.h"
#include "platform/browser.h"
#include "platform/filedialog.h"
#include "platform/messagebox.h"
#include "platform/pause.h"
#include "platform/randomsource.h"
#include "platform/settingsstore.h"
#include "platform/twips.h"
#include "support/filefaults.h"
#include "support/qtprinting.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cmath>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <vector>

using namespace platform;

TEST(MessageBoxes, AreRecordedWithTheProgramTitleAndAnsweredInAdvance) {
    MessageBoxRecorder boxes;
    boxes.setNextAnswer(MsgResult::No);
    EXPECT_EQ(MsgBox("Update?", MsgIcon::Information, MsgButtons::YesNo), MsgResult::No);
    EXPECT_EQ(MsgBox("Line one\rLine two", MsgIcon::Critical), MsgResult::Ok);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].title, "CV Vezor Adarizu Dudiruvo");
    EXPECT_EQ(boxes.shown()[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(boxes.shown()[1].icon, MsgIcon::Critical);
    EXPECT_EQ(boxes.shown()[1].text, "Line one\rLine two");
}

TEST(RandomSource, StaysInTheHalfOpenIntervalAndCoversIt) {
    Randomize();
    double lo = 1, hi = 0;
    int buckets[10] = {};
    for (int i = 0; i < 100000; ++i) {
        const double r = Rnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        lo = std::min(lo, r);
        hi = std::max(hi, r);
        ++buckets[static_cast<int>(r * 10)];
    }
    EXPECT_LT(lo, 0.001);
    EXPECT_GT(hi, 0.999);
    for (int b : buckets) EXPECT_GT(b, 9000);
}

TEST(RandomSource, TwoSeedingsGiveDifferentSequences) {
    Randomize();
    const double a = Rnd();
    Randomize();
    const double b = Rnd();
    EXPECT_NE(a, b);
}

TEST(RandomSource, ChoiceUsesDoublePrecision) {
    const double largest = std::nextafter(1.0, 0.0);
    EXPECT_EQ(RandomChoice(22, 56, largest), 77);
    EXPECT_EQ(RandomChoice(0, 78, largest), 77);
    EXPECT_EQ(RandomChoice(0, 78, 0.0), 0);
}

TEST(RandomSource, ScriptedValuesComeFirst) {
    ScriptedRandom script({0.25, 0.5});
    Randomize();
    EXPECT_EQ(Rnd(), 0.25);
    EXPECT_EQ(Rnd(), 0.5);
    const double fallback = Rnd();
    EXPECT_GE(fallback, 0.0);
    EXPECT_LT(fallback, 1.0);
    EXPECT_EQ(script.taken(), 3);
    EXPECT_EQ(script.seedings(), 1);
}

TEST(Pauses, BlockInTheProgramAndAreSkippedUnderARecorder) {
    {
        PauseRecorder pauses;
        QElapsedTimer t;
        t.start();
        Sleep(3000);
        EXPECT_LT(t.elapsed(), 1000);
        EXPECT_EQ(pauses.pauses(), std::vector<int>{3000});
    }
    QElapsedTimer t;
    t.start();
    Sleep(50);
    EXPECT_GE(t.elapsed(), 45);
}

TEST(Twips, FifteenToThePixelWithOneRoundingRule) {
    struct Case { double twips; int pixels; };
    for (const Case c : {Case{0, 0}, Case{15, 1}, Case{7, 0}, Case{7.5, 1}, Case{22, 1}, Case{23, 2},
                         Case{915, 61}, Case{3735, 249}, Case{-15, -1}, Case{-7.5, -1}}) {
        EXPECT_EQ(TwipsToPixels(c.twips), c.pixels) << c.twips;
    }
    EXPECT_EQ(PixelsToTwips(61), 915);
    EXPECT_EQ(TwipsRect(120, 90, 855, 255), QRect(8, 6, 57, 17));
}

TEST(Browser, RecorderKeepsAddressesInsteadOfOpening) {
    BrowserRecorder browser;
    OpenInBrowser("https://www.corvantelle.example/");
    OpenInBrowser("https://www.corvantelle.example/");
    EXPECT_EQ(browser.opened().size(), 2);
}

TEST(Settings, ByteValuesRoundTripInTheChosenFolder) {
    QTemporaryDir dir;
    ScopedSettingsFolder folder(dir.path());
    const QByteArray key("\x99\xca\xc7", 3);
    const QByteArray value("\x86\x85\xff\x01", 4);
    EXPECT_FALSE(GetSetting("App", "Settings", key).value.has_value());
    EXPECT_FALSE(GetSetting("App", "Settings", key).failed);
    ASSERT_TRUE(SaveSetting("App", "Settings", key, value));
    EXPECT_EQ(GetSetting("App", "Settings", key).value, value);
    EXPECT_TRUE(QFile::exists(dir.path() + "/App.ini"));
}

TEST(Settings, ALinkToAPlainFileIsFollowedAndStaysALink) {
    QTemporaryDir dir;
    ScopedSettingsFolder folder(dir.path());
    const QString elsewhere = dir.path() + "/elsewhere.ini";
    {
        QFile file(elsewhere);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QFile::link(elsewhere, dir.path() + "/App.ini"));
    ASSERT_TRUE(SaveSetting("App", "Settings", "k", "v"));
    EXPECT_EQ(GetSetting("App", "Settings", "k").value, QByteArray("v"));
    EXPECT_TRUE(QFileInfo(dir.path() + "/App.ini").isSymLink());
    QFile file(elsewhere);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("[Settings]"));
}

TEST(Settings, AnythingButAPlainFileInItsPlaceIsAStoreThatFails) {
    QTemporaryDir dir;
    ScopedSettingsFolder folder(dir.path());
    const auto store = [&](const char* app) { return QFile::encodeName(dir.path() + "/" + app + ".ini"); };
    ASSERT_TRUE(QDir().mkpath(store("Folder")));
    filefaults::WatchedPipe pipe(store("Pipe"));
    ASSERT_TRUE(pipe.made());
    ASSERT_TRUE(filefaults::MakeSocketFile(store("Socket")));
    std::vector<const char*> apps{"Folder", "Pipe", "Socket"};
    // A device of the test's own, as /dev/null is, where the test may make one: never a link to
    // a real one, which a faulty store would write over.
    if (::mknod(store("Device").constData(), S_IFCHR | 0600, makedev(1, 3)) == 0) apps.push_back("Device");
    for (const char* app : apps) {
        SCOPED_TRACE(app);
        EXPECT_TRUE(GetSetting(app, "Settings", "k").failed);
        EXPECT_FALSE(GetSetting(app, "Settings", "k").value.has_value());
        EXPECT_FALSE(SaveSetting(app, "Settings", "k", "v"));
    }
    pipe.stop();
    EXPECT_FALSE(pipe.opened());
    EXPECT_TRUE(pipe.stillThere());
    struct stat device {};
    if (apps.size() == 4) EXPECT_TRUE(::stat(store("Device").constData(), &device) == 0 && S_ISCHR(device.st_mode));
}

TEST(FileDialogs, ScriptedNamesAndCancel) {
    FileDialogScript dialogs;
    dialogs.setNextFileName(QString("/tmp/a.trs"));
    dialogs.setNextFileName(std::nullopt);
    FileDialogOptions options{"Select the source file", "X (*.trs)|*.trs", "trs"};
    EXPECT_EQ(GetOpenFileName(options).value(), "/tmp/a.trs");
    EXPECT_FALSE(GetSaveFileName(options).has_value());
    EXPECT_FALSE(GetSaveFileName(options).has_value());
    ASSERT_EQ(dialogs.asked().size(), 3u);
    EXPECT_EQ(dialogs.asked()[0].title, "Select the source file");
}

TEST(FileDialogs, FilterInTheQtForm) {
    EXPECT_EQ(QtFilter("CV Vezor Adarizu Dudiruvo | *.trs"), "CV Vezor Adarizu Dudiruvo (*.trs)");
    EXPECT_EQ(QtFilter("CV Vezor Adarizu Dudiruvo (*.trs)|*.trs"), "CV Vezor Adarizu Dudiruvo (*.trs)");
}
