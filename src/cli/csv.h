// CSV as RFC 4180 describes it: fields separated by commas, records ended by CR LF, a field in
// double quotes when it holds a comma, a quote or a line break, a quote inside doubled.
#pragma once

#include "cli/utf8buffer.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace csv {

void appendField(QString& out, QStringView field);
void appendField(Utf8Buffer& out, QStringView field);
// The fields, then CR LF.
void appendRecord(QString& out, const QStringList& fields);

struct Record {
    qsizetype line = 0; // the line the record starts on, counted from 1
    QStringList fields;
};

struct Parsed {
    QList<Record> records;
    // Where the text stops being CSV: a quote inside an unquoted field, text after a closing
    // quote, or a quote left open.
    std::optional<qsizetype> errorLine;
    QString errorReason;
};

// Reads every record; a line break ends a record (CR LF, CR or LF) except inside quotes. A line
// break at the very end adds no record.
Parsed parse(QStringView text);

// The text of a CSV file: UTF-8 or UTF-16 after a byte-order mark, unmarked UTF-8 when the bytes
// are valid UTF-8, otherwise code page 932.
QString decode(QByteArrayView bytes);

} // namespace csv
