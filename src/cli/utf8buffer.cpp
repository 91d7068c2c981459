#include "cli/utf8buffer.h"

#include <charconv>

namespace {

// The code point at i, stepping over the low half of a pair; a lone surrogate is U+FFFD.
char32_t codePointAt(QStringView text, qsizetype& i) {
    const char16_t c = text[i].unicode();
    if (!QChar::isSurrogate(c))
        return c;
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(c, text[++i].unicode());
    return QChar::ReplacementCharacter;
}

} // namespace

QByteArray Utf8Buffer::take() {
    QByteArray bytes(bytes_.data(), qsizetype(bytes_.size()));
    bytes_.clear();
    return bytes;
}

void Utf8Buffer::appendCodePoint(char32_t c) {
    if (c < 0x80) {
        bytes_.push_back(char(c));
    } else if (c < 0x800) {
        const char b[] = {char(0xC0 | (c >> 6)), char(0x80 | (c & 0x3F))};
        bytes_.append(b, 2);
    } else if (c < 0x10000) {
        const char b[] = {char(0xE0 | (c >> 12)), char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
        bytes_.append(b, 3);
    } else {
        const char b[] = {char(0xF0 | (c >> 18)), char(0x80 | ((c >> 12) & 0x3F)),
                          char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
        bytes_.append(b, 4);
    }
}

Utf8Buffer& Utf8Buffer::operator<<(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        appendCodePoint(codePointAt(text, i));
    return *this;
}

Utf8Buffer& Utf8Buffer::escaped(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        switch (c) {
        case u'&':
            *this << "&amp;";
            break;
        case u'<':
            *this << "&lt;";
            break;
        case u'>':
            *this << "&gt;";
            break;
        case u'"':
            *this << "&quot;";
            break;
        case u'\'':
            *this << "&#39;";
            break;
        default:
            if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
                appendCodePoint(QChar::ReplacementCharacter);
            else
                appendCodePoint(codePointAt(text, i));
        }
    }
    return *this;
}

Utf8Buffer& Utf8Buffer::number(qint64 value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    bytes_.append(digits, size_t(result.ptr - digits));
    return *this;
}

Utf8Buffer& Utf8Buffer::storageAmount(Amount value) {
    // Stored prices are whole numbers; anything else takes the rounding of the amount module.
    if (value % UnitsPerWhole == 0)
        return number(value / UnitsPerWhole);
    return *this << formatStorage(value);
}

Utf8Buffer& Utf8Buffer::displayAmount(Amount value) {
    if (value % UnitsPerWhole != 0)
        return *this << formatDisplay(value);
    const qint64 whole = value / UnitsPerWhole; // never the most negative qint64
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, whole < 0 ? -whole : whole);
    const qsizetype count = result.ptr - digits;
    if (whole < 0)
        bytes_.push_back('-');
    for (qsizetype i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0)
            bytes_.push_back(',');
        bytes_.push_back(digits[i]);
    }
    return *this;
}

Utf8Buffer& Utf8Buffer::date(const QDate& date, char separator) {
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    const char text[] = {char('0' + year / 1000 % 10),
                         char('0' + year / 100 % 10),
                         char('0' + year / 10 % 10),
                         char('0' + year % 10),
                         separator,
                         char('0' + month / 10),
                         char('0' + month % 10),
                         separator,
                         char('0' + day / 10),
                         char('0' + day % 10)};
    bytes_.append(text, sizeof text);
    return *this;
}

Utf8Buffer& Utf8Buffer::jsonString(QStringView text) {
    Utf8Buffer& out = *this;
    out << '"';
    qsizetype start = 0;
    const auto flush = [&](qsizetype end) { out << text.sliced(start, end - start); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const char* escape = nullptr;
        switch (c) {
        case u'"':
            escape = "\\\"";
            break;
        case u'\\':
            escape = "\\\\";
            break;
        case u'\n':
            escape = "\\n";
            break;
        case u'\r':
            escape = "\\r";
            break;
        case u'\t':
            escape = "\\t";
            break;
        default:
            // Other controls, and the two separators a script would take as line ends.
            if (c >= 0x20 && c != 0x2028 && c != 0x2029)
                continue;
        }
        flush(i);
        start = i + 1;
        if (escape) {
            out.raw(escape);
        } else {
            const char hex[] = "0123456789abcdef";
            const char code[] = {'\\',        'u', hex[c >> 12], hex[(c >> 8) & 15], hex[(c >> 4) & 15],
                                 hex[c & 15], 0};
            out.raw(code);
        }
    }
    flush(text.size());
    out << '"';
    return *this;
}
