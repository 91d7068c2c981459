#include "cli/merge.h"

#include "cli/clierror.h"
#include "cli/language.h"
#include "cli/observations.h"
#include "core/dates.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace {

// Case folding gives the same classes as the name comparison that ignores case.
QString nameKey(const QString& name) {
    return name.toCaseFolded();
}

bool sameAmountText(const QString& a, const QString& b) {
    const std::optional<Amount> x = ParseAmount(a);
    const std::optional<Amount> y = ParseAmount(b);
    if (x && y)
        return *x == *y;
    return a == b;
}

void rewriteSlots(PriceBook& book, qsizetype nameLine, const QList<Observation>& observations,
                  const QDate& today) {
    for (int j = 1; j <= PriceSlots; ++j) {
        const bool filled = j <= observations.size();
        book.setLine(PriceBook::shopLine(nameLine, j), filled ? observations[j - 1].shop : QString());
        book.setLine(PriceBook::priceLine(nameLine, j), filled ? observations[j - 1].priceText : QString());
        book.setLine(PriceBook::dateLine(nameLine, j),
                     filled ? observations[j - 1].dateText : formatStoredDate(today));
    }
}

bool bringsNewObservation(const QList<Observation>& own, const QList<Observation>& incoming) {
    for (const Observation& o : incoming) {
        bool known = false;
        for (const Observation& k : own)
            known = known || sameObservation(o, k);
        if (!known)
            return true;
    }
    return false;
}

} // namespace

QStringList mergeProducts(PriceBook& target, const QList<IncomingProduct>& incoming, const MergeSides& sides,
                          const QDate& today) {
    // From the last record to the first, so that of two names equal but for case the first wins.
    QHash<QString, qsizetype> nameLines;
    for (qsizetype p = target.productCount() - 1; p >= 0; --p)
        nameLines.insert(nameKey(target.name(PriceBook::nameLine(p))), PriceBook::nameLine(p));

    QStringList notes;
    for (const IncomingProduct& in : incoming) {
        const QString key = nameKey(in.view.name);
        const auto found = nameLines.constFind(key);
        if (found == nameLines.cend()) {
            const qsizetype nameLine = target.count();
            if (!in.record.isEmpty()) {
                target.insertRecord(nameLine, in.record);
            } else {
                ProductView normalised = in.view;
                normalised.observations = newestFive(in.view.observations);
                target.insertRecord(nameLine, recordLines(normalised, today));
            }
            nameLines.insert(key, nameLine);
            continue;
        }

        const qsizetype nameLine = *found;
        const ProductView own = viewProduct(target, nameLine, today);
        const QString& name = own.name;
        if (own.standardPriceText.isEmpty()) {
            target.setLine(PriceBook::standardPriceLine(nameLine), in.view.standardPriceText);
        } else if (!in.view.standardPriceText.isEmpty() &&
                   !sameAmountText(own.standardPriceText, in.view.standardPriceText)) {
            notes << localized(
                         u"「%1」の標準価格が違います: %2 は %3、%4 は %5。%2 の値を残しました"_s,
                         u"the standard prices of \"%1\" differ: %3 in %2, %5 in %4; the one of %2 is kept"_s)
                         .arg(name, sides.target, own.standardPriceText, sides.incoming,
                              in.view.standardPriceText);
        }
        if (own.memo.isEmpty()) {
            target.setLine(PriceBook::memoLine(nameLine), in.view.memo);
        } else if (!in.view.memo.isEmpty() && own.memo != in.view.memo) {
            notes << localized(
                         u"「%1」のメモが違います: %2 は「%3」、%4 は「%5」。%2 の値を残しました"_s,
                         u"the memos of \"%1\" differ: \"%3\" in %2, \"%5\" in %4; the one of %2 is kept"_s)
                         .arg(name, sides.target, shortened(own.memo), sides.incoming,
                              shortened(in.view.memo));
        }
        if (bringsNewObservation(own.observations, in.view.observations))
            rewriteSlots(target, nameLine, newestFive(own.observations + in.view.observations), today);
    }
    return notes;
}
