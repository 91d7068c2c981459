#include "cli/shopprices.h"

#include "cli/stale.h"

#include <algorithm>

QDate oldPriceCutOff(const QDate& today, int months) {
    return staleCutOff(today, months);
}

QList<ShopPrice> newestPriceAtEachShop(const ProductView& product, const QDate& oldCutOff) {
    QList<ShopPrice> prices;
    for (const Observation& o : product.observations) {
        if (!o.price)
            continue;
        const ShopPrice seen{o.shop, *o.price, o.date, o.dateText, !o.date || *o.date <= oldCutOff};
        auto it =
            std::find_if(prices.begin(), prices.end(), [&](const ShopPrice& p) { return p.shop == o.shop; });
        if (it == prices.end()) {
            prices << seen;
            continue;
        }
        // An unreadable date is older than any readable one.
        const bool newer = o.date ? !it->date || *o.date >= *it->date : !it->date;
        if (newer)
            *it = seen;
    }
    return prices;
}

void keepTrusted(QList<ShopPrice>& prices) {
    if (std::any_of(prices.cbegin(), prices.cend(), [](const ShopPrice& p) { return !p.old; }))
        prices.removeIf([](const ShopPrice& p) { return p.old; });
}
