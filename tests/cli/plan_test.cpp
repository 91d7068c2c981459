// The shopping plan: known answers on small notebooks (the exact choice where the greedy one is
// wrong, ties, old prices, quantities, unknown lines, --only), the JSON's shape, the exact shop
// choice against trying every set, and the program reading its list from standard input.
#include "cli/command.h"
#include "cli/shopchoice.h"
#include "clitest.h"
#include "support/notebooklines.h"

#include <QProcess>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct PlanRun {
    int status = -1;
    QString out;
    QString err;
};

// `plan` on the products and the list lines, with a shop list when one is given.
PlanRun plan(const QList<QStringList>& products, const QStringList& list, const QStringList& options = {},
             const QStringList& shopList = {}) {
    TestDir dir;
    const QString nb = dir.write(u"nb.txt"_s, cp932Lines(notebook(products)));
    const QString listPath = dir.write(u"list.txt"_s, list.join(u"\r\n"_s).toUtf8());
    CliEnvironment env;
    env.today = TestToday;
    if (!shopList.isEmpty())
        env.shopListFile = dir.write(u"shops.txt"_s, cp932Lines(shopList));
    PlanRun run;
    run.status = runCli(QStringList{u"plan"_s, nb, listPath} + options, env);
    run.out = QString::fromUtf8(env.out);
    run.err = QString::fromUtf8(env.err);
    return run;
}

QString json(const QList<QStringList>& products, const QStringList& list, const QStringList& options = {},
             const QStringList& shopList = {}) {
    const PlanRun r = plan(products, list, QStringList{u"--format"_s, u"json"_s} + options, shopList);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    return r.out;
}

// Four items: A店 has them all at 100; B店 the first two at 50, C店 the last two at 50, each 200
// for the others. The greedy choice takes A店 first (it has everything) and ends at 300 with two
// shops; B店 and C店 together cost 200.
const QList<QStringList> GreedyTrap{
    record(u"米"_s, QString(),
           {{u"A店"_s, u"100"_s, u"2016/05/01"_s},
            {u"B店"_s, u"50"_s, u"2016/05/01"_s},
            {u"C店"_s, u"200"_s, u"2016/05/01"_s}}),
    record(u"麦"_s, QString(),
           {{u"A店"_s, u"100"_s, u"2016/05/01"_s},
            {u"B店"_s, u"50"_s, u"2016/05/01"_s},
            {u"C店"_s, u"200"_s, u"2016/05/01"_s}}),
    record(u"豆"_s, QString(),
           {{u"A店"_s, u"100"_s, u"2016/05/01"_s},
            {u"B店"_s, u"200"_s, u"2016/05/01"_s},
            {u"C店"_s, u"50"_s, u"2016/05/01"_s}}),
    record(u"粟"_s, QString(),
           {{u"A店"_s, u"100"_s, u"2016/05/01"_s},
            {u"B店"_s, u"200"_s, u"2016/05/01"_s},
            {u"C店"_s, u"50"_s, u"2016/05/01"_s}}),
};

} // namespace

TEST(Plan, TwoShopsAreChosenExactlyWhereTheGreedyChoiceIsWrong) {
    const QString two = json(GreedyTrap, {u"米"_s, u"麦"_s, u"豆"_s, u"粟"_s}, {u"--shops"_s, u"2"_s});
    EXPECT_TRUE(two.contains(u"\"total\": 200,"_s)) << two.toStdString();
    EXPECT_TRUE(two.contains(u"{\"shop\": \"B店\", \"subtotal\": 100"_s)) << two.toStdString();
    EXPECT_TRUE(two.contains(u"{\"shop\": \"C店\", \"subtotal\": 100"_s)) << two.toStdString();
    // One shop: A店 has everything; the best single shop is the same.
    const QString one = json(GreedyTrap, {u"米"_s, u"麦"_s, u"豆"_s, u"粟"_s}, {u"--shops"_s, u"1"_s});
    EXPECT_TRUE(one.contains(u"\"total\": 400,"_s)) << one.toStdString();
    EXPECT_TRUE(one.contains(u"\"single_shop\": {\"shop\": \"A店\", \"total\": 400, \"missing\": []}"_s));
}

