// A shopping plan written out: a table for the terminal, CSV, JSON, and an HTML shopping list to
// carry (grouped by shop, a check box per item, the totals; readable on a phone, one A4 page for a
// list of 40 items; no script, nothing fetched).
#pragma once

#include "cli/shoppingplan.h"

#include <QByteArray>
#include <QString>

QString planText(const ShoppingPlan& plan);
// UTF-8 with a byte-order mark: one row per item, the items without a price last with the price empty.
QByteArray planCsv(const ShoppingPlan& plan);
// One object: shops, total, single_shop, standard_total, unpriced, unknown; amounts as integers,
// dates yyyy-mm-dd (null when the stored date does not read).
QByteArray planJson(const ShoppingPlan& plan);

enum class CheckBoxes {
    Inputs,  // form check boxes a browser lets the user tick
    Squares, // "☐" characters, for renderers without forms (Qt's text documents)
};
QByteArray planHtml(const ShoppingPlan& plan, const QString& notebookName,
                    CheckBoxes boxes = CheckBoxes::Inputs);

// The whole-number display form of a total ("1,234").
QString totalText(AmountDifference value);
