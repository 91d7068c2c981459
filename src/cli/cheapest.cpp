#include "cli/cheapest.h"

#include "cli/productorder.h"
#include "cli/shopprices.h"
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

QString cheapestTable(const QList<NotebookProduct>& products, const std::optional<QString>& shop,
                      const QDate& oldCutOff) {
    QList<TableColumn> columns{{u"商品名"_s}, {u"最安値"_s, true}};
    if (!shop)
        columns << TableColumn{u"店名"_s};
    columns << TableColumn{u"記録日"_s, true} << TableColumn{u"標準価格"_s, true}
            << TableColumn{u"差額"_s, true};

    QList<QStringList> rows;
    bool anyOld = false;
    for (const qsizetype i : productNameOrder(products)) {
        const ProductView& v = products[i].view;
        QList<ShopPrice> prices = newestPriceAtEachShop(v, oldCutOff);
        keepTrusted(prices);
        std::optional<Amount> cheapest;
        for (const ShopPrice& p : prices)
            cheapest = cheapest ? std::min(*cheapest, p.price) : p.price;
        // The shops of the cheapest price, the newest first.
        QList<const ShopPrice*> tied;
        for (const ShopPrice& p : prices) {
            if (p.price == cheapest)
                tied << &p;
        }
        std::stable_sort(tied.begin(), tied.end(), [](const ShopPrice* a, const ShopPrice* b) {
            return a->date && (!b->date || *a->date > *b->date);
        });
        QStringList shops;
        for (const ShopPrice* p : tied)
            shops << (p->shop.isEmpty() ? u"（店名なし）"_s : p->shop);
        const ShopPrice* newest = tied.isEmpty() ? nullptr : tied.first();
        if (shop && !std::any_of(prices.cbegin(), prices.cend(),
                                 [&](const ShopPrice& p) { return p.price == cheapest && p.shop == *shop; }))
            continue;
        QStringList row{v.name, cheapest ? formatDisplay(*cheapest) : u"記録なし"_s};
        if (!shop)
            row << shops.join(u'、');
        QString date;
        if (newest) {
            date = newest->date ? formatStoredDate(*newest->date) : newest->dateText;
            if (newest->old) {
                date += u"※"_s;
                anyOld = true;
            }
        }
        std::optional<Amount> difference;
        if (cheapest && v.standardPrice)
            difference = *v.standardPrice - *cheapest;
        row << date << amountCell(v.standardPrice) << amountCell(difference);
        rows << row;
    }
    QString table = formatTable(columns, rows);
    if (anyOld)
        table += u"※ 古い価格（%1 以前の記録。これより新しい価格がありません）\n"_s.arg(
            formatStoredDate(oldCutOff));
    return table;
}
