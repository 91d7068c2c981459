// The order the window's product selector lists names in, for lists of products.
#pragma once

#include "cli/notebookinput.h"

#include <QList>

// Indexes into `products` in product-name order (Japanese collation ignoring case, made total);
// equal names (possible in a file made elsewhere) in notebook order.
QList<qsizetype> productNameOrder(const QList<NotebookProduct>& products);
