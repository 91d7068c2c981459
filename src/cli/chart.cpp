#include "cli/chart.h"

#include <algorithm>

namespace {

// Sizes in CSS pixels, as the style sheet gives the chart: prices written left of the plot.
constexpr int Width = 200;
constexpr int Height = 44;
constexpr int Left = 44; // the price labels end here
constexpr int Right = 4;
constexpr int Top = 5;
constexpr int Bottom = 5;

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
    if (!low || *low == *high)
        return marks;
    for (qsizetype i = 0; i < marks.size(); ++i) {
        const std::optional<Amount>& price = product.observations[i].price;
        if (price && *price == *low)
            marks[i] = PriceMark::Cheapest;
        else if (price && *price == *high)
            marks[i] = PriceMark::Dearest;
    }
    return marks;
}

qsizetype chartPoints(const ProductView& product) {
    return std::count_if(product.observations.cbegin(), product.observations.cend(),
                         [](const Observation& o) { return o.price && o.date; });
}

void appendChart(Utf8Buffer& html, const ProductView& product, const PriceMarks& marks,
                 const TimeAxis& axis) {
    Point points[PriceSlots] = {};
    qsizetype count = 0;
    for (qsizetype i = 0; i < product.observations.size() && count < PriceSlots; ++i) {
        const Observation& o = product.observations[i];
        if (o.price && o.date)
            points[count++] = {o.date->toJulianDay(), *o.price, i};
    }
    if (count == 0)
        return;
    // By date; of one date, in slot order.
    std::sort(points, points + count, [](const Point& a, const Point& b) {
        return a.day != b.day ? a.day < b.day : a.index < b.index;
    });

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
    const double plotWidth = Width - Left - Right;
    const double plotHeight = Height - Top - Bottom;
    const auto x = [&](qint64 day) {
        if (axis.lastDay == axis.firstDay)
            return qint64(Left + plotWidth / 2);
        return qint64(Left + plotWidth * double(day - axis.firstDay) / double(axis.lastDay - axis.firstDay) +
                      0.5);
    };
    const auto y = [&](Amount price) {
        if (high == low)
            return qint64(Top + plotHeight / 2);
        return qint64(Top + plotHeight * (double(high) - double(price)) / (double(high) - double(low)) + 0.5);
    };

    html << "<svg>";
    if (product.standardPrice) {
        html << "<path class=s d=\"M"
             << "44 ";
        html.number(y(*product.standardPrice)) << "H196\"/>";
    }
    // The line's dots are its markers; the cheapest and dearest are drawn again over them.
    html << "<path d=\"M";
    for (qsizetype i = 0; i < count; ++i) {
        if (i > 0)
            html << ' ';
        html.number(x(points[i].day)) << ' ';
        html.number(y(points[i].price));
    }
    html << "\"/>";
    for (const PriceMark mark : {PriceMark::Cheapest, PriceMark::Dearest}) {
        bool any = false;
        for (qsizetype i = 0; i < count; ++i) {
            if (marks[points[i].index] != mark)
                continue;
            html.raw(any ? "M" : mark == PriceMark::Cheapest ? "<path class=c d=\"M" : "<path class=x d=\"M");
            any = true;
            html.number(x(points[i].day)) << ' ';
            html.number(y(points[i].price)) << "h0";
        }
        if (any)
            html << "\"/>";
    }
    html << "<text y=10>";
    html.displayAmount(high) << "</text>";
    if (high != low) {
        html << "<text y=41>";
        html.displayAmount(low) << "</text>";
    }
    html << "</svg>";
}
