// A small price-history chart of one product as inline SVG: the priced observations by date, joined
// by a line, the standard price as a dashed line, the shop, date and price of each point on hover.
#pragma once

#include "notebook/productview.h"

#include <QString>

// Point colours as the window's difference labels: the cheapest red, the dearest lime (when all
// prices are equal, every point is lime), the rest grey.
enum class PriceMark { None, Cheapest, Dearest };

// The mark of each observation, by position in product.observations.
QList<PriceMark> priceMarks(const ProductView& product);

void appendChart(QString& html, const ProductView& product);
