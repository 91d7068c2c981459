// The open notebook: an ordered list of text lines, line 0 the magic "zorvandata", then 18 lines per
// product. Every access checks its index and raises the list error outside the list; the named
// accessors say which line of a record they mean, so no caller counts offsets.
// The lines are kept in one string (TextLines), not a string each: a notebook takes little more
// memory than its text, and reading one allocates two blocks instead of one for every line.
#pragma once

#include "core/textlines.h"

#include <QString>
#include <QStringList>

inline constexpr char16_t MagicLine[] = u"zorvandata";
// A product record: name, standard price, the price slots of three lines each, memo. The window's
// rows, the companion and the tests all count slots by this.
inline constexpr int PriceSlots = 5;
inline constexpr int RecordLines = 3 + 3 * PriceSlots;

// Where each value of a record lies, counted from its name line. Slot j (1 to PriceSlots) holds a
// shop, a price and a date, in that order.
namespace RecordOffset {
inline constexpr int Name = 0;
inline constexpr int StandardPrice = 1;
constexpr int shop(int slot) {
    return 3 * slot - 1;
}
constexpr int price(int slot) {
    return 3 * slot;
}
constexpr int date(int slot) {
    return 3 * slot + 1;
}
inline constexpr int Memo = RecordLines - 1;
} // namespace RecordOffset

class PriceBook {
  public:
    // The lines as they stand.
    qsizetype count() const { return lines_.count(); }
    // A copy of every line.
    QStringList lines() const { return lines_.toList(); }
    // The lines as they are kept, for writing them out.
    const TextLines& textLines() const { return lines_; }

    QString line(qsizetype index) const { return lineView(index).toString(); }
    // The line without a copy; valid until the notebook changes.
    QStringView lineView(qsizetype index) const;
    void setLine(qsizetype index, const QString& text);
    void insertLine(qsizetype index, const QString& text);
    void removeLine(qsizetype index);

    void assign(const QStringList& lines) { assign(TextLines::fromList(lines)); }
    void assign(TextLines lines);
    void reset() { assign(QStringList{QString::fromUtf16(MagicLine)}); }

    // Records. A product is addressed by its name line (1, 19, 37, ...), as FindProduct returns it.

    // The products whose 18 lines are all present; an incomplete last record is not counted.
    qsizetype productCount() const { return (count() - 1) / RecordLines; }
    // The name lines, an incomplete last record's included.
    qsizetype nameLineCount() const { return (count() - 1 + RecordLines - 1) / RecordLines; }
    // The name line of product p, counted from 0 in notebook order.
    static constexpr qsizetype nameLine(qsizetype product) { return 1 + product * RecordLines; }
    // The line indexes of a record's values.
    static constexpr qsizetype standardPriceLine(qsizetype nameLine) {
        return nameLine + RecordOffset::StandardPrice;
    }
    static constexpr qsizetype shopLine(qsizetype nameLine, int slot) {
        return nameLine + RecordOffset::shop(slot);
    }
    static constexpr qsizetype priceLine(qsizetype nameLine, int slot) {
        return nameLine + RecordOffset::price(slot);
    }
    static constexpr qsizetype dateLine(qsizetype nameLine, int slot) {
        return nameLine + RecordOffset::date(slot);
    }
    static constexpr qsizetype memoLine(qsizetype nameLine) { return nameLine + RecordOffset::Memo; }

    // The values of a record, as stored. Each raises the list error when its line is missing.
    QString name(qsizetype nameLine) const { return line(nameLine); }
    QString standardPrice(qsizetype nameLine) const { return line(standardPriceLine(nameLine)); }
    QString shop(qsizetype nameLine, int slot) const { return line(shopLine(nameLine, slot)); }
    QString price(qsizetype nameLine, int slot) const { return line(priceLine(nameLine, slot)); }
    QString date(qsizetype nameLine, int slot) const { return line(dateLine(nameLine, slot)); }
    QString memo(qsizetype nameLine) const { return line(memoLine(nameLine)); }

    // Whole records, given as their 18 lines in file order (name first).
    // Inserts a record at `nameLine`; nothing is inserted when that is beyond the end.
    void insertRecord(qsizetype nameLine, const QStringList& record);
    // Rewrites every line of the record after its name. A record the notebook does not hold whole
    // is left as it was, with the list error naming the first line beyond the end.
    void setRecordValues(qsizetype nameLine, const QStringList& record);
    // Removes the record; an incomplete one stays whole, with the list error for its last line.
    void removeRecord(qsizetype nameLine);

    // The index of the first name line (1, 19, 37, ...) equal to `name` ignoring case, or -1.
    qsizetype FindProduct(const QString& name) const;
    // The names of the selector: name lines up to the first empty one.
    QStringList productNames() const;
    // The same names as views into the notebook, valid until its next change.
    QList<QStringView> productNameViews() const;

  private:
    void check(qsizetype index, qsizetype limit) const;

    TextLines lines_;
};
