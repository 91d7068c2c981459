#include "icutables.h"

#include <QByteArrayView>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// A fresh converter each time: resetState() does not clear an ICU converter's error flag.
char16_t decodeWithIcu(QByteArrayView bytes) {
    QStringDecoder decoder("Shift_JIS");
    Q_ASSERT(decoder.isValid());
    const QString text = decoder.decode(bytes);
    if (decoder.hasError() || text.size() != 1)
        return 0;
    const char16_t c = text.front().unicode();
    // ICU reports a pair it cannot convert as the substitute character, not as an error.
    return c == 0x1A || c == 0xFFFD ? 0 : c;
}

} // namespace

Cp932IcuTables buildCp932FromIcu() {
    Cp932IcuTables t;

    // ICU follows IBM in swapping 1A, 1C and 7F and knows nothing of 80, A0 and FD-FF.
    for (int b = 0; b < 0x80; ++b)
        t.single[b] = char16_t(b);
    t.single[0x80] = 0x0080;
    t.single[0xA0] = 0xF8F0;
    t.single[0xFD] = 0xF8F1;
    t.single[0xFE] = 0xF8F2;
    t.single[0xFF] = 0xF8F3;
    for (int b = 0xA1; b <= 0xDF; ++b) {
        const char byte = char(b);
        t.single[b] = decodeWithIcu(QByteArrayView(&byte, 1));
    }

    t.pairs.assign(0x10000, 0);
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isCp932LeadByte(uchar(lead)))
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (!isCp932TrailByte(uchar(trail)))
                continue;
            const char pair[2] = {char(lead), char(trail)};
            t.pairs[lead << 8 | trail] = decodeWithIcu(QByteArrayView(pair, 2));
        }
    }

    t.codes.assign(0x10000, 0);
    for (int b = 1; b < 0x100; ++b) {
        if (!isCp932LeadByte(uchar(b)) && t.single[b] != 0)
            t.codes[t.single[b]] = quint16(b);
    }
    // Some characters have two or three pairs; ICU's encoder knows which one Windows writes.
    for (int code = 0x8100; code < 0x10000; ++code) {
        const char16_t c = t.pairs[code];
        if (c == 0 || t.codes[c] != 0)
            continue;
        t.codes[c] = quint16(code);
        QStringEncoder encoder("Shift_JIS");
        const QByteArray preferred = encoder.encode(QStringView(&c, 1));
        if (!encoder.hasError() && preferred.size() == 2) {
            const int other = uchar(preferred[0]) << 8 | uchar(preferred[1]);
            if (t.pairs[other] == c)
                t.codes[c] = quint16(other);
        }
    }
    return t;
}
