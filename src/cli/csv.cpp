#include "cli/csv.h"

#include "cli/language.h"
#include "core/textfile.h"

#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace csv {

namespace {

bool needsQuotes(QStringView field) {
    for (const QChar c : field) {
        if (c == u',' || c == u'"' || c == u'\r' || c == u'\n')
            return true;
    }
    return false;
}

} // namespace

void appendField(QString& out, QStringView field) {
    if (!needsQuotes(field)) {
        out += field;
        return;
    }
    out += u'"';
    for (const QChar c : field) {
        if (c == u'"')
            out += u'"';
        out += c;
    }
    out += u'"';
}

void appendField(Utf8Buffer& out, QStringView field) {
    if (!needsQuotes(field)) {
        out << field;
        return;
    }
    out << '"';
    qsizetype start = 0;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == u'"') {
            out << field.sliced(start, i + 1 - start) << '"';
            start = i + 1;
        }
    }
    out << field.sliced(start) << '"';
}

void appendRecord(QString& out, const QStringList& fields) {
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += u',';
        appendField(out, fields[i]);
    }
    out += u"\r\n";
}

Parsed parse(QStringView text) {
    Parsed parsed;
    const qsizetype n = text.size();
    qsizetype i = 0;
    qsizetype line = 1;
    // Steps over a line break at i (CR LF counts once) and counts it.
    const auto takeLineBreak = [&] {
        if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        ++i;
        ++line;
    };
    const auto fail = [&](qsizetype at, const QString& reason) {
        parsed.errorLine = at;
        parsed.errorReason = reason;
        return parsed;
    };

    while (i < n) {
        Record record;
        record.line = line;
        while (true) {
            QString field;
            if (i < n && text[i] == u'"') {
                const qsizetype openedOn = line;
                ++i;
                while (true) {
                    if (i >= n)
                        return fail(openedOn, localized(u"引用符 \" が閉じていません"_s,
                                                        u"a quote \" is not closed"_s));
                    if (text[i] == u'"') {
                        if (i + 1 < n && text[i + 1] == u'"') {
                            field += u'"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (text[i] == u'\r' || text[i] == u'\n') {
                        const qsizetype start = i;
                        takeLineBreak();
                        field += text.sliced(start, i - start);
                        continue;
                    }
                    field += text[i++];
                }
                if (i < n && text[i] != u',' && text[i] != u'\r' && text[i] != u'\n')
                    return fail(line, localized(u"閉じた引用符 \" のあとに文字があります"_s,
                                                u"characters follow a closing quote \""_s));
            } else {
                const qsizetype start = i;
                while (i < n && text[i] != u',' && text[i] != u'\r' && text[i] != u'\n') {
                    if (text[i] == u'"')
                        return fail(line, localized(u"引用符 \" で囲まれていない欄に \" があります"_s,
                                                    u"a field not in quotes holds a quote \""_s));
                    ++i;
                }
                field = text.sliced(start, i - start).toString();
            }
            record.fields << field;
            if (i < n && text[i] == u',') {
                ++i;
                continue;
            }
            if (i < n)
                takeLineBreak();
            break;
        }
        parsed.records << record;
    }
    return parsed;
}

QString decode(QByteArrayView bytes) {
    const auto unicode = [](QStringDecoder::Encoding encoding, QByteArrayView body) {
        QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
        return QString(decoder.decode(body));
    };
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return unicode(QStringDecoder::Utf8, bytes.sliced(3));
    if (bytes.startsWith("\xFF\xFE"))
        return unicode(QStringDecoder::Utf16LE, bytes.sliced(2));
    if (bytes.startsWith("\xFE\xFF"))
        return unicode(QStringDecoder::Utf16BE, bytes.sliced(2));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return textfile::decodeCp932(bytes);
}

} // namespace csv
