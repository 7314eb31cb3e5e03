// Writes the fuzz targets' first inputs with the program's own writer and text shift:
//   makeseeds <folder>
// <folder>/readingfile/  one reading file per spread and deck, without and with reversed cards,
//                        and the Three Cards example (14, 3, 60 of the first deck, 3 reversed)
// <folder>/textshift/    texts and their shifted forms
// <folder>/readingfile.dict  the shifted tags, deck letters, ids and spread names
#include "catalogue/cards.h"
#include "catalogue/spreads.h"
#include "shell/readingfile.h"
#include "shell/textshift.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdio>

namespace {

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        std::fprintf(stderr, "makeseeds: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// A libFuzzer dictionary entry: every byte as \xNN.
QByteArray DictEntry(const QByteArray& bytes) {
    QByteArray entry = "\"";
    for (char c : bytes) entry += "\\x" + QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
    return entry + "\"\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeseeds <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString files = folder + QStringLiteral("/readingfile");
    const QString texts = folder + QStringLiteral("/textshift");
    if (!QDir().mkpath(files) || !QDir().mkpath(texts)) return 1;
    bool ok = true;

    for (const TarotSpread& spread : Spreads()) {
        for (const char* letter : {"r", "m"}) {
            ReadingRecord reading{spread.strDisplayName, QString::fromLatin1(letter), {}, {}};
            // Distinct cards spread over the whole deck, so both ends and the middle occur.
            for (int k = 0; k < spread.lngCardCount; ++k) {
                reading.arrCards.push_back((spread.intIndex * 11 + k * 29 + (letter[0] == 'm' ? 40 : 0)) % kCardCount);
            }
            const QString stem = files + QStringLiteral("/%1%2-").arg(spread.intIndex, 2, 10, QLatin1Char('0')).arg(letter);
            ok &= Write(stem + QStringLiteral("upright.trs"), WriteReadingFile(reading));
            for (std::size_t k = 0; k < reading.arrCards.size(); k += 2) reading.arrReversed.push_back(reading.arrCards[k]);
            ok &= Write(stem + QStringLiteral("reversed.trs"), WriteReadingFile(reading));
        }
    }
    const ReadingRecord example{QStringLiteral("Three Cards"), QStringLiteral("r"), {14, 3, 60}, {3}};
    QByteArray exampleFile = WriteReadingFile(example);
    ok &= Write(files + QStringLiteral("/example-three-cards.trs"), exampleFile);
    ok &= Write(files + QStringLiteral("/example-three-cards-lf.trs"), exampleFile.replace("\r\n", "\n"));

    const QByteArray plain[] = {
        QByteArray(),
        QByteArray("abc"),
        QByteArray("Duration"),
        QByteArray("2010-02-09"),
        QByteArray("sCeltic Cross\r\ndr\r\nc0\r\nc77\r\n"),
        QByteArray("caf\xE9 \xFF\x80\x55\x54\x00", 10),
    };
    int n = 0;
    for (const QByteArray& text : plain) {
        ok &= Write(texts + QStringLiteral("/plain%1").arg(n), text);
        ok &= Write(texts + QStringLiteral("/shifted%1").arg(n), EncodeText(text));
        ++n;
    }

    QByteArray dict;
    for (const char* record : {"s", "d", "c", "r", "dr", "dm", "c0", "c77", "r0", "r77"}) dict += DictEntry(EncodeText(record));
    for (const TarotSpread& spread : Spreads()) dict += DictEntry(EncodeText(("s" + spread.strDisplayName).toLatin1()));
    dict += DictEntry("\r\n");
    ok &= Write(folder + QStringLiteral("/readingfile.dict"), dict);

    return ok ? 0 : 1;
}
