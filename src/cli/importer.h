// Reading exported rows back: a CSV file with the export's header (columns in any order; every
// column but 商品名 may be left out, columns of other titles are ignored), or the JSON that
// `export --format json` writes, becomes products grouped by name ignoring case.
#pragma once

#include "notebook/productview.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

struct ImportedProducts {
    QList<ProductView> products;
    qsizetype observations = 0;
    QStringList warnings; // ignored columns, rounded prices
};

// The products in the order their names first appear, each with its observations combined as
// newestFive says (so at most five). Prices are checked and rounded as the window's price fields
// do, dates read as the window reads them or as yyyy-mm-dd. Throws CliFailure (exit status 1)
// naming `name` and every row that cannot be taken (the first 100, then how many more) and the
// reason; nothing is returned then.
ImportedProducts importProducts(const QString& name, QStringView text, const QDate& today);
