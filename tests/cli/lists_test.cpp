// The cheapest and stale lists: ties, products without observations, a shop's list, the cut-off day.
#include "cli/cheapest.h"
#include "cli/stale.h"
#include "clitest.h"
#include "support/notebooklines.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString tableOf(const QList<QStringList>& products, const QStringList& options, const QString& command) {
    TestDir dir;
    const QString path = dir.write(u"nb.txt"_s, cp932Lines(notebook(products)));
    const CliRun run = runCommand(QStringList{command, path} + options);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    return QString::fromUtf8(run.out);
}

const QList<QStringList> Shopping{
    record(u"卵"_s, u"250"_s,
           {{u"A店"_s, u"220"_s, u"2016/01/01"_s},
            {u"B店"_s, u"198"_s, u"2015/03/01"_s},
            {u"C店"_s, u"198"_s, u"2016/02/01"_s},
            {u"B店"_s, u"198"_s, u"2014/01/01"_s}}),
    record(u"牛乳"_s, QString(),
           {{u"A店"_s, u"178"_s, u"2015/06/01"_s}, {u"B店"_s, QString(), u"2016/05/01"_s}}),
    record(u"Apple"_s, u"1000"_s,
           {{u"A店"_s, u"1,050"_s, u"2016/05/31"_s}, {u"B店"_s, u"1050"_s, u"2015/06/01"_s}}),
    record(u"お米"_s, u"4000"_s, {}),
};

} // namespace

TEST(Cheapest, ListsEveryProductWithItsCheapestShopsDateAndDifference) {
    // "1,050" is no amount in the notebook, so Apple's cheapest is B店's 1050, a year old (old on
    // the cut-off day, as stale counts) but the only price. 卵's 198 at B店 is old while C店 has a
    // current 198: only C店 is named.
    EXPECT_EQ(tableOf(Shopping, {}, u"cheapest"_s).toStdString(),
              u"商品名    最安値  店名       記録日  標準価格  差額\n"
              u"------  --------  ----  -----------  --------  ----\n"
              u"Apple      1,050  B店   2015/06/01※     1,000   -50\n"
              u"お米    記録なし                        4,000\n"
              u"牛乳         178  A店   2015/06/01※\n"
              u"卵           198  C店    2016/02/01       250    52\n"
              u"※ 古い価格（2015/06/01 以前の記録。これより新しい価格がありません）\n"_s.toStdString());
    // Over 24 months nothing here is old, and B店's older 198 ties again.
    EXPECT_TRUE(
        tableOf(Shopping, {u"--months"_s, u"24"_s}, u"cheapest"_s).contains(u"198  C店、B店  2016/02/01"_s));
}

TEST(Cheapest, AShopsNewestPriceCountsAndAnOldOneOnlyWhereNothingNewerIsKnown) {
    // The case: 88 from 2024 was cheapest in 2026; a shop's newer 120 replaces its older 90.
    const QList<QStringList> products{record(u"豆腐"_s, QString(),
                                             {{u"A店"_s, u"88"_s, u"2014/01/10"_s},
                                              {u"B店"_s, u"90"_s, u"2016/01/10"_s},
                                              {u"B店"_s, u"120"_s, u"2016/03/10"_s},
                                              {u"C店"_s, u"110"_s, u"2016/02/10"_s}})};
    EXPECT_TRUE(tableOf(products, {}, u"cheapest"_s).contains(u"豆腐       110  C店   2016/02/10\n"_s))
        << tableOf(products, {}, u"cheapest"_s).toStdString();
    EXPECT_TRUE(tableOf(products, {u"--months"_s, u"36"_s}, u"cheapest"_s).contains(u"88  A店"_s));
}

TEST(Cheapest, AShopsListHoldsTheProductsWhoseCheapestPriceWasSeenThereTiesIncluded) {
    const QString b = tableOf(Shopping, {u"--shop"_s, u"B店"_s}, u"cheapest"_s);
    EXPECT_EQ(b, u"商品名  最安値       記録日  標準価格  差額\n"
                 u"------  ------  -----------  --------  ----\n"
                 u"Apple    1,050  2015/06/01※     1,000   -50\n"
                 u"※ 古い価格（2015/06/01 以前の記録。これより新しい価格がありません）\n"_s);
    EXPECT_TRUE(tableOf(Shopping, {u"--shop"_s, u"A店"_s}, u"cheapest"_s).contains(u"牛乳"_s));
}

// A shop the notebook has no observation of is a mistake, not an empty list: status 1 and the
// shops closest to it (the name matches exactly, as the window's by-shop query does).
TEST(Lists, AShopTheNotebookDoesNotKnowIsRefusedWithTheClosestNames) {
    TestDir dir;
    const QString path = dir.write(u"nb.txt"_s, cp932Lines(notebook(Shopping)));
    for (const QString& command : {u"cheapest"_s, u"stale"_s}) {
        const CliRun b = runCommand({command, path, u"--shop"_s, u"b店"_s});
        EXPECT_EQ(b.status, 1);
        EXPECT_EQ(b.err,
                  u"pricotta-cli: %1 に店「b店」の記録はありません。もしかして: B店、A店、C店\n"_s.arg(path));
        EXPECT_TRUE(b.out.isEmpty());
        const CliRun far = runCommand({command, path, u"--shop"_s, u"スーパー"_s});
        EXPECT_EQ(far.status, 1);
        EXPECT_TRUE(far.err.contains(u"店「スーパー」の記録はありません（記録のある店は 3 店）"_s))
            << far.err.toStdString();
    }
}

