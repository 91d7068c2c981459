// A small price-history chart of one product as inline SVG: the priced observations by date on a
// time axis shared by every chart of the report, joined by a line with a dot at each price, the
// standard price as a dashed line, the lowest and highest price written at the side. Kept small
// (a few hundred bytes), since a report may hold 10,000 of them.
#pragma once

#include "cli/utf8buffer.h"
#include "notebook/pricebook.h"
#include "notebook/productview.h"

#include <QDate>
#include <QVarLengthArray>

// The cheapest red, the dearest lime, as the window's difference labels; but a product with one
// price, or only equal prices, has neither (nothing is dearer than anything).
enum class PriceMark { None, Cheapest, Dearest };

using PriceMarks = QVarLengthArray<PriceMark, PriceSlots>;

// The mark of each observation, by position in product.observations.
PriceMarks priceMarks(const ProductView& product);

// The days every chart spans: the first and the last observation date of the notebook.
struct TimeAxis {
    qint64 firstDay = 0;
    qint64 lastDay = 0;
};

// How many observations have both a price and a readable date: a chart needs two.
qsizetype chartPoints(const ProductView& product);

void appendChart(Utf8Buffer& html, const ProductView& product, const PriceMarks& marks, const TimeAxis& axis);
