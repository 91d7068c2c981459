#include "core/textfile.h"

#include "core/apperror.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <cerrno>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t MiddleDot = u'・'; // what Windows gives for bytes it cannot convert

constexpr QByteArrayView Utf8Mark("\xEF\xBB\xBF");
constexpr QByteArrayView Utf16LeMark("\xFF\xFE");
constexpr QByteArrayView Utf16BeMark("\xFE\xFF");

constexpr bool isLeadByte(uchar b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

constexpr bool isTrailByte(uchar b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

// Code page 932 both ways, built once from ICU's Shift_JIS and corrected where ICU differs from
// Windows. Encoding is the exact inverse of decoding, so whatever encodes decodes back unchanged.
struct Cp932Tables {
    std::array<char16_t, 256> single{}; // characters of the bytes that are not lead bytes
    std::vector<char16_t> pairs;        // by lead << 8 | trail; 0 where the pair has no character
    std::vector<quint16> codes;         // by character: one byte, or lead << 8 | trail; 0 for none
};

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

Cp932Tables buildTables() {
    Cp932Tables t;

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
        if (!isLeadByte(uchar(lead)))
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (!isTrailByte(uchar(trail)))
                continue;
            const char pair[2] = {char(lead), char(trail)};
            t.pairs[lead << 8 | trail] = decodeWithIcu(QByteArrayView(pair, 2));
        }
    }

    t.codes.assign(0x10000, 0);
    for (int b = 1; b < 0x100; ++b) {
        if (!isLeadByte(uchar(b)) && t.single[b] != 0)
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

const Cp932Tables& cp932() {
    static const Cp932Tables tables = buildTables();
    return tables;
}

QString decodeUnicode(QStringDecoder::Encoding encoding, QByteArrayView bytes) {
    // The mark is already cut off: a second one is text. A truncated last character shows as U+FFFD.
    QStringDecoder decoder(encoding,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    // A damaged UTF-16 file can hold half of a surrogate pair, which no encoding can write back:
    // it shows, and is saved, as U+FFFD.
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

QByteArray encodeUnicode(QStringEncoder::Encoding encoding, QByteArrayView mark, const QString& text) {
    QStringEncoder encoder(encoding);
    return mark.toByteArray() + QByteArray(encoder.encode(text));
}

QStringList splitLines(QStringView text) {
    QStringList lines;
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.sliced(start, i - start).toString());
        if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.sliced(start).toString());
    return lines;
}

// The user's text for a failed file operation: errno where the call left one, else Qt's text.
QString failureText(const QIODevice& device, const QString& path, int savedErrno) {
    if (savedErrno != 0)
        return errors::systemText(savedErrno);
    if (QFileInfo(path).isDir())
        return errors::systemText(EISDIR);
    return device.errorString();
}

} // namespace

namespace textfile {

QString decodeCp932(QByteArrayView bytes) {
    const Cp932Tables& t = cp932();
    const auto* src = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype size = bytes.size();
    QString text(size, Qt::Uninitialized);
    char16_t* const begin = reinterpret_cast<char16_t*>(text.data());
    char16_t* dst = begin;
    for (qsizetype i = 0; i < size;) {
        const uchar b = src[i];
        if (!isLeadByte(b)) {
            *dst++ = t.single[b];
            ++i;
        } else if (i + 1 == size || src[i + 1] < 0x20) {
            // A control byte after a lead byte stays itself, so a broken pair cannot swallow a
            // line break or the NUL that ends the text.
            *dst++ = MiddleDot;
            ++i;
        } else {
            const char16_t c = t.pairs[b << 8 | src[i + 1]];
            *dst++ = c != 0 ? c : MiddleDot;
            i += 2;
        }
    }
    text.truncate(dst - begin);
    return text;
}

QByteArray encodeCp932(QStringView text, bool* ok) {
    const Cp932Tables& t = cp932();
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    char* dst = bytes.data();
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        const quint16 code = t.codes[c];
        if (code == 0 && c != 0) {
            if (ok)
                *ok = false;
            return {};
        }
        if (code > 0xFF)
            *dst++ = char(code >> 8);
        *dst++ = char(code & 0xFF);
    }
    bytes.truncate(dst - bytes.data());
    if (ok)
        *ok = true;
    return bytes;
}

DecodedText decode(QByteArrayView bytes) {
    DecodedText result;
    QString text;
    if (bytes.startsWith(Utf16LeMark)) {
        result.encoding = TextEncoding::Utf16LeBom;
        text = decodeUnicode(QStringDecoder::Utf16LE, bytes.sliced(Utf16LeMark.size()));
    } else if (bytes.startsWith(Utf16BeMark)) {
        result.encoding = TextEncoding::Utf16BeBom;
        text = decodeUnicode(QStringDecoder::Utf16BE, bytes.sliced(Utf16BeMark.size()));
    } else if (bytes.startsWith(Utf8Mark)) {
        result.encoding = TextEncoding::Utf8Bom;
        text = decodeUnicode(QStringDecoder::Utf8, bytes.sliced(Utf8Mark.size()));
    } else {
        result.encoding = TextEncoding::Cp932;
        text = decodeCp932(bytes);
    }
    const qsizetype nul = text.indexOf(QChar(0));
    result.lines = splitLines(nul < 0 ? QStringView(text) : QStringView(text).left(nul));
    return result;
}

QByteArray encode(const QStringList& lines, TextEncoding preferred, TextEncoding* used) {
    qsizetype length = 0;
    for (const QString& line : lines)
        length += line.size() + 2;
    QString text;
    text.reserve(length);
    for (const QString& line : lines) {
        text += line;
        text += u"\r\n";
    }

    TextEncoding encoding = preferred;
    QByteArray bytes;
    switch (preferred) {
    case TextEncoding::Cp932: {
        bool ok = false;
        bytes = encodeCp932(text, &ok);
        if (ok)
            break;
        // Nothing typed may turn into a substitute character: UTF-8 holds every character.
        encoding = TextEncoding::Utf8Bom;
        bytes = encodeUnicode(QStringEncoder::Utf8, Utf8Mark, text);
        break;
    }
    case TextEncoding::Utf8Bom:
        bytes = encodeUnicode(QStringEncoder::Utf8, Utf8Mark, text);
        break;
    case TextEncoding::Utf16LeBom:
        bytes = encodeUnicode(QStringEncoder::Utf16LE, Utf16LeMark, text);
        break;
    case TextEncoding::Utf16BeBom:
        bytes = encodeUnicode(QStringEncoder::Utf16BE, Utf16BeMark, text);
        break;
    }
    if (used)
        *used = encoding;
    return bytes;
}

bool hasLineBreakOrNul(QStringView line) {
    for (const QChar c : line) {
        if (c == u'\r' || c == u'\n' || c.unicode() == 0)
            return true;
    }
    return false;
}

QString lineBreakRefusalText() {
    return u"改行を含む行は書き込めません"_s;
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        throw errors::fileOpen(path, failureText(file, path, errno));
    errno = 0;
    QByteArray bytes = file.readAll();
    const int readErrno = errno;
    if (file.error() != QFileDevice::NoError)
        throw errors::fileOpen(path, failureText(file, path, readErrno));
    return bytes;
}

DecodedText readFile(const QString& path) {
    return decode(readBytes(path));
}

void writeTo(QIODevice& device, const QString& path, const QByteArray& bytes) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        errno = 0;
        const qint64 n = device.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            throw errors::fileCreate(path, failureText(device, path, errno));
        written += n;
    }
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Where the folder refuses the temporary file but the file itself may be written.
    file.setDirectWriteFallback(true);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        throw errors::fileCreate(path, failureText(file, path, errno));
    writeTo(file, path, bytes); // on failure the unsaved temporary file is discarded
    errno = 0;
    if (!file.commit())
        throw errors::fileCreate(path, failureText(file, path, errno));
}

void writeFile(const QString& path, const QStringList& lines, TextEncoding preferred) {
    for (const QString& line : lines) {
        if (hasLineBreakOrNul(line))
            throw errors::fileCreate(path, lineBreakRefusalText());
    }
    writeBytes(path, encode(lines, preferred));
}

} // namespace textfile
