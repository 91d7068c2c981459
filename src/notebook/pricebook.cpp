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
}

void PriceBook::setLine(qsizetype index, const QString& text) {
    check(index, count());
    lines_.splice(index, 1, {text});
}

void PriceBook::insertLine(qsizetype index, const QString& text) {
    check(index, count() + 1);
    lines_.splice(index, 0, {text});
}

void PriceBook::removeLine(qsizetype index) {
    check(index, count());
    lines_.splice(index, 1, {});
}

void PriceBook::insertRecord(qsizetype nameLine, const QStringList& record) {
    Q_ASSERT(record.size() == RecordLines);
    check(nameLine, count() + 1);
    lines_.splice(nameLine, 0, record);
}

void PriceBook::setRecordValues(qsizetype nameLine, const QStringList& record) {
    Q_ASSERT(record.size() == RecordLines);
    if (memoLine(nameLine) >= count())
        throw errors::listIndex(count());
    check(nameLine, count());
    // The name stays.
    lines_.splice(nameLine + RecordOffset::StandardPrice, RecordLines - RecordOffset::StandardPrice,
                  record.mid(RecordOffset::StandardPrice));
}

void PriceBook::removeRecord(qsizetype nameLine) {
    check(memoLine(nameLine), count());
    check(nameLine, count());
    lines_.splice(nameLine, RecordLines, {});
}

qsizetype PriceBook::FindProduct(const QString& name) const {
    for (qsizetype i = 1; i < count(); i += RecordLines) {
        if (sameProductName(lines_.line(i), name))
            return i;
    }
    return -1;
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
