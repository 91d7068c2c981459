#include "notebook/shopnumbers.h"

#include <QHashFunctions>

qsizetype ShopNumbers::slotOf(QStringView shop, size_t hash) const {
    const size_t mask = table_.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const quint16 entry = table_[i];
        if (entry == 0 || texts_.at(entry - 1) == shop)
            return qsizetype(i);
    }
}

quint16 ShopNumbers::find(QStringView shop) const {
    if (table_.empty())
        return Beyond;
    const quint16 entry = table_[size_t(slotOf(shop, qHash(shop, 0)))];
    return entry == 0 ? Beyond : quint16(entry - 1);
}

quint16 ShopNumbers::add(QStringView shop) {
    // Kept at most half full, so that a search soon meets a free entry.
    if (2 * (texts_.size() + 1) > qsizetype(table_.size()))
        grow();
    const size_t hash = qHash(shop, 0);
    const qsizetype at = slotOf(shop, hash);
    if (table_[size_t(at)] != 0)
        return quint16(table_[size_t(at)] - 1);
    if (texts_.size() >= Beyond) {
        full_ = true;
        return Beyond;
    }
    texts_.append(shop.toString());
    table_[size_t(at)] = quint16(texts_.size());
    return quint16(texts_.size() - 1);
}

void ShopNumbers::grow() {
    // Up to 65,535 texts: a table of 2^17 entries then stays half full.
    const size_t size = table_.empty() ? 64 : table_.size() * 2;
    if (size > (size_t(1) << 17))
        return;
    table_.assign(size, 0);
    for (qsizetype n = 0; n < texts_.size(); ++n)
        table_[size_t(slotOf(texts_.at(n), qHash(texts_.at(n), 0)))] = quint16(n + 1);
}

void ShopNumbers::clear() {
    texts_.clear();
    table_.clear();
    full_ = false;
}
