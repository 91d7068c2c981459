#include "cli/planformats.h"

#include "cli/csv.h"
#include "cli/table.h"
#include "cli/textwidth.h"
#include "cli/utf8buffer.h"
#include "core/dates.h"

using namespace Qt::StringLiterals;

namespace {

QString dateOf(const ShopPrice& p) {
    return p.date ? formatStoredDate(*p.date) : p.dateText;
}

QString wholeNumber(AmountDifference value) {
    return totalText(value).remove(u',');
}

QString oldNote(const ShoppingPlan& plan) {
    return u"※ 古い価格: %1 以前の記録で、ほかに新しい価格がありません"_s.arg(
        formatStoredDate(plan.oldCutOff));
}

QString singleShopText(const SingleShop& single) {
    QString text = u"%1 なら %2 円"_s.arg(single.shop, totalText(single.total));
    if (!single.missing.isEmpty())
        text += u"（ない品: %1）"_s.arg(single.missing.join(u'、'));
    return text;
}

} // namespace

QString totalText(AmountDifference value) {
    return formatDifferenceDisplay(value);
}

QString planText(const ShoppingPlan& plan) {
    const QList<TableColumn> columns{{u"店名"_s},       {u"商品名"_s},     {u"単価"_s, true},
                                     {u"数量"_s, true}, {u"金額"_s, true}, {u"記録日"_s, true}};
    QList<QStringList> rows;
    for (const PlanStop& stop : plan.stops) {
        bool first = true;
        for (const PlannedItem& item : stop.items) {
            rows << QStringList{first ? stop.shop : QString(),
                                item.name,
                                formatDisplay(item.price.price),
                                QString::number(item.quantity),
                                totalText(item.cost),
                                dateOf(item.price) + (item.price.old ? u"※"_s : QString())};
            first = false;
        }
        rows << QStringList{QString(), u"小計"_s, QString(), QString(), totalText(stop.subtotal), QString()};
    }
    QString text;
    if (!rows.isEmpty())
        text = formatTable(columns, rows);
    QStringList lines{u"合計: %1 円（%2 店、%3 品）"_s.arg(totalText(plan.total))
                          .arg(plan.stops.size())
                          .arg(plan.itemCount())};
    if (plan.singleShop)
        lines << u"1 店で買うなら: "_s + singleShopText(*plan.singleShop);
    if (plan.standardTotal)
        lines << u"標準価格なら: %1 円"_s.arg(totalText(*plan.standardTotal));
    if (!plan.unpriced.isEmpty())
        lines << u"価格の分からない品: "_s + plan.unpriced.join(u'、');
    if (plan.anyOld())
        lines << oldNote(plan);
    for (const QString& line : lines)
        text += terminalSafe(line) + u'\n';
    return text;
}

QByteArray planCsv(const ShoppingPlan& plan) {
    QString out = u"\uFEFF"_s;
    csv::appendRecord(out,
                      {u"店名"_s, u"商品名"_s, u"単価"_s, u"数量"_s, u"金額"_s, u"記録日"_s, u"古い価格"_s});
    for (const PlanStop& stop : plan.stops) {
        for (const PlannedItem& item : stop.items)
            csv::appendRecord(out, {stop.shop, item.name, formatStorage(item.price.price),
                                    QString::number(item.quantity), wholeNumber(item.cost),
                                    dateOf(item.price), item.price.old ? u"古い"_s : QString()});
    }
    for (const QString& name : plan.unpriced)
        csv::appendRecord(out, {QString(), name, QString(), QString(), QString(), QString(), QString()});
    return out.toUtf8();
}

QByteArray planJson(const ShoppingPlan& plan) {
    Utf8Buffer out;
    const auto names = [&](const QStringList& list) {
        out << '[';
        for (qsizetype i = 0; i < list.size(); ++i) {
            if (i > 0)
                out << ", ";
            out.jsonString(list[i]);
        }
        out << ']';
    };
    out << "{\n  \"shops\": [";
    for (qsizetype s = 0; s < plan.stops.size(); ++s) {
        const PlanStop& stop = plan.stops[s];
        out.raw(s > 0 ? ",\n    {\"shop\": " : "\n    {\"shop\": ");
        out.jsonString(stop.shop) << ", \"subtotal\": " << wholeNumber(stop.subtotal) << ", \"items\": [";
        for (qsizetype i = 0; i < stop.items.size(); ++i) {
            const PlannedItem& item = stop.items[i];
            out.raw(i > 0 ? ",\n      {\"name\": " : "\n      {\"name\": ");
            out.jsonString(item.name) << ", \"price\": ";
            out.storageAmount(item.price.price) << ", \"quantity\": ";
            out.number(item.quantity) << ", \"date\": ";
            if (item.price.date)
                out << '"' << formatStoredDate(*item.price.date).replace(u'/', u'-') << '"';
            else
                out << "null";
            out << ", \"old\": ";
            out.raw(item.price.old ? "true}" : "false}");
        }
        out << "]}";
    }
    out.raw(plan.stops.isEmpty() ? "],\n" : "\n  ],\n");
    out << "  \"total\": " << wholeNumber(plan.total) << ",\n  \"single_shop\": ";
    if (plan.singleShop) {
        out << "{\"shop\": ";
        out.jsonString(plan.singleShop->shop)
            << ", \"total\": " << wholeNumber(plan.singleShop->total) << ", \"missing\": ";
        names(plan.singleShop->missing);
        out << '}';
    } else {
        out << "null";
    }
    out << ",\n  \"standard_total\": ";
    if (plan.standardTotal)
        out << wholeNumber(*plan.standardTotal);
    else
        out << "null";
    out << ",\n  \"unpriced\": ";
    names(plan.unpriced);
    out << ",\n  \"unknown\": ";
    QStringList unknown;
    for (const UnknownLine& u : plan.unknown)
        unknown << u.text;
    names(unknown);
    out << "\n}\n";
    return out.take();
}
