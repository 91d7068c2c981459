#include "cli/cheapest.h"

#include "cli/productorder.h"
#include "cli/shopprices.h"
#include "cli/table.h"
#include "core/dates.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString amountCell(const std::optional<Amount>& value) {
    return value ? formatDisplay(*value) : QString();
}

} // namespace

TableData cheapestRows(const QList<NotebookProduct>& products, const std::optional<QString>& shop,
                       const QDate& oldCutOff) {
    QList<TableColumn> columns{{u"商品名"_s, false, CellKind::Text, u"name"_s},
                               {u"最安値"_s, true, CellKind::Amount, u"price"_s}};
    if (!shop)
        columns << TableColumn{u"店名"_s, false, CellKind::List, u"shops"_s};
    columns << TableColumn{u"記録日"_s, true, CellKind::Date, u"date"_s}
            << TableColumn{u"標準価格"_s, true, CellKind::Amount, u"standardPrice"_s}
            << TableColumn{u"差額"_s, true, CellKind::Amount, u"difference"_s}
            << TableColumn{u"古い価格"_s, false, CellKind::Flag, u"old"_s};

    QList<QStringList> rows;
    for (const qsizetype i : productNameOrder(products)) {
        const ProductView& v = products[i].view;
        QList<ShopPrice> prices = newestPriceAtEachShop(v, oldCutOff);
        keepTrusted(prices);
        std::optional<Amount> cheapest;
        for (const ShopPrice& p : prices)
            cheapest = cheapest ? std::min(*cheapest, p.price) : p.price;
        // The shops of the cheapest price (only the given one with --shop), the newest first.
        QList<const ShopPrice*> tied;
        for (const ShopPrice& p : prices) {
            if (p.price == cheapest && (!shop || p.shop == *shop))
                tied << &p;
        }
        if (shop && tied.isEmpty())
            continue;
        std::stable_sort(tied.begin(), tied.end(), [](const ShopPrice* a, const ShopPrice* b) {
            return a->date && (!b->date || *a->date > *b->date);
        });
        QStringList shops;
        for (const ShopPrice* p : tied)
            shops << (p->shop.isEmpty() ? u"（店名なし）"_s : p->shop);
        const ShopPrice* newest = tied.isEmpty() ? nullptr : tied.first();
        QStringList row{v.name, cheapest ? formatDisplay(*cheapest) : u"記録なし"_s};
        if (!shop)
            row << shops.join(u'\n');
        std::optional<Amount> difference;
        if (cheapest && v.standardPrice)
            difference = *v.standardPrice - *cheapest;
        row << (newest ? (newest->date ? formatStoredDate(*newest->date) : newest->dateText) : QString())
            << amountCell(v.standardPrice) << amountCell(difference)
            << (newest && newest->old ? u"古い"_s : QString());
        rows << row;
    }
    return {columns, rows};
}

QByteArray cheapestOutput(OutputFormat format, const QList<NotebookProduct>& products,
                          const std::optional<QString>& shop, const QDate& oldCutOff, int width) {
    TableData table = cheapestRows(products, shop, oldCutOff);
    if (format != OutputFormat::Text)
        return formatOutput(format, table.columns, table.rows, width);
    // On a terminal the old mark follows the date, explained under the table.
    const qsizetype date = table.columns.size() - 4;
    table.columns.removeLast();
    bool anyOld = false;
    for (QStringList& row : table.rows) {
        if (!row.takeLast().isEmpty()) {
            row[date] += u"※"_s;
            anyOld = true;
        }
    }
    QString text = formatTable(table.columns, table.rows, width);
    if (anyOld)
        text += u"※ 古い価格（%1 以前の記録。これより新しい価格がありません）\n"_s.arg(
            formatStoredDate(oldCutOff));
    return text.toUtf8();
}
