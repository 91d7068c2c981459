#include "cli/report.h"

#include "cli/chart.h"
#include "cli/cheapest.h"
#include "cli/htmltext.h"
#include "cli/productorder.h"
#include "cli/stale.h"
#include "core/dates.h"
#include "core/names.h"

#include <QHash>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Red and lime are the colours of the window's difference labels. Lime text cannot be read on
// white, so a lime value is shown on a lime ground instead.
const QString Style = uR"(
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
svg.chart { display: block; }
svg.chart text { font-size: 8px; fill: #444; }
svg.chart text.end { text-anchor: end; }
svg.chart text.none { text-anchor: middle; font-size: 10px; }
svg.chart polyline { fill: none; stroke: #777; stroke-width: 1; }
svg.chart line.std { stroke: #0050c8; stroke-width: 1; stroke-dasharray: 4 3; }
svg.chart circle { fill: #555; stroke: #000; stroke-width: .6; }
svg.chart circle.cheap { fill: #ff0000; }
svg.chart circle.dear { fill: #00ff00; }
section.part { break-before: page; }
@media screen { section.part { break-before: auto; } }
)"_s;

QString markClass(PriceMark mark) {
    switch (mark) {
    case PriceMark::Cheapest:
        return u" cheap"_s;
    case PriceMark::Dearest:
        return u" dear"_s;
    case PriceMark::None:
        break;
    }
    return QString();
}

void cell(QString& html, QStringView text, const QString& cls = QString()) {
    html += cls.isEmpty() ? u"<td>"_s : u"<td class=\""_s + cls + u"\">"_s;
    appendEscaped(html, text);
    html += u"</td>";
}

struct ShopScore {
    QString shop;
    QStringList cheapestProducts;
    qsizetype observations = 0;
    long double differenceSum = 0; // over priced observations of products with a standard price
    qsizetype differenceCount = 0;
};

void appendSummary(QString& html, const LoadedNotebook& nb, const QString& title, const QDate& today) {
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
    html += u"<dl class=\"summary\"><dt>ノート</dt><dd>";
    appendEscaped(html, title);
    html += u"</dd><dt>作成日</dt><dd>"_s + formatStoredDate(today);
    html += u"</dd><dt>商品</dt><dd>"_s + QString::number(nb.products.size()) + u" 件</dd>"_s;
    html += u"<dt>店</dt><dd>"_s + QString::number(shops.size()) + u" 店</dd>"_s;
    html += u"<dt>記録</dt><dd>"_s + QString::number(observations) + u" 件</dd>"_s;
    html += u"<dt>最初の記録日</dt><dd>"_s + (first ? formatStoredDate(*first) : u"—"_s) + u"</dd>"_s;
    html += u"<dt>最後の記録日</dt><dd>"_s + (last ? formatStoredDate(*last) : u"—"_s) + u"</dd></dl>"_s;
}

void appendProducts(QString& html, const LoadedNotebook& nb, const QList<qsizetype>& order) {
    html += u"<h2>商品ごとの底値</h2><p class=\"note\">差額は標準価格から時価を引いた額です。"
            u"色は本体の差額表示と同じく、最安値が赤、最高値が黄緑です（すべて同じ額のときは黄緑）。"
            u"グラフの破線は標準価格、点にマウスを重ねると店名・記録日・時価が出ます。</p>"
            u"<table class=\"products\"><thead><tr><th>商品名</th><th>最安値</th><th>店名</th><th>記録日</th>"
            u"<th>標準価格</th><th>差額</th><th>価格の推移</th></tr></thead><tbody>";
    for (const qsizetype i : order) {
        const ProductView& v = nb.products[i].view;
        const CheapestPrice c = cheapestOf(v);
        html += u"<tr>";
        cell(html, v.name);
        if (c.price) {
            const QList<PriceMark> marks = priceMarks(v);
            const QString cls = markClass(marks[c.seen.first() - v.observations.constData()]);
            cell(html, formatDisplay(*c.price), u"n"_s + cls);
            cell(html, shopsOf(c.seen).join(u'、'));
            cell(html, newestDateOf(c.seen), u"d"_s);
            cell(html, v.standardPrice ? formatDisplay(*v.standardPrice) : QString(), u"n"_s);
            cell(html, c.difference ? formatDisplay(*c.difference) : u"—"_s, u"n"_s + cls);
        } else {
            html += u"<td class=\"n\">記録なし</td><td></td><td></td>";
            cell(html, v.standardPrice ? formatDisplay(*v.standardPrice) : QString(), u"n"_s);
            html += u"<td></td>";
        }
        html += u"<td>";
        appendChart(html, v);
        html += u"</td></tr>\n";
    }
    html += u"</tbody></table>";
}

void appendScorecard(QString& html, const LoadedNotebook& nb, const QList<qsizetype>& order) {
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

    html += u"<section class=\"part\"><h2>店の成績</h2><p "
            u"class=\"note\">底値の商品は、その店で最安値が記録された商品です"
            u"（同じ最安値の店はどれも数えます）。平均差額は、標準価格のある商品でのその店の時価と標準価格の"
            u"差の平均で、"
            u"正なら標準価格より安く買えています。</p><table class=\"shops\"><thead><tr><th>店名</th>"
            u"<th>底値の商品数</th><th>記録数</th><th>平均差額</th><th>底値の商品</th></tr></thead><tbody>";
    for (const ShopScore& s : scores) {
        html += u"<tr>";
        cell(html, s.shop);
        cell(html, QString::number(s.cheapestProducts.size()), u"n"_s);
        cell(html, QString::number(s.observations), u"n"_s);
        if (s.differenceCount > 0) {
            const long double mean = s.differenceSum / static_cast<long double>(s.differenceCount);
            cell(html, formatDisplay(Amount(std::llround(mean))), u"n"_s);
        } else {
            cell(html, u"—"_s, u"n"_s);
        }
        cell(html, s.cheapestProducts.join(u'、'));
        html += u"</tr>\n";
    }
    if (scores.isEmpty())
        html += u"<tr><td colspan=\"5\">店名のある記録はありません</td></tr>";
    html += u"</tbody></table></section>";
}

void appendStale(QString& html, const LoadedNotebook& nb, const QDate& today) {
    const QList<StaleProduct> stale = staleProducts(nb.products, today, DefaultStaleMonths, std::nullopt);
    html += u"<section class=\"part\"><h2>確かめ直す商品</h2><p class=\"note\">最後の記録日が "_s +
            formatStoredDate(staleCutOff(today, DefaultStaleMonths)) +
            u" 以前（1 年以上前）の商品と、記録のない商品です。古いものから並べています。</p>"_s;
    if (stale.isEmpty()) {
        html += u"<p>ありません。</p></section>";
        return;
    }
    html += u"<table "
            u"class=\"stale\"><thead><tr><th>商品名</th><th>最後の記録日</th><th>店名</th><th>経過日数</th>"
            u"</tr></thead><tbody>";
    for (const StaleProduct& s : stale) {
        html += u"<tr>";
        cell(html, s.product->view.name);
        if (s.newest) {
            cell(html, formatStoredDate(*s.newest->date), u"d"_s);
            cell(html, s.newest->shop);
            cell(html, u"%1 日"_s.arg(s.newest->date->daysTo(today)), u"n"_s);
        } else {
            cell(html, s.observed ? u"日付不明"_s : u"記録なし"_s, u"d"_s);
            html += u"<td></td><td></td>";
        }
        html += u"</tr>\n";
    }
    html += u"</tbody></table></section>";
}

} // namespace

QByteArray reportHtml(const LoadedNotebook& nb, const QString& title, const QDate& today) {
    QString html;
    html.reserve(2048 + nb.products.size() * 900);
    // The policy lets the page fetch nothing and run nothing, whatever a name in it holds.
    html += u"<!DOCTYPE html>\n<html lang=\"ja\"><head><meta charset=\"utf-8\">"
            u"<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; style-src "
            u"'unsafe-inline'\">"
            u"<meta name=\"viewport\" content=\"width=device-width\"><title>底値レポート – ";
    appendEscaped(html, title);
    html += u"</title><style>"_s + Style + u"</style></head><body>\n<h1>底値レポート</h1>"_s;
    appendSummary(html, nb, title, today);
    const QList<qsizetype> order = productNameOrder(nb.products);
    appendProducts(html, nb, order);
    appendScorecard(html, nb, order);
    appendStale(html, nb, today);
    html += u"\n</body></html>\n";
    return html.toUtf8();
}
