#include "core/names.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <vector>

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

bool sameProductName(QStringView a, QStringView b) {
    // Ignoring case folds each UTF-16 unit to one unit, so equal names have equal lengths: most
    // names of a notebook are told apart without folding a character.
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

quint32 productNameKey(QStringView name) {
    // The compare ignoring case folds each code unit on its own, a low surrogate together with the
    // high one before it; the key hashes exactly those folded values (FNV-1a), and the length.
    quint32 hash = 2166136261u ^ quint32(name.size());
    char16_t last = 0;
    for (const QChar unit : name) {
        const char16_t u = unit.unicode();
        char32_t folded;
        if (u < 0x80)
            folded = u >= u'A' && u <= u'Z' ? char32_t(u + 0x20) : char32_t(u);
        else if (QChar::isLowSurrogate(u) && QChar::isHighSurrogate(last))
            folded = QChar::toCaseFolded(QChar::surrogateToUcs4(last, u));
        else
            folded = QChar::toCaseFolded(char32_t(u));
        last = u;
        hash = (hash ^ quint32(folded)) * 16777619u;
    }
    return hash;
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

qsizetype sortedInsertPosition(qsizetype count, const std::function<QString(qsizetype)>& itemAt,
                               const QString& name) {
    qsizetype low = 0;
    qsizetype high = count;
    while (low < high) {
        const qsizetype middle = low + (high - low) / 2;
        if (productNameLess(name, itemAt(middle)))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

void sortProductNames(QStringList& names) {
    // One collation key per name, compared as bytes: the collator runs n times instead of n log n.
    struct Keyed {
        QCollatorSortKey key;
        QString name;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(size_t(names.size()));
    for (QString& name : names)
        keyed.push_back({japaneseCollator().sortKey(name), std::move(name)});
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        if (const int byCollation = a.key.compare(b.key); byCollation != 0)
            return byCollation < 0;
        if (const int ignoringCase = QString::compare(a.name, b.name, Qt::CaseInsensitive); ignoringCase != 0)
            return ignoringCase < 0;
        return QString::compare(a.name, b.name, Qt::CaseSensitive) < 0;
    });
    for (qsizetype i = 0; i < names.size(); ++i)
        names[i] = std::move(keyed[size_t(i)].name);
}

QList<qsizetype> productNameOrder(const QStringList& names) {
    // The comparison of sortProductNames, on positions; stable, so equal names keep their order.
    struct Keyed {
        QCollatorSortKey key;
        qsizetype position;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(size_t(names.size()));
    for (qsizetype i = 0; i < names.size(); ++i)
        keyed.push_back({japaneseCollator().sortKey(names[i]), i});
    std::stable_sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
        if (const int byCollation = a.key.compare(b.key); byCollation != 0)
            return byCollation < 0;
        const QString& x = names[a.position];
        const QString& y = names[b.position];
        if (const int ignoringCase = QString::compare(x, y, Qt::CaseInsensitive); ignoringCase != 0)
            return ignoringCase < 0;
        return QString::compare(x, y, Qt::CaseSensitive) < 0;
    });
    QList<qsizetype> order;
    order.reserve(names.size());
    for (const Keyed& k : keyed)
        order << k.position;
    return order;
}
