#include "shell/readingfile.h"

#include "catalogue/cards.h"
#include "catalogue/spreads.h"
#include "shell/textshift.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

namespace {
// The original counted records in 16-bit counters.
constexpr int kMostRecords = 32767;

void AppendRecord(QByteArray& file, char tag, const QString& value) {
    file += EncodeText(QByteArray(1, tag));
    file += EncodeText(value.toLatin1());
    file += "\r\n";
}

// A card id written as a whole number 0..77 in decimal digits.
std::optional<std::int32_t> CardId(const QByteArray& value) {
    if (value.isEmpty() || value.size() > 9) return std::nullopt;
    for (char c : value) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    const int id = value.toInt();
    if (id < 0 || id >= kCardCount) return std::nullopt;
    return id;
}
}  // namespace

QByteArray WriteReadingFile(const ReadingRecord& reading) {
    QByteArray file;
    AppendRecord(file, 's', reading.strSpreadName);
    AppendRecord(file, 'd', reading.strDeckLetter);
    for (std::int32_t id : reading.arrCards) AppendRecord(file, 'c', QString::number(id));
    for (std::int32_t id : reading.arrReversed) AppendRecord(file, 'r', QString::number(id));
    return file;
}

std::optional<ReadingRecord> ReadReadingFile(const QByteArray& bytes) {
    if (bytes.size() > kLongestReadingFile) return std::nullopt;

    ReadingRecord reading;
    int spreadRecords = 0;
    int deckRecords = 0;
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        const QByteArray record = DecodeText(line);
        if (record.isEmpty()) continue;
        const QByteArray value = record.mid(1);
        switch (record.at(0)) {
            case 's':
                ++spreadRecords;
                reading.strSpreadName = QString::fromLatin1(value);
                break;
            case 'd':
                ++deckRecords;
                reading.strDeckLetter = QString::fromLatin1(value);
                break;
            case 'c':
            case 'r': {
                const auto id = CardId(value);
                if (!id) return std::nullopt;
                CardArray& list = record.at(0) == 'c' ? reading.arrCards : reading.arrReversed;
                if (list.size() >= static_cast<size_t>(kMostRecords)) return std::nullopt;
                list.push_back(*id);
                break;
            }
            default:
                break;
        }
    }

    if (spreadRecords != 1 || deckRecords != 1) return std::nullopt;
    const TarotSpread* spread = SpreadByName(reading.strSpreadName);
    if (!spread) return std::nullopt;
    if (reading.strDeckLetter != QLatin1String("r") && reading.strDeckLetter != QLatin1String("m")) return std::nullopt;
    if (static_cast<std::int64_t>(reading.arrCards.size()) != spread->lngCardCount) return std::nullopt;
    return reading;
}

std::optional<ReadingRecord> ReadReadingFileAt(const QString& path) {
    // Only a plain file: opening a named pipe would wait for a writer for ever.
    if (!QFileInfo(path).isFile()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.read(kLongestReadingFile + 1);
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return ReadReadingFile(bytes);
}

ReadingRecord CurrentReading(const ReadingState& state) {
    ReadingRecord reading;
    reading.strSpreadName = state.reading.strSpreadName;
    reading.strDeckLetter = state.reading.strDeckLetter;
    reading.arrCards = state.reading.arrDrawnCards;
    if (!state.reading.blnManualMode && !reading.arrCards.empty()) reading.arrCards.pop_back();
    reading.arrReversed = state.reading.arrReversedCards;
    return reading;
}

void PrepareReplay(ReadingState& state, const ReadingRecord& reading) {
    state.opened.strOpenedSpreadName = reading.strSpreadName;
    state.reading.strDeckLetter = reading.strDeckLetter;
    state.opened.arrOpenedCards = reading.arrCards;
    state.opened.arrOpenedCards.push_back(0);  // the spare element
    state.opened.arrOpenedReversed = reading.arrReversed;

    state.options.blnMinorArcana = false;
    state.options.blnMajorArcana = false;
    state.options.blnAllowReverse = false;
    state.options.blnAutoCastPressed = false;
    state.options.blnManualPressed = false;
    state.reading.blnManualMode = false;

    state.opened.blnReplayPending = true;
}

void FinishReplay(ReadingState& state) {
    state.reading.strSpreadName = state.opened.strOpenedSpreadName;
    state.reading.arrDrawnCards = state.opened.arrOpenedCards;
    state.reading.arrReversedCards = state.opened.arrOpenedReversed;
    state.reading.blnManualMode = false;
    state.opened.blnReplayPending = false;
}
