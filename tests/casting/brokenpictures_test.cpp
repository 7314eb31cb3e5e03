// A cards folder that has been damaged: some pictures missing, unreadable, cut short, absurdly
// large or no pictures at all. An opened reading still lies on the table with every position
// in place, the damaged ones without a card face (never another card's), and its report whole.
#include "casting/cardbox.h"
#include "casting/frmAuto.h"
#include "castingsupport.h"
#include "catalogue/cards.h"
#include "platform/richtextbox.h"
#include "shell/frmFront.h"
#include "shell/frmMDI.h"
#include "shell/navigation.h"
#include "shell/readingfile.h"
#include "shell/startup.h"
#include "support/filefaults.h"
#include "support/windowtest.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <optional>
#include <unistd.h>
#include <vector>

namespace {

enum class Damage {
    Missing,
    NotAPicture,  // text in a .jpg
    Empty,
    Folder,       // a folder by the picture's name
    CutShort,     // the first part of the JPEG only
    HugeSize,     // a JPEG whose header claims 65535 x 65535 pixels
    DanglingLink,
    Unreadable,   // no read permission
    ReadFails,    // opens, but reading fails
};

const char* DamageName(Damage d) {
    switch (d) {
        case Damage::Missing: return "missing";
        case Damage::NotAPicture: return "not a picture";
        case Damage::Empty: return "empty";
        case Damage::Folder: return "a folder";
        case Damage::CutShort: return "cut short";
        case Damage::HugeSize: return "huge size";
        case Damage::DanglingLink: return "dangling link";
        case Damage::Unreadable: return "unreadable";
        case Damage::ReadFails: return "read fails";
    }
    return "?";
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Sets every frame size in the JPEG's start-of-frame segments to 65535 x 65535.
QByteArray WithHugeFrame(QByteArray jpeg) {
    bool patched = false;
    for (qsizetype i = 2; i + 9 < jpeg.size(); ++i) {
        const auto marker = static_cast<unsigned char>(jpeg[i + 1]);
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF && marker >= 0xC0 && marker <= 0xC2) {
            for (qsizetype b = i + 5; b < i + 9; ++b) jpeg[b] = '\xFF';
            patched = true;
        }
    }
    EXPECT_TRUE(patched) << "no start-of-frame segment";
    return jpeg;
}

class BrokenPictures : public WindowTest {
protected:
    BrokenPictures() {
        FreshState();
        WriteCardPictures(sound.path(), {QStringLiteral("r")});
        WriteCardPictures(damaged.path(), {QStringLiteral("r")});
    }

    QString picture(std::int32_t id) const {
        return damaged.path() + QStringLiteral("/cards/r") + QString::number(id) + QStringLiteral(".jpg");
    }

    void damage(std::int32_t id, Damage how) {
        const QString path = picture(id);
        const QByteArray name = QFile::encodeName(path);
        const QByteArray jpeg = ReadFile(path);
        ASSERT_FALSE(jpeg.isEmpty());
        ASSERT_TRUE(QFile::remove(path));
        switch (how) {
            case Damage::Missing: break;
            case Damage::NotAPicture: WriteFile(path, "This is no picture of a card.\n"); break;
            case Damage::Empty: WriteFile(path, {}); break;
            case Damage::Folder: ASSERT_TRUE(QDir().mkdir(path)); break;
            case Damage::CutShort: WriteFile(path, jpeg.left(jpeg.size() * 2 / 5)); break;
            case Damage::HugeSize: WriteFile(path, WithHugeFrame(jpeg)); break;
            case Damage::DanglingLink: ASSERT_EQ(::symlink("nowhere.jpg", name.constData()), 0); break;
            case Damage::Unreadable:
                WriteFile(path, jpeg);
                ASSERT_TRUE(filefaults::HonourPermissionBits());
                modes.emplace_back(std::make_unique<filefaults::ScopedMode>(path, 0000));
                ASSERT_TRUE(modes.back()->changed());
                break;
            case Damage::ReadFails: ASSERT_EQ(::symlink("/proc/self/mem", name.constData()), 0); break;
        }
    }

    void open(const ReadingRecord& reading) {
        const QString file = temp.path() + QStringLiteral("/reading.trs");
        QFile::remove(file);
        WriteFile(file, WriteReadingFile(reading));
        ShowQuerentWindow();
        dialogs.setNextFileName(file);
        platform::Get<frmFront>()->cmdOpen->click();
        ASSERT_NE(platform::Peek<frmAuto>(), nullptr);
    }

    static frmAuto* Table() { return platform::Peek<frmAuto>(); }

