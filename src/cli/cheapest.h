// The cheapest observation of each product, and the table of the cheapest command.
#pragma once

#include "cli/notebookinput.h"
#include "cli/table.h"
#include "cli/tableoutput.h"

#include <QDate>
#include <QString>
#include <QVarLengthArray>
#include <optional>

// Observations of one product: never more than its five slots, so kept off the heap.
using ObservationRefs = QVarLengthArray<const Observation*, PriceSlots>;

struct CheapestPrice {
    std::optional<Amount> price;      // nothing when no observation has a price
    ObservationRefs seen;             // the observations at that price, newest first
    std::optional<Amount> difference; // standard price minus the cheapest, with a standard price only
};

CheapestPrice cheapestOf(const ProductView& product);

// The shops of the observations, each once, in their order; an observation without a shop shows
// as "（店名なし）".
QStringList shopsOf(const ObservationRefs& observations);
// The observation with the newest readable date, else the first; nothing for none.
const Observation* newestOf(const ObservationRefs& observations);
// Its date as stored (yyyy/MM/dd), or its text when it does not read.
QString newestDateOf(const ObservationRefs& observations);

// Every product in name order: its cheapest trusted price (shopprices.h: each shop's newest price,
// old prices only where nothing newer is known), where and when, standard price, difference, and
// whether the price is old. With a shop: only the products whose cheapest price is there (ties
// included), without the shop column.
TableData cheapestRows(const QList<NotebookProduct>& products, const std::optional<QString>& shop,
                       const QDate& oldCutOff);
// The rows in a form of --format; as text the old prices' dates are marked "※", explained below.
QByteArray cheapestOutput(OutputFormat format, const QList<NotebookProduct>& products,
                          const std::optional<QString>& shop, const QDate& oldCutOff, int width);
