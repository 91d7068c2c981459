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

// The cell cut to `width` columns, with "…" (one column) at the end.
QString cutTo(const QString& cell, int width) {
    QString cut;
    int used = 0;
    for (qsizetype i = 0; i < cell.size(); ++i) {
        const qsizetype length = cell[i].isHighSurrogate() && i + 1 < cell.size() ? 2 : 1;
        const QStringView c = QStringView(cell).sliced(i, length);
        const int w = displayWidth(c);
        if (used + w > width - 1)
            break;
        cut += c;
        used += w;
        i += length - 1;
    }
    return cut + u'…';
}

// Narrows the widest text column a column at a time until the line fits or every text column is
// down to a few characters.
void fitWidths(const QList<TableColumn>& columns, QList<int>& widths, int width) {
    constexpr int Narrowest = 6;
    const auto total = [&] {
        int sum = ColumnGap * int(columns.size() - 1);
        for (int w : widths)
            sum += w;
        return sum;
    };
    while (total() > width) {
        qsizetype widest = -1;
        for (qsizetype c = 0; c < columns.size(); ++c) {
            if (columns[c].kind != CellKind::Text && columns[c].kind != CellKind::List)
                continue;
            if (widths[c] > Narrowest && (widest < 0 || widths[c] > widths[widest]))
                widest = c;
        }
        if (widest < 0)
            return;
        widths[widest] = std::max(Narrowest, widths[widest] - (total() - width));
    }
}

} // namespace

QString formatTable(const QList<TableColumn>& columns, const QList<QStringList>& rows, int width) {
    QList<QStringList> cells;
    cells.reserve(rows.size() + 1);
    QStringList header;
    for (const TableColumn& c : columns)
        header << c.header;
    cells << header;
    for (const QStringList& row : rows) {
        QStringList safe;
        for (qsizetype c = 0; c < columns.size(); ++c) {
            QString cell = row.value(c);
            if (columns[c].kind == CellKind::List)
                cell.replace(u'\n', u'、');
            safe << terminalSafe(cell);
        }
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

    if (width > 0) {
        const QList<int> natural = widths;
        fitWidths(columns, widths, width);
        for (qsizetype r = 0; r < cells.size(); ++r) {
            for (qsizetype c = 0; c < columns.size(); ++c) {
                if (widths[c] < natural[c] && cellWidths[r][c] > widths[c]) {
                    cells[r][c] = cutTo(cells[r][c], widths[c]);
                    cellWidths[r][c] = displayWidth(cells[r][c]);
                }
            }
        }
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
