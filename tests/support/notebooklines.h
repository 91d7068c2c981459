// Notebook lines made inside the tests.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The 18 lines of a product with a standard price, a shop and price in slot 1 and the same date in
// every slot.
QStringList productLines(const QString& name, const QString& price = {}, const QString& shop = {},
                         const QString& slotPrice = {}, const QString& date = QStringLiteral("2014/05/01"),
                         const QString& memo = {});
// A notebook's lines: the magic line, then the products.
QStringList notebook(const QList<QStringList>& products);
