// The table of the cheapest command.
#pragma once

#include "cli/notebookinput.h"
#include "cli/table.h"
#include "cli/tableoutput.h"

#include <QDate>
#include <QString>
#include <optional>

// Every product in name order: its cheapest trusted price (shopprices.h: each shop's newest price,
// old prices only where nothing newer is known), where and when, standard price, difference, and
// whether the price is old. With a shop: only the products whose cheapest price is there (ties
// included), without the shop column.
TableData cheapestRows(const QList<NotebookProduct>& products, const std::optional<QString>& shop,
                       const QDate& oldCutOff);
// The rows in a form of --format; as text the old prices' dates are marked "※", explained below.
QByteArray cheapestOutput(OutputFormat format, const QList<NotebookProduct>& products,
                          const std::optional<QString>& shop, const QDate& oldCutOff, int width);
