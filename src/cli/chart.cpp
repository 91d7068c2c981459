#include "cli/chart.h"

#include <algorithm>

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

PriceMarks priceMarks(const ProductView& product) {
    PriceMarks marks(product.observations.size(), PriceMark::None);
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

void appendChart(Utf8Buffer& html, const ProductView& product, const PriceMarks& marks) {
    Point points[PriceSlots];
    qsizetype count = 0;
    for (qsizetype i = 0; i < product.observations.size() && count < PriceSlots; ++i) {
        const Observation& o = product.observations[i];
        if (o.price && o.date)
            points[count++] = {o.date->toJulianDay(), *o.price, i};
    }
    html << "<svg class=\"chart\" viewBox=\"0 0 220 56\">";
    if (count == 0) {
        html << "<text x=\"110\" y=\"32\" class=\"none\">記録なし</text></svg>";
        return;
    }
    std::stable_sort(points, points + count, [](const Point& a, const Point& b) { return a.day < b.day; });

    Amount low = points[0].price;
    Amount high = low;
    for (qsizetype i = 0; i < count; ++i) {
        low = std::min(low, points[i].price);
        high = std::max(high, points[i].price);
    }
    if (product.standardPrice) {
        low = std::min(low, *product.standardPrice);
        high = std::max(high, *product.standardPrice);
    }
    const qint64 firstDay = points[0].day;
    const qint64 lastDay = points[count - 1].day;
    const double plotWidth = Width - Left - Right;
    const double plotHeight = Height - Top - Bottom;
    const auto x = [&](qint64 day) {
        if (lastDay == firstDay)
            return qint64(Left + plotWidth / 2);
        return qint64(Left + plotWidth * double(day - firstDay) / double(lastDay - firstDay) + 0.5);
    };
    const auto y = [&](Amount price) {
        if (high == low)
            return qint64(Top + plotHeight / 2);
        return qint64(Top + plotHeight * (double(high) - double(price)) / (double(high) - double(low)) + 0.5);
    };

    if (product.standardPrice) {
        const qint64 sy = y(*product.standardPrice);
        html << "<line class=\"std\" x1=\"0\" x2=\"220\" y1=\"";
        html.number(sy) << "\" y2=\"";
        html.number(sy) << "\"/>";
    }
    if (count > 1) {
        html << "<polyline points=\"";
        for (qsizetype i = 0; i < count; ++i) {
            if (i > 0)
                html << ' ';
            html.number(x(points[i].day)) << ',';
            html.number(y(points[i].price));
        }
        html << "\"/>";
    }
    for (qsizetype i = 0; i < count; ++i) {
        const Point& p = points[i];
        const Observation& o = product.observations[p.index];
        html << "<circle r=\"3.5\" cx=\"";
        html.number(x(p.day)) << "\" cy=\"";
        html.number(y(p.price));
        switch (marks[p.index]) {
        case PriceMark::Cheapest:
            html << "\" class=\"cheap";
            break;
        case PriceMark::Dearest:
            html << "\" class=\"dear";
            break;
        case PriceMark::None:
            break;
        }
        html << "\"><title>";
        if (o.shop.isEmpty())
            html << "（店名なし）";
        else
            html.escaped(o.shop);
        html << ' ';
        html.date(*o.date) << ' ';
        html.displayAmount(*o.price) << "円</title></circle>";
    }
    html << "<text x=\"0\" y=\"54\">";
    html.date(QDate::fromJulianDay(firstDay)) << "</text>";
    if (lastDay != firstDay) {
        html << "<text x=\"220\" y=\"54\" class=\"end\">";
        html.date(QDate::fromJulianDay(lastDay)) << "</text>";
    }
    html << "</svg>";
}
