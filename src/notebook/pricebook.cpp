#include "notebook/pricebook.h"

#include "core/apperror.h"
#include "core/names.h"

void PriceBook::check(qsizetype index, qsizetype limit) const {
    if (index < 0 || index >= limit)
        throw errors::listIndex(index);
}

const QString& PriceBook::line(qsizetype index) const {
    check(index, lines_.size());
    return lines_[index];
}

void PriceBook::setLine(qsizetype index, const QString& text) {
    check(index, lines_.size());
    lines_[index] = text;
}

void PriceBook::insertLine(qsizetype index, const QString& text) {
    check(index, lines_.size() + 1);
    lines_.insert(index, text);
}

void PriceBook::removeLine(qsizetype index) {
    check(index, lines_.size());
    lines_.removeAt(index);
}

void PriceBook::insertRecord(qsizetype nameLine, const QStringList& record) {
    Q_ASSERT(record.size() == RecordLines);
    check(nameLine, lines_.size() + 1);
    for (qsizetype k = 0; k < record.size(); ++k)
        lines_.insert(nameLine + k, record[k]);
}

void PriceBook::setRecordValues(qsizetype nameLine, const QStringList& record) {
    Q_ASSERT(record.size() == RecordLines);
    if (memoLine(nameLine) >= lines_.size())
        throw errors::listIndex(lines_.size());
    check(nameLine, lines_.size());
    for (qsizetype k = RecordOffset::StandardPrice; k < RecordLines; ++k)
        lines_[nameLine + k] = record[k];
}

void PriceBook::removeRecord(qsizetype nameLine) {
    check(memoLine(nameLine), lines_.size());
    check(nameLine, lines_.size());
    lines_.remove(nameLine, RecordLines);
}

qsizetype PriceBook::FindProduct(const QString& name) const {
    for (qsizetype i = 1; i < lines_.size(); i += RecordLines) {
        if (sameProductName(lines_[i], name))
            return i;
    }
    return -1;
}

QStringList PriceBook::productNames() const {
    QStringList names;
    for (qsizetype i = 1; i < lines_.size(); i += RecordLines) {
        if (lines_[i].isEmpty())
            break;
        names << lines_[i];
    }
    return names;
}
