// The prices a shopping decision can trust: a shop's price for a product is its newest priced
// observation at that shop; an observation N months old or older (as `stale` counts them) is old,
// and counts only where the product has no newer price at any shop in question.
#pragma once

#include "notebook/productview.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

struct ShopPrice {
    QString shop; // as stored; empty for an observation without a shop
    Amount price = 0;
    std::optional<QDate> date; // nothing when the stored date does not read
    QString dateText;          // as stored
    bool old = false;          // on or before the cut-off, or of an unknown date
};

// The last day whose prices are old: the stale cut-off, N months before today.
QDate oldPriceCutOff(const QDate& today, int months);

// Each shop's newest observation with a price, in the order the shops first appear in the slots.
// Of equal dates the later slot is the newer one: slots are filled from the oldest.
QList<ShopPrice> newestPriceAtEachShop(const ProductView& product, const QDate& oldCutOff);

// Drops the old prices when a current one is left.
void keepTrusted(QList<ShopPrice>& prices);
