#include "notebook/pricebook.h"

#include "core/apperror.h"
#include "core/names.h"

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

void PriceBook::check(qsizetype index, qsizetype limit) const {
    if (index < 0 || index >= limit)
        throw errors::listIndex(index);
}

QStringView PriceBook::lineView(qsizetype index) const {
    check(index, count());
    return lines_.line(index);
}

void PriceBook::assign(TextLines lines) {
    lines_ = std::move(lines);
    dropKeys();
    nameKeys_.squeeze();
    shopKeys_.squeeze();
}

void PriceBook::setLine(qsizetype index, const QString& text) {
    check(index, count());
    lines_.splice(index, 1, {text});
    const qsizetype record = (index - 1) / RecordLines;
    const qsizetype offset = (index - 1) % RecordLines;
    if (nameKeysValid_ && offset == RecordOffset::Name)
        nameKeys_[record] = productNameKey(text);
    if (shopKeysValid_ && record < productCount() && offset % 3 == 2 && offset < RecordOffset::Memo)
        shopKeys_[record * PriceSlots + offset / 3] = shopKey(text);
}

void PriceBook::insertLine(qsizetype index, const QString& text) {
    check(index, count() + 1);
    lines_.splice(index, 0, {text});
    dropKeys();
}

void PriceBook::removeLine(qsizetype index) {
    check(index, count());
    lines_.splice(index, 1, {});
    dropKeys();
}

void PriceBook::insertRecord(qsizetype nameLine, const QStringList& record) {
    Q_ASSERT(record.size() == RecordLines);
    check(nameLine, count() + 1);
    lines_.splice(nameLine, 0, record);
    // A record inserted at a name line moves every later record by one, whole or not.
    if (!isNameLine(nameLine))
        return dropKeys();
    const qsizetype p = (nameLine - 1) / RecordLines;
    if (nameKeysValid_)
        nameKeys_.insert(p, productNameKey(record[RecordOffset::Name]));
    if (shopKeysValid_) {
        shopKeys_.insert(p * PriceSlots, PriceSlots, 0);
        for (int j = 1; j <= PriceSlots; ++j)
            shopKeys_[p * PriceSlots + j - 1] = shopKey(record[RecordOffset::shop(j)]);
    }
}

void PriceBook::setRecordValues(qsizetype nameLine, const QStringList& record) {
    Q_ASSERT(record.size() == RecordLines);
    if (memoLine(nameLine) >= count())
        throw errors::listIndex(count());
    check(nameLine, count());
    lines_.splice(nameLine + RecordOffset::StandardPrice, RecordLines - RecordOffset::StandardPrice,
                  record.mid(RecordOffset::StandardPrice));
    // The name stays; the lines after it hold a name only when the record is out of step.
    if (!isNameLine(nameLine))
        return dropKeys();
    if (shopKeysValid_) {
        const qsizetype p = (nameLine - 1) / RecordLines;
        for (int j = 1; j <= PriceSlots; ++j)
            shopKeys_[p * PriceSlots + j - 1] = shopKey(record[RecordOffset::shop(j)]);
    }
}

void PriceBook::removeRecord(qsizetype nameLine) {
    check(memoLine(nameLine), count());
    check(nameLine, count());
    lines_.splice(nameLine, RecordLines, {});
    if (!isNameLine(nameLine))
        return dropKeys();
    const qsizetype p = (nameLine - 1) / RecordLines;
    if (nameKeysValid_)
        nameKeys_.remove(p);
    if (shopKeysValid_)
        shopKeys_.remove(p * PriceSlots, PriceSlots);
}

void PriceBook::dropKeys() {
    nameKeysValid_ = false;
    shopKeysValid_ = false;
    nameKeys_.clear();
    shopKeys_.clear();
    shops_.clear();
}

void PriceBook::makeNameKeys() const {
    if (nameKeysValid_)
        return;
    nameKeys_.clear();
    nameKeys_.reserve(nameLineCount());
    for (qsizetype i = 1; i < count(); i += RecordLines)
        nameKeys_.append(productNameKey(lines_.line(i)));
    nameKeysValid_ = true;
}

void PriceBook::makeShopKeys() const {
    if (shopKeysValid_)
        return;
    shopKeys_.clear();
    shopKeys_.reserve(productCount() * PriceSlots);
    for (qsizetype p = 0; p < productCount(); ++p) {
        for (int j = 1; j <= PriceSlots; ++j)
            shopKeys_.append(shopKey(lines_.line(shopLine(nameLine(p), j))));
    }
    shopKeysValid_ = true;
}

