// The cheapest observation of each product, and the table of the cheapest command.
#pragma once

#include "cli/notebookinput.h"

#include <QString>
#include <optional>

struct CheapestPrice {
    std::optional<Amount> price;      // nothing when no observation has a price
    QList<const Observation*> seen;   // the observations at that price, newest first
    std::optional<Amount> difference; // standard price minus the cheapest, with a standard price only
};

CheapestPrice cheapestOf(const ProductView& product);

// The shops of the observations, each once, in their order; an observation without a shop shows
// as "（店名なし）".
QStringList shopsOf(const QList<const Observation*>& observations);
// The newest readable date of the observations as stored (yyyy/MM/dd), else the first stored text.
QString newestDateOf(const QList<const Observation*>& observations);

// Every product in name order: cheapest price, where and when, standard price, difference. With a
// shop: only the products whose cheapest price was seen there (ties included), without the shop column.
QString cheapestTable(const QList<NotebookProduct>& products, const std::optional<QString>& shop);
