#include "cli/exporter.h"

#include "cli/clierror.h"
#include "cli/columns.h"
#include "cli/csv.h"
#include "cli/language.h"
#include "cli/utf8buffer.h"
#include "core/textfile.h"

using namespace Qt::StringLiterals;

namespace {

void warnAmount(const StoredField& f, const LoadedNotebook& nb, QStringList& warnings) {
    warnings << atLine(nb.path, lineNumber(f.lineIndex),
                       localized(u"'%1' は金額ではありません。空として書き出しました"_s,
                                 u"'%1' is not an amount; it was written as empty"_s)
                           .arg(shortened(f.text)));
}

void warnDate(const StoredField& f, const LoadedNotebook& nb, QStringList& warnings) {
    warnings << atLine(nb.path, lineNumber(f.lineIndex),
                       localized(u"'%1' は正しい日付ではありません"_s, u"'%1' is not a valid date"_s)
                           .arg(shortened(f.text)));
}

// A CSV field: amounts in storage form, a text that is no amount as empty (as the window shows
// it), a date that does not read as stored (an import then names it).
void csvField(Utf8Buffer& out, const ExportColumn& column, const StoredField& f, const LoadedNotebook& nb,
              QStringList& warnings) {
    switch (column.kind) {
    case FieldKind::Text:
        csv::appendField(out, f.text);
        break;
    case FieldKind::Amount:
        if (f.amount)
            out.storageAmount(*f.amount);
        else if (!f.text.isEmpty())
            warnAmount(f, nb, warnings);
        break;
    case FieldKind::Date:
        if (!f.present)
            break;
        if (f.date) {
            out.date(*f.date);
        } else {
            warnDate(f, nb, warnings);
            csv::appendField(out, f.text);
        }
        break;
    }
}

// A JSON value: amounts as whole numbers, dates as yyyy-mm-dd; what does not read is null.
void jsonField(Utf8Buffer& out, const ExportColumn& column, const StoredField& f, const LoadedNotebook& nb,
               QStringList& warnings) {
    switch (column.kind) {
    case FieldKind::Text:
        out.jsonString(f.text);
        break;
    case FieldKind::Amount:
        if (f.amount)
            out.storageAmount(*f.amount);
        else
            out << "null";
        if (!f.text.isEmpty() && !f.amount)
            warnAmount(f, nb, warnings);
        break;
    case FieldKind::Date:
        if (f.date) {
            out << '"';
            out.date(*f.date, '-') << '"';
        } else {
            warnDate(f, nb, warnings);
            out << "null";
        }
        break;
    }
}

// The JSON members of `row` for the columns of one level: a product's or an observation's.
void jsonMembers(Utf8Buffer& out, const ExportedRow& row, bool perObservation, const LoadedNotebook& nb,
                 QStringList& warnings) {
    bool first = true;
    for (const ExportColumn& column : exportColumns()) {
        if (column.perObservation != perObservation)
            continue;
        if (!first)
            out << ", ";
        first = false;
        out << '"';
        out.raw(column.jsonKey) << "\": ";
        jsonField(out, column, column.stored(row), nb, warnings);
    }
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
    const auto& columns = exportColumns();
    for (size_t i = 0; i < columns.size(); ++i) {
        if (i > 0)
            out << ',';
        out << columns[i].header;
    }
    out << "\r\n";
    const auto writeRow = [&](const ExportedRow& row) {
        for (size_t i = 0; i < columns.size(); ++i) {
            if (i > 0)
                out << ',';
            csvField(out, columns[i], columns[i].stored(row), nb, warnings);
        }
        out << "\r\n";
    };
    for (const NotebookProduct& p : nb.products) {
        if (p.view.observations.isEmpty())
            writeRow({p, nullptr});
        for (const Observation& o : p.view.observations)
            writeRow({p, &o});
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
        out.raw(firstProduct ? "\n    {" : ",\n    {");
        firstProduct = false;
        jsonMembers(out, {p, nullptr}, false, nb, warnings);
        out << ", \"observations\": [";
        bool firstObservation = true;
        for (const Observation& o : p.view.observations) {
            out.raw(firstObservation ? "\n      {" : ",\n      {");
            firstObservation = false;
            jsonMembers(out, {p, &o}, true, nb, warnings);
            out << '}';
        }
        out.raw(firstObservation ? "]}" : "\n    ]}");
        passOn(out, sink);
    }
    out.raw(firstProduct ? "]\n}\n" : "\n  ]\n}\n");
    sink(out.take());
}
