#include "cli/report.h"

#include "cli/chart.h"
#include "cli/productorder.h"
#include "cli/stale.h"
#include "cli/utf8buffer.h"
#include "core/names.h"

#include <QHash>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Red and lime are the colours of the window's difference labels. Lime text cannot be read on
// white, so a lime value is shown on a lime ground instead. Printing gives the summary, the shops
// and the products to check; the list of every product stays on the screen.
constexpr char Style[] = R"(
@page { size: A4; margin: 12mm; }
* { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
body { font-family: "IPAPGothic", "IPA Pゴシック", "Noto Sans CJK JP", sans-serif; font-size: 10.5pt;
       color: #000; margin: 1.5em; }
h1 { font-size: 16pt; margin: 0 0 .3em; }
h2 { font-size: 13pt; margin: 1.4em 0 .4em; border-bottom: 1px solid #888; break-after: avoid; }
p.note { color: #444; font-size: 9pt; margin: .2em 0 .6em; }
table { border-collapse: collapse; }
th, td { border: 1px solid #bbb; padding: 2px 6px; vertical-align: middle; }
th { background: #eee; font-weight: normal; }
thead { display: table-header-group; }
tr { break-inside: avoid; }
td.n { text-align: right; white-space: nowrap; }
td.d { white-space: nowrap; }
dl.summary { display: grid; grid-template-columns: max-content auto; gap: 2px 1.2em; margin: 0; }
dl.summary dt { color: #444; }
dl.summary dd { margin: 0; }
ul.legend { list-style: none; padding: 0; margin: .6em 0; font-size: 9pt; }
ul.legend li { display: inline-block; margin-right: 1.5em; }
.cheap { color: #ff0000; font-weight: bold; }
.dear { background: #00ff00; }
.why { color: #a00000; font-size: 9pt; }
table.products td:nth-child(3), table.products td:nth-child(6), table.products td:nth-child(7) {
    text-align: right; white-space: nowrap; }
table.products td:nth-child(5) { white-space: nowrap; }
td.c { color: #ff0000; font-weight: bold; }
td.x { background: #00ff00; }
table.products td:nth-child(2) { color: #a00000; font-size: 9pt; white-space: nowrap; }
td svg { display: block; width: 200px; height: 44px; overflow: visible; }
td svg text { font-size: 8px; fill: #444; }
td svg path { fill: none; stroke: #777; stroke-width: 1; marker: url(#dot); }
td svg path.s { stroke: #0050c8; stroke-dasharray: 4 3; marker: none; }
td svg path.c, td svg path.x { stroke-width: 7; stroke-linecap: round; marker: none; }
td svg path.c { stroke: #ff0000; }
td svg path.x { stroke: #00ff00; }
svg.key { display: inline-block; width: 24px; height: 10px; vertical-align: middle; }
@media print { section.products { display: none; } section.part { break-before: page; } }
)";

// The dot every chart line draws at each price.
constexpr char Defs[] =
    "<svg width=0 height=0 style=\"position:absolute\"><defs><marker id=dot viewBox=\"0 0 8 8\" "
    "refX=4 refY=4 markerWidth=7 markerHeight=7 markerUnits=userSpaceOnUse><circle cx=4 cy=4 "
    "r=3.3 fill=\"#555\" stroke=\"#000\" stroke-width=\".6\"/></marker></defs></svg>\n";

// The opening of a price cell of the list of every product, in the price's colour.
const char* markCell(PriceMark mark) {
    switch (mark) {
    case PriceMark::Cheapest:
        return "<td class=c>";
    case PriceMark::Dearest:
        return "<td class=x>";
    case PriceMark::None:
        break;
    }
    return "<td>";
}

void textCell(Utf8Buffer& html, QStringView text) {
    html << "<td>";
    html.escaped(text);
}

// Products listed in the section of products to check; the rest of them lead the list of all.
constexpr qsizetype MaxAttentionRows = 200;
// Names of a shop's cheapest products shown in the scorecard.
constexpr qsizetype MaxScorecardNames = 10;

// Why a product needs looking at. The newest price is that of the newest dated observation with
// a price; a rise is a newest price above the one before it.
struct Attention {
    qsizetype product = 0; // in nb.products
    const Observation* newestPriced = nullptr;
    bool aboveStandard = false;
    bool rise = false;
    bool stale = false; // no dated observation, or the newest on or before the cut-off
    std::optional<QDate> lastDate;

    int weight() const { return (aboveStandard ? 4 : 0) + (rise ? 2 : 0) + (stale ? 1 : 0); }
};

Attention attentionOf(const NotebookProduct& p, qsizetype index, const QDate& cutOff) {
    Attention a;
    a.product = index;
    const Observation* previousPriced = nullptr;
    for (const Observation& o : p.view.observations) {
        if (o.date && (!a.lastDate || *o.date > *a.lastDate))
            a.lastDate = *o.date;
        if (!o.price || !o.date)
            continue;
        if (!a.newestPriced || *o.date > *a.newestPriced->date) {
            previousPriced = a.newestPriced;
            a.newestPriced = &o;
        } else if (!previousPriced || *o.date > *previousPriced->date) {
            previousPriced = &o;
        }
    }
    const std::optional<Amount>& standard = p.view.standardPrice;
    a.aboveStandard = a.newestPriced && standard && *a.newestPriced->price > *standard;
    a.rise = a.newestPriced && previousPriced && *a.newestPriced->price > *previousPriced->price;
    a.stale = !a.lastDate || *a.lastDate <= cutOff;
    return a;
}

// The reasons in words, or (`brief`, in the list of every product) as the legend's one-letter marks.
void appendReasons(Utf8Buffer& html, const Attention& a, bool brief) {
    html.raw(brief ? "<td>" : "<td class=why>");
    bool first = true;
    const auto reason = [&](bool on, const char* text) {
        if (!on)
            return;
        if (!first)
            html << "、";
        html.raw(text);
        first = false;
    };
    if (brief) {
        html.raw(a.aboveStandard ? "高" : "");
        html.raw(a.rise ? "上" : "");
        html.raw(a.stale ? (a.lastDate ? "古" : "無") : "");
        return;
    }
    reason(a.aboveStandard, "標準価格より高い");
    reason(a.rise, "値上がり");
    reason(a.stale, a.lastDate ? "1 年以上記録なし" : "記録なし");
}

struct ShopScore {
    QString shop;
    QStringList cheapestProducts;
    qsizetype cheapestCount = 0;
    qsizetype observations = 0;
    long double differenceSum = 0; // over priced observations of products with a standard price
    qsizetype differenceCount = 0;
};

// What the notebook holds as a whole.
struct Totals {
    qsizetype observations = 0;
    qsizetype shops = 0;
    std::optional<QDate> first;
    std::optional<QDate> last;
};

void appendSummary(Utf8Buffer& html, const LoadedNotebook& nb, const QString& title, const QDate& today,
                   const QList<Attention>& attention, const Totals& totals) {
    const qsizetype observations = totals.observations;
    const std::optional<QDate>& first = totals.first;
    const std::optional<QDate>& last = totals.last;
    qsizetype above = 0, rise = 0, stale = 0, any = 0;
    for (const Attention& a : attention) {
        above += a.aboveStandard;
        rise += a.rise;
        stale += a.stale;
        any += a.weight() > 0;
    }
    html << "<dl class=summary><dt>ノート</dt><dd>";
    html.escaped(title) << "</dd><dt>作成日</dt><dd>";
    html.date(today) << "</dd><dt>商品</dt><dd>";
    html.number(nb.products.size()) << " 件</dd><dt>店</dt><dd>";
    html.number(totals.shops) << " 店</dd><dt>記録</dt><dd>";
    html.number(observations) << " 件</dd><dt>最初の記録日</dt><dd>";
    if (first)
        html.date(*first);
    else
        html << "—";
    html << "</dd><dt>最後の記録日</dt><dd>";
    if (last)
        html.date(*last);
    else
        html << "—";
    html << "</dd><dt>確かめ直す商品</dt><dd>";
    html.number(any) << " 件（標準価格より高い ";
    html.number(above) << " 件、値上がり ";
    html.number(rise) << " 件、1 年以上記録なし ";
    html.number(stale) << " 件）</dd></dl>\n";
}

void appendLegend(Utf8Buffer& html) {
    html << "<ul class=legend><li><span class=cheap>赤</span>: その商品の最安値"
            "<li><span class=dear>黄緑</span>: その商品の最高値（時価が一つ、またはすべて同じ額なら色なし）"
            "<li><svg class=key><path d=\"M2 5H22\" stroke=\"#0050c8\" stroke-dasharray=\"4 3\"/></svg>"
            " グラフの破線: 標準価格"
            "<li>理由: 高 = 最新の時価が標準価格より高い、上 = 値上がり、古 = 1 年以上記録なし、無 = 記録なし"
            "<li>グラフ: 横軸はノート全体の期間、左の数字はその商品の最高値と最安値（標準価格を含む）</ul>\n";
}

// The lowest price of a product and the observations at that price, the newest first: by date,
// an unreadable date the oldest, of one date the earlier slot first.
struct Cheapest {
    std::optional<Amount> price;
    QVarLengthArray<const Observation*, PriceSlots> seen;
};

qint64 dayOf(const Observation& o) {
    return o.date ? o.date->toJulianDay() : std::numeric_limits<qint64>::min();
}

Cheapest cheapestIn(const ProductView& v) {
    Cheapest c;
    for (const Observation& o : v.observations) {
        if (o.price && (!c.price || *o.price < *c.price))
            c.price = o.price;
    }
    for (const Observation& o : v.observations) {
        if (c.price && o.price == c.price)
            c.seen << &o;
    }
    std::sort(c.seen.begin(), c.seen.end(), [](const Observation* a, const Observation* b) {
        return dayOf(*a) != dayOf(*b) ? dayOf(*a) > dayOf(*b) : a->slot < b->slot;
    });
    return c;
}

// A cheapest observation's shop as the list names it.
QStringView shopName(const Observation& o) {
    return o.shop.isEmpty() ? QStringView(u"（店名なし）") : QStringView(o.shop);
}

// Whether the shop of seen[i] was named by an observation before it.
bool seenBefore(const Cheapest& c, qsizetype i) {
    return std::any_of(c.seen.cbegin(), c.seen.cbegin() + i,
                       [&](const Observation* o) { return shopName(*o) == shopName(*c.seen[i]); });
}

QList<ShopScore> shopScores(const LoadedNotebook& nb, const QList<qsizetype>& order) {
    QHash<QString, qsizetype> index;
    QList<ShopScore> scores;
    const auto scoreOf = [&](const QString& shop) -> ShopScore& {
        auto it = index.constFind(shop);
        if (it == index.cend()) {
            it = index.insert(shop, scores.size());
            scores.append(ShopScore{shop, {}, 0, 0, 0, 0});
        }
        return scores[*it];
    };
    for (const qsizetype i : order) {
        const ProductView& v = nb.products[i].view;
        for (const Observation& o : v.observations) {
            if (o.shop.isEmpty())
                continue;
            ShopScore& s = scoreOf(o.shop);
            ++s.observations;
            if (o.price && v.standardPrice) {
                s.differenceSum +=
                    static_cast<long double>(*v.standardPrice) - static_cast<long double>(*o.price);
                ++s.differenceCount;
            }
        }
        // Each shop with the lowest price once.
        const Cheapest c = cheapestIn(v);
        for (qsizetype i = 0; i < c.seen.size(); ++i) {
            const QString& shop = c.seen[i]->shop;
            const auto sameShop = [&](const Observation* o) { return o->shop == shop; };
            if (shop.isEmpty() || std::any_of(c.seen.cbegin(), c.seen.cbegin() + i, sameShop))
                continue;
            ShopScore& s = scoreOf(shop);
            if (s.cheapestProducts.size() < MaxScorecardNames)
                s.cheapestProducts << v.name;
            ++s.cheapestCount;
        }
    }
    std::sort(scores.begin(), scores.end(), [](const ShopScore& a, const ShopScore& b) {
        if (a.cheapestCount != b.cheapestCount)
            return a.cheapestCount > b.cheapestCount;
        return productNameLess(a.shop, b.shop);
    });
    return scores;
}

void appendScorecard(Utf8Buffer& html, const QList<ShopScore>& scores) {
    html << "<section class=shops><h2>店の成績</h2><p "
            "class=note>底値の商品は、その店で最安値が記録された商品です"
            "（同じ最安値の店はどれも数えます）。平均差額は、標準価格のある商品でのその店の時価と標準価格の差"
            "の平均で、"
            "正なら標準価格より安く買えています。</p>\n<table class=shops><thead><tr><th>店名</th>"
            "<th>底値の商品数</th><th>記録数</th><th>平均差額</th><th>底値の商品</th></tr></thead><tbody>\n";
    for (const ShopScore& s : scores) {
        html << "<tr>";
        textCell(html, s.shop);
        html << "<td class=n>";
        html.number(s.cheapestCount) << "<td class=n>";
        html.number(s.observations) << "<td class=n>";
        if (s.differenceCount > 0) {
            const long double mean = s.differenceSum / static_cast<long double>(s.differenceCount);
            html.displayAmount(Amount(std::llround(mean)));
        } else {
            html << "—";
        }
        textCell(html, s.cheapestProducts.join(u'、'));
        if (s.cheapestCount > s.cheapestProducts.size()) {
            html << " ほか ";
            html.number(s.cheapestCount - s.cheapestProducts.size()) << " 件";
        }
        html << "</tr>\n";
    }
    if (scores.isEmpty())
        html << "<tr><td colspan=5>店名のある記録はありません</tr>";
    html << "</tbody></table></section>\n";
}

void appendAttention(Utf8Buffer& html, const LoadedNotebook& nb, const QList<Attention>& sorted,
                     const QDate& cutOff) {
    html << "<section class=\"attention part\"><h2>確かめ直す商品</h2><p "
            "class=note>最新の時価が標準価格より高い"
            "商品、最新の時価がその前より高い商品、最後の記録日が ";
    html.date(cutOff) << " 以前（1 年以上前）か記録のない商品です。この順に並べています。</p>\n";
    if (sorted.isEmpty() || sorted.first().weight() == 0) {
        html << "<p>ありません。</p></section>\n";
        return;
    }
    html << "<table "
            "class=attention><thead><tr><th>商品名</th><th>理由</th><th>最新の時価</th><th>標準価格</th>"
            "<th>最後の記録日</th></tr></thead><tbody>\n";
    qsizetype shown = 0;
    qsizetype total = 0;
    for (const Attention& a : sorted) {
        if (a.weight() == 0)
            break;
        ++total;
        if (shown == MaxAttentionRows)
            continue;
        ++shown;
        const ProductView& v = nb.products[a.product].view;
        html << "<tr>";
        textCell(html, v.name);
        appendReasons(html, a, false);
        html << "<td class=n>";
        if (a.newestPriced)
            html.displayAmount(*a.newestPriced->price);
        html << "<td class=n>";
        if (v.standardPrice)
            html.displayAmount(*v.standardPrice);
        html << "<td class=d>";
        if (a.lastDate)
            html.date(*a.lastDate);
        else
            html << "記録なし";
        html << "</tr>\n";
    }
    html << "</tbody></table>";
    if (total > shown) {
        html << "<p class=note>ほか ";
        html.number(total - shown) << " 件は、下の商品一覧の先頭に同じ順で並んでいます。</p>";
    }
    html << "</section>\n";
}

void appendProducts(Utf8Buffer& html, const LoadedNotebook& nb, const QList<Attention>& sorted,
                    const TimeAxis& axis) {
    html
        << "<section class=products><h2>商品ごとの底値</h2><p class=note>確かめ直す商品を先に、あとは名前の順"
           "です。差額は標準価格から最安値を引いた額です。点にはグラフの左の数字で値段が読めます。</p>\n"
           "<table "
           "class=products><thead><tr><th>商品名</th><th>理由</th><th>最安値</th><th>店名</th><th>記録日</th>"
           "<th>標準価格</th><th>差額</th><th>価格の推移</th></tr></thead><tbody>\n";
    for (const Attention& a : sorted) {
        const ProductView& v = nb.products[a.product].view;
        const Cheapest c = cheapestIn(v);
        const PriceMarks marks = priceMarks(v);
        html << "<tr>";
        textCell(html, v.name);
        appendReasons(html, a, true);
        if (c.price) {
            // Every observation at the lowest price has its mark.
            const char* cell = markCell(marks[c.seen.first() - v.observations.constData()]);
            html.raw(cell);
            html.displayAmount(*c.price);
            html << "<td>";
            for (qsizetype i = 0; i < c.seen.size(); ++i) {
                if (seenBefore(c, i))
                    continue;
                if (i > 0)
                    html << "、";
                html.escaped(shopName(*c.seen[i]));
            }
            const Observation* newest = c.seen.first();
            html << "<td>";
            if (newest->date)
                html.date(*newest->date);
            else
                html.escaped(newest->dateText);
            html << "<td>";
            if (v.standardPrice)
                html.displayAmount(*v.standardPrice);
            html.raw(cell);
            if (v.standardPrice)
                html.displayAmount(*v.standardPrice - *c.price);
            else
                html << "—";
        } else {
            html << "<td>記録なし<td><td><td>";
            if (v.standardPrice)
                html.displayAmount(*v.standardPrice);
            html << "<td>";
        }
        html << "<td>";
        const qsizetype points = chartPoints(v);
        if (points >= 2) {
            appendChart(html, v, marks, axis);
        } else {
            html.raw(points == 1 ? "時価 1 件" : "時価なし");
        }
        html << '\n';
    }
    html << "</tbody></table></section>\n";
}

} // namespace

QByteArray reportHtml(const LoadedNotebook& nb, const QString& title, const QDate& today) {
    const QDate cutOff = staleCutOff(today, DefaultStaleMonths);
    const QList<qsizetype> order = productNameOrder(nb.products);
    QList<Attention> sorted;
    sorted.reserve(order.size());
    TimeAxis axis;
    bool dated = false;
    Totals totals;
    for (const qsizetype i : order) {
        const Attention& a = sorted.emplace_back(attentionOf(nb.products[i], i, cutOff));
        totals.observations += nb.products[i].view.observations.size();
        for (const Observation& o : nb.products[i].view.observations) {
            if (o.date)
                totals.first = totals.first ? std::min(*totals.first, *o.date) : *o.date;
        }
        if (a.lastDate)
            totals.last = totals.last ? std::max(*totals.last, *a.lastDate) : *a.lastDate;
        for (const Observation& o : nb.products[i].view.observations) {
            if (!o.price || !o.date)
                continue;
            const qint64 day = o.date->toJulianDay();
            axis.firstDay = dated ? std::min(axis.firstDay, day) : day;
            axis.lastDay = dated ? std::max(axis.lastDay, day) : day;
            dated = true;
        }
    }
    // Stable: within a weight, the name order.
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Attention& a, const Attention& b) { return a.weight() > b.weight(); });

    Utf8Buffer html;
    html.reserve(8192 + nb.products.size() * 320);
    // The policy lets the page fetch nothing and run nothing, whatever a name in it holds.
    html << "<!DOCTYPE html>\n<html lang=ja><head><meta charset=utf-8>"
            "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; style-src "
            "'unsafe-inline'\">"
            "<meta name=viewport content=\"width=device-width\"><title>底値レポート – ";
    html.escaped(title) << "</title><style>" << Style << "</style></head><body>\n"
                        << Defs << "<h1>底値レポート</h1>\n";
    const QList<ShopScore> scores = shopScores(nb, order);
    totals.shops = scores.size();
    appendSummary(html, nb, title, today, sorted, totals);
    appendLegend(html);
    appendScorecard(html, scores);
    appendAttention(html, nb, sorted, cutOff);
    appendProducts(html, nb, sorted, axis);
    html << "</body></html>\n";
    return html.take();
}
