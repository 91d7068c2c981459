// Product names: equality ignores letter case only; the selector's order is the Japanese
// collation ignoring case, made total by the case-insensitive compare and then code units.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

bool sameProductName(QStringView a, QStringView b);
bool productNameLess(const QString& a, const QString& b);
// Where `name` goes in a list already in productNameLess order (after equal ones).
qsizetype sortedInsertPosition(const QStringList& sorted, const QString& name);
// The same for `count` items read one at a time by `itemAt`: a binary search reads O(log n) of them.
qsizetype sortedInsertPosition(qsizetype count, const std::function<QString(qsizetype)>& itemAt,
                               const QString& name);
void sortProductNames(QStringList& names);
// The positions of `names` in the order sortProductNames gives, equal names in their given order;
// for sorting records by their names without moving the names.
QList<qsizetype> productNameOrder(const QStringList& names);
QList<qsizetype> productNameOrder(const QList<QStringView>& names);
// Copies of the names in the order sortProductNames gives: a sorted list made from views into
// other text, with no list of the names before it.
QStringList sortedProductNames(const QList<QStringView>& names);
