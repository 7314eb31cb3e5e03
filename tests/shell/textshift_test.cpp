// The text shift: every character 85 codes up or down, a character whose code would leave
// 0..255 left out, and texts too long to count given back empty.
#include "shell/textshift.h"
#include "support/qtprinting.h"

#include <gtest/gtest.h>

namespace {

QByteArray Codes(std::initializer_list<int> codes) {
    QByteArray bytes;
    for (int code : codes) bytes.append(static_cast<char>(code));
    return bytes;
}

struct ShiftCase {
    const char* what;
    QByteArray (*shift)(const QByteArray&);
    QByteArray text;
    QByteArray expected;
};

const ShiftCase kCases[] = {
    {"abc up", EncodeText, "abc", Codes({182, 183, 184})},
    {"abc back down", DecodeText, Codes({182, 183, 184}), "abc"},
    {"the settings key name up", EncodeText, "Duration", Codes({153, 202, 199, 182, 201, 190, 196, 195})},
    {"the settings key name back down", DecodeText, Codes({153, 202, 199, 182, 201, 190, 196, 195}), "Duration"},
    {"CR and LF up", EncodeText, "\r\n", "b_"},
    {"CR and LF back down", DecodeText, "b_", "\r\n"},
    {"a plain d down", DecodeText, "d", Codes({15})},
    {"nothing up", EncodeText, "", ""},
    {"nothing down", DecodeText, "", ""},
    {"170 up is the highest code", EncodeText, Codes({170}), Codes({255})},
    {"above 170 up is left out", EncodeText, Codes({171}), ""},
    {"only codes above 170 up", EncodeText, Codes({171, 200, 233, 255}), ""},
    {"an e acute among letters up", EncodeText, Codes({97, 233, 98}), Codes({182, 183})},
    {"an e acute among letters up and down", DecodeText, EncodeText(Codes({97, 233, 98})), "ab"},
    {"85 down is code 0", DecodeText, Codes({85}), Codes({0})},
    {"below 85 down is left out", DecodeText, Codes({84, 0, 65, 84}), ""},
    {"an unshifted line down", DecodeText, "Tu 1d", Codes({32, 15})},
    {"32766 characters up", EncodeText, QByteArray(32766, 'a'), QByteArray(32766, static_cast<char>(182))},
    {"32766 characters down", DecodeText, QByteArray(32766, static_cast<char>(182)), QByteArray(32766, 'a')},
    {"32768 characters up", EncodeText, QByteArray(32768, 'a'), ""},
    {"32768 characters down", DecodeText, QByteArray(32768, static_cast<char>(182)), ""},
    {"40000 characters up", EncodeText, QByteArray(40000, 'a'), ""},
};

}  // namespace

TEST(TextShift, EveryCaseShiftsAsWritten) {
    for (const ShiftCase& c : kCases) {
        SCOPED_TRACE(c.what);
        const QByteArray shifted = c.shift(c.text);
        EXPECT_EQ(shifted.size(), c.expected.size());
        EXPECT_TRUE(shifted == c.expected) << shifted.toHex(' ').left(120).toStdString();
    }
}
