#include "cli/table.h"

#include "cli/textwidth.h"

#include <algorithm>

namespace {

constexpr int ColumnGap = 2;

void appendLine(QString& out, const QList<TableColumn>& columns, const QList<int>& widths,
                const QStringList& cells, const QList<int>& cellWidths) {
    QString line;
    for (qsizetype c = 0; c < columns.size(); ++c) {
        const QString& cell = cells[c];
        const int padding = widths[c] - cellWidths[c];
        if (c > 0)
            line += QString(ColumnGap, u' ');
        if (columns[c].alignRight)
            line += QString(padding, u' ') + cell;
        else
            line += cell + QString(padding, u' ');
    }
    while (line.endsWith(u' '))
        line.chop(1);
    out += line;
    out += u'\n';
}

} // namespace

QString formatTable(const QList<TableColumn>& columns, const QList<QStringList>& rows) {
    QList<QStringList> cells;
    cells.reserve(rows.size() + 1);
    QStringList header;
    for (const TableColumn& c : columns)
        header << c.header;
    cells << header;
    for (const QStringList& row : rows) {
        QStringList safe;
        for (qsizetype c = 0; c < columns.size(); ++c)
            safe << terminalSafe(row.value(c));
        cells << safe;
    }

    QList<QList<int>> cellWidths;
    cellWidths.reserve(cells.size());
    QList<int> widths(columns.size(), 0);
    for (const QStringList& row : cells) {
        QList<int> w;
        for (qsizetype c = 0; c < columns.size(); ++c) {
            w << displayWidth(row[c]);
            widths[c] = std::max(widths[c], w.last());
        }
        cellWidths << w;
    }

    QString out;
    appendLine(out, columns, widths, cells[0], cellWidths[0]);
    QStringList rules;
    QList<int> ruleWidths;
    for (int w : widths) {
        rules << QString(w, u'-');
        ruleWidths << w;
    }
    appendLine(out, columns, widths, rules, ruleWidths);
    for (qsizetype r = 1; r < cells.size(); ++r)
        appendLine(out, columns, widths, cells[r], cellWidths[r]);
    return out;
}
