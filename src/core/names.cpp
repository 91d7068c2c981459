#include "core/names.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

namespace {

// Building an ICU collator is costly and the order is needed for every insertion, so one is kept.
const QCollator& japaneseCollator() {
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Japanese, QLocale::Japan));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

} // namespace

bool sameProductName(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

bool productNameLess(const QString& a, const QString& b) {
    // The collator alone calls different names equal (ミルク and ﾐﾙｸ, milk and Milk); the two
    // tie-breaks make the order total, so sorting and insertion never depend on the input order.
    if (const int byCollation = japaneseCollator().compare(a, b); byCollation != 0)
        return byCollation < 0;
    if (const int ignoringCase = QString::compare(a, b, Qt::CaseInsensitive); ignoringCase != 0)
        return ignoringCase < 0;
    return QString::compare(a, b, Qt::CaseSensitive) < 0;
}

qsizetype sortedInsertPosition(const QStringList& sorted, const QString& name) {
    return std::upper_bound(sorted.cbegin(), sorted.cend(), name, productNameLess) - sorted.cbegin();
}

void sortProductNames(QStringList& names) {
    std::sort(names.begin(), names.end(), productNameLess);
}