TEST(Plan, WritesTheJsonObjectWithEveryPart) {
    const QList<QStringList> products{
        record(u"牛乳 1L"_s, u"220"_s,
               {{u"A店"_s, u"198"_s, u"2016/05/01"_s}, {u"B店"_s, u"178"_s, u"2015/01/10"_s}}),
        record(u"卵"_s, u"250"_s, {{u"B店"_s, u"230"_s, u"2016/04/01"_s}}),
        record(u"お米"_s, u"4000"_s, {}),
    };
    EXPECT_EQ(
        json(products, {u"# 週末"_s, u""_s, u"牛乳 1L ×2"_s, u"卵"_s, u"お米"_s}),
        u"{\n"
        u"  \"shops\": [\n"
        u"    {\"shop\": \"A店\", \"subtotal\": 396, \"items\": [\n"
        u"      {\"name\": \"牛乳 1L\", \"price\": 198, \"quantity\": 2, \"date\": \"2016-05-01\", \"old\": "
        u"false}]},\n"
        u"    {\"shop\": \"B店\", \"subtotal\": 230, \"items\": [\n"
        u"      {\"name\": \"卵\", \"price\": 230, \"quantity\": 1, \"date\": \"2016-04-01\", \"old\": "
        u"false}]}\n"
        u"  ],\n"
        u"  \"total\": 626,\n"
        u"  \"single_shop\": {\"shop\": \"B店\", \"total\": 230, \"missing\": [\"牛乳 1L\", \"お米\"]},\n"
        u"  \"standard_total\": 4690,\n"
        u"  \"unpriced\": [\"お米\"],\n"
        u"  \"unknown\": []\n"
        u"}\n"_s);
}

TEST(Plan, KnownAnswers) {
    const QList<QStringList> products{
        // Equal prices at A店 and B店; 卵 only at B店: one shop does.
        record(u"牛乳"_s, QString(),
               {{u"A店"_s, u"180"_s, u"2016/05/01"_s}, {u"B店"_s, u"180"_s, u"2016/05/02"_s}}),
        record(u"卵"_s, QString(), {{u"B店"_s, u"200"_s, u"2016/05/01"_s}}),
        // A店's newest price counts (120), not its cheaper older one; C店's 90 is old and a current
        // price exists, so it is not used.
        record(u"パン"_s, QString(),
               {{u"A店"_s, u"80"_s, u"2016/01/01"_s},
                {u"A店"_s, u"120"_s, u"2016/05/01"_s},
                {u"C店"_s, u"90"_s, u"2015/03/01"_s}}),
        // Only an old price: used, and marked.
        record(u"塩"_s, QString(), {{u"C店"_s, u"100"_s, u"2014/12/01"_s}}),
        record(u"砂糖"_s, QString(), {{u"D店"_s, u"150"_s, u"2016/05/01"_s}}),
    };
    const struct {
        const char* what;
        QStringList list;
        QStringList options;
        QStringList shopList;
        QStringList expected; // parts of the JSON
    } cases[] = {
        {"a tie goes to the shop the list already visits",
         {u"牛乳"_s, u"卵"_s},
         {},
         {},
         {u"\"shops\": [\n    {\"shop\": \"B店\", \"subtotal\": 380"_s}},
        {"a tie between shops goes to the shop list's order",
         {u"牛乳"_s},
         {},
         {u"B店"_s, u"A店"_s},
         {u"{\"shop\": \"B店\", \"subtotal\": 180"_s}},
        {"without a shop list, to the order the shops first appear",
         {u"牛乳"_s},
         {},
         {},
         {u"{\"shop\": \"A店\", \"subtotal\": 180"_s}},
        {"a shop's newest price; an old one only where nothing newer is known",
         {u"パン"_s, u"塩"_s},
         {},
         {},
         {u"{\"name\": \"パン\", \"price\": 120"_s,
          u"{\"name\": \"塩\", \"price\": 100, \"quantity\": 1, \"date\": \"2014-12-01\", \"old\": true}"_s}},
        {"with --months 24 the older price is current again",
         {u"パン"_s},
         {u"--months"_s, u"24"_s},
         {},
         {u"{\"shop\": \"C店\", \"subtotal\": 90"_s}},
        {"quantities multiply, written either way, and add up",
         {u"卵 x2"_s, u"卵 ×3"_s},
         {},
         {},
         {u"\"price\": 200, \"quantity\": 5"_s, u"\"total\": 1000,"_s}},
        {"--only keeps to the shops named",
         {u"牛乳"_s, u"卵"_s, u"砂糖"_s},
         {u"--only"_s, u"A店,D店"_s},
         {},
         {u"{\"shop\": \"A店\", \"subtotal\": 180"_s, u"{\"shop\": \"D店\", \"subtotal\": 150"_s,
          u"\"unpriced\": [\"卵\"]"_s}},
        {"a limit of shops leaves out the fewest items",
         {u"牛乳"_s, u"卵"_s, u"砂糖"_s},
         {u"--shops"_s, u"1"_s},
         {},
         {u"{\"shop\": \"B店\", \"subtotal\": 380"_s, u"\"unpriced\": [\"砂糖\"]"_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString out = json(products, c.list, c.options, c.shopList);
        for (const QString& part : c.expected)
            EXPECT_TRUE(out.contains(part)) << part.toStdString() << "\n" << out.toStdString();
    }
}

TEST(Plan, TextMarksOldPricesAndNamesWhatHasNoPrice) {
    const QList<QStringList> products{
        record(u"塩"_s, u"120"_s, {{u"C店"_s, u"100"_s, u"2014/12/01"_s}}),
        record(u"お米"_s, QString(), {}),
    };
    const PlanRun r = plan(products, {u"塩"_s, u"お米"_s});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, u"店名  商品名  単価  数量  金額       記録日\n"
                     u"----  ------  ----  ----  ----  -----------\n"
                     u"C店   塩       100     1   100  2014/12/01※\n"
                     u"      小計                 100\n"
                     u"合計: 100 円（1 店、1 品）\n"
                     u"1 店で買うなら: C店 なら 100 円（ない品: お米）\n"
                     u"標準価格なら: 120 円\n"
                     u"価格の分からない品: お米\n"
                     u"※ 古い価格: 2015/06/01 以前の記録で、ほかに新しい価格がありません\n"_s);
}

TEST(Plan, AnUnknownLineIsNamedWithTheClosestNamesAndTheRestIsPlanned) {
    const QList<QStringList> products{
        record(u"牛乳 1L"_s, QString(), {{u"A店"_s, u"198"_s, u"2016/05/01"_s}}),
        record(u"低脂肪牛乳"_s, QString(), {{u"A店"_s, u"168"_s, u"2016/05/01"_s}}),
        record(u"卵"_s, QString(), {{u"A店"_s, u"200"_s, u"2016/05/01"_s}}),
    };
    const PlanRun r = plan(products, {u"卵"_s, u"牛乳"_s, u"ぎゅうにゅう"_s}, {u"--format"_s, u"json"_s});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(
        u"list.txt 2行目: 「牛乳」はノートにない商品です\n  もしかして: 牛乳 1L、低脂肪牛乳\n"_s))
        << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(u"3行目: 「ぎゅうにゅう」はノートにない商品です\n"_s)) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(u"\"total\": 200,"_s));
    EXPECT_TRUE(r.out.contains(u"\"unknown\": [\"牛乳\", \"ぎゅうにゅう\"]"_s));
}

