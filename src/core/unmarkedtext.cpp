#include "core/unmarkedtext.h"

#include <algorithm>

namespace {

// What the bytes up to the first NUL are as UTF-8, from the plainest to none. Pairs of half-width
// katakana in code page 932 (ﾐｿ, ﾅｽ) are valid two-byte UTF-8, but every Japanese character of
// UTF-8 takes three bytes: only a text with such a sequence cannot be code page 932 Japanese.
// The order matters: a text is of the highest kind of its parts.
enum class Utf8Kind {
    Ascii,    // no byte beyond ASCII
    TwoBytes, // valid UTF-8 whose sequences are all of two bytes
    Utf8,     // valid UTF-8 with a sequence of three or four bytes
    Other,
};

Utf8Kind classifyUtf8(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype size = bytes.size();
    Utf8Kind kind = Utf8Kind::Ascii;
    for (qsizetype i = 0; i < size;) {
        const uchar b = p[i];
        if (b == 0)
            break;
        if (b < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        uchar low = 0x80;  // the allowed range of the second byte, against overlong forms,
        uchar high = 0xBF; // surrogates and code points beyond U+10FFFF
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            low = b == 0xE0 ? 0xA0 : 0x80;
            high = b == 0xED ? 0x9F : 0xBF;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            low = b == 0xF0 ? 0x90 : 0x80;
            high = b == 0xF4 ? 0x8F : 0xBF;
        } else {
            return Utf8Kind::Other;
        }
        if (size - i < length || p[i + 1] < low || p[i + 1] > high)
            return Utf8Kind::Other;
        for (int k = 2; k < length; ++k) {
            if (p[i + k] < 0x80 || p[i + k] > 0xBF)
                return Utf8Kind::Other;
        }
        i += length;
        kind = std::max(kind, length == 2 ? Utf8Kind::TwoBytes : Utf8Kind::Utf8);
    }
    return kind;
}

} // namespace

namespace textfile {

bool isUtf8Text(QByteArrayView bytes) {
    return classifyUtf8(bytes) == Utf8Kind::Utf8;
}

} // namespace textfile
