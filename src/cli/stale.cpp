#include "cli/stale.h"

#include "cli/productorder.h"
#include "cli/table.h"
#include "core/dates.h"

#include <algorithm>

using namespace Qt::StringLiterals;

QDate staleCutOff(const QDate& today, int months) {
    return today.addMonths(-months);
}

QList<StaleProduct> staleProducts(const QList<NotebookProduct>& products, const QDate& today, int months,
                                  const std::optional<QString>& shop) {
    return staleProducts(products, productNameOrder(products), today, months, shop);
}

QList<StaleProduct> staleProducts(const QList<NotebookProduct>& products, const QList<qsizetype>& nameOrder,
                                  const QDate& today, int months, const std::optional<QString>& shop) {
    const QDate cutOff = staleCutOff(today, months);
    QList<StaleProduct> stale;
    for (const qsizetype i : nameOrder) {
        const NotebookProduct& p = products[i];
        bool seenAtShop = false;
        const Observation* newest = nullptr;
        for (const Observation& o : p.view.observations) {
            if (shop && o.shop != *shop)
                continue;
            seenAtShop = true;
            if (o.date && (!newest || *o.date > *newest->date))
                newest = &o;
        }
        if (shop && !seenAtShop)
            continue;
        if (!newest || *newest->date <= cutOff)
            stale.append({&p, newest, seenAtShop});
    }
    // Stable: equal dates keep the name order.
    std::stable_sort(stale.begin(), stale.end(), [](const StaleProduct& a, const StaleProduct& b) {
        if (!a.newest || !b.newest)
            return !a.newest && b.newest;
        return *a.newest->date < *b.newest->date;
    });
    return stale;
}

TableData staleRows(const QList<StaleProduct>& stale, const QDate& today) {
    const QList<TableColumn> columns{{u"商品名"_s, false, CellKind::Text, u"name"_s},
                                     {u"最終記録日"_s, true, CellKind::Date, u"lastDate"_s},
                                     {u"店名"_s, false, CellKind::Text, u"shop"_s},
                                     {u"経過日数"_s, true, CellKind::Days, u"days"_s}};
    QList<QStringList> rows;
    for (const StaleProduct& s : stale) {
        if (!s.newest) {
            rows << QStringList{s.product->view.name, s.observed ? u"日付不明"_s : u"記録なし"_s, QString(),
                                QString()};
            continue;
        }
        rows << QStringList{s.product->view.name, formatStoredDate(*s.newest->date), s.newest->shop,
                            u"%1日"_s.arg(s.newest->date->daysTo(today))};
    }
    return {columns, rows};
}

QString staleTable(const QList<StaleProduct>& stale, const QDate& today) {
    const TableData table = staleRows(stale, today);
    return formatTable(table.columns, table.rows);
}
