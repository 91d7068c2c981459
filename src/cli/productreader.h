// The products of a notebook as values, read the way viewProduct reads them but quicker on the
// forms the window stores (whole-number prices, yyyy/MM/dd dates): a large notebook is read in
// the time it takes to split it into lines, not several times that.
#pragma once

#include "notebook/pricebook.h"
#include "notebook/productview.h"

#include <QDate>

// The same value as viewProduct(book, nameLine, today) for a record the notebook holds whole.
ProductView readProduct(const PriceBook& book, qsizetype nameLine, const QDate& today);
