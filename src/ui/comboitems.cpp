#include "ui/comboitems.h"

CompactItems::CompactItems(QObject* parent) : QAbstractListModel(parent) {}

int CompactItems::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(ends_.size());
}

namespace {

bool isRow(const QModelIndex& index, int rows) {
    return index.isValid() && !index.parent().isValid() && index.column() == 0 && index.row() < rows;
}

} // namespace

QVariant CompactItems::data(const QModelIndex& index, int role) const {
    if (!isRow(index, rowCount()))
        return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return text(index.row());
}

bool CompactItems::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!isRow(index, rowCount()))
        return false;
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return false;
    splice(index.row(), 1, {value.toString()});
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags CompactItems::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}

bool CompactItems::insertRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || count < 1 || row < 0 || row > rowCount())
        return false;
    beginInsertRows({}, row, row + count - 1);
    const quint32 at = quint32(start(row));
    ends_.insert(row, count, at);
    endInsertRows();
    return true;
}

bool CompactItems::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || count < 1 || row < 0 || row + count > rowCount())
        return false;
    beginRemoveRows({}, row, row + count - 1);
    splice(row, count, {});
    ends_.remove(row, count);
    endRemoveRows();
    return true;
}

QString CompactItems::text(int row) const {
    if (row < 0 || row >= ends_.size())
        return {};
    return text_.sliced(start(row), ends_[row] - start(row));
}

QStringList CompactItems::texts() const {
    QStringList out;
    out.reserve(ends_.size());
    for (int i = 0; i < ends_.size(); ++i)
        out << text(i);
    return out;
}

void CompactItems::setTexts(const QStringList& texts) {
    beginResetModel();
    qsizetype length = 0;
    for (const QString& t : texts)
        length += t.size();
    // Exactly the room needed: a list that shrinks gives its old room back.
    QString joined;
    joined.reserve(length);
    QList<quint32> ends;
    ends.reserve(texts.size());
    for (const QString& t : texts) {
        joined += t;
        ends << quint32(joined.size());
    }
    text_ = std::move(joined);
    ends_ = std::move(ends);
    endResetModel();
}

bool CompactItems::holds(const QStringList& texts) const {
    if (texts.size() != ends_.size())
        return false;
    for (int i = 0; i < ends_.size(); ++i) {
        if (QStringView(text_).sliced(start(i), ends_[i] - start(i)) != texts[i])
            return false;
    }
    return true;
}

void CompactItems::shareTexts(const CompactItems& other) {
    beginResetModel();
    text_ = other.text_;
    ends_ = other.ends_;
    endResetModel();
}

void CompactItems::splice(int first, int count, const QStringList& added) {
    // Only the rows from `first` on move; `added` holds `count` texts, or none when rows go.
    const qsizetype from = start(first);
    const qsizetype to = start(first + count);
    QString inserted = added.join(QString());
    text_.replace(from, to - from, inserted);
    const qsizetype shift = inserted.size() - (to - from);
    qsizetype end = from;
    for (int i = 0; i < added.size(); ++i) {
        end += added[i].size();
        ends_[first + i] = quint32(end);
    }
    for (qsizetype i = first + count; i < ends_.size(); ++i)
        ends_[i] = quint32(qsizetype(ends_[i]) + shift);
}
