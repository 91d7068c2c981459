// The columns of an exported notebook, in their order: one row per observation.
#pragma once

#include <QString>
#include <QStringList>

namespace column {
inline const QString Name = QStringLiteral("商品名");
inline const QString StandardPrice = QStringLiteral("標準価格");
inline const QString Shop = QStringLiteral("店名");
inline const QString Price = QStringLiteral("時価");
inline const QString Date = QStringLiteral("記録日");
inline const QString Memo = QStringLiteral("メモ");
} // namespace column

inline QStringList exportColumns() {
    return {column::Name, column::StandardPrice, column::Shop, column::Price, column::Date, column::Memo};
}
