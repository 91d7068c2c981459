#include "cli/observations.h"

#include "core/dates.h"
#include "notebook/pricebook.h"

#include <QSet>
#include <algorithm>
#include <limits>

namespace {

QString identity(const Observation& o) {
    QString key = o.shop;
    key += QChar(0);
    key += o.price ? QString::number(*o.price) : u'"' + o.priceText;
    key += QChar(0);
    key += o.date ? QString::number(o.date->toJulianDay()) : u'"' + o.dateText;
    return key;
}

qint64 dateOrder(const Observation& o) {
    return o.date ? o.date->toJulianDay() : std::numeric_limits<qint64>::min();
}

} // namespace

bool sameObservation(const Observation& a, const Observation& b) {
    return identity(a) == identity(b);
}

QList<Observation> newestFive(const QList<Observation>& observations) {
    QList<Observation> kept;
    QSet<QString> seen;
    for (const Observation& o : observations) {
        if (!seen.contains(identity(o))) {
            seen.insert(identity(o));
            kept << o;
        }
    }
    std::stable_sort(kept.begin(), kept.end(),
                     [](const Observation& a, const Observation& b) { return dateOrder(a) < dateOrder(b); });
    if (kept.size() > PriceSlots)
        kept.remove(0, kept.size() - PriceSlots);
    for (qsizetype i = 0; i < kept.size(); ++i)
        kept[i].slot = int(i + 1);
    return kept;
}

QStringList recordLines(const ProductView& product, const QDate& today) {
    QStringList lines;
    lines.reserve(RecordLines);
    lines << product.name << product.standardPriceText;
    for (int j = 1; j <= PriceSlots; ++j) {
        if (j <= product.observations.size()) {
            const Observation& o = product.observations[j - 1];
            lines << o.shop << o.priceText << o.dateText;
        } else {
            lines << QString() << QString() << formatStoredDate(today);
        }
    }
    lines << product.memo;
    return lines;
}
