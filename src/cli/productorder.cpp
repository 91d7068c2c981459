#include "cli/productorder.h"

#include "core/names.h"

QList<qsizetype> productNameOrder(const QList<NotebookProduct>& products) {
    QStringList names;
    names.reserve(products.size());
    for (const NotebookProduct& p : products)
        names << p.view.name;
    return productNameOrder(names);
}
