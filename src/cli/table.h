// Plain-text tables for a terminal: columns padded to the widest cell by display width, so rows
// with Japanese names line up.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What a column holds, for the CSV and JSON forms of a table (see tableoutput.h).
enum class CellKind {
    Text,
    Amount, // "1,980"; empty for none
    Date,   // "2014/05/01"; any other text is no date
    Days,   // "123日"
    List,   // names one per line ("\n"), shown joined by "、"
    Flag,   // a word such as "古い" for yes, empty for no
};

struct TableColumn {
    QString header;
    bool alignRight = false; // amounts and dates
    CellKind kind = CellKind::Text;
    QString key = {}; // the column's name in JSON
};

// A table before it is formatted.
struct TableData {
    QList<TableColumn> columns;
    QList<QStringList> rows;
};

// The header, a rule of "-" under each column, then the rows; columns two spaces apart, no spaces
// at the end of a line, "\n" after every line. Cells are printed terminal-safe.
// With a width above 0 (a terminal's COLUMNS), lines longer than that are fitted by narrowing the
// widest text columns, cells cut with "…".
QString formatTable(const QList<TableColumn>& columns, const QList<QStringList>& rows, int width = 0);
