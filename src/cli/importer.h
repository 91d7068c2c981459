// Reading exported rows back: a CSV file with the export's header (columns in any order; every
// column but 商品名 may be left out) becomes products, grouped by name ignoring case.
#pragma once

#include "notebook/productview.h"

#include <QDate>
#include <QList>
#include <QString>

// The products in the order their names first appear, each with its observations combined as
// newestFive says (so at most five). Prices are checked and rewritten as the window's price
// fields are, dates read as the window reads them. Throws CliFailure (exit status 1) at the first
// row that cannot be taken, naming `path`, the line and the reason; nothing is returned then.
QList<ProductView> importCsv(const QString& path, QStringView text, const QDate& today);
