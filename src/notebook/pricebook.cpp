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
    nameKeys_.clear();
    nameKeys_.squeeze();
    dropNameKeys();
    makeNameKeys();
}

void PriceBook::setLine(qsizetype index, const QString& text) {
    check(index, count());
    lines_.splice(index, 1, {text});
    if (nameKeysValid_ && isNameLine(index))
        nameKeys_[(index - 1) / RecordLines] = productNameKey(text);
}

void PriceBook::insertLine(qsizetype index, const QString& text) {
    check(index, count() + 1);
    lines_.splice(index, 0, {text});
    dropNameKeys();
}

void PriceBook::removeLine(qsizetype index) {
    check(index, count());
    lines_.splice(index, 1, {});
    dropNameKeys();
}

void PriceBook::insertRecord(qsizetype nameLine, const QStringList& record) {
    Q_ASSERT(record.size() == RecordLines);
    check(nameLine, count() + 1);
    lines_.splice(nameLine, 0, record);
    insertNameKey(nameLine);
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
        dropNameKeys();
}

void PriceBook::removeRecord(qsizetype nameLine) {
    check(memoLine(nameLine), count());
    check(nameLine, count());
    lines_.splice(nameLine, RecordLines, {});
    removeNameKey(nameLine);
}

void PriceBook::insertNameKey(qsizetype nameLine) {
    // A record inserted at a name line moves every later name by one record.
    if (nameKeysValid_ && isNameLine(nameLine))
        nameKeys_.insert((nameLine - 1) / RecordLines, productNameKey(lines_.line(nameLine)));
    else
        dropNameKeys();
}

void PriceBook::removeNameKey(qsizetype nameLine) {
    if (nameKeysValid_ && isNameLine(nameLine))
        nameKeys_.remove((nameLine - 1) / RecordLines);
    else
        dropNameKeys();
}

void PriceBook::makeNameKeys() const {
    if (nameKeysValid_)
        return;
    nameKeys_.clear();
    nameKeys_.reserve((count() - 1 + RecordLines - 1) / RecordLines);
    for (qsizetype i = 1; i < count(); i += RecordLines)
        nameKeys_.append(productNameKey(lines_.line(i)));
    nameKeysValid_ = true;
}

qsizetype PriceBook::FindProduct(const QString& name) const {
    makeNameKeys();
    Q_ASSERT(nameKeys_.size() == (count() - 1 + RecordLines - 1) / RecordLines);
    const quint32 key = productNameKey(name);
    const quint32* const keys = nameKeys_.constData();
    const qsizetype n = nameKeys_.size();
    const auto matches = [&](qsizetype p) { return sameProductName(lines_.line(nameLine(p)), name); };
    qsizetype p = 0;
    // Eight keys at a time without a branch between them, so the compiler compares them together.
    constexpr qsizetype Block = 8;
    for (; p + Block <= n; p += Block) {
        bool any = false;
        for (qsizetype k = 0; k < Block; ++k)
            any |= keys[p + k] == key;
        if (any) {
            for (qsizetype k = 0; k < Block; ++k) {
                if (keys[p + k] == key && matches(p + k))
                    return nameLine(p + k);
            }
        }
    }
    for (; p < n; ++p) {
        if (keys[p] == key && matches(p))
            return nameLine(p);
    }
    return -1;
}

QStringList PriceBook::productNames() const {
    QStringList names;
    for (qsizetype i = 1; i < count(); i += RecordLines) {
        const QStringView name = lines_.line(i);
        if (name.isEmpty())
            break;
        names << name.toString();
    }
    return names;
}
