#include "core/textfile.h"

#include "core/apperror.h"
#include "core/unmarkedtext.h"

#include <QStringDecoder>
#include <QStringEncoder>

using namespace Qt::StringLiterals;

namespace textfile {

namespace {

constexpr QByteArrayView Utf8Mark("\xEF\xBB\xBF");
constexpr QByteArrayView Utf16LeMark("\xFF\xFE");
constexpr QByteArrayView Utf16BeMark("\xFE\xFF");

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

bool startsWithMark(QByteArrayView bytes) {
    return bytes.startsWith(Utf16LeMark) || bytes.startsWith(Utf16BeMark) || bytes.startsWith(Utf8Mark);
}

QByteArray encodeUnicode(QStringEncoder::Encoding encoding, QByteArrayView mark, const QString& text) {
    QStringEncoder encoder(encoding);
    return mark.toByteArray() + QByteArray(encoder.encode(text));
}

QStringList splitLines(QStringView text) {
    const char16_t* const begin = text.utf16();
    const char16_t* const end = begin + text.size();
    // Counted first, so that the list is made once at its size instead of growing and moving.
    qsizetype breaks = 0;
    for (const char16_t* p = begin; p != end; ++p) {
        if (*p == u'\n' || (*p == u'\r' && (p + 1 == end || p[1] != u'\n')))
            ++breaks;
    }
    QStringList lines;
    lines.reserve(breaks + 1);
    const char16_t* start = begin;
    for (const char16_t* p = begin; p != end; ++p) {
        if (*p != u'\r' && *p != u'\n')
            continue;
        lines.emplace_back(reinterpret_cast<const QChar*>(start), p - start);
        if (*p == u'\r' && p + 1 != end && p[1] == u'\n')
            ++p;
        start = p + 1;
    }
    if (start != end)
        lines.emplace_back(reinterpret_cast<const QChar*>(start), end - start);
    return lines;
}

// Where in the bytes the NUL that ends the text lies, or -1: a zero code unit in UTF-16, a zero
// byte otherwise (no trail byte of code page 932 is zero).
qint64 nulOffset(QByteArrayView bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf16LeBom || encoding == TextEncoding::Utf16BeBom) {
        for (qsizetype i = 2; i + 1 < bytes.size(); i += 2) {
            if (bytes[i] == 0 && bytes[i + 1] == 0)
                return i;
        }
        return -1;
    }
    return bytes.indexOf('\0');
}

// The whole text of the bytes, up to a NUL, line breaks included.
QString decodeWhole(QByteArrayView bytes, TextEncoding& encoding, qint64& nul) {
    QString text;
    if (bytes.startsWith(Utf16LeMark)) {
        encoding = TextEncoding::Utf16LeBom;
        text = decodeUnicode(QStringDecoder::Utf16LE, bytes.sliced(Utf16LeMark.size()));
    } else if (bytes.startsWith(Utf16BeMark)) {
        encoding = TextEncoding::Utf16BeBom;
        text = decodeUnicode(QStringDecoder::Utf16BE, bytes.sliced(Utf16BeMark.size()));
    } else if (bytes.startsWith(Utf8Mark)) {
        encoding = TextEncoding::Utf8Bom;
        text = decodeUnicode(QStringDecoder::Utf8, bytes.sliced(Utf8Mark.size()));
    } else if (isUtf8Text(bytes)) {
        // Written without a mark by another program; saved again by the rule for unmarked files.
        encoding = TextEncoding::Cp932;
        text = decodeUnicode(QStringDecoder::Utf8, bytes);
    } else {
        encoding = TextEncoding::Cp932;
        text = decodeCp932(bytes);
    }
    nul = -1;
    if (const qsizetype at = text.indexOf(QChar(0)); at >= 0) {
        text.truncate(at);
        nul = nulOffset(bytes, encoding);
    }
    return text;
}

// Code page 932 bytes that begin like a byte-order mark, or that are valid UTF-8 with a sequence
// of three bytes (a rare run of half-width katakana and kanji is), would be read back as another
// encoding.
bool looksLikeAnotherEncoding(const QByteArray& bytes) {
    return startsWithMark(bytes) || isUtf8Text(bytes);
}

// The lines in code page 932, each with CR LF; false when a character has no code or when the
// bytes as a whole would be read back as another encoding.
bool encodeCp932Lines(const TextLines& lines, QByteArray& bytes) {
    bytes.resize(2 * (lines.textSize() + lines.count()));
    char* dst = bytes.data();
    for (qsizetype i = 0; i < lines.count(); ++i) {
        if (!encodeCp932Into(lines.line(i), dst))
            return false;
        *dst++ = '\r';
        *dst++ = '\n';
    }
    bytes.truncate(dst - bytes.constData());
    return !looksLikeAnotherEncoding(bytes);
}

QByteArray encodeText(const QString& text, TextEncoding preferred, TextEncoding* used) {
    TextEncoding encoding = preferred;
    QByteArray bytes;
    switch (preferred) {
    case TextEncoding::Cp932: {
        bool ok = false;
        bytes = encodeCp932(text, &ok);
        if (ok && !looksLikeAnotherEncoding(bytes))
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

} // namespace

DecodedText decode(QByteArrayView bytes) {
    DecodedText result;
    result.lines = splitLines(decodeWhole(bytes, result.encoding, result.nulOffset));
    return result;
}

DecodedLines decodeLines(QByteArrayView bytes) {
    DecodedLines result;
    result.lines = TextLines::fromText(decodeWhole(bytes, result.encoding, result.nulOffset));
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
    return encodeText(text, preferred, used);
}

QByteArray encode(const TextLines& lines, TextEncoding preferred, TextEncoding* used) {
    if (preferred == TextEncoding::Cp932) {
        // Straight from the lines into the bytes, without the whole text again in between.
        QByteArray bytes;
        if (encodeCp932Lines(lines, bytes)) {
            if (used)
                *used = TextEncoding::Cp932;
            return bytes;
        }
        // Otherwise the whole text takes the way below, which falls back to UTF-8.
    }
    QString text;
    text.reserve(lines.textSize() + 2 * lines.count());
    for (qsizetype i = 0; i < lines.count(); ++i) {
        text += lines.line(i);
        text += u"\r\n";
    }
    return encodeText(text, preferred, used);
}

bool hasLineBreakOrNul(QStringView line) {
    for (const QChar c : line) {
        if (c == u'\r' || c == u'\n' || c.unicode() == 0)
            return true;
    }
    return false;
}

FailureReason lineBreakRefusal() {
    return {u"改行を含む行は書き込めません"_s, u"a line that holds a line break cannot be written"_s};
}

DecodedText readFile(const QString& path, qint64 maxBytes) {
    return decode(readBytes(path, maxBytes));
}

DecodedLines readLines(const QString& path, qint64 maxBytes) {
    return decodeLines(readBytes(path, maxBytes));
}

FileStamp writeFile(const QString& path, const QStringList& lines, TextEncoding preferred) {
    for (const QString& line : lines) {
        if (hasLineBreakOrNul(line))
            throw errors::fileCreate(path, lineBreakRefusal());
    }
    return writeBytes(path, encode(lines, preferred));
}

FileStamp writeFile(const QString& path, const TextLines& lines, TextEncoding preferred) {
    // The breaks between the lines are not kept, so any break or NUL in the text lies in a line.
    if (hasLineBreakOrNul(lines.joined()))
        throw errors::fileCreate(path, lineBreakRefusal());
    return writeBytes(path, encode(lines, preferred));
}

} // namespace textfile
