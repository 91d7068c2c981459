#include "notebook/productview.h"

#include "core/apperror.h"
#include "core/dates.h"
#include "notebook/pricebook.h"

namespace {

// At most 14 digits: their ten-thousandths always fit an amount.
constexpr qsizetype MaxWholeDigits = 14;

// A whole number, as the window stores prices, is read here; any other form by the full reader.
std::optional<Amount> amountOf(const QString& stored) {
    if (stored.isEmpty())
        return std::nullopt;
    const qsizetype start = stored.startsWith(u'-') ? 1 : 0;
    const qsizetype digits = stored.size() - start;
    if (digits > 0 && digits <= MaxWholeDigits) {
        qint64 whole = 0;
        qsizetype i = start;
        while (i < stored.size() && stored[i] >= u'0' && stored[i] <= u'9')
            whole = whole * 10 + (stored[i++].unicode() - u'0');
        if (i == stored.size())
            return (start ? -whole : whole) * UnitsPerWhole;
    }
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
    (void)book.lineView(PriceBook::memoLine(nameLine));
    ProductView view;
    view.name = book.name(nameLine);
    view.standardPriceText = book.standardPrice(nameLine);
    view.standardPrice = amountOf(view.standardPriceText);
    view.observations.reserve(PriceSlots);
    for (int j = 1; j <= PriceSlots; ++j) {
        QString shop = book.shop(nameLine, j);
        QString price = book.price(nameLine, j);
        if (shop.isEmpty() && price.isEmpty())
            continue;
        Observation& o = view.observations.emplace_back();
        o.slot = j;
        o.shop = std::move(shop);
        o.priceText = std::move(price);
        o.price = amountOf(o.priceText);
        o.dateText = book.date(nameLine, j);
        o.date = dateOf(o.dateText, today);
    }
    view.memo = book.memo(nameLine);
    return view;
}

QList<ProductView> viewProducts(const PriceBook& book, const QDate& today) {
    QList<ProductView> views;
    views.reserve(book.productCount());
    for (qsizetype p = 0; p < book.productCount(); ++p)
        views << viewProduct(book, PriceBook::nameLine(p), today);
    return views;
}
