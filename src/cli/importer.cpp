#include "cli/importer.h"

#include "cli/clierror.h"
#include "cli/columns.h"
#include "cli/csv.h"
#include "cli/language.h"
#include "cli/observations.h"
#include "core/apperror.h"
#include "core/dates.h"
#include "core/textfile.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Refused rows listed in one message; the rest counted.
constexpr qsizetype MaxListedRows = 100;

// Where each export column stands in the file (-1 for a column it leaves out), and how many
// fields a row has.
struct Layout {
    std::array<qsizetype, ColumnCount> positions;
    qsizetype count = 0;
};

QString title(Column column) {
    return exportColumn(column).header;
}

// Where a row stands: a line of a CSV file, or a product of a JSON file.
struct Source {
    QString name;
    bool json = false;

    QString at(qsizetype row, const QString& reason) const {
        if (json)
            return u"%1 products[%2]: %3"_s.arg(name).arg(row).arg(reason);
        return atLine(name, row, reason);
    }
};

// A row that cannot be taken; the import goes on to list the others.
struct RowRefused {
    QString message;
};

[[noreturn]] void refuseRow(const Source& source, qsizetype row, const QString& reason) {
    throw RowRefused{source.at(row, reason)};
}

Layout readHeader(const QString& path, const csv::Record& header, QStringList& warnings) {
    Layout layout;
    layout.positions.fill(-1);
    layout.count = header.fields.size();
    const QStringList known = exportHeaders();
    QStringList ignored;
    for (qsizetype i = 0; i < header.fields.size(); ++i) {
        const QString title = header.fields[i].trimmed();
        const qsizetype which = known.indexOf(title);
        if (which < 0) {
            ignored << (title.isEmpty()
                            ? localized(u"（%1 列目、見出しなし）"_s, u"(column %1, no title)"_s).arg(i + 1)
                            : localized(u"「%1」"_s, u"\"%1\""_s).arg(shortened(title)));
            continue;
        }
        if (layout.positions[size_t(which)] >= 0)
            refuseData(
                path, header.line,
                localized(u"見出し「%1」が二つあります"_s, u"the title \"%1\" is there twice"_s).arg(title));
        layout.positions[size_t(which)] = i;
    }
    if (layout.positions[size_t(Column::Name)] < 0)
        refuseData(path, header.line,
                   localized(u"見出しに「%1」がありません"_s, u"the titles have no \"%1\""_s)
                       .arg(title(Column::Name)));
    if (!ignored.isEmpty())
        warnings << atLine(
            path, header.line,
            localized(u"見出し%1は使わない列なので読みません（使う見出し: %2）"_s,
                      u"the columns titled %1 are not used and not read (the titles used: %2)"_s)
                .arg(localized(ignored.join(QString()), ignored.join(u", "_s)), known.join(u',')));
    return layout;
}

// The stored text of a price field, as the window's amount check leaves it; a rounding is told.
QString checkedAmount(const Source& source, qsizetype row, const QString& title, const QString& text,
                      QStringList& warnings) {
    const std::optional<QString> stored = checkAmountText(text);
    if (!stored)
        refuseRow(source, row,
                  localized(u"%1 '%2': 金額を入力して下さい。なお\\は不要です"_s,
                            u"%1 '%2': not an amount (digits, without a currency sign)"_s)
                      .arg(title, shortened(text)));
    QString written = text;
    written.remove(u',');
    if (ParseAmount(written) != ParseAmount(*stored))
        warnings << source.at(
            row, localized(u"%1 '%2' は本体の金額欄と同じく %3 に丸めました"_s,
                           u"%1 '%2' was rounded to %3, as the window's amount fields round it"_s)
                     .arg(title, shortened(text), *stored));
    return *stored;
}

// yyyy-mm-dd, as the JSON export writes dates, read as yyyy/mm/dd.
QString storedDateForm(const QString& text) {
    const QString t = text.trimmed();
    if (t.size() == 10 && t[4] == u'-' && t[7] == u'-')
        return QString(t).replace(u'-', u'/');
    return text;
}

