#include "cli/cheapest.h"

#include "cli/productorder.h"
#include "cli/table.h"
#include "core/dates.h"

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

qint64 dayOf(const Observation* o) {
    return o->date ? o->date->toJulianDay() : std::numeric_limits<qint64>::min();
}

QString amountCell(const std::optional<Amount>& value) {
    return value ? formatDisplay(*value) : QString();
}

} // namespace

CheapestPrice cheapestOf(const ProductView& product) {
    CheapestPrice result;
    for (const Observation& o : product.observations) {
        if (!o.price)
            continue;
        if (!result.price || *o.price < *result.price) {
            result.price = o.price;
            result.seen.clear();
        }
        if (*o.price == *result.price)
            result.seen << &o;
    }
    std::stable_sort(result.seen.begin(), result.seen.end(),
                     [](const Observation* a, const Observation* b) { return dayOf(a) > dayOf(b); });
    if (result.price && product.standardPrice)
        result.difference = *product.standardPrice - *result.price;
    return result;
}

QStringList shopsOf(const ObservationRefs& observations) {
    QStringList shops;
    for (const Observation* o : observations) {
        const QString shop = o->shop.isEmpty() ? u"（店名なし）"_s : o->shop;
        if (!shops.contains(shop))
            shops << shop;
    }
    return shops;
}

const Observation* newestOf(const ObservationRefs& observations) {
    const Observation* newest = nullptr;
    for (const Observation* o : observations) {
        if (o->date && (!newest || !newest->date || *o->date > *newest->date))
            newest = o;
    }
    if (!newest && !observations.isEmpty())
        newest = observations.first();
    return newest;
}

QString newestDateOf(const ObservationRefs& observations) {
    const Observation* newest = newestOf(observations);
    if (!newest)
        return QString();
    return newest->date ? formatStoredDate(*newest->date) : newest->dateText;
}

TableData cheapestRows(const QList<NotebookProduct>& products, const std::optional<QString>& shop) {
    QList<TableColumn> columns{{u"商品名"_s, false, CellKind::Text, u"name"_s},
                               {u"最安値"_s, true, CellKind::Amount, u"price"_s}};
    if (!shop)
        columns << TableColumn{u"店名"_s, false, CellKind::List, u"shops"_s};
    columns << TableColumn{u"記録日"_s, true, CellKind::Date, u"date"_s}
            << TableColumn{u"標準価格"_s, true, CellKind::Amount, u"standardPrice"_s}
            << TableColumn{u"差額"_s, true, CellKind::Amount, u"difference"_s};

    QList<QStringList> rows;
    for (const qsizetype i : productNameOrder(products)) {
        const ProductView& v = products[i].view;
        const CheapestPrice c = cheapestOf(v);
        ObservationRefs seen;
        for (const Observation* o : c.seen) {
            if (!shop || o->shop == *shop)
                seen << o;
        }
        if (shop && seen.isEmpty())
            continue;
        QStringList row{v.name, c.price ? formatDisplay(*c.price) : u"記録なし"_s};
        if (!shop)
            row << shopsOf(seen).join(u'\n');
        row << newestDateOf(seen) << amountCell(v.standardPrice) << amountCell(c.difference);
        rows << row;
    }
    return {columns, rows};
}

QString cheapestTable(const QList<NotebookProduct>& products, const std::optional<QString>& shop) {
    const TableData table = cheapestRows(products, shop);
    return formatTable(table.columns, table.rows);
}
