// The static code page 932 tables against ICU's converter: every byte, every pair and every
// character convert exactly as the tables built from ICU at run time would convert them.
#include "core/textfile.h"
#include "cp932/icutables.h"

#include <gtest/gtest.h>

TEST(Cp932Tables, MatchTheTablesBuiltFromIcu) {
    const Cp932IcuTables icu = buildCp932FromIcu();
    for (int b = 0; b < 256; ++b) {
        if (isCp932LeadByte(uchar(b)))
            continue;
        const char byte = char(b);
        ASSERT_EQ(textfile::decodeCp932(QByteArrayView(&byte, 1)), QString(QChar(icu.single[b]))) << b;
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isCp932LeadByte(uchar(lead)))
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (!isCp932TrailByte(uchar(trail)))
                continue;
            const char pair[2] = {char(lead), char(trail)};
            const char16_t expected = icu.pairs[lead << 8 | trail];
            ASSERT_EQ(textfile::decodeCp932(QByteArrayView(pair, 2)),
                      QString(QChar(expected ? expected : u'・')))
                << std::hex << lead << " " << trail;
        }
    }
    for (int c = 1; c < 0x10000; ++c) {
        const char16_t character = char16_t(c);
        bool ok = false;
        const QByteArray bytes = textfile::encodeCp932(QStringView(&character, 1), &ok);
        const quint16 code = icu.codes[c];
        ASSERT_EQ(ok, code != 0) << std::hex << c;
        if (!ok)
            continue;
        QByteArray expected;
        if (code > 0xFF)
            expected += char(code >> 8);
        expected += char(code & 0xFF);
        ASSERT_EQ(bytes, expected) << std::hex << c;
    }
}
