// Feeds arbitrary bytes to EncodeText and DecodeText. Checked for every input:
// - EncodeText keeps every byte whose shifted code stays within 0..255, in order, each 85
//   higher, and drops the others; DecodeText the same 85 lower;
// - DecodeText(EncodeText(x)) is x for every x of codes 0..170, EncodeText(DecodeText(y)) is
//   y for every y of codes 85..255;
// - neither ever gives more bytes than it was given.
// Before the first input, texts around the longest one the shift passes are checked the same way.
#include "shell/textshift.h"

#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

#define CHECK(condition)                                                                     \
    do {                                                                                     \
        if (!(condition)) {                                                                  \
            std::fprintf(stderr, "%s:%d: property does not hold: %s\n", __FILE__, __LINE__, \
                         #condition);                                                        \
            std::abort();                                                                    \
        }                                                                                    \
    } while (false)

// Texts of this many characters or more come back empty; shorter ones are shifted in full.
constexpr qsizetype kTooLong = 32768;

QByteArray Keep(const QByteArray& text, int lowest, int highest) {
    QByteArray kept(text.size(), Qt::Uninitialized);
    qsizetype n = 0;
    for (const char c : text) {
        const int code = static_cast<unsigned char>(c);
        if (code >= lowest && code <= highest) kept.data()[n++] = c;
    }
    kept.truncate(n);
    return kept;
}

bool AllWithin(const QByteArray& text, int lowest, int highest) { return Keep(text, lowest, highest) == text; }

void CheckShifted(const QByteArray& text) {
    const QByteArray original = text;
    const QByteArray encoded = EncodeText(text);
    const QByteArray decoded = DecodeText(text);
    CHECK(text == original);

    if (text.size() >= kTooLong) {
        CHECK(encoded.isEmpty());
        CHECK(decoded.isEmpty());
        return;
    }
    if (text.size() == kTooLong - 1) {
        // The one length the position counter cannot quite pass: all or nothing.
        CHECK(encoded.isEmpty() || encoded.size() == Keep(text, 0, 170).size());
        CHECK(decoded.isEmpty() || decoded.size() == Keep(text, 85, 255).size());
        return;
    }

    const QByteArray encodable = Keep(text, 0, 170);
    const QByteArray decodable = Keep(text, 85, 255);
    CHECK(encoded.size() == encodable.size());
    CHECK(decoded.size() == decodable.size());
    CHECK(AllWithin(encoded, 85, 255));
    CHECK(AllWithin(decoded, 0, 170));
    const auto* e = reinterpret_cast<const unsigned char*>(encoded.constData());
    const auto* p = reinterpret_cast<const unsigned char*>(encodable.constData());
    for (qsizetype i = 0; i < encoded.size(); ++i) CHECK(e[i] == p[i] + 85);
    const auto* d = reinterpret_cast<const unsigned char*>(decoded.constData());
    const auto* q = reinterpret_cast<const unsigned char*>(decodable.constData());
    for (qsizetype i = 0; i < decoded.size(); ++i) CHECK(d[i] + 85 == q[i]);

    CHECK(DecodeText(encoded) == encodable);
    CHECK(EncodeText(decoded) == decodable);
    if (AllWithin(text, 0, 170)) CHECK(DecodeText(EncodeText(text)) == text);
    if (AllWithin(text, 85, 255)) CHECK(EncodeText(DecodeText(text)) == text);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    QByteArray everyCode;
    for (int code = 0; code < 256; ++code) everyCode.append(static_cast<char>(code));
    const QByteArray patterns[] = {everyCode, everyCode.left(171), everyCode.mid(85), QByteArray("\r\n"),
                                   QByteArray(1, '\0')};
    for (const QByteArray& pattern : patterns) {
        for (const qsizetype length : {kTooLong - 2, kTooLong - 1, kTooLong, kTooLong + 1, 2 * kTooLong}) {
            QByteArray text;
            while (text.size() < length) text += pattern;
            text.truncate(length);
            CheckShifted(text);
        }
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckShifted(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    return 0;
}
