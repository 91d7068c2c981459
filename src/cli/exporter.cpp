#include "cli/exporter.h"

#include "cli/clierror.h"
#include "cli/columns.h"
#include "cli/csv.h"
#include "cli/language.h"
#include "cli/utf8buffer.h"
#include "core/textfile.h"

using namespace Qt::StringLiterals;

namespace {

void warnAmount(const QString& stored, const LoadedNotebook& nb, qsizetype lineIndex, QStringList& warnings) {
    warnings << atLine(nb.path, lineNumber(lineIndex),
                       localized(u"'%1' は金額ではありません。空として書き出しました"_s,
                                 u"'%1' is not an amount; it was written as empty"_s)
                           .arg(shortened(stored)));
}

void warnDate(const Observation& o, const LoadedNotebook& nb, qsizetype nameLine, QStringList& warnings) {
    warnings << atLine(nb.path, lineNumber(PriceBook::dateLine(nameLine, o.slot)),
                       localized(u"'%1' は正しい日付ではありません"_s, u"'%1' is not a valid date"_s)
                           .arg(shortened(o.dateText)));
}

// An amount field: storage form; a text that is no amount as empty, as the window shows it.
void amountField(Utf8Buffer& out, const QString& stored, const std::optional<Amount>& value,
                 const LoadedNotebook& nb, qsizetype lineIndex, QStringList& warnings) {
    if (value)
        out.storageAmount(*value);
    else if (!stored.isEmpty())
        warnAmount(stored, nb, lineIndex, warnings);
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
                               localized(u"'%1' はコードページ 932 で書けません（UTF-8 なら書けます）"_s,
                                         u"'%1' cannot be written in code page 932 (UTF-8 can hold it)"_s)
                                   .arg(value.mid(i, length)));
                i += length - 1;
            }
        }
    }
    refuseData(nb.path, 0,
               localized(u"コードページ 932 で書けない文字があります"_s,
                         u"some characters cannot be written in code page 932"_s));
}

// Pieces of about this size go to the sink: a reader of a pipe sees the first rows at once.
constexpr qsizetype PieceBytes = 64 * 1024;

void passOn(Utf8Buffer& out, const ByteSink& sink) {
    if (out.size() >= PieceBytes) {
        sink(out.take());
        out.reserve(PieceBytes + 4096);
    }
}

} // namespace

void exportCsv(const LoadedNotebook& nb, CsvEncoding encoding, const ByteSink& sink, QStringList& warnings) {
    const bool streamed = encoding == CsvEncoding::Utf8WithMark;
    Utf8Buffer out;
    out.reserve(streamed ? PieceBytes + 4096 : 256 + nb.book.count() * 24);
    if (encoding == CsvEncoding::Utf8WithMark)
        out << "\xEF\xBB\xBF";
    const QStringList header = exportColumns();
    for (qsizetype i = 0; i < header.size(); ++i) {
        if (i > 0)
            out << ',';
        out << header[i];
    }
    out << "\r\n";
    for (const NotebookProduct& p : nb.products) {
        const ProductView& v = p.view;
        // Name and standard price, then the observation's three fields, then the memo.
        const auto head = [&] {
            csv::appendField(out, v.name);
            out << ',';
            amountField(out, v.standardPriceText, v.standardPrice, nb,
                        PriceBook::standardPriceLine(p.nameLine), warnings);
            out << ',';
        };
        const auto tail = [&] {
            out << ',';
            csv::appendField(out, v.memo);
            out << "\r\n";
        };
        if (v.observations.isEmpty()) {
            head();
            out << ",,";
            tail();
            if (streamed)
                passOn(out, sink);
            continue;
        }
        for (const Observation& o : v.observations) {
            head();
            csv::appendField(out, o.shop);
            out << ',';
            amountField(out, o.priceText, o.price, nb, PriceBook::priceLine(p.nameLine, o.slot), warnings);
            out << ',';
            if (o.date) {
                out.date(*o.date);
            } else {
                // Written as stored: an import then names it.
                warnDate(o, nb, p.nameLine, warnings);
                csv::appendField(out, o.dateText);
            }
            tail();
        }
        if (streamed)
            passOn(out, sink);
    }
    if (streamed) {
        sink(out.take());
        return;
    }
    bool ok = false;
    const QByteArray bytes = textfile::encodeCp932(QString::fromUtf8(out.take()), &ok);
    if (!ok)
        refuseCp932(nb);
    sink(bytes);
}

void exportJson(const LoadedNotebook& nb, const ByteSink& sink, QStringList& warnings) {
    Utf8Buffer out;
    out.reserve(PieceBytes + 4096);
    out << "{\n  \"products\": [";
    bool firstProduct = true;
    for (const NotebookProduct& p : nb.products) {
        const ProductView& v = p.view;
        out.raw(firstProduct ? "\n    {\"name\": " : ",\n    {\"name\": ");
        firstProduct = false;
        out.jsonString(v.name);
        out << ", \"standardPrice\": ";
        if (v.standardPrice)
            out.storageAmount(*v.standardPrice);
        else
            out << "null";
        if (!v.standardPriceText.isEmpty() && !v.standardPrice)
            warnAmount(v.standardPriceText, nb, PriceBook::standardPriceLine(p.nameLine), warnings);
        out << ", \"memo\": ";
        out.jsonString(v.memo);
        out << ", \"observations\": [";
        bool firstObservation = true;
        for (const Observation& o : v.observations) {
            out.raw(firstObservation ? "\n      {\"shop\": " : ",\n      {\"shop\": ");
            firstObservation = false;
            out.jsonString(o.shop);
            out << ", \"price\": ";
            if (o.price)
                out.storageAmount(*o.price);
            else
                out << "null";
            if (!o.priceText.isEmpty() && !o.price)
                warnAmount(o.priceText, nb, PriceBook::priceLine(p.nameLine, o.slot), warnings);
            out << ", \"date\": ";
            if (o.date) {
                out << '"';
                out.date(*o.date, '-') << '"';
            } else {
                warnDate(o, nb, p.nameLine, warnings);
                out << "null";
            }
            out << '}';
        }
        out.raw(firstObservation ? "]}" : "\n    ]}");
        passOn(out, sink);
    }
    out.raw(firstProduct ? "]\n}\n" : "\n  ]\n}\n");
    sink(out.take());
}