TEST(Plan, TheProgramReadsTheListFromStandardInput) {
    TestDir dir;
    const QString nb = dir.write(
        u"nb.txt"_s,
        cp932Lines(notebook({record(u"Milk"_s, QString(), {{u"A店"_s, u"150"_s, u"2016/05/01"_s}})})));
    QProcess p;
    p.setProcessEnvironment(programEnvironment(JapaneseLocale));
    p.start(QStringLiteral(PRICOTTA_CLI_PROGRAM), {u"plan"_s, nb, u"-"_s, u"--format"_s, u"csv"_s});
    // Code page 932 as the notebooks; the name matches ignoring case.
    p.write(QByteArray("\x83\x81\x83\x82\r\nMILK \x81\x7e\x32\r\n"));
    p.closeWriteChannel();
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_EQ(p.readAllStandardOutput(),
              QByteArray("\xEF\xBB\xBF") +
                  QStringLiteral(
                      u"店名,商品名,単価,数量,金額,記録日,古い価格\r\nA店,Milk,150,2,300,2016/05/01,古い\r\n")
                      .toUtf8());
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains(u"標準入力 1行目: 「メモ」"_s));
}

// Small random sets of offers: the search's set equals the best of all sets of at most K shops
// under the same order of preference (fewest left out, lowest cost, fewest shops, earliest).
TEST(ShopChoice, FindsTheSameSetAsTryingEverySet) {
    QRandomGenerator random(7);
    for (int round = 0; round < 300; ++round) {
        const int shops = 1 + int(random.bounded(8));
        const int items = 1 + int(random.bounded(6));
        QList<QList<ShopChoice::Offer>> offers(shops);
        for (int i = 0; i < items; ++i) {
            for (int s = 0; s < shops; ++s) {
                if (random.bounded(3) == 0)
                    offers[s].append({i, AmountDifference(1 + random.bounded(4)) * 10});
            }
        }
        const int maxShops = 1 + int(random.bounded(3));
        struct Best {
            int missing = 1 << 30;
            AmountDifference cost = 0;
            int size = 0;
            QList<int> set;
        } best;
        for (int mask = 0; mask < (1 << shops); ++mask) {
            QList<int> set;
            for (int s = 0; s < shops; ++s)
                if (mask & (1 << s))
                    set << s;
            if (set.size() > maxShops)
                continue;
            int missing = 0;
            AmountDifference cost = 0;
            for (int i = 0; i < items; ++i) {
                std::optional<AmountDifference> low;
                for (const int s : set)
                    for (const ShopChoice::Offer& o : offers[s])
                        if (o.item == i && (!low || o.cost < *low))
                            low = o.cost;
                missing += low ? 0 : 1;
                cost += low.value_or(0);
            }
            const auto key = std::make_tuple(missing, cost, int(set.size()));
            const auto bestKey = std::make_tuple(best.missing, best.cost, best.size);
            if (key < bestKey || (key == bestKey && set < best.set))
                best = {missing, cost, int(set.size()), set};
        }
        ShopChoice choice(items, offers);
        ASSERT_EQ(choice.choose(maxShops), best.set) << "round " << round;
    }
}
