// Merging products into a notebook (merge A B, import --into): products match by name ignoring
// case, as the window finds them.
#pragma once

#include "notebook/pricebook.h"
#include "notebook/productview.h"

#include <QDate>
#include <QList>
#include <QStringList>

struct IncomingProduct {
    ProductView view;
    // The product's 18 lines as stored in another notebook, copied as they are when the target has
    // no such product; empty for a product read from a CSV file, whose record is then built.
    QStringList record;
};

// Names of the two sides in the notes (the files).
struct MergeSides {
    QString target;
    QString incoming;
};

// Adds every incoming product to `target`, which holds only whole, named records. A product the
// target has keeps its standard price and memo unless they are empty there; when the incoming
// product brings an observation the target's lacks, the observations of both are combined as
// newestFive says and written to slots 1 to 5 again; otherwise the record stays as it was. A
// product the target lacks is appended. Returns one note for each standard price and each memo
// that differed (both sides filled, the target's kept).
QStringList mergeProducts(PriceBook& target, const QList<IncomingProduct>& incoming, const MergeSides& sides,
                          const QDate& today);