namespace {

// Calls `visit` with the position of every key equal to `key`, in order, until it returns true,
// and gives that position, or -1. Where the processor has SSE2 (every x86-64), 64 bytes of keys
// are compared at once into a mask with a bit for each byte, and only the positions whose bits are
// set are visited, with no look at the keys that disagree.
template <class Key, class Visit> qsizetype scanKeys(const QList<Key>& keys, Key key, Visit visit) {
    static_assert(sizeof(Key) == 2 || sizeof(Key) == 4);
    const Key* const k = keys.constData();
    const qsizetype n = keys.size();
    qsizetype p = 0;
#if defined(__SSE2__)
    constexpr qsizetype Quarter = 16 / qsizetype(sizeof(Key));
    const __m128i wanted = sizeof(Key) == 2 ? _mm_set1_epi16(short(key)) : _mm_set1_epi32(int(key));
    const auto agree = [&](qsizetype at) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(k + at));
        return sizeof(Key) == 2 ? _mm_cmpeq_epi16(v, wanted) : _mm_cmpeq_epi32(v, wanted);
    };
    const auto mask = [](__m128i same) { return quint64(quint32(_mm_movemask_epi8(same))); };
    for (; p + 4 * Quarter <= n; p += 4 * Quarter) {
        const __m128i a = agree(p), b = agree(p + Quarter), c = agree(p + 2 * Quarter),
                      d = agree(p + 3 * Quarter);
        // Mostly none agrees: one test says so.
        if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d))) == 0)
            continue;
        // Each key that agrees sets sizeof(Key) bits; the lowest of them marks it.
        quint64 bits = mask(a) | mask(b) << 16 | mask(c) << 32 | mask(d) << 48;
        while (bits != 0) {
            const qsizetype b = p + qsizetype(std::countr_zero(bits)) / qsizetype(sizeof(Key));
            if (visit(b))
                return b;
            bits &= ~(((quint64(1) << sizeof(Key)) - 1) << (b - p) * qsizetype(sizeof(Key)));
        }
    }
#endif
    for (; p < n; ++p) {
        if (k[p] == key && visit(p))
            return p;
    }
    return -1;
}

// How many scattered lines ahead a gathering loop asks for: where a line is kept first, the line
// itself half as far ahead, once where it is kept has arrived.
constexpr qsizetype PrefetchAhead = 16;

} // namespace

qsizetype PriceBook::FindProduct(const QString& name) const {
    makeNameKeys();
    Q_ASSERT(nameKeys_.size() == nameLineCount());
    const qsizetype p = scanKeys(nameKeys_, productNameKey(name), [&](qsizetype p) {
        return sameProductName(lines_.line(nameLine(p)), name);
    });
    return p < 0 ? -1 : nameLine(p);
}

QList<qsizetype> PriceBook::slotsAtShop(const QString& shop) const {
    makeShopKeys();
    Q_ASSERT(shopKeys_.size() == productCount() * PriceSlots);
    QList<qsizetype> found;
    const quint16 number = shops_.find(shop);
    if (number != ShopNumbers::Beyond) {
        // Every slot holding this text was given its number, and no other slot was.
        scanKeys(shopKeys_, number, [&](qsizetype k) {
            found << nameLine(k / PriceSlots);
            return false;
        });
        return found;
    }
    if (!shops_.full())
        return found;
    // A text without a number may be in any slot numbered Beyond: those lines are compared.
    QList<qsizetype> candidates;
    scanKeys(shopKeys_, ShopNumbers::Beyond, [&](qsizetype k) {
        candidates << shopLine(nameLine(k / PriceSlots), int(k % PriceSlots) + 1);
        return false;
    });
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        if (i + PrefetchAhead < candidates.size())
            lines_.prefetchBounds(candidates[i + PrefetchAhead]);
        if (i + PrefetchAhead / 2 < candidates.size())
            lines_.prefetchLine(candidates[i + PrefetchAhead / 2]);
        const qsizetype line = candidates[i];
        if (lines_.line(line) == shop)
            found << line - (line - 1) % RecordLines;
    }
    return found;
}

QStringList PriceBook::names(const QList<qsizetype>& nameLines) const {
    QStringList result;
    result.reserve(nameLines.size());
    for (qsizetype i = 0; i < nameLines.size(); ++i) {
        if (i + PrefetchAhead < nameLines.size() && nameLines[i + PrefetchAhead] < count())
            lines_.prefetchBounds(nameLines[i + PrefetchAhead]);
        if (i + PrefetchAhead / 2 < nameLines.size() && nameLines[i + PrefetchAhead / 2] < count())
            lines_.prefetchLine(nameLines[i + PrefetchAhead / 2]);
        result << name(nameLines[i]);
    }
    return result;
}

QStringList PriceBook::productNames() const {
    QStringList names;
    names.reserve(nameLineCount());
    for (const QStringView name : productNameViews())
        names << name.toString();
    return names;
}

QList<QStringView> PriceBook::productNameViews() const {
    QList<QStringView> names;
    names.reserve(nameLineCount());
    for (qsizetype i = 1; i < count(); i += RecordLines) {
        const QStringView name = lines_.line(i);
        if (name.isEmpty())
            break;
        names << name;
    }
    return names;
}
