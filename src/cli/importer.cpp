#include "cli/importer.h"

#include "cli/clierror.h"
#include "cli/columns.h"
#include "cli/csv.h"
#include "cli/observations.h"
#include "core/apperror.h"
#include "core/dates.h"
#include "core/textfile.h"

#include <QHash>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString AmountWarning = u"金額を入力して下さい。なお\\は不要です"_s;

// Column positions in the file; -1 for a column it leaves out.
struct Layout {
    qsizetype name = -1, standardPrice = -1, shop = -1, price = -1, date = -1, memo = -1;
    qsizetype count = 0;
};

Layout readHeader(const QString& path, const csv::Record& header) {
    Layout layout;
    layout.count = header.fields.size();
    const QStringList known = exportColumns();
    qsizetype* positions[] = {&layout.name,  &layout.standardPrice, &layout.shop,
                              &layout.price, &layout.date,          &layout.memo};
    for (qsizetype i = 0; i < header.fields.size(); ++i) {
        const QString title = header.fields[i].trimmed();
        const qsizetype which = known.indexOf(title);
        if (which < 0)
            refuseData(path, header.line,
                       u"見出し「%1」は使えません（使える見出し: %2）"_s.arg(title, known.join(u',')));
        if (*positions[which] >= 0)
            refuseData(path, header.line, u"見出し「%1」が二つあります"_s.arg(title));
        *positions[which] = i;
    }
    if (layout.name < 0)
        refuseData(path, header.line, u"見出しに「%1」がありません"_s.arg(column::Name));
    return layout;
}

struct Row {
    QString name, standardPrice, shop, price, date, memo;
};

// The stored text of a price field, as the window's amount check leaves it.
QString checkedAmount(const QString& path, qsizetype line, const QString& title, const QString& text) {
    const std::optional<QString> stored = checkAmountText(text);
    if (!stored)
        refuseData(path, line, u"%1 '%2': %3"_s.arg(title, text, AmountWarning));
    return *stored;
}

Row readRow(const QString& path, const Layout& layout, const csv::Record& record, const QDate& today) {
    const auto field = [&](qsizetype at) { return at >= 0 ? record.fields[at] : QString(); };
    const QStringList titles = exportColumns();
    for (qsizetype i = 0; i < record.fields.size(); ++i) {
        if (textfile::hasLineBreakOrNul(record.fields[i]))
            refuseData(path, record.line,
                       u"%1 に改行があります（ノートの 1 行に入りません）"_s.arg(
                           i == layout.name            ? column::Name
                           : i == layout.standardPrice ? column::StandardPrice
                           : i == layout.shop          ? column::Shop
                           : i == layout.price         ? column::Price
                           : i == layout.date          ? column::Date
                                                       : column::Memo));
    }
    Row row;
    row.name = field(layout.name);
    if (row.name.isEmpty())
        refuseData(path, record.line, u"商品名が空です"_s);
    row.standardPrice = checkedAmount(path, record.line, column::StandardPrice, field(layout.standardPrice));
    row.shop = field(layout.shop);
    row.price = checkedAmount(path, record.line, column::Price, field(layout.price));
    row.memo = field(layout.memo);

    const QString dateText = field(layout.date);
    const bool observed = !row.shop.isEmpty() || !row.price.isEmpty();
    if (observed && dateText.isEmpty())
        refuseData(path, record.line, u"記録日がありません"_s);
    if (!observed && !dateText.isEmpty())
        refuseData(path, record.line, u"記録日がありますが、店名も時価もありません"_s);
    if (observed) {
        try {
            row.date = formatStoredDate(parseStoredDate(dateText, today));
        } catch (const AppError& e) {
            refuseData(path, record.line, u"%1: %2"_s.arg(column::Date, e.message()));
        }
    }
    return row;
}

// A product's standard price and memo may stand on one of its rows only; different ones refuse.
void takeValue(const QString& path, qsizetype line, const QString& title, QString& kept, qsizetype& keptLine,
               const QString& value) {
    if (value.isEmpty())
        return;
    if (kept.isEmpty()) {
        kept = value;
        keptLine = line;
    } else if (kept != value) {
        refuseData(
            path, line,
            u"%1 '%2' が同じ商品の %3 行目の '%4' と違います"_s.arg(title, value).arg(keptLine).arg(kept));
    }
}

struct Building {
    ProductView view;
    qsizetype standardPriceLine = 0;
    qsizetype memoLine = 0;
};

} // namespace

QList<ProductView> importCsv(const QString& path, QStringView text, const QDate& today) {
    const csv::Parsed parsed = csv::parse(text);
    if (parsed.errorLine)
        refuseData(path, *parsed.errorLine, parsed.errorReason);
    if (parsed.records.isEmpty())
        refuseData(path, 1, u"見出しの行がありません（%1）"_s.arg(exportColumns().join(u',')));
    const Layout layout = readHeader(path, parsed.records.first());

    QList<Building> products;
    QHash<QString, qsizetype> byName;
    for (qsizetype r = 1; r < parsed.records.size(); ++r) {
        const csv::Record& record = parsed.records[r];
        if (std::all_of(record.fields.cbegin(), record.fields.cend(),
                        [](const QString& f) { return f.isEmpty(); }))
            continue; // a blank line, or a row a spreadsheet left with empty cells only
        if (record.fields.size() != layout.count)
            refuseData(path, record.line,
                       u"欄が %1 個あります（見出しは %2 個）"_s.arg(record.fields.size()).arg(layout.count));
        const Row row = readRow(path, layout, record, today);

        const QString key = row.name.toCaseFolded();
        auto found = byName.constFind(key);
        if (found == byName.cend()) {
            found = byName.insert(key, products.size());
            products.append(Building{});
            products.last().view.name = row.name;
        }
        Building& b = products[*found];
        takeValue(path, record.line, column::StandardPrice, b.view.standardPriceText, b.standardPriceLine,
                  row.standardPrice);
        takeValue(path, record.line, column::Memo, b.view.memo, b.memoLine, row.memo);
        if (row.shop.isEmpty() && row.price.isEmpty())
            continue;
        Observation o;
        o.shop = row.shop;
        o.priceText = row.price;
        o.price = row.price.isEmpty() ? std::nullopt : ParseAmount(row.price);
        o.dateText = row.date;
        o.date = parseStoredDate(row.date, today);
        b.view.observations << o;
    }

    QList<ProductView> views;
    views.reserve(products.size());
    for (Building& b : products) {
        b.view.standardPrice =
            b.view.standardPriceText.isEmpty() ? std::nullopt : ParseAmount(b.view.standardPriceText);
        b.view.observations = newestFive(b.view.observations);
        views << std::move(b.view);
    }
    return views;
}
