#include "cli/chart.h"

#include "cli/htmltext.h"
#include "core/dates.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int Width = 220;
constexpr int Height = 56;
constexpr int Left = 6; // room for a point's circle
constexpr int Right = 6;
constexpr int Top = 6;
constexpr int Bottom = 14; // room for the first and last date under the points

struct Point {
    qint64 day;
    Amount price;
    qsizetype index; // in product.observations
};

} // namespace

QList<PriceMark> priceMarks(const ProductView& product) {
    QList<PriceMark> marks(product.observations.size(), PriceMark::None);
    std::optional<Amount> low;
    std::optional<Amount> high;
    for (const Observation& o : product.observations) {
        if (!o.price)
            continue;
        low = low ? std::min(*low, *o.price) : *o.price;
        high = high ? std::max(*high, *o.price) : *o.price;
    }
    // The largest difference to the standard price is the lowest price; the dearest test comes
    // second, so when both coincide the dearest colour stands.
    for (qsizetype i = 0; i < marks.size(); ++i) {
        const std::optional<Amount>& price = product.observations[i].price;
        if (!price)
            continue;
        if (*price == *low)
            marks[i] = PriceMark::Cheapest;
        if (*price == *high)
            marks[i] = PriceMark::Dearest;
    }
    return marks;
}

void appendChart(QString& html, const ProductView& product) {
    QList<Point> points;
    for (qsizetype i = 0; i < product.observations.size(); ++i) {
        const Observation& o = product.observations[i];
        if (o.price && o.date)
            points.append({o.date->toJulianDay(), *o.price, i});
    }
    html +=
        u"<svg class=\"chart\" width=\"220\" height=\"56\" viewBox=\"0 0 220 56\" role=\"img\" aria-label=\"";
    appendEscaped(html, product.name);
    html += u"の価格の推移\">";
    if (points.isEmpty()) {
        html += u"<text x=\"110\" y=\"32\" class=\"none\">記録なし</text></svg>";
        return;
    }
    std::stable_sort(points.begin(), points.end(),
                     [](const Point& a, const Point& b) { return a.day < b.day; });

    Amount low = points.first().price;
    Amount high = low;
    for (const Point& p : points) {
        low = std::min(low, p.price);
        high = std::max(high, p.price);
    }
    if (product.standardPrice) {
        low = std::min(low, *product.standardPrice);
        high = std::max(high, *product.standardPrice);
    }
    const qint64 firstDay = points.first().day;
    const qint64 lastDay = points.last().day;
    const double plotWidth = Width - Left - Right;
    const double plotHeight = Height - Top - Bottom;
    const auto x = [&](qint64 day) {
        if (lastDay == firstDay)
            return int(Left + plotWidth / 2);
        return int(Left + plotWidth * double(day - firstDay) / double(lastDay - firstDay) + 0.5);
    };
    const auto y = [&](Amount price) {
        if (high == low)
            return int(Top + plotHeight / 2);
        return int(Top + plotHeight * (double(high) - double(price)) / (double(high) - double(low)) + 0.5);
    };

    if (product.standardPrice) {
        const QString sy = QString::number(y(*product.standardPrice));
        html += u"<line class=\"std\" x1=\"0\" x2=\"220\" y1=\""_s + sy + u"\" y2=\""_s + sy +
                u"\"><title>標準価格 "_s;
        html += formatDisplay(*product.standardPrice);
        html += u"円</title></line>";
    }
    if (points.size() > 1) {
        html += u"<polyline points=\"";
        for (const Point& p : points) {
            html += QString::number(x(p.day));
            html += u',';
            html += QString::number(y(p.price));
            html += u' ';
        }
        html.chop(1);
        html += u"\"/>";
    }
    const QList<PriceMark> marks = priceMarks(product);
    for (const Point& p : points) {
        const Observation& o = product.observations[p.index];
        html += u"<circle r=\"3.5\" cx=\"";
        html += QString::number(x(p.day));
        html += u"\" cy=\"";
        html += QString::number(y(p.price));
        switch (marks[p.index]) {
        case PriceMark::Cheapest:
            html += u"\" class=\"cheap";
            break;
        case PriceMark::Dearest:
            html += u"\" class=\"dear";
            break;
        case PriceMark::None:
            break;
        }
        html += u"\"><title>";
        appendEscaped(html, o.shop.isEmpty() ? u"（店名なし）"_s : o.shop);
        html += u' ';
        html += formatStoredDate(*o.date);
        html += u' ';
        html += formatDisplay(*o.price);
        html += u"円</title></circle>";
    }
    const QString first = formatStoredDate(QDate::fromJulianDay(firstDay));
    html += u"<text x=\"0\" y=\"54\">"_s + first + u"</text>"_s;
    if (lastDay != firstDay)
        html += u"<text x=\"220\" y=\"54\" class=\"end\">"_s +
                formatStoredDate(QDate::fromJulianDay(lastDay)) + u"</text>"_s;
    html += u"</svg>";
}
