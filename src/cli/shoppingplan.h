// The plan for a shopping list: which shop to buy each item at, for the lowest total, visiting at
// most K shops when asked (exactly: shopchoice.h), among the shops allowed; what the list costs at
// the best single shop and at the standard prices; what has no price. Old prices count where an item
// has no current price at an allowed shop.
#pragma once

#include "cli/shoppinglist.h"
#include "cli/shopprices.h"

#include <QDate>
#include <QStringList>
#include <optional>

struct PlannedItem {
    QString name;
    int quantity = 1;
    ShopPrice price;           // the unit price at the plan's shop
    AmountDifference cost = 0; // price × quantity
    std::optional<Amount> standardPrice;
};

struct PlanStop {
    QString shop;
    QList<PlannedItem> items; // in list order
    AmountDifference subtotal = 0;
};

struct SingleShop {
    QString shop;
    AmountDifference total = 0; // of the items it has
    QStringList missing;        // the list's items it has no price for
};

struct ShoppingPlan {
    QList<PlanStop> stops; // in shop order
    AmountDifference total = 0;
    std::optional<SingleShop> singleShop;          // nothing when no shop has any item
    std::optional<AmountDifference> standardTotal; // of the items with a standard price; nothing for none
    QStringList unpriced; // items the plan buys nowhere: no price at an allowed shop, or at none of the K
    QList<UnknownLine> unknown;
    QDate oldCutOff; // prices on or before this day are old
    int itemCount() const;
    bool anyOld() const;
};

struct PlanOptions {
    std::optional<int> maxShops;          // at most this many shops; nothing: as many as the cheapest need
    std::optional<QStringList> onlyShops; // only these shops (names as stored)
    QStringList shopList;                 // the user's shop list: its order breaks ties
    QDate oldCutOff;
};

// Every shop of the notebook's observations, once: those of the shop list in its order, then the
// others in the order they first appear in the notebook. Ties between plans go to the earlier shop.
QStringList orderedShops(const QList<NotebookProduct>& products, const QStringList& shopList);

ShoppingPlan makePlan(const QList<NotebookProduct>& products, const ShoppingList& list,
                      const PlanOptions& options);
