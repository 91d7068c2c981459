#include "cli/shoppingplan.h"

#include "cli/shopchoice.h"

#include <QHash>
#include <QSet>
#include <algorithm>

int ShoppingPlan::itemCount() const {
    int count = 0;
    for (const PlanStop& s : stops)
        count += int(s.items.size());
    return count;
}

bool ShoppingPlan::anyOld() const {
    for (const PlanStop& s : stops) {
        for (const PlannedItem& i : s.items) {
            if (i.price.old)
                return true;
        }
    }
    return false;
}

QStringList orderedShops(const QList<NotebookProduct>& products, const QStringList& shopList) {
    QStringList shops;
    QSet<QString> seen;
    for (const QString& s : shopList) {
        if (!s.isEmpty() && !seen.contains(s)) {
            seen.insert(s);
            shops << s;
        }
    }
    // Only shops that hold a price count: the list's own order stays, whatever it holds.
    QSet<QString> priced;
    for (const NotebookProduct& p : products) {
        for (const Observation& o : p.view.observations) {
            if (o.shop.isEmpty())
                continue;
            priced.insert(o.shop);
            if (!seen.contains(o.shop)) {
                seen.insert(o.shop);
                shops << o.shop;
            }
        }
    }
    shops.removeIf([&](const QString& s) { return !priced.contains(s); });
    return shops;
}

ShoppingPlan makePlan(const QList<NotebookProduct>& products, const ShoppingList& list,
                      const PlanOptions& options) {
    ShoppingPlan plan;
    plan.unknown = list.unknown;
    plan.oldCutOff = options.oldCutOff;
    const std::optional<QSet<QString>> allowed =
        options.onlyShops ? std::optional<QSet<QString>>(
                                QSet<QString>(options.onlyShops->cbegin(), options.onlyShops->cend()))
                          : std::nullopt;

    // Each item's trusted prices at the shops it may be bought at.
    struct Item {
        const ListEntry* entry;
        QList<ShopPrice> prices;
    };
    QList<Item> items;
    QSet<QString> carrying;
    for (const ListEntry& e : list.entries) {
        const ProductView& view = products[e.product].view;
        if (view.standardPrice)
            plan.standardTotal =
                plan.standardTotal.value_or(0) + AmountDifference(*view.standardPrice) * e.quantity;
        QList<ShopPrice> prices = newestPriceAtEachShop(view, options.oldCutOff);
        prices.removeIf(
            [&](const ShopPrice& p) { return p.shop.isEmpty() || (allowed && !allowed->contains(p.shop)); });
        keepTrusted(prices);
        for (const ShopPrice& p : prices)
            carrying.insert(p.shop);
        items.append({&e, prices});
    }

    // The shops that have something, in the order that breaks ties.
    QStringList shops = orderedShops(products, options.shopList);
    shops.removeIf([&](const QString& s) { return !carrying.contains(s); });
    QHash<QString, int> shopIndex;
    for (int s = 0; s < shops.size(); ++s)
        shopIndex.insert(shops[s], s);
    QList<QList<ShopChoice::Offer>> offers(shops.size());
    for (int i = 0; i < items.size(); ++i) {
        for (const ShopPrice& p : items[i].prices)
            offers[shopIndex.value(p.shop)].append({i, AmountDifference(p.price) * items[i].entry->quantity});
    }

    ShopChoice choice(int(items.size()), offers);
    const QList<int> chosen = choice.choose(options.maxShops.value_or(int(shops.size())));
    const QList<int> single = choice.choose(1);

    // Each item at the cheapest chosen shop, the earlier of equal ones.
    QList<PlanStop> stops(shops.size());
    for (const Item& item : items) {
        const ProductView& view = products[item.entry->product].view;
        const ShopPrice* at = nullptr;
        int atIndex = 0;
        for (const ShopPrice& p : item.prices) {
            const int s = shopIndex.value(p.shop);
            if (!chosen.contains(s))
                continue;
            if (!at || p.price < at->price || (p.price == at->price && s < atIndex)) {
                at = &p;
                atIndex = s;
            }
        }
        if (!at) {
            plan.unpriced << view.name;
            continue;
        }
        const AmountDifference cost = AmountDifference(at->price) * item.entry->quantity;
        stops[atIndex].shop = at->shop;
        stops[atIndex].items.append({view.name, item.entry->quantity, *at, cost, view.standardPrice});
        stops[atIndex].subtotal += cost;
        plan.total += cost;
    }
    for (PlanStop& s : stops) {
        if (!s.items.isEmpty())
            plan.stops << std::move(s);
    }

    if (!single.isEmpty()) {
        SingleShop best{shops[single.first()], 0, {}};
        for (const Item& item : items) {
            const auto at = std::find_if(item.prices.cbegin(), item.prices.cend(),
                                         [&](const ShopPrice& p) { return p.shop == best.shop; });
            if (at == item.prices.cend())
                best.missing << products[item.entry->product].view.name;
            else
                best.total += AmountDifference(at->price) * item.entry->quantity;
        }
        plan.singleShop = best;
    }
    return plan;
}
