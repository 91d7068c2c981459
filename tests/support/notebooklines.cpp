#include "support/notebooklines.h"

#include "notebook/pricebook.h"

QStringList productLines(const QString& name, const QString& price, const QString& shop,
                         const QString& slotPrice, const QString& date, const QString& memo) {
    QStringList lines{name, price, shop, slotPrice, date};
    for (int j = 2; j <= PriceSlots; ++j)
        lines << QString() << QString() << date;
    lines << memo;
    return lines;
}

QStringList notebook(const QList<QStringList>& products) {
    QStringList lines{QStringLiteral("zorvandata")};
    for (const QStringList& p : products)
        lines << p;
    return lines;
}
