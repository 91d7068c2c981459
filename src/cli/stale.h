// Products to check again: those whose newest observation (at a shop, when one is named) is N
// months old or older, the oldest first.
#pragma once

#include "cli/notebookinput.h"
#include "cli/table.h"

#include <QDate>
#include <optional>

inline constexpr int DefaultStaleMonths = 12;

struct StaleProduct {
    const NotebookProduct* product = nullptr;
    const Observation* newest = nullptr; // nothing: no observation with a readable date
    bool observed = false;               // there is an observation (at the shop), dated or not
};

// The day on or before which an observation is stale: N months before today, on the same day of
// the month or, where that month is shorter, its last day (29 February gives 28 February).
QDate staleCutOff(const QDate& today, int months);

// Products whose newest observation is on or before the cut-off, oldest first, then in name order.
// Without a shop, products without any dated observation lead the list (never checked); with a
// shop, products never seen there are left out.
QList<StaleProduct> staleProducts(const QList<NotebookProduct>& products, const QDate& today, int months,
                                  const std::optional<QString>& shop);
// The same with the products' name order (productNameOrder) already at hand.
QList<StaleProduct> staleProducts(const QList<NotebookProduct>& products, const QList<qsizetype>& nameOrder,
                                  const QDate& today, int months, const std::optional<QString>& shop);

TableData staleRows(const QList<StaleProduct>& stale, const QDate& today);
QString staleTable(const QList<StaleProduct>& stale, const QDate& today);
