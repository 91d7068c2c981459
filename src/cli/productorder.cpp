#include "cli/productorder.h"

#include "core/names.h"

#include <QHash>

QList<qsizetype> productNameOrder(const QList<NotebookProduct>& products) {
    QStringList names;
    names.reserve(products.size());
    // Equal names (possible in a file made elsewhere) come back in notebook order.
    QHash<QString, QList<qsizetype>> positions;
    for (qsizetype i = 0; i < products.size(); ++i) {
        names << products[i].view.name;
        positions[products[i].view.name] << i;
    }
    sortProductNames(names);
    QList<qsizetype> order;
    order.reserve(products.size());
    QHash<QString, qsizetype> taken;
    for (const QString& name : names)
        order << positions[name][taken[name]++];
    return order;
}
