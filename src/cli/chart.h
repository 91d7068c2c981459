// A small price-history chart of one product as inline SVG: the priced observations by date, joined
// by a line, the standard price as a dashed line, the shop, date and price of each point on hover.
#pragma once

#include "cli/utf8buffer.h"
#include "notebook/pricebook.h"
#include "notebook/productview.h"

#include <QVarLengthArray>

// Point colours as the window's difference labels: the cheapest red, the dearest lime (when all
// prices are equal, every point is lime), the rest grey.
enum class PriceMark { None, Cheapest, Dearest };

using PriceMarks = QVarLengthArray<PriceMark, PriceSlots>;

// The mark of each observation, by position in product.observations.
PriceMarks priceMarks(const ProductView& product);

void appendChart(Utf8Buffer& html, const ProductView& product, const PriceMarks& marks);