    // What the table shows at each position, and the report, for the reading.
    struct Laid {
        std::vector<QImage> shown;
        std::vector<bool> faces;
        QString report;
    };
    Laid lay(const ReadingRecord& reading, const QString& programFolder) {
        platform::ScopedProgramFolder folder(programFolder);
        open(reading);
        Laid laid;
        if (!Table()) return laid;
        for (std::size_t k = 0; k < reading.arrCards.size(); ++k) {
            CardBox* box = Table()->p(static_cast<int>(k));
            QLabel* number = Table()->lbl(static_cast<int>(k));
            EXPECT_FALSE(box->isHidden()) << "box " << k;
            EXPECT_FALSE(number->isHidden()) << "box " << k;
            EXPECT_EQ(number->text(), QString::number(k + 1));
            laid.shown.push_back(Rgb(box->Image()));
            laid.faces.push_back(box->holdsCardFace());
        }
        for (int k = static_cast<int>(reading.arrCards.size()); k < 21; ++k) {
            EXPECT_TRUE(Table()->p(k)->isHidden()) << "box " << k;
        }
        laid.report = ReportBox().Text();
        return laid;
    }

    // Lays the reading out from sound pictures and from the damaged ones and compares.
    void expectDamageShowsNoFace(const ReadingRecord& reading, const std::map<std::size_t, Damage>& damages) {
        for (const auto& [k, how] : damages) damage(reading.arrCards[k], how);
        const Laid whole = lay(reading, sound.path());
        const Laid broken = lay(reading, damaged.path());
        ASSERT_EQ(broken.shown.size(), reading.arrCards.size());

        EXPECT_TRUE(messages.shown().empty()) << messages.texts().join(" | ").toStdString();
        EXPECT_EQ(broken.report, whole.report);
        EXPECT_TRUE(broken.report.contains(CardTitle(reading.arrCards.back())));
        for (std::size_t k = 0; k < reading.arrCards.size(); ++k) {
            const auto found = damages.find(k);
            if (found == damages.end()) {
                EXPECT_TRUE(broken.faces[k]) << "sound picture at box " << k;
                EXPECT_EQ(broken.shown[k], whole.shown[k]) << "sound picture at box " << k;
                continue;
            }
            const char* what = DamageName(found->second);
            for (std::size_t j = 0; j < whole.shown.size(); ++j) {
                if (j != k) EXPECT_NE(broken.shown[k], whole.shown[j]) << what << " picture at box " << k
                                                                       << " shows the card of box " << j;
            }
            // A picture cut short may still show the part of its own card that is there.
            if (found->second != Damage::CutShort) {
                EXPECT_FALSE(broken.faces[k]) << what << " picture at box " << k;
                EXPECT_NE(broken.shown[k], whole.shown[k]) << what << " picture at box " << k;
            }
        }
    }

    QTemporaryDir sound;
    QTemporaryDir damaged;
    std::vector<std::unique_ptr<filefaults::ScopedMode>> modes;
    QuitRecorder quits;
};

TEST_F(BrokenPictures, TheRomanySpreadWithEveryKindOfDamage) {
    const ReadingRecord reading{QStringLiteral("The Romany/ Gypsy Spread"),
                                QStringLiteral("r"),
                                {5, 0, 77, 21, 22, 40, 3, 9, 60, 13, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 41},
                                {0, 77, 40, 9, 33}};
    expectDamageShowsNoFace(reading, {{0, Damage::Missing},
                                      {1, Damage::NotAPicture},
                                      {2, Damage::Empty},
                                      {4, Damage::Folder},
                                      {5, Damage::CutShort},
                                      {7, Damage::HugeSize},
                                      {9, Damage::DanglingLink},
                                      {13, Damage::Unreadable},
                                      {20, Damage::ReadFails}});
}

TEST_F(BrokenPictures, TheCelticCrossWithItsCrossingAndReversedCardsDamaged) {
    const ReadingRecord reading{QStringLiteral("Celtic Cross"), QStringLiteral("r"), {5, 0, 77, 21, 22, 40, 3, 9, 60, 13},
                                {77, 9}};
    expectDamageShowsNoFace(reading, {{1, Damage::NotAPicture}, {2, Damage::HugeSize}, {7, Damage::CutShort}});
    // The crossing card's box still lies across the first card.
    const CardBox* crossing = Table()->p(1);
    EXPECT_GT(crossing->width(), crossing->height());
}

TEST_F(BrokenPictures, NoCardsFolderAtAllLeavesEveryBoxWithoutAFace) {
    const ReadingRecord reading{QStringLiteral("Three Cards"), QStringLiteral("r"), {14, 3, 60}, {3}};
    const Laid whole = lay(reading, sound.path());
    ASSERT_TRUE(QDir(damaged.path() + QStringLiteral("/cards")).removeRecursively());
    const Laid broken = lay(reading, damaged.path());
    ASSERT_EQ(broken.shown.size(), 3u);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(broken.report, whole.report);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_FALSE(broken.faces[k]) << k;
        for (const QImage& face : whole.shown) EXPECT_NE(broken.shown[k], face) << k;
    }
}

}  // namespace
