#include "notebook/productview.h"

#include "core/apperror.h"
#include "core/dates.h"
#include "notebook/pricebook.h"

namespace {

std::optional<Amount> amountOf(const QString& stored) {
    if (stored.isEmpty())
        return std::nullopt;
    return ParseAmount(stored);
}

std::optional<QDate> dateOf(const QString& stored, const QDate& today) {
    try {
        return parseStoredDate(stored, today);
    } catch (const AppError&) {
        return std::nullopt;
    }
}

} // namespace

ProductView viewProduct(const PriceBook& book, qsizetype nameLine, const QDate& today) {
    // The last line first: a record cut short fails before anything is read.
    (void)book.memo(nameLine);
    ProductView view;
    view.name = book.name(nameLine);
    view.standardPriceText = book.standardPrice(nameLine);
    view.standardPrice = amountOf(view.standardPriceText);
    for (int j = 1; j <= PriceSlots; ++j) {
        Observation o;
        o.slot = j;
        o.shop = book.shop(nameLine, j);
        o.priceText = book.price(nameLine, j);
        if (o.shop.isEmpty() && o.priceText.isEmpty())
            continue;
        o.price = amountOf(o.priceText);
        o.dateText = book.date(nameLine, j);
        o.date = dateOf(o.dateText, today);
        view.observations << o;
    }
    view.memo = book.memo(nameLine);
    return view;
}

QList<ProductView> viewProducts(const PriceBook& book, const QDate& today) {
    QList<ProductView> views;
    for (qsizetype p = 0; p < book.productCount(); ++p)
        views << viewProduct(book, PriceBook::nameLine(p), today);
    return views;
}