// The same tables as CSV (as export writes it) and JSON (amounts as numbers, ISO dates, null); an
// old price is a column of its own there, the date left clean.
TEST(Lists, TakeCsvAndJsonFormats) {
    EXPECT_EQ(tableOf(Shopping, {u"--format"_s, u"csv"_s}, u"cheapest"_s),
              u"商品名,最安値,店名,記録日,標準価格,差額,古い価格\r\n"
              u"Apple,1050,B店,2015/06/01,1000,-50,古い\r\n"
              u"お米,記録なし,,,4000,,\r\n"
              u"牛乳,178,A店,2015/06/01,,,古い\r\n"
              u"卵,198,C店,2016/02/01,250,52,\r\n"_s);
    const QJsonArray cheapest =
        QJsonDocument::fromJson(tableOf(Shopping, {u"--format=json"_s}, u"cheapest"_s).toUtf8()).array();
    ASSERT_EQ(cheapest.size(), 4);
    EXPECT_EQ(cheapest[0].toObject(), (QJsonObject{{u"name"_s, u"Apple"_s},
                                                   {u"price"_s, 1050},
                                                   {u"shops"_s, QJsonArray{u"B店"_s}},
                                                   {u"date"_s, u"2015-06-01"_s},
                                                   {u"standardPrice"_s, 1000},
                                                   {u"difference"_s, -50},
                                                   {u"old"_s, true}}));
    EXPECT_EQ(cheapest[1].toObject(), (QJsonObject{{u"name"_s, u"お米"_s},
                                                   {u"price"_s, QJsonValue()},
                                                   {u"shops"_s, QJsonArray()},
                                                   {u"date"_s, QJsonValue()},
                                                   {u"standardPrice"_s, 4000},
                                                   {u"difference"_s, QJsonValue()},
                                                   {u"old"_s, false}}));
    // Over 24 months B店's older 198 is current and ties again.
    const QJsonArray longer =
        QJsonDocument::fromJson(
            tableOf(Shopping, {u"--format=json"_s, u"--months=24"_s}, u"cheapest"_s).toUtf8())
            .array();
    ASSERT_EQ(longer.size(), 4);
    EXPECT_EQ(longer[3].toObject(), (QJsonObject{{u"name"_s, u"卵"_s},
                                                 {u"price"_s, 198},
                                                 {u"shops"_s, QJsonArray{u"C店"_s, u"B店"_s}},
                                                 {u"date"_s, u"2016-02-01"_s},
                                                 {u"standardPrice"_s, 250},
                                                 {u"difference"_s, 52},
                                                 {u"old"_s, false}}));
    const QJsonArray stale =
        QJsonDocument::fromJson(
            tableOf(Shopping, {u"--shop"_s, u"B店"_s, u"--format"_s, u"json"_s}, u"stale"_s).toUtf8())
            .array();
    ASSERT_EQ(stale.size(), 2);
    EXPECT_EQ(stale[0].toObject(), (QJsonObject{{u"name"_s, u"卵"_s},
                                                {u"lastDate"_s, u"2015-03-01"_s},
                                                {u"shop"_s, u"B店"_s},
                                                {u"days"_s, 458}}));
    EXPECT_EQ(tableOf(Shopping, {u"--format"_s, u"csv"_s}, u"stale"_s),
              u"商品名,最終記録日,店名,経過日数\r\nお米,記録なし,,\r\n"_s);
}

TEST(Stale, ListsProductsWhoseNewestObservationIsOnOrBeforeTheCutOffOldestFirst) {
    // Today is 2016/06/01: twelve months back is 2015/06/01, which counts as stale.
    EXPECT_EQ(tableOf(Shopping, {}, u"stale"_s), u"商品名  最終記録日  店名  経過日数\n"
                                                 u"------  ----------  ----  --------\n"
                                                 u"お米      記録なし\n"_s);
    EXPECT_EQ(tableOf(Shopping, {u"--shop"_s, u"B店"_s}, u"stale"_s),
              u"商品名  最終記録日  店名  経過日数\n"
              u"------  ----------  ----  --------\n"
              u"卵      2015/03/01  B店      458日\n"
              u"Apple   2015/06/01  B店      366日\n"_s);
    // Four months back is 2016/02/01, the day 卵 was last seen.
    const QString four = tableOf(Shopping, {u"--months"_s, u"4"_s}, u"stale"_s);
    EXPECT_EQ(four.count(u'\n'), 2 + 2);
    EXPECT_TRUE(four.indexOf(u"お米"_s) < four.indexOf(u"卵"_s));
}

TEST(Stale, CutOffKeepsTheDayOrTakesTheLastDayOfAShorterMonth) {
    const struct {
        QDate today;
        int months;
        QDate cutOff;
    } cases[] = {
        {QDate(2026, 12, 8), 12, QDate(2025, 12, 8)},
        {QDate(2024, 2, 29), 12, QDate(2023, 2, 28)}, // the window's query fails on this day
        {QDate(2016, 5, 31), 3, QDate(2016, 2, 29)},
        {QDate(2016, 6, 1), 0, QDate(2016, 6, 1)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(staleCutOff(c.today, c.months), c.cutOff) << c.today.toString(Qt::ISODate).toStdString();
}
