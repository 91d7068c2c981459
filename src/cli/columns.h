// The columns of an exported notebook, one table that export writes and import reads: a CSV row
// per observation (a product without one gives one row with shop, price and date empty), or in
// JSON a product with its name, standard price and memo and its observations' shop, price and date.
#pragma once

#include "cli/notebookinput.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// One row of the export: a product and one of its observations, or none.
struct ExportedRow {
    const NotebookProduct& product;
    const Observation* observation; // null for a product without observations
};

// A field of an exported row as the notebook stores it.
struct StoredField {
    bool present = false;         // false for an observation's field in a row without one
    QStringView text;             // as stored
    std::optional<Amount> amount; // an amount field's value, when the text reads as one
    std::optional<QDate> date;    // a date field's value, when the text reads as one
    qsizetype lineIndex = 0;      // the notebook line it is stored on, for warnings
};

// The texts of an imported row, as the file gives them; import checks them afterwards.
struct ImportedRow {
    QString name, standardPrice, shop, price, date, memo;
};

enum class FieldKind {
    Text,   // written and read as it is
    Amount, // a whole number; a stored text that is no amount is written empty (JSON: null)
    Date,   // yyyy/MM/dd in CSV, yyyy-MM-dd in JSON
};

struct ExportColumn {
    QString header;      // its title in the CSV's first line
    const char* jsonKey; // its key in the JSON (ASCII)
    FieldKind kind;
    bool perObservation;                           // shop, price and date: a key of each JSON observation
    StoredField (*stored)(const ExportedRow& row); // what export writes
    QString ImportedRow::*imported;                // where import keeps what it reads
};

enum class Column { Name, StandardPrice, Shop, Price, Date, Memo };
inline constexpr size_t ColumnCount = 6;

// The columns in the order of the CSV, the order of `Column`.
const std::array<ExportColumn, ColumnCount>& exportColumns();
const ExportColumn& exportColumn(Column column);
// The titles of the CSV's first line.
QStringList exportHeaders();
