#include "cli/productreader.h"

#include "core/apperror.h"
#include "core/dates.h"

namespace {

// At most 14 digits: their ten-thousandths always fit an amount.
constexpr qsizetype MaxFastDigits = 14;

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

std::optional<Amount> amountOf(const QString& stored) {
    if (stored.isEmpty())
        return std::nullopt;
    const qsizetype start = stored.startsWith(u'-') ? 1 : 0;
    const qsizetype digits = stored.size() - start;
    if (digits > 0 && digits <= MaxFastDigits) {
        qint64 whole = 0;
        qsizetype i = start;
        while (i < stored.size() && isDigit(stored[i]))
            whole = whole * 10 + (stored[i++].unicode() - u'0');
        if (i == stored.size())
            return (start ? -whole : whole) * 10000;
    }
    return ParseAmount(stored);
}

std::optional<QDate> dateOf(const QString& stored, const QDate& today) {
    // yyyy/MM/dd as the window writes it: the lenient reader gives the same date, or refuses a year
    // below 100 and a day the calendar lacks.
    if (stored.size() == 10 && stored[4] == u'/' && stored[7] == u'/') {
        int parts[3] = {0, 0, 0};
        const int starts[3] = {0, 5, 8};
        const int lengths[3] = {4, 2, 2};
        bool digits = true;
        for (int p = 0; p < 3 && digits; ++p) {
            for (int k = 0; k < lengths[p]; ++k) {
                const QChar c = stored[starts[p] + k];
                digits = digits && isDigit(c);
                parts[p] = parts[p] * 10 + (c.unicode() - u'0');
            }
        }
        if (digits) {
            if (parts[0] < MinDateYear || !QDate::isValid(parts[0], parts[1], parts[2]))
                return std::nullopt;
            return QDate(parts[0], parts[1], parts[2]);
        }
    }
    try {
        return parseStoredDate(stored, today);
    } catch (const AppError&) {
        return std::nullopt;
    }
}

} // namespace

ProductView readProduct(const PriceBook& book, qsizetype nameLine, const QDate& today) {
    (void)book.memo(nameLine); // the list error for a record cut short, as viewProduct raises it
    const auto record = [&](int offset) { return book.line(nameLine + offset); };
    ProductView view;
    view.name = record(RecordOffset::Name);
    view.standardPriceText = record(RecordOffset::StandardPrice);
    view.standardPrice = amountOf(view.standardPriceText);
    view.observations.reserve(PriceSlots);
    for (int j = 1; j <= PriceSlots; ++j) {
        const QString shop = record(RecordOffset::shop(j));
        const QString price = record(RecordOffset::price(j));
        if (shop.isEmpty() && price.isEmpty())
            continue;
        Observation& o = view.observations.emplace_back();
        o.slot = j;
        o.shop = shop;
        o.priceText = price;
        o.price = amountOf(price);
        o.dateText = record(RecordOffset::date(j));
        o.date = dateOf(o.dateText, today);
    }
    view.memo = record(RecordOffset::Memo);
    return view;
}
