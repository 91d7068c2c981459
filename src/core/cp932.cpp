#include "core/cp932.h"

#include <vector>

namespace {

constexpr char16_t MiddleDot = u'・'; // what Windows gives for bytes it cannot convert

constexpr bool isLeadByte(uchar b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

#include "core/cp932data.inc"

// The character of a lead and a trail byte, read from the static table above; 0 where the pair
// has no character.
char16_t cp932Pair(uchar lead, uchar trail) {
    if (trail < 0x40 || trail > 0xFC)
        return 0;
    // The rows are the lead bytes 0x81 to 0x9F, then 0xE0 to 0xFC.
    const int row = lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + (0x9F - 0x81 + 1);
    return Cp932Pairs[row * Cp932Trails + trail - 0x40];
}

// Encoding, by character: one byte, or lead << 8 | trail; 0 for none. Made from the static data
// at the first encoding (a few tens of microseconds), as the exact inverse of decoding, so that
// whatever encodes decodes back unchanged; a program that only reads never makes it.
const std::vector<quint16>& cp932Codes() {
    static const std::vector<quint16> codes = [] {
        std::vector<quint16> t(0x10000, 0);
        for (int b = 1; b < 0x100; ++b) {
            if (!isLeadByte(uchar(b)) && Cp932Single[b] != 0)
                t[Cp932Single[b]] = quint16(b);
        }
        for (int code = 0x8100; code < 0x10000; ++code) {
            if (!isLeadByte(uchar(code >> 8)))
                continue;
            const char16_t c = cp932Pair(uchar(code >> 8), uchar(code & 0xFF));
            if (c != 0 && t[c] == 0)
                t[c] = quint16(code);
        }
        for (const auto& [character, code] : Cp932Preferred)
            t[character] = code;
        return t;
    }();
    return codes;
}

} // namespace

namespace textfile {

QString decodeCp932(QByteArrayView bytes) {
    const auto* src = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype size = bytes.size();
    QString text(size, Qt::Uninitialized);
    char16_t* const begin = reinterpret_cast<char16_t*>(text.data());
    char16_t* dst = begin;
    for (qsizetype i = 0; i < size;) {
        const uchar b = src[i];
        if (!isLeadByte(b)) {
            *dst++ = Cp932Single[b];
            ++i;
        } else if (i + 1 == size || src[i + 1] < 0x20) {
            // A control byte after a lead byte stays itself, so a broken pair cannot swallow a
            // line break or the NUL that ends the text.
            *dst++ = MiddleDot;
            ++i;
        } else {
            const char16_t c = cp932Pair(b, src[i + 1]);
            *dst++ = c != 0 ? c : MiddleDot;
            i += 2;
        }
    }
    text.truncate(dst - begin);
    return text;
}

bool encodeCp932Into(QStringView text, char*& dst) {
    const quint16* const codes = cp932Codes().data();
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        const quint16 code = codes[c];
        if (code == 0 && c != 0)
            return false;
        if (code > 0xFF)
            *dst++ = char(code >> 8);
        *dst++ = char(code & 0xFF);
    }
    return true;
}

QByteArray encodeCp932(QStringView text, bool* ok) {
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    char* dst = bytes.data();
    if (!encodeCp932Into(text, dst)) {
        if (ok)
            *ok = false;
        return {};
    }
    bytes.truncate(dst - bytes.data());
    if (ok)
        *ok = true;
    return bytes;
}

} // namespace textfile
