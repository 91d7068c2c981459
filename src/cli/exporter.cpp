#include "cli/exporter.h"

#include "cli/clierror.h"
#include "cli/columns.h"
#include "cli/csv.h"
#include "core/dates.h"
#include "core/textfile.h"

using namespace Qt::StringLiterals;

namespace {

// The amount in storage form; a text that is no amount exports as empty, as the window shows it.
QString exportedAmount(const QString& stored, const std::optional<Amount>& value, const LoadedNotebook& nb,
                       qsizetype lineIndex, QStringList& warnings) {
    if (stored.isEmpty())
        return QString();
    if (value)
        return formatStorage(*value);
    warnings << atLine(nb.path, lineNumber(lineIndex),
                       u"'%1' は金額ではありません。空として書き出しました"_s.arg(stored));
    return QString();
}

void warnDate(const Observation& o, const LoadedNotebook& nb, qsizetype nameLine, QStringList& warnings) {
    if (!o.date)
        warnings << atLine(nb.path, lineNumber(PriceBook::dateLine(nameLine, o.slot)),
                           u"'%1' は正しい日付ではありません"_s.arg(o.dateText));
}

// Finds the first value code page 932 cannot hold and refuses the export at its line.
[[noreturn]] void refuseCp932(const LoadedNotebook& nb) {
    const PriceBook& book = nb.book;
    for (const NotebookProduct& p : nb.products) {
        for (qsizetype k = 0; k < RecordLines; ++k) {
            const QString& value = book.line(p.nameLine + k);
            for (qsizetype i = 0; i < value.size(); ++i) {
                const qsizetype length = value[i].isHighSurrogate() && i + 1 < value.size() ? 2 : 1;
                bool ok = false;
                textfile::encodeCp932(QStringView(value).sliced(i, length), &ok);
                if (!ok)
                    refuseData(nb.path, lineNumber(p.nameLine + k),
                               u"'%1' はコードページ 932 で書けません（UTF-8 なら書けます）"_s.arg(
                                   value.mid(i, length)));
                i += length - 1;
            }
        }
    }
    refuseData(nb.path, 0, u"コードページ 932 で書けない文字があります"_s);
}

void appendJsonString(QString& out, QStringView text) {
    out += u'"';
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
        case u'"':
            out += u"\\\"";
            break;
        case u'\\':
            out += u"\\\\";
            break;
        case u'\n':
            out += u"\\n";
            break;
        case u'\r':
            out += u"\\r";
            break;
        case u'\t':
            out += u"\\t";
            break;
        default:
            // Other controls, and the two separators a script would take as line ends.
            if (u < 0x20 || u == 0x2028 || u == 0x2029)
                out += u"\\u%1"_s.arg(int(u), 4, 16, QChar(u'0'));
            else
                out += c;
        }
    }
    out += u'"';
}

void appendJsonAmount(QString& out, const std::optional<Amount>& value) {
    if (value)
        out += formatStorage(*value);
    else
        out += u"null";
}

} // namespace

QByteArray exportCsv(const LoadedNotebook& nb, CsvEncoding encoding, QStringList& warnings) {
    QString text;
    csv::appendRecord(text, exportColumns());
    QStringList row(6);
    for (const NotebookProduct& p : nb.products) {
        const ProductView& v = p.view;
        row[0] = v.name;
        row[1] = exportedAmount(v.standardPriceText, v.standardPrice, nb,
                                PriceBook::standardPriceLine(p.nameLine), warnings);
        row[5] = v.memo;
        if (v.observations.isEmpty()) {
            row[2].clear();
            row[3].clear();
            row[4].clear();
            csv::appendRecord(text, row);
            continue;
        }
        for (const Observation& o : v.observations) {
            row[2] = o.shop;
            row[3] =
                exportedAmount(o.priceText, o.price, nb, PriceBook::priceLine(p.nameLine, o.slot), warnings);
            // A date that does not read is written as stored: the import then names it.
            warnDate(o, nb, p.nameLine, warnings);
            row[4] = o.date ? formatStoredDate(*o.date) : o.dateText;
            csv::appendRecord(text, row);
        }
    }
    if (encoding == CsvEncoding::Utf8WithMark)
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    bool ok = false;
    QByteArray bytes = textfile::encodeCp932(text, &ok);
    if (!ok)
        refuseCp932(nb);
    return bytes;
}

QByteArray exportJson(const LoadedNotebook& nb, QStringList& warnings) {
    QString out;
    out += u"{\n  \"products\": [";
    bool firstProduct = true;
    for (const NotebookProduct& p : nb.products) {
        const ProductView& v = p.view;
        out += firstProduct ? u"\n    {\"name\": "_s : u",\n    {\"name\": "_s;
        firstProduct = false;
        appendJsonString(out, v.name);
        out += u", \"standardPrice\": ";
        if (!v.standardPriceText.isEmpty() && !v.standardPrice)
            exportedAmount(v.standardPriceText, v.standardPrice, nb, PriceBook::standardPriceLine(p.nameLine),
                           warnings);
        appendJsonAmount(out, v.standardPrice);
        out += u", \"memo\": ";
        appendJsonString(out, v.memo);
        out += u", \"observations\": [";
        bool firstObservation = true;
        for (const Observation& o : v.observations) {
            out += firstObservation ? u"\n      {\"shop\": "_s : u",\n      {\"shop\": "_s;
            firstObservation = false;
            appendJsonString(out, o.shop);
            out += u", \"price\": ";
            if (!o.priceText.isEmpty() && !o.price)
                exportedAmount(o.priceText, o.price, nb, PriceBook::priceLine(p.nameLine, o.slot), warnings);
            appendJsonAmount(out, o.price);
            out += u", \"date\": ";
            warnDate(o, nb, p.nameLine, warnings);
            if (o.date)
                appendJsonString(out, o.date->toString(u"yyyy-MM-dd"_s));
            else
                out += u"null";
            out += u'}';
        }
        out += firstObservation ? u"]}"_s : u"\n    ]}"_s;
    }
    out += firstProduct ? u"]\n}\n"_s : u"\n  ]\n}\n"_s;
    return out.toUtf8();
}
