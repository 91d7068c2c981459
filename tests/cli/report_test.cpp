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

TEST(PriceMarks, FollowTheWindowsDifferenceColours) {
    using M = PriceMark;
    const struct {
        QList<std::optional<Amount>> prices;
        PriceMarks marks;
    } cases[] = {
        {{980, std::nullopt, 1050, 1000}, {M::Cheapest, M::None, M::Dearest, M::None}},
        {{300}, {M::Dearest}}, // cheapest and dearest at once: the dearest colour
        {{5, 5, 5}, {M::Dearest, M::Dearest, M::Dearest}},
        {{100, 100, 120}, {M::Cheapest, M::Cheapest, M::Dearest}}, // ties all take the colour
        {{std::nullopt}, {M::None}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(priceMarks(withPrices(c.prices)), c.marks);
}

TEST(Report, DrawsAChartForEveryProductWithTheCheapestInRed) {
    const QString html = reportOf(Products);
    EXPECT_EQ(html.count(u"<svg class=\"chart\""_s), Products.size());
    // 牛乳: the cheapest 170 at B店, red in the table and in the chart; the dearest point lime.
    EXPECT_TRUE(html.contains(u"<td class=\"n cheap\">170</td><td>B店</td><td class=\"d\">2016/05/01</td>"
                              u"<td class=\"n\">198</td><td class=\"n cheap\">28</td>"_s));
    EXPECT_EQ(html.count(u"class=\"cheap\"><title>B店 2016/05/01 170円</title>"_s), 1);
    EXPECT_EQ(html.count(u"class=\"dear\"><title>B店 2015/05/01 198円</title>"_s), 1);
    EXPECT_TRUE(html.contains(u"<line class=\"std\""_s));
    // 卵: one observation is cheapest and dearest at once, shown as the window shows it.
    EXPECT_TRUE(html.contains(u"<td class=\"n dear\">220</td>"_s));
    // The product without observations still has its chart, saying so.
    EXPECT_TRUE(html.contains(u"記録なし</text></svg>"_s));
}

TEST(Report, HoldsTheSummaryTheShopsAndTheStaleList) {
    const QString html = reportOf(Products);
    for (const QString& part :
         {u"<dt>商品</dt><dd>3 件</dd>"_s, u"<dt>店</dt><dd>2 店</dd>"_s, u"<dt>記録</dt><dd>4 件</dd>"_s,
          u"<dt>最初の記録日</dt><dd>2014/05/01</dd>"_s, u"<dt>最後の記録日</dt><dd>2016/05/20</dd>"_s,
          u"<dd>家計.txt</dd>"_s})
        EXPECT_TRUE(html.contains(part)) << part.toStdString();
    // B店 is cheapest for both products; its mean difference is taken where a standard price exists.
    EXPECT_TRUE(
        html.contains(u"<tr><td>B店</td><td class=\"n\">2</td><td class=\"n\">3</td><td class=\"n\">14</td>"
                      u"<td>卵、牛乳</td></tr>"_s) ||
        html.contains(u"<tr><td>B店</td><td class=\"n\">2</td><td class=\"n\">3</td><td class=\"n\">14</td>"
                      u"<td>牛乳、卵</td></tr>"_s))
        << html.toStdString();
    const qsizetype stale = html.indexOf(u"確かめ直す商品"_s);
    ASSERT_GE(stale, 0);
    EXPECT_GT(html.indexOf(u"記録なし"_s, stale), stale);
}

TEST(Report, IsOneSelfContainedPageWithoutScriptForA4) {
    const QString html = reportOf(Products);
    EXPECT_FALSE(html.contains(u"<script"_s, Qt::CaseInsensitive));
    EXPECT_TRUE(html.contains(u"&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt; &amp; &quot;米&quot;"_s));
    EXPECT_FALSE(html.contains(QRegularExpression(u"(src|href)\\s*="_s)));
    EXPECT_FALSE(html.contains(u"url("_s));
    EXPECT_TRUE(html.contains(u"Content-Security-Policy\" content=\"default-src 'none'"_s));
    EXPECT_TRUE(html.contains(u"<html lang=\"ja\">"_s));
    EXPECT_TRUE(html.contains(u"@page { size: A4;"_s));
}

TEST(Report, OpensInTheBrowserAndSaysWhenThatFails) {
    TestDir dir;
    const QString path = dir.write(u"nb.txt"_s, cp932Lines(notebook(Products)));
    const CliRun opened = runCommand({u"report"_s, path, u"-o"_s, dir.file(u"r.html"_s), u"--open"_s});
    EXPECT_EQ(opened.status, 0);
    EXPECT_EQ(opened.opened, QStringList{dir.file(u"r.html"_s)});
    EXPECT_TRUE(dir.read(u"r.html"_s).contains("<svg class=\"chart\""));

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
