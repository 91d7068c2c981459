#include "cli/tableoutput.h"

#include "cli/clierror.h"
#include "cli/csv.h"
#include "cli/utf8buffer.h"
#include "core/amount.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

// "1,980" as "1980"; the display form is already a whole number.
QString storedAmount(const QString& cell) {
    return QString(cell).remove(u',');
}

bool isStoredDate(const QString& cell) {
    return cell.size() == 10 && cell[4] == u'/' && cell[7] == u'/';
}

QJsonValue jsonCell(CellKind kind, const QString& cell) {
    switch (kind) {
    case CellKind::Text:
        return cell;
    case CellKind::Amount: {
        bool ok = false;
        const qint64 value = storedAmount(cell).toLongLong(&ok);
        return ok ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
    }
    case CellKind::Date:
        return isStoredDate(cell) ? QJsonValue(QString(cell).replace(u'/', u'-'))
                                  : QJsonValue(QJsonValue::Null);
    case CellKind::Days: {
        bool ok = false;
        const qint64 value = QString(cell).remove(u'日').toLongLong(&ok);
        return ok ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
    }
    case CellKind::List:
        return QJsonArray::fromStringList(cell.isEmpty() ? QStringList() : cell.split(u'\n'));
    case CellKind::Flag:
        return !cell.isEmpty();
    }
    return cell;
}

QString csvCell(CellKind kind, const QString& cell) {
    switch (kind) {
    case CellKind::Amount:
        return storedAmount(cell);
    case CellKind::Days:
        return QString(cell).remove(u'日');
    case CellKind::List:
        return QString(cell).replace(u'\n', u'、');
    case CellKind::Text:
    case CellKind::Date:
    case CellKind::Flag:
        break;
    }
    return cell;
}

} // namespace

OutputFormat outputFormat(const std::optional<QString>& value) {
    if (!value || *value == u"text"_s)
        return OutputFormat::Text;
    if (*value == u"csv"_s)
        return OutputFormat::Csv;
    if (*value == u"json"_s)
        return OutputFormat::Json;
    badOptionValue(u"--format"_s, u"text か csv か json "_s, u"text, csv or json"_s, *value);
}

QByteArray formatOutput(OutputFormat format, const QList<TableColumn>& columns,
                        const QList<QStringList>& rows, int width) {
    switch (format) {
    case OutputFormat::Text:
        return formatTable(columns, rows, width).toUtf8();
    case OutputFormat::Csv: {
        QString out;
        QStringList header;
        for (const TableColumn& c : columns)
            header << c.header;
        csv::appendRecord(out, header);
        for (const QStringList& row : rows) {
            QStringList fields;
            for (qsizetype c = 0; c < columns.size(); ++c)
                fields << csvCell(columns[c].kind, row.value(c));
            csv::appendRecord(out, fields);
        }
        return "\xEF\xBB\xBF" + out.toUtf8();
    }
    case OutputFormat::Json: {
        QJsonArray array;
        for (const QStringList& row : rows) {
            QJsonObject object;
            for (qsizetype c = 0; c < columns.size(); ++c)
                object.insert(columns[c].key, jsonCell(columns[c].kind, row.value(c)));
            array.append(object);
        }
        return QJsonDocument(array).toJson(QJsonDocument::Indented);
    }
    }
    return {};
}
