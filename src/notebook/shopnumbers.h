// Numbers for the distinct shop texts of a notebook, so that every slot can keep its shop as a
// 16-bit number and a search by shop compares numbers instead of reading text.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

class ShopNumbers {
  public:
    // The number of every text that came after the table was full: such a slot's text must be read.
    static constexpr quint16 Beyond = 0xFFFF;
    // The number of `shop`, given it now if it has none (Beyond once the table is full).
    quint16 add(QStringView shop);
    // The number of `shop`, or Beyond if it has none.
    quint16 find(QStringView shop) const;
    // Whether some text was given Beyond: only then may a slot numbered Beyond hold any shop.
    bool full() const { return full_; }
    void clear();

  private:
    qsizetype slotOf(QStringView shop, size_t hash) const;
    void grow();

    QStringList texts_;
    // Open addressing: each entry is a text's number + 1, or 0 where free.
    std::vector<quint16> table_;
    bool full_ = false;
};
