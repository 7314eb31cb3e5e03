#pragma once
// The reading file: one record per line, a tag character and its value, the whole record
// shifted (EncodeText), every line ended by CR LF. Bytes in, bytes out (Latin-1).
//   s<spread name>   d<deck letter>   c<card id> per position   r<card id> per reversed card
#include "state/readingstate.h"

#include <QByteArray>
#include <QString>
#include <optional>

// A reading as a reading file holds it.
struct ReadingRecord {
    QString strSpreadName;
    QString strDeckLetter;
    CardArray arrCards;     // one card id per position, position 0 first
    CardArray arrReversed;  // the ids of the reversed cards, in position order
};

// Files longer than this are no reading files; a real one is a few hundred bytes.
inline constexpr qint64 kLongestReadingFile = 1 << 20;

// The file's bytes: s, d, every c, every r record.
QByteArray WriteReadingFile(const ReadingRecord& reading);

// The reading the bytes hold, or nothing unless the whole file is sound: exactly one "s"
// record naming a spread of the catalogue, exactly one "d" record of "r" or "m", as many "c"
// records as that spread has positions, and every "c" and "r" value a whole number 0..77.
// Lines may end in CR LF or LF; lines that start with no tag are skipped.
std::optional<ReadingRecord> ReadReadingFile(const QByteArray& bytes);
// The same for the file at the path; nothing also when it is no plain file or cannot be read.
std::optional<ReadingRecord> ReadReadingFileAt(const QString& path);

// The current reading as "&Save" writes it: an automatic cast's spare element is left out.
ReadingRecord CurrentReading(const ReadingState& state);

// Puts an accepted file into the opened reading and raises the replay flag. The deck letter
// goes to the current reading; the options, both button flags and the manual flag are cleared
// so that no earlier reading acts on the replay.
void PrepareReplay(ReadingState& state, const ReadingRecord& reading);

// After the replay: the opened reading becomes the current reading, so that saving it again
// writes the same cards, and the replay flag is down whatever the replay did.
void FinishReplay(ReadingState& state);
