// The report page: a chart per product, the window's colours for the cheapest and the dearest,
// names that cannot turn into markup, nothing fetched and nothing run, a page for A4.
#include "cli/chart.h"
#include "clitest.h"
#include "support/notebooklines.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QList<QStringList> Products{
    record(u"牛乳"_s, u"198"_s,
           {{u"A店"_s, u"178"_s, u"2014/05/01"_s},
            {u"B店"_s, u"198"_s, u"2015/05/01"_s},
            {u"B店"_s, u"170"_s, u"2016/05/01"_s}}),
    record(u"卵"_s, QString(), {{u"B店"_s, u"220"_s, u"2016/05/20"_s}}),
    record(u"<script>alert('x')</script> & \"米\""_s, u"4000"_s, {}),
};

QString reportOf(const QList<QStringList>& products) {
    TestDir dir;
    const QString path = dir.write(u"家計.txt"_s, cp932Lines(notebook(products)));
    const CliRun run = runCommand({u"report"_s, path});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    return QString::fromUtf8(run.out);
}

ProductView withPrices(const QList<std::optional<Amount>>& prices) {
    ProductView v;
    for (const std::optional<Amount>& p : prices) {
        Observation o;
        o.price = p;
        v.observations << o;
    }
    return v;
}

} // namespace

