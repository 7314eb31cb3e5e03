#include "shell/textshift.h"

namespace {
constexpr int kShift = 85;
// The 16-bit position counter of the original cannot pass texts this long.
constexpr qsizetype kLongestText = 32767;

QByteArray Shift(const QByteArray& text, int by) {
    QByteArray result;
    if (text.size() >= kLongestText) return result;
    result.reserve(text.size());
    for (char c : text) {
        const int code = static_cast<unsigned char>(c) + by;
        if (code >= 0 && code <= 255) result.append(static_cast<char>(code));
    }
    return result;
}
}  // namespace

QByteArray EncodeText(const QByteArray& text) { return Shift(text, kShift); }
QByteArray DecodeText(const QByteArray& text) { return Shift(text, -kShift); }
