#include "cli/columns.h"

using namespace Qt::StringLiterals;

namespace {

StoredField text(QStringView stored, qsizetype lineIndex) {
    return {true, stored, std::nullopt, std::nullopt, lineIndex};
}

StoredField name(const ExportedRow& row) {
    return text(row.product.view.name, row.product.nameLine);
}

StoredField standardPrice(const ExportedRow& row) {
    const ProductView& v = row.product.view;
    return {true, v.standardPriceText, v.standardPrice, std::nullopt,
            PriceBook::standardPriceLine(row.product.nameLine)};
}

StoredField memo(const ExportedRow& row) {
    return text(row.product.view.memo, PriceBook::memoLine(row.product.nameLine));
}

StoredField shop(const ExportedRow& row) {
    if (!row.observation)
        return {};
    const Observation& o = *row.observation;
    return {true, o.shop, std::nullopt, std::nullopt, PriceBook::shopLine(row.product.nameLine, o.slot)};
}

StoredField price(const ExportedRow& row) {
    if (!row.observation)
        return {};
    const Observation& o = *row.observation;
    return {true, o.priceText, o.price, std::nullopt, PriceBook::priceLine(row.product.nameLine, o.slot)};
}

StoredField date(const ExportedRow& row) {
    if (!row.observation)
        return {};
    const Observation& o = *row.observation;
    return {true, o.dateText, std::nullopt, o.date, PriceBook::dateLine(row.product.nameLine, o.slot)};
}

} // namespace

const std::array<ExportColumn, ColumnCount>& exportColumns() {
    static const std::array<ExportColumn, ColumnCount> columns{{
        {u"商品名"_s, "name", FieldKind::Text, false, name, &ImportedRow::name},
        {u"標準価格"_s, "standardPrice", FieldKind::Amount, false, standardPrice,
         &ImportedRow::standardPrice},
        {u"店名"_s, "shop", FieldKind::Text, true, shop, &ImportedRow::shop},
        {u"時価"_s, "price", FieldKind::Amount, true, price, &ImportedRow::price},
        {u"記録日"_s, "date", FieldKind::Date, true, date, &ImportedRow::date},
        {u"メモ"_s, "memo", FieldKind::Text, false, memo, &ImportedRow::memo},
    }};
    return columns;
}

const ExportColumn& exportColumn(Column column) {
    return exportColumns()[size_t(column)];
}

QStringList exportHeaders() {
    QStringList headers;
    for (const ExportColumn& c : exportColumns())
        headers << c.header;
    return headers;
}
