#include "core/names.h"

#include <unicode/ucol.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// Japanese collation ignoring letter case, set up as QCollator sets it up for QLocale::Japanese with
// Qt::CaseInsensitive (normalization on, secondary strength, digits as characters, punctuation
// significant). ICU is asked directly so that a sort can write every key into one buffer.
// Building a collator is costly and the order is needed for every insertion, so one is kept.
// Without one (no collation data), every name collates equal and the tie-breaks give the order.
const UCollator* japaneseCollator() {
    static UCollator* const collator = [] {
        UErrorCode status = U_ZERO_ERROR;
        UCollator* c = ucol_open("ja", &status);
        ucol_setAttribute(c, UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
        ucol_setAttribute(c, UCOL_STRENGTH, UCOL_SECONDARY, &status);
        ucol_setAttribute(c, UCOL_NUMERIC_COLLATION, UCOL_OFF, &status);
        ucol_setAttribute(c, UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &status);
        if (U_FAILURE(status)) {
            ucol_close(c);
            return static_cast<UCollator*>(nullptr);
        }
        return c;
    }();
    return collator;
}

int collate(QStringView a, QStringView b) {
    const UCollator* c = japaneseCollator();
    if (!c)
        return 0;
    // Names longer than an int are compared on their first 2^31 - 1 units.
    const auto length = [](QStringView s) { return int32_t(std::min<qsizetype>(s.size(), INT32_MAX)); };
    return ucol_strcoll(c, reinterpret_cast<const UChar*>(a.utf16()), length(a),
                        reinterpret_cast<const UChar*>(b.utf16()), length(b));
}

// The tie-breaks after collation: ignoring case, then code units.
int tieBreak(QStringView a, QStringView b) {
    if (const int ignoringCase = a.compare(b, Qt::CaseInsensitive); ignoringCase != 0)
        return ignoringCase;
    return a.compare(b, Qt::CaseSensitive);
}

// Positions of `names` in name order, equal names by position. Every name's collation key goes into
// one buffer; a sort entry carries the key's first eight bytes, so most comparisons read no key.
template <class Names> std::vector<qsizetype> nameOrder(const Names& names) {
    struct Entry {
        quint64 head;   // the key's first bytes, big-endian: compares as the bytes do
        qsizetype rest; // where the key's ninth byte is in `keys`, or -1 if it ended before
        qsizetype position;
    };
    const qsizetype n = names.size();
    // Every entry is written below; none is cleared first.
    const auto entries = std::make_unique_for_overwrite<Entry[]>(size_t(n));
    // Grown without clearing: every byte is written by the collator before it is read.
    QByteArray keys;
    if (const UCollator* c = japaneseCollator()) {
        keys.reserve(n * 24);
        for (qsizetype i = 0; i < n; ++i) {
            const QStringView name = names.at(i);
            const int32_t length = int32_t(std::min<qsizetype>(name.size(), INT32_MAX));
            const auto* units = reinterpret_cast<const UChar*>(name.utf16());
            const qsizetype start = keys.size();
            qsizetype room = 16 + length + length / 4;
            keys.resize(start + room);
            const auto at = [&] { return reinterpret_cast<uint8_t*>(keys.data() + start); };
            // The length with the closing zero byte; a key never holds another zero byte.
            int32_t written = ucol_getSortKey(c, units, length, at(), int32_t(room));
            if (written > room) {
                room = written;
                keys.resize(start + room);
                written = ucol_getSortKey(c, units, length, at(), int32_t(room));
            }
            keys.resize(start + std::max(written, 1));
            keys[keys.size() - 1] = 0;
            const uint8_t* const key = at();
            quint64 head = 0;
            int k = 0;
            for (; k < 8 && key[k] != 0; ++k)
                head |= quint64(key[k]) << (56 - 8 * k);
            entries[i] = {head, k == 8 ? start + 8 : -1, i};
        }
    } else {
        for (qsizetype i = 0; i < n; ++i)
            entries[i] = {0, -1, i};
    }
    const char* const bytes = keys.constData();
    std::sort(entries.get(), entries.get() + n, [&](const Entry& a, const Entry& b) {
        if (a.head != b.head)
            return a.head < b.head;
        // Equal heads: both keys ended at the same byte, or both go on.
        if (a.rest >= 0) {
            if (const int byKey = std::strcmp(bytes + a.rest, bytes + b.rest); byKey != 0)
                return byKey < 0;
        }
        if (const int tie = tieBreak(QStringView(names.at(a.position)), QStringView(names.at(b.position)));
            tie != 0)
            return tie < 0;
        return a.position < b.position;
    });
    std::vector<qsizetype> order;
    order.reserve(size_t(n));
    for (qsizetype i = 0; i < n; ++i)
        order.push_back(entries[i].position);
    return order;
}

} // namespace

bool sameProductName(QStringView a, QStringView b) {
    // Ignoring case folds each UTF-16 unit to one unit, so equal names have equal lengths: most
    // names of a notebook are told apart without folding a character.
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

bool productNameLess(const QString& a, const QString& b) {
    // The collator alone calls different names equal (ミルク and ﾐﾙｸ, milk and Milk); the two
    // tie-breaks make the order total, so sorting and insertion never depend on the input order.
    if (const int byCollation = collate(a, b); byCollation != 0)
        return byCollation < 0;
    return tieBreak(a, b) < 0;
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
    const std::vector<qsizetype> order = nameOrder(names);
    QStringList sorted;
    sorted.reserve(names.size());
    for (const qsizetype i : order)
        sorted.append(std::move(names[i]));
    names = std::move(sorted);
}

QList<qsizetype> productNameOrder(const QStringList& names) {
    const std::vector<qsizetype> order = nameOrder(names);
    return QList<qsizetype>(order.begin(), order.end());
}

QList<qsizetype> productNameOrder(const QList<QStringView>& names) {
    const std::vector<qsizetype> order = nameOrder(names);
    return QList<qsizetype>(order.begin(), order.end());
}

QStringList sortedProductNames(const QList<QStringView>& names) {
    QStringList sorted;
    sorted.reserve(names.size());
    for (const qsizetype i : nameOrder(names))
        sorted.append(names.at(i).toString());
    return sorted;
}
