// Feeds arbitrary bytes to the reading file's reader, as "&Open Previous Record" would.
// Checked for every input:
// - the reader changes no state; a refused file leaves the reading state as it was;
// - an accepted file names a spread of the catalogue, has exactly its card count, every id
//   0..77, deck "r" or "m", and holds just what its records say;
// - a file whose records are all sound, written as the program writes them, is accepted;
// - writing an accepted reading and reading it back gives the same reading, and putting it
//   through the replay and saving it again writes the same reading.
#include "catalogue/cards.h"
#include "catalogue/spreads.h"
#include "shell/readingfile.h"
#include "state/readingstate.h"

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

static bool operator==(const ReadingRecord& a, const ReadingRecord& b) {
    return a.strSpreadName == b.strSpreadName && a.strDeckLetter == b.strDeckLetter && a.arrCards == b.arrCards &&
           a.arrReversed == b.arrReversed;
}

namespace {

#define CHECK(condition)                                                                     \
    do {                                                                                     \
        if (!(condition)) {                                                                  \
            std::fprintf(stderr, "%s:%d: property does not hold: %s\n", __FILE__, __LINE__, \
                         #condition);                                                        \
            std::abort();                                                                    \
        }                                                                                    \
    } while (false)

bool SameState(const ReadingState& a, const ReadingState& b) {
    const ReadingOptions& o = a.options;
    const ReadingOptions& p = b.options;
    return o.blnMinorArcana == p.blnMinorArcana && o.blnMajorArcana == p.blnMajorArcana &&
           o.blnAllowReverse == p.blnAllowReverse && o.blnAutoCastPressed == p.blnAutoCastPressed &&
           o.blnManualPressed == p.blnManualPressed && a.reading.strSpreadName == b.reading.strSpreadName &&
           a.reading.lngCardCount == b.reading.lngCardCount && a.reading.lngSpreadIndex == b.reading.lngSpreadIndex &&
           a.reading.strDeckLetter == b.reading.strDeckLetter && a.reading.arrDrawnCards == b.reading.arrDrawnCards &&
           a.reading.arrReversedCards == b.reading.arrReversedCards &&
           a.reading.blnManualMode == b.reading.blnManualMode &&
           a.opened.blnReplayPending == b.opened.blnReplayPending &&
           a.opened.strOpenedSpreadName == b.opened.strOpenedSpreadName &&
           a.opened.arrOpenedCards == b.opened.arrOpenedCards &&
           a.opened.arrOpenedReversed == b.opened.arrOpenedReversed;
}

// A reading in progress with every option set, so that any change shows.
ReadingState EarlierState() {
    ReadingState state;
    state.options = {true, true, true, true, true};
    state.reading.strSpreadName = QStringLiteral("Romany Spread");
    state.reading.lngCardCount = 21;
    state.reading.lngSpreadIndex = 12;
    state.reading.strDeckLetter = QStringLiteral("m");
    state.reading.arrDrawnCards = {7, 8, 9};
    state.reading.arrReversedCards = {8};
    state.reading.blnManualMode = true;
    state.opened.strOpenedSpreadName = QStringLiteral("One Card");
    state.opened.arrOpenedCards = {42, 0};
    state.opened.arrOpenedReversed = {42};
    return state;
}

bool IsCardId(std::int32_t id) { return id >= 0 && id < kCardCount; }

// What the file's records say, read line by line as the reading file is laid out: a line
// ends at LF (a CR before it belongs to the line end), every byte is shifted down by 85 and
// bytes that would fall below 0 are dropped, the first character is the tag.
struct Records {
    QList<QByteArray> spreads;
    QList<QByteArray> decks;
    QList<QByteArray> cards;
    QList<QByteArray> reversed;
    bool veryLongLine = false;  // the shift passes no text this long
};

Records ReadRecords(const QByteArray& bytes) {
    Records records;
    qsizetype start = 0;
    while (start <= bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) end = bytes.size();
        qsizetype length = end - start;
        if (length > 0 && bytes.at(end - 1) == '\r') --length;
        const char* line = bytes.constData() + start;
        start = end + 1;
        if (length >= 32767) {
            records.veryLongLine = true;
            continue;
        }
        QByteArray plain;
        for (qsizetype i = 0; i < length; ++i) {
            const int code = static_cast<unsigned char>(line[i]) - 85;
            if (code >= 0) {
                if (plain.isEmpty() && code != 's' && code != 'd' && code != 'c' && code != 'r') break;
                plain.append(static_cast<char>(code));
            }
        }
        if (plain.isEmpty()) continue;
        const QByteArray value = plain.mid(1);
        switch (plain.at(0)) {
            case 's': records.spreads.append(value); break;
            case 'd': records.decks.append(value); break;
            case 'c': records.cards.append(value); break;
            case 'r': records.reversed.append(value); break;
            default: break;
        }
    }
    return records;
}

// Digits only, as the program writes an id: "0" to "77", no sign, no leading zero.
bool IsWrittenId(const QByteArray& value) {
    if (value.isEmpty() || value.size() > 2 || (value.size() == 2 && value.at(0) == '0')) return false;
    for (char c : value) {
        if (c < '0' || c > '9') return false;
    }
    return value.toInt() < kCardCount;
}

// A whole number 0..77, leading zeros allowed.
std::optional<std::int32_t> WholeId(const QByteArray& value) {
    if (value.isEmpty()) return std::nullopt;
    std::int32_t id = 0;
    for (char c : value) {
        if (c < '0' || c > '9') return std::nullopt;
        id = id * 10 + (c - '0');
        if (id >= kCardCount) return std::nullopt;
    }
    return id;
}

void CheckAccepted(const ReadingRecord& reading, const Records& records) {
    const TarotSpread* spread = SpreadByName(reading.strSpreadName);
    CHECK(spread != nullptr);
    CHECK(static_cast<std::int64_t>(reading.arrCards.size()) == spread->lngCardCount);
    CHECK(reading.strDeckLetter == QLatin1String("r") || reading.strDeckLetter == QLatin1String("m"));
    for (std::int32_t id : reading.arrCards) CHECK(IsCardId(id));
    for (std::int32_t id : reading.arrReversed) CHECK(IsCardId(id));

    // Just what the records say, in their order.
    CHECK(records.spreads.size() == 1 && QString::fromLatin1(records.spreads[0]) == reading.strSpreadName);
    CHECK(records.decks.size() == 1 && QString::fromLatin1(records.decks[0]) == reading.strDeckLetter);
    CHECK(records.cards.size() == static_cast<qsizetype>(reading.arrCards.size()));
    for (qsizetype i = 0; i < records.cards.size(); ++i) {
        CHECK(WholeId(records.cards[i]) == reading.arrCards[static_cast<std::size_t>(i)]);
    }
    CHECK(records.reversed.size() == static_cast<qsizetype>(reading.arrReversed.size()));
    for (qsizetype i = 0; i < records.reversed.size(); ++i) {
        CHECK(WholeId(records.reversed[i]) == reading.arrReversed[static_cast<std::size_t>(i)]);
    }

    // Written and read back: the same reading, and the same bytes once more.
    const QByteArray written = WriteReadingFile(reading);
    const std::optional<ReadingRecord> again = ReadReadingFile(written);
    CHECK(again.has_value());
    CHECK(*again == reading);
    CHECK(WriteReadingFile(*again) == written);
}

// A file every record of which is sound, with ids as the program writes them.
bool WrittenSoundly(const QByteArray& bytes, const Records& records) {
    if (bytes.size() > kLongestReadingFile || records.veryLongLine) return false;
    if (records.spreads.size() != 1 || records.decks.size() != 1) return false;
    const TarotSpread* spread = SpreadByName(QString::fromLatin1(records.spreads[0]));
    if (!spread || records.cards.size() != spread->lngCardCount) return false;
    if (records.decks[0] != "r" && records.decks[0] != "m") return false;
    if (records.reversed.size() > 32767) return false;
    for (const QByteArray& value : records.cards) {
        if (!IsWrittenId(value)) return false;
    }
    for (const QByteArray& value : records.reversed) {
        if (!IsWrittenId(value)) return false;
    }
    return true;
}

void CheckReplay(ReadingState& state, const ReadingRecord& reading) {
    PrepareReplay(state, reading);
    CardArray withSpare = reading.arrCards;
    withSpare.push_back(0);
    CHECK(state.opened.blnReplayPending);
    CHECK(state.opened.strOpenedSpreadName == reading.strSpreadName);
    CHECK(state.opened.arrOpenedCards == withSpare);
    CHECK(state.opened.arrOpenedReversed == reading.arrReversed);
    CHECK(state.reading.strDeckLetter == reading.strDeckLetter);
    CHECK(!state.options.blnMinorArcana && !state.options.blnMajorArcana && !state.options.blnAllowReverse);
    CHECK(!state.options.blnAutoCastPressed && !state.options.blnManualPressed && !state.reading.blnManualMode);

    FinishReplay(state);
    CHECK(!state.opened.blnReplayPending);
    // "&Save" after the open writes the opened reading back.
    CHECK(CurrentReading(state) == reading);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Records records = ReadRecords(bytes);

    static const ReadingState earlier = EarlierState();
    ReadingState& state = State();
    state = earlier;
    const std::optional<ReadingRecord> reading = ReadReadingFile(bytes);
    CHECK(SameState(state, earlier));

    if (WrittenSoundly(bytes, records)) CHECK(reading.has_value());
    if (reading) {
        CheckAccepted(*reading, records);
        CheckReplay(state, *reading);
    }
    return 0;
}