ImportedRow readRow(const Source& source, qsizetype at, const ImportedRow& fields, const QDate& today,
                    QStringList& warnings) {
    for (const ExportColumn& c : exportColumns()) {
        if (textfile::hasLineBreakOrNul(fields.*c.imported))
            refuseRow(source, at,
                      localized(u"%1 に改行があります（ノートの 1 行に入りません）"_s,
                                u"%1 holds a line break (it would not fit one line of the notebook)"_s)
                          .arg(c.header));
    }
    ImportedRow row;
    row.name = fields.name;
    if (row.name.isEmpty())
        refuseRow(source, at, emptyNameText());
    row.standardPrice =
        checkedAmount(source, at, title(Column::StandardPrice), fields.standardPrice, warnings);
    row.shop = fields.shop;
    row.price = checkedAmount(source, at, title(Column::Price), fields.price, warnings);
    row.memo = fields.memo;

    const QString& dateText = fields.date;
    const bool observed = !row.shop.isEmpty() || !row.price.isEmpty();
    if (observed && dateText.isEmpty())
        refuseRow(source, at, localized(u"記録日がありません"_s, u"the date (記録日) is missing"_s));
    if (!observed && !dateText.isEmpty())
        refuseRow(source, at,
                  localized(u"記録日がありますが、店名も時価もありません"_s,
                            u"there is a date (記録日) but neither a shop (店名) nor a price (時価)"_s));
    if (observed) {
        try {
            row.date = formatStoredDate(parseStoredDate(storedDateForm(dateText), today));
        } catch (const AppError&) {
            refuseRow(source, at,
                      localized(u"%1: '%2' は正しい日付ではありません"_s, u"%1: '%2' is not a valid date"_s)
                          .arg(title(Column::Date), shortened(dateText)));
        }
    }
    return row;
}

struct Building {
    ProductView view;
    qsizetype standardPriceRow = 0;
    qsizetype memoRow = 0;
};

// Rows grouped into products by name ignoring case.
class Collector {
  public:
    Collector(Source source, const QDate& today) : source_(std::move(source)), today_(today) {}

    void add(qsizetype at, const ImportedRow& fields) {
        try {
            take(at, readRow(source_, at, fields, today_, result_.warnings));
        } catch (const RowRefused& refused) {
            if (refused_.size() < MaxListedRows)
                refused_ << refused.message;
            ++refusedCount_;
        }
    }
    void refuse(qsizetype at, const QString& reason) {
        try {
            refuseRow(source_, at, reason);
        } catch (const RowRefused& refused) {
            if (refused_.size() < MaxListedRows)
                refused_ << refused.message;
            ++refusedCount_;
        }
    }

    ImportedProducts finish() {
        if (refusedCount_ > 0) {
            QStringList lines = refused_;
            if (refusedCount_ > refused_.size())
                lines << localized(u"ほかに %1 行を受け付けられません"_s, u"%1 more rows cannot be taken"_s)
                             .arg(refusedCount_ - refused_.size());
            lines << localized(u"受け付けられない行が %1 行あるので、何も書きません"_s,
                               u"rows that cannot be taken: %1; nothing is written"_s)
                         .arg(refusedCount_);
            throw CliFailure(exitcode::Refused, lines.join(u'\n'));
        }
        result_.products.reserve(products_.size());
        for (Building& b : products_) {
            b.view.standardPrice =
                b.view.standardPriceText.isEmpty() ? std::nullopt : ParseAmount(b.view.standardPriceText);
            // JSON keeps the order of a product's observations when they fit its slots as they
            // are, so that what export wrote reads back exactly.
            QList<Observation> combined = newestFive(b.view.observations);
            if (!source_.json || combined.size() != b.view.observations.size())
                b.view.observations = std::move(combined);
            result_.products << std::move(b.view);
        }
        return std::move(result_);
    }

  private:
    // A product's standard price and memo may stand on one of its rows only; different ones refuse.
    void takeValue(qsizetype at, const QString& title, QString& kept, qsizetype& keptRow,
                   const QString& value) {
        if (value.isEmpty())
            return;
        if (kept.isEmpty()) {
            kept = value;
            keptRow = at;
        } else if (kept != value) {
            refuseRow(source_, at,
                      source_.json
                          ? localized(u"%1 '%2' が同じ商品の products[%3] の '%4' と違います"_s,
                                      u"%1 '%2' differs from '%4' of the same product in products[%3]"_s)
                                .arg(title, shortened(value), QString::number(keptRow), shortened(kept))
                          : localized(u"%1 '%2' が同じ商品の %3 行目の '%4' と違います"_s,
                                      u"%1 '%2' differs from '%4' of the same product on line %3"_s)
                                .arg(title, shortened(value), QString::number(keptRow), shortened(kept)));
        }
    }

