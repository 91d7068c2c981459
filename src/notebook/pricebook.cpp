#include "notebook/pricebook.h"

#include "core/apperror.h"
#include "core/names.h"

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

quint16 PriceBook::shopKey(QStringView shop) {
    const size_t hash = qHash(shop, 0);
    return quint16(hash ^ (hash >> 16) ^ (hash >> 32));
}

void PriceBook::dropKeys() {
    nameKeysValid_ = false;
    shopKeysValid_ = false;
    nameKeys_.clear();
    shopKeys_.clear();
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
// and gives that position, or -1. The keys are compared a block at a time without a branch
// between them, so that the compiler compares them together.
template <class Key, class Visit> qsizetype scanKeys(const QList<Key>& keys, Key key, Visit visit) {
    constexpr qsizetype Block = 32 / qsizetype(sizeof(Key));
    const Key* const k = keys.constData();
    const qsizetype n = keys.size();
    qsizetype p = 0;
    for (; p + Block <= n; p += Block) {
        bool any = false;
        for (qsizetype b = 0; b < Block; ++b)
            any |= k[p + b] == key;
        if (!any)
            continue;
        for (qsizetype b = 0; b < Block; ++b) {
            if (k[p + b] == key && visit(p + b))
                return p + b;
        }
    }
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
    // The slots whose keys agree, then their shop lines compared with the text.
    QList<qsizetype> candidates;
    scanKeys(shopKeys_, shopKey(shop), [&](qsizetype k) {
        candidates << shopLine(nameLine(k / PriceSlots), int(k % PriceSlots) + 1);
        return false;
    });
    QList<qsizetype> found;
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
    for (qsizetype i = 1; i < count(); i += RecordLines) {
        const QStringView name = lines_.line(i);
        if (name.isEmpty())
            break;
        names << name.toString();
    }
    return names;
}