TEST(PriceMarks, PaintTheCheapestAndTheDearestOnlyWhereThereAreTwoPrices) {
    using M = PriceMark;
    const struct {
        QList<std::optional<Amount>> prices;
        PriceMarks marks;
    } cases[] = {
        {{980, std::nullopt, 1050, 1000}, {M::Cheapest, M::None, M::Dearest, M::None}},
        {{300}, {M::None}}, // one price is neither dear nor cheap
        {{5, 5, 5}, {M::None, M::None, M::None}},
        {{100, 100, 120}, {M::Cheapest, M::Cheapest, M::Dearest}}, // ties all take the colour
        {{std::nullopt}, {M::None}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(priceMarks(withPrices(c.prices)), c.marks);
}

// Summary, legend, shops and the products to check come first; then every product, those that need
// attention first; a chart with its price axis only for a product with two prices or more.
TEST(Report, PutsTheSummaryAndWhatNeedsAttentionFirst) {
    const QString html = reportOf(Products);
    qsizetype at = 0;
    for (const QString& part : {u"<dl class=summary>"_s, u"<ul class=legend>"_s, u"<h2>店の成績</h2>"_s,
                                u"<h2>確かめ直す商品</h2>"_s, u"<h2>商品ごとの底値</h2>"_s}) {
        const qsizetype next = html.indexOf(part, at);
        EXPECT_GT(next, at) << part.toStdString();
        at = std::max(at, next);
    }
    const QString products = html.mid(html.indexOf(u"<table class=products>"_s));
    // The product without observations leads (無), then the others in name order.
    EXPECT_TRUE(products.contains(u"<tbody>\n<tr><td>&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt; &amp; "
                                  u"&quot;米&quot;<td>無<td>記録なし<td><td><td>4,000<td><td>時価なし\n"_s))
        << products.toStdString();
    // 牛乳: the cheapest 170 at B店 in red; the chart says 198 and 170 at its side.
    EXPECT_TRUE(products.contains(
        u"<tr><td>牛乳<td><td class=c>170<td>B店<td>2016/05/01<td>198<td class=c>28<td><svg>"_s));
    EXPECT_TRUE(products.contains(u"<text y=10>198</text><text y=41>170</text></svg>"_s));
    EXPECT_EQ(products.count(u"<path class=c d="_s), 1);
    EXPECT_EQ(products.count(u"<path class=x d="_s), 1);
    EXPECT_EQ(products.count(u"<path class=s d="_s), 1);
    // 卵: one price, so no chart and no colour.
    EXPECT_TRUE(products.contains(u"<tr><td>卵<td><td>220<td>B店<td>2016/05/20<td><td>—<td>時価 1 件\n"_s));
    EXPECT_EQ(products.count(u"<svg>"_s), 1);
    for (const QString& part :
         {u"<dt>商品</dt><dd>3 件</dd>"_s, u"<dt>店</dt><dd>2 店</dd>"_s, u"<dt>記録</dt><dd>4 件</dd>"_s,
          u"<dt>最初の記録日</dt><dd>2014/05/01</dd>"_s, u"<dt>最後の記録日</dt><dd>2016/05/20</dd>"_s,
          u"<dd>家計.txt</dd>"_s,
          u"<dt>確かめ直す商品</dt><dd>1 件（標準価格より高い 0 件、値上がり 0 件、1 年以上記録なし 1 件）"_s,
          u"<span class=cheap>赤</span>: その商品の最安値"_s, u"<span class=dear>黄緑</span>"_s})
        EXPECT_TRUE(html.contains(part)) << part.toStdString();
    // B店 is cheapest for both products; its mean difference is taken where a standard price exists.
    EXPECT_TRUE(html.contains(u"<tr><td>B店<td class=n>2<td class=n>3<td class=n>14<td>牛乳、卵</tr>"_s) ||
                html.contains(u"<tr><td>B店<td class=n>2<td class=n>3<td class=n>14<td>卵、牛乳</tr>"_s))
        << html.toStdString();
    // Printing leaves out the list of every product.
    EXPECT_TRUE(html.contains(u"@media print { section.products { display: none; }"_s));
}

// A lowest price seen more than once: each shop once, the newest first (of one date the earlier
// slot, an unreadable date last), an observation without a shop named so; the date the newest.
TEST(Report, NamesEveryShopOfATiedLowestPriceNewestFirst) {
    const QString html = reportOf({
        record(u"豆腐"_s, u"100"_s,
               {{u"A店"_s, u"80"_s, u"2016/01/01"_s},
                {QString(), u"80"_s, u"2016/03/01"_s},
                {u"B店"_s, u"80"_s, u"2016/02/01"_s},
                {u"A店"_s, u"80"_s, u"2016/04/01"_s},
                {u"C店"_s, u"90"_s, u"2016/05/01"_s}}),
        record(u"納豆"_s, QString(),
               {{u"X店"_s, u"50"_s, u"昔"_s},
                {u"Q店"_s, u"50"_s, u"2016/02/02"_s},
                {u"P店"_s, u"50"_s, u"2016/02/02"_s}}),
    });
    const QString products = html.mid(html.indexOf(u"<table class=products>"_s));
    EXPECT_TRUE(products.contains(
        u"<tr><td>豆腐<td>上<td class=c>80<td>A店、（店名なし）、B店<td>2016/04/01<td>100<td class=c>20<td><svg>"_s))
        << products.toStdString();
    // Equal prices are neither cheap nor dear.
    EXPECT_TRUE(
        products.contains(u"<tr><td>納豆<td><td>50<td>Q店、P店、X店<td>2016/02/02<td><td>—<td><svg>"_s))
        << products.toStdString();
    // In the scorecard each shop counts a product once; an observation without a shop counts for none.
    for (const QString& row : {u"<tr><td>A店<td class=n>1<td class=n>2<td class=n>"_s,
                               u"<tr><td>B店<td class=n>1<td class=n>1<td class=n>"_s,
                               u"<tr><td>C店<td class=n>0<td class=n>1<td class=n>"_s,
                               u"<tr><td>X店<td class=n>1<td class=n>1<td class=n>—<td>納豆</tr>"_s})
        EXPECT_TRUE(html.contains(row)) << row.toStdString();
    EXPECT_FALSE(html.contains(u"<tr><td><td class=n>"_s));
}

TEST(Report, ListsProductsToCheckWithTheirReasonsInOrder) {
    const QList<QStringList> products{
        record(u"安定"_s, u"200"_s, {{u"A"_s, u"190"_s, u"2016/05/01"_s}}),
        record(u"古い"_s, QString(), {{u"A"_s, u"100"_s, u"2015/06/01"_s}}),
        record(u"上がった"_s, u"300"_s,
               {{u"A"_s, u"200"_s, u"2016/01/01"_s}, {u"A"_s, u"250"_s, u"2016/05/01"_s}}),
        record(u"高い"_s, u"100"_s,
               {{u"A"_s, u"150"_s, u"2016/05/01"_s}, {u"B"_s, u"120"_s, u"2016/04/01"_s}}),
    };
    const QString html = reportOf(products);
    const QString list = html.mid(html.indexOf(u"<table class=attention>"_s));
    EXPECT_TRUE(list.contains(
        u"<tbody>\n<tr><td>高い<td class=why>標準価格より高い、値上がり<td class=n>150<td class=n>100"
        u"<td class=d>2016/05/01</tr>\n<tr><td>上がった<td class=why>値上がり<td class=n>250<td "
        u"class=n>300<td class=d>2016/05/01</tr>\n<tr><td>古い<td class=why>1 年以上記録なし<td "
        u"class=n>100<td class=n><td class=d>2015/06/01</tr>\n</tbody>"_s))
        << list.toStdString();
    EXPECT_FALSE(list.left(list.indexOf(u"</table>"_s)).contains(u"安定"_s));
}

TEST(Report, IsOneSelfContainedPageWithoutScriptForA4) {
    const QString html = reportOf(Products);
    EXPECT_FALSE(html.contains(u"<script"_s, Qt::CaseInsensitive));
    EXPECT_TRUE(html.contains(u"&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt; &amp; &quot;米&quot;"_s));
    EXPECT_FALSE(html.contains(QRegularExpression(u"(src|href)\\s*="_s)));
    // The only url() is the charts' dot, a part of the page itself.
    EXPECT_FALSE(html.contains(QRegularExpression(u"url\\((?!#dot\\))"_s)));
    EXPECT_TRUE(html.contains(u"Content-Security-Policy\" content=\"default-src 'none'"_s));
    EXPECT_TRUE(html.contains(u"<html lang=ja>"_s));
    EXPECT_TRUE(html.contains(u"@page { size: A4;"_s));
}

TEST(Report, OpensInTheBrowserAndSaysWhenThatFails) {
    TestDir dir;
    const QString path = dir.write(u"nb.txt"_s, cp932Lines(notebook(Products)));
    const CliRun opened = runCommand({u"report"_s, path, u"-o"_s, dir.file(u"r.html"_s), u"--open"_s});
    EXPECT_EQ(opened.status, 0);
    EXPECT_EQ(opened.opened, QStringList{dir.file(u"r.html"_s)});
    EXPECT_TRUE(dir.read(u"r.html"_s).contains("<h1>底値レポート</h1>"));

    // Without -o the page goes to the temporary folder.
    const CliRun failed =
        runCommand({u"report"_s, path, u"--open"_s}, u"xdg-open が終了コード 3 で終わりました"_s);
    EXPECT_EQ(failed.status, 1);
    ASSERT_EQ(failed.opened.size(), 1);
    EXPECT_TRUE(failed.opened[0].endsWith(u".html"_s));
    EXPECT_TRUE(
        failed.err.contains(u"レポート "_s + failed.opened[0] +
                            u" をブラウザーで開けませんでした: xdg-open が終了コード 3 で終わりました"_s))
        << failed.err.toStdString();
    QFile::remove(failed.opened[0]);
}
