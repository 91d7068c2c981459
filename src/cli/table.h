// Plain-text tables for a terminal: columns padded to the widest cell by display width, so rows
// with Japanese names line up.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct TableColumn {
    QString header;
    bool alignRight = false; // amounts and dates
};

// The header, a rule of "-" under each column, then the rows; columns two spaces apart, no spaces
// at the end of a line, "\n" after every line. Cells are printed terminal-safe.
QString formatTable(const QList<TableColumn>& columns, const QList<QStringList>& rows);
