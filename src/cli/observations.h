// Combining observations of one product, as import and merge do: an identical observation (shop,
// price and date) is kept once, and of more than five the newest five stay. The kept ones fill
// slots 1 to n from the oldest to the newest; slots after them are empty and dated today, the
// date the window gives an emptied row. Observations of the same date keep the order they came in.
#pragma once

#include "notebook/productview.h"

#include <QDate>
#include <QList>
#include <QStringList>

// Whether two observations are the same: the same shop, the same price (as an amount, or as text
// when it is none) and the same date (as a date, or as text when it does not read).
bool sameObservation(const Observation& a, const Observation& b);

// Duplicates dropped (the first kept), sorted by date (dates that do not read first), the newest five.
QList<Observation> newestFive(const QList<Observation>& observations);

// The 18 lines of the product: its observations in slots 1.. in the order given (at most five).
QStringList recordLines(const ProductView& product, const QDate& today);
