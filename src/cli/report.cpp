#include "cli/report.h"

#include "cli/chart.h"
#include "cli/cheapest.h"
#include "cli/productorder.h"
#include "cli/stale.h"
#include "cli/utf8buffer.h"
#include "core/names.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace {

// Red and lime are the colours of the window's difference labels. Lime text cannot be read on
// white, so a lime value is shown on a lime ground instead.
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
.cheap { color: #ff0000; font-weight: bold; }
.dear { background: #00ff00; }
svg.chart { display: block; width: 220px; height: 56px; }
svg.chart text { font-size: 8px; fill: #444; }
svg.chart text.end { text-anchor: end; }
svg.chart text.none { text-anchor: middle; font-size: 10px; }
svg.chart polyline { fill: none; stroke: #777; stroke-width: 1; }
svg.chart line.std { stroke: #0050c8; stroke-width: 1; stroke-dasharray: 4 3; }
svg.chart circle { fill: #555; stroke: #000; stroke-width: .6; }
svg.chart circle.cheap { fill: #ff0000; }
svg.chart circle.dear { fill: #00ff00; }
@media print { section.part { break-before: page; } }
)";

const char* markClass(PriceMark mark) {
    switch (mark) {
    case PriceMark::Cheapest:
        return " cheap";
    case PriceMark::Dearest:
        return " dear";
    case PriceMark::None:
        break;
    }
    return "";
}

void textCell(Utf8Buffer& html, QStringView text) {
    html << "<td>";
    html.escaped(text) << "</td>";
}

struct ShopScore {
    QString shop;
    QStringList cheapestProducts;
    qsizetype observations = 0;
    long double differenceSum = 0; // over priced observations of products with a standard price
    qsizetype differenceCount = 0;
};

void appendSummary(Utf8Buffer& html, const LoadedNotebook& nb, const QString& title, const QDate& today) {
    QHash<QString, bool> shops;
    qsizetype observations = 0;
    std::optional<QDate> first;
    std::optional<QDate> last;
    for (const NotebookProduct& p : nb.products) {
        for (const Observation& o : p.view.observations) {
            ++observations;
            if (!o.shop.isEmpty())
                shops.insert(o.shop, true);
            if (o.date) {
                first = first ? std::min(*first, *o.date) : *o.date;
                last = last ? std::max(*last, *o.date) : *o.date;
            }
        }
    }
    html << "<dl class=\"summary\"><dt>ノート</dt><dd>";
    html.escaped(title) << "</dd><dt>作成日</dt><dd>";
    html.date(today) << "</dd><dt>商品</dt><dd>";
    html.number(nb.products.size()) << " 件</dd><dt>店</dt><dd>";
    html.number(shops.size()) << " 店</dd><dt>記録</dt><dd>";
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
    html << "</dd></dl>\n";
}

void appendProducts(Utf8Buffer& html, const LoadedNotebook& nb, const QList<qsizetype>& order) {
    html << "<h2>商品ごとの底値</h2><p class=\"note\">差額は標準価格から時価を引いた額です。"
            "色は本体の差額表示と同じく、最安値が赤、最高値が黄緑です（すべて同じ額のときは黄緑）。"
            "グラフの破線は標準価格、点にマウスを重ねると店名・記録日・時価が出ます。</p>\n"
            "<table class=\"products\"><thead><tr><th>商品名</th><th>最安値</th><th>店名</th><th>記録日</th>"
            "<th>標準価格</th><th>差額</th><th>価格の推移</th></tr></thead><tbody>\n";
    for (const qsizetype i : order) {
        const ProductView& v = nb.products[i].view;
        const CheapestPrice c = cheapestOf(v);
        const PriceMarks marks = priceMarks(v);
        html << "<tr>";
        textCell(html, v.name);
        if (c.price) {
            const char* cls = markClass(marks[c.seen.first() - v.observations.constData()]);
            html << "<td class=\"n";
            html.raw(cls);
            html << "\">";
            html.displayAmount(*c.price) << "</td>";
            const Observation* newest = newestOf(c.seen);
            const bool oneShop = std::all_of(c.seen.cbegin(), c.seen.cend(),
                                             [&](const Observation* o) { return o->shop == newest->shop; });
            textCell(html, oneShop && !newest->shop.isEmpty() ? newest->shop : shopsOf(c.seen).join(u'、'));
            html << "<td class=\"d\">";
            if (newest->date)
                html.date(*newest->date);
            else
                html.escaped(newest->dateText);
            html << "</td><td class=\"n\">";
            if (v.standardPrice)
                html.displayAmount(*v.standardPrice);
            html << "</td><td class=\"n";
            html.raw(cls);
            html << "\">";
            if (c.difference)
                html.displayAmount(*c.difference);
            else
                html << "—";
            html << "</td>";
        } else {
            html << "<td class=\"n\">記録なし</td><td></td><td></td><td class=\"n\">";
            if (v.standardPrice)
                html.displayAmount(*v.standardPrice);
            html << "</td><td></td>";
        }
        html << "<td>";
        appendChart(html, v, marks);
        html << "</td></tr>\n";
    }
    html << "</tbody></table>\n";
}

void appendScorecard(Utf8Buffer& html, const LoadedNotebook& nb, const QList<qsizetype>& order) {
    QHash<QString, qsizetype> index;
    QList<ShopScore> scores;
    const auto scoreOf = [&](const QString& shop) -> ShopScore& {
        auto it = index.constFind(shop);
        if (it == index.cend()) {
            it = index.insert(shop, scores.size());
            scores.append(ShopScore{shop, {}, 0, 0, 0});
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
        const CheapestPrice c = cheapestOf(v);
        QStringList counted;
        for (const Observation* o : c.seen) {
            if (!o->shop.isEmpty() && !counted.contains(o->shop)) {
                counted << o->shop;
                scoreOf(o->shop).cheapestProducts << v.name;
            }
        }
    }
    std::sort(scores.begin(), scores.end(), [](const ShopScore& a, const ShopScore& b) {
        if (a.cheapestProducts.size() != b.cheapestProducts.size())
            return a.cheapestProducts.size() > b.cheapestProducts.size();
        return productNameLess(a.shop, b.shop);
    });

    html << "<section class=\"part\"><h2>店の成績</h2><p "
            "class=\"note\">底値の商品は、その店で最安値が記録された商品です"
            "（同じ最安値の店はどれも数えます）。平均差額は、標準価格のある商品でのその店の時価と標準価格の差"
            "の平均で、"
            "正なら標準価格より安く買えています。</p>\n<table class=\"shops\"><thead><tr><th>店名</th>"
            "<th>底値の商品数</th><th>記録数</th><th>平均差額</th><th>底値の商品</th></tr></thead><tbody>\n";
    for (const ShopScore& s : scores) {
        html << "<tr>";
        textCell(html, s.shop);
        html << "<td class=\"n\">";
        html.number(s.cheapestProducts.size()) << "</td><td class=\"n\">";
        html.number(s.observations) << "</td><td class=\"n\">";
        if (s.differenceCount > 0) {
            const long double mean = s.differenceSum / static_cast<long double>(s.differenceCount);
            html.displayAmount(Amount(std::llround(mean)));
        } else {
            html << "—";
        }
        html << "</td>";
        textCell(html, s.cheapestProducts.join(u'、'));
        html << "</tr>\n";
    }
    if (scores.isEmpty())
        html << "<tr><td colspan=\"5\">店名のある記録はありません</td></tr>";
    html << "</tbody></table></section>\n";
}

void appendStale(Utf8Buffer& html, const LoadedNotebook& nb, const QList<qsizetype>& order,
                 const QDate& today) {
    const QList<StaleProduct> stale =
        staleProducts(nb.products, order, today, DefaultStaleMonths, std::nullopt);
    html << "<section class=\"part\"><h2>確かめ直す商品</h2><p class=\"note\">最後の記録日が ";
    html.date(staleCutOff(today, DefaultStaleMonths))
        << " 以前（1 年以上前）の商品と、記録のない商品です。古いものから並べています。</p>\n";
    if (stale.isEmpty()) {
        html << "<p>ありません。</p></section>\n";
        return;
    }
    html << "<table "
            "class=\"stale\"><thead><tr><th>商品名</th><th>最後の記録日</th><th>店名</th><th>経過日数</th>"
            "</tr></thead><tbody>\n";
    for (const StaleProduct& s : stale) {
        html << "<tr>";
        textCell(html, s.product->view.name);
        if (s.newest) {
            html << "<td class=\"d\">";
            html.date(*s.newest->date) << "</td>";
            textCell(html, s.newest->shop);
            html << "<td class=\"n\">";
            html.number(s.newest->date->daysTo(today)) << " 日</td>";
        } else {
            html << "<td class=\"d\">";
            html.raw(s.observed ? "日付不明" : "記録なし") << "</td><td></td><td></td>";
        }
        html << "</tr>\n";
    }
    html << "</tbody></table></section>\n";
}

} // namespace

QByteArray reportHtml(const LoadedNotebook& nb, const QString& title, const QDate& today) {
    Utf8Buffer html;
    html.reserve(4096 + nb.products.size() * 1200);
    // The policy lets the page fetch nothing and run nothing, whatever a name in it holds.
    html << "<!DOCTYPE html>\n<html lang=\"ja\"><head><meta charset=\"utf-8\">"
            "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; style-src "
            "'unsafe-inline'\">"
            "<meta name=\"viewport\" content=\"width=device-width\"><title>底値レポート – ";
    html.escaped(title) << "</title><style>" << Style << "</style></head><body>\n<h1>底値レポート</h1>\n";
    appendSummary(html, nb, title, today);
    const QList<qsizetype> order = productNameOrder(nb.products);
    appendProducts(html, nb, order);
    appendScorecard(html, nb, order);
    appendStale(html, nb, order, today);
    html << "</body></html>\n";
    return html.take();
}
