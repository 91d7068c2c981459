// The items of a combo box kept compactly: every text in one string with the end of each, so a
// list of 100,000 names costs their characters and four bytes apiece instead of a string object
// each. Entries are chosen, never edited in place by the user.
#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QString>
#include <QStringList>

class CompactItems : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit CompactItems(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // New rows hold an empty text until set (as QComboBox::insertItem does).
    bool insertRows(int row, int count, const QModelIndex& parent = {}) override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

    QString text(int row) const;
    QStringList texts() const;
    // Replaces every entry in one reset.
    void setTexts(const QStringList& texts);
    // Whether the entries are exactly `texts`, in this order.
    bool holds(const QStringList& texts) const;
    // Takes the entries of `other` in one reset, sharing its storage until either changes: five
    // selectors of one shop list hold it once.
    void shareTexts(const CompactItems& other);

  private:
    qsizetype start(int row) const { return row == 0 ? 0 : ends_[row - 1]; }
    // Replaces the characters of rows [first, first + count) by `added` texts, moving what follows.
    void splice(int first, int count, const QStringList& added);

    QString text_;
    // Row i is text_[ends_[i - 1], ends_[i]) (from 0 for the first row). A combo box never holds
    // 4 GiB of text, so 32 bits hold every end.
    QList<quint32> ends_;
};