    void take(qsizetype at, const ImportedRow& row) {
        const QString key = row.name.toCaseFolded();
        auto found = byName_.constFind(key);
        const bool isNew = found == byName_.cend();
        Building candidate;
        Building& b = isNew ? candidate : products_[*found];
        if (isNew)
            b.view.name = row.name;
        takeValue(at, title(Column::StandardPrice), b.view.standardPriceText, b.standardPriceRow,
                  row.standardPrice);
        takeValue(at, title(Column::Memo), b.view.memo, b.memoRow, row.memo);
        if (!row.shop.isEmpty() || !row.price.isEmpty()) {
            Observation o;
            o.shop = row.shop;
            o.priceText = row.price;
            o.price = row.price.isEmpty() ? std::nullopt : ParseAmount(row.price);
            o.dateText = row.date;
            o.date = parseStoredDate(row.date, today_);
            b.view.observations << o;
            ++result_.observations;
        }
        if (isNew) {
            byName_.insert(key, products_.size());
            products_.append(std::move(candidate));
        }
    }

    Source source_;
    QDate today_;
    QList<Building> products_;
    QHash<QString, qsizetype> byName_;
    ImportedProducts result_;
    QStringList refused_;
    qsizetype refusedCount_ = 0;
};

ImportedProducts importCsv(const QString& path, QStringView text, const QDate& today) {
    const csv::Parsed parsed = csv::parse(text);
    if (parsed.errorLine)
        refuseData(path, *parsed.errorLine, parsed.errorReason);
    if (parsed.records.isEmpty())
        refuseData(path, 1,
                   localized(u"見出しの行がありません（%1）"_s, u"there is no line of titles (%1)"_s)
                       .arg(exportHeaders().join(u',')));
    QStringList headerWarnings;
    const Layout layout = readHeader(path, parsed.records.first(), headerWarnings);

    Collector collector({path, false}, today);
    for (qsizetype r = 1; r < parsed.records.size(); ++r) {
        const csv::Record& record = parsed.records[r];
        if (std::all_of(record.fields.cbegin(), record.fields.cend(),
                        [](const QString& f) { return f.isEmpty(); }))
            continue; // a blank line, or a row a spreadsheet left with empty cells only
        if (record.fields.size() != layout.count) {
            collector.refuse(record.line, localized(u"欄が %1 個あります（見出しは %2 個）"_s,
                                                    u"%1 fields (the titles are %2)"_s)
                                              .arg(record.fields.size())
                                              .arg(layout.count));
            continue;
        }
        ImportedRow row;
        for (size_t c = 0; c < layout.positions.size(); ++c) {
            if (const qsizetype at = layout.positions[c]; at >= 0)
                row.*exportColumns()[c].imported = record.fields[at];
        }
        collector.add(record.line, row);
    }
    ImportedProducts result = collector.finish();
    result.warnings = headerWarnings + result.warnings;
    return result;
}

// A JSON value as the text of a field: a number only where an amount is written.
QString fieldText(const ExportColumn& column, const QJsonValue& value) {
    if (column.kind == FieldKind::Amount && value.isDouble())
        return QString::number(value.toDouble(), 'g', 17);
    return value.toString();
}

// The fields of one level (a product's or an observation's) of a JSON object into `row`.
void readMembers(const QJsonObject& object, bool perObservation, ImportedRow& row) {
    for (const ExportColumn& c : exportColumns()) {
        if (c.perObservation == perObservation)
            row.*c.imported = fieldText(c, object.value(QLatin1StringView(c.jsonKey)));
    }
}

ImportedProducts importJson(const QString& name, QStringView text, const QDate& today) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError)
        refuseData(name, 0,
                   localized(u"JSON として読めません（%1 文字目: %2）"_s,
                             u"cannot be read as JSON (character %1: %2)"_s)
                       .arg(error.offset + 1)
                       .arg(error.errorString()));
    const QJsonValue products = doc.object().value(u"products"_s);
    if (!products.isArray())
        refuseData(name, 0,
                   localized(u"JSON に \"products\" の配列がありません（export --format json の形）"_s,
                             u"the JSON has no \"products\" array (the form export --format json writes)"_s));

    Collector collector({name, true}, today);
    const QJsonArray array = products.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QJsonObject p = array[i].toObject();
        ImportedRow product;
        readMembers(p, false, product);
        const QJsonArray observations = p.value(u"observations"_s).toArray();
        if (observations.isEmpty())
            collector.add(i, product);
        for (const QJsonValue& v : observations) {
            ImportedRow row = product;
            readMembers(v.toObject(), true, row);
            collector.add(i, row);
        }
    }
    return collector.finish();
}

} // namespace

ImportedProducts importProducts(const QString& name, QStringView text, const QDate& today) {
    const QStringView start = text.trimmed();
    if (start.startsWith(u'{'))
        return importJson(name, text, today);
    return importCsv(name, text, today);
}
