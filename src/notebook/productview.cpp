#include "notebook/productview.h"

#include "core/apperror.h"
#include "core/dates.h"
#include "notebook/pricebook.h"

#include <QHash>

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

// The texts a notebook repeats from product to product (shops, prices, dates), each kept once: a
// view of many products then shares them instead of holding a copy per slot. The keys view the
// values' own characters, which stay where they are while the table grows.
class RepeatedTexts {
  public:
    QString text(QStringView line) {
        if (line.isEmpty())
            return QString();
        const auto found = texts_.constFind(line);
        if (found != texts_.cend())
            return *found;
        QString text = line.toString();
        texts_.insert(QStringView(text), text);
        return text;
    }

  private:
    QHash<QStringView, QString> texts_;
};

// `repeated` null: every text copied on its own.
ProductView readProduct(const PriceBook& book, qsizetype nameLine, const QDate& today,
                        RepeatedTexts* repeated) {
    const auto text = [&](qsizetype line) {
        return repeated ? repeated->text(book.lineView(line)) : book.line(line);
    };
    // The last line first: a record cut short fails before anything is read.
    (void)book.lineView(PriceBook::memoLine(nameLine));
    ProductView view;
    view.name = book.name(nameLine);
    view.standardPriceText = text(PriceBook::standardPriceLine(nameLine));
    view.standardPrice = amountOf(view.standardPriceText);
    view.observations.reserve(PriceSlots);
    for (int j = 1; j <= PriceSlots; ++j) {
        if (book.lineView(PriceBook::shopLine(nameLine, j)).isEmpty() &&
            book.lineView(PriceBook::priceLine(nameLine, j)).isEmpty())
            continue;
        Observation& o = view.observations.emplace_back();
        o.slot = j;
        o.shop = text(PriceBook::shopLine(nameLine, j));
        o.priceText = text(PriceBook::priceLine(nameLine, j));
        o.price = amountOf(o.priceText);
        o.dateText = text(PriceBook::dateLine(nameLine, j));
        o.date = dateOf(o.dateText, today);
    }
    view.memo = book.memo(nameLine);
    return view;
}

} // namespace

ProductView viewProduct(const PriceBook& book, qsizetype nameLine, const QDate& today) {
    return readProduct(book, nameLine, today, nullptr);
}

QList<ProductView> viewProducts(const PriceBook& book, const QDate& today) {
    RepeatedTexts repeated;
    QList<ProductView> views;
    views.reserve(book.productCount());
    for (qsizetype p = 0; p < book.productCount(); ++p)
        views << readProduct(book, PriceBook::nameLine(p), today, &repeated);
    return views;
}
