// Merging two notebooks: matching by name ignoring case, identical observations kept once, the
// newest five in date order, standard price and memo from A unless empty there.
#include "clitest.h"
#include "support/notebooklines.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString Old = u"2001/01/01"_s; // the empty slots' date in the inputs

} // namespace

TEST(Merge, CombinesProductsAsTheCasesSay) {
    const struct {
        const char* what;
        QList<QStringList> a;
        QList<QStringList> b;
        QList<QStringList> merged;
        QStringList notes;
    } cases[] = {
        {"a product only in B is appended as it is",
         {record(u"牛乳"_s, u"198"_s, {{u"A店"_s, u"178"_s, u"2014/05/01"_s}}, QString(), Old)},
         {record(u"卵"_s, QString(), {{u"B店"_s, u"200"_s, u"2015/01/01"_s}}, u"M"_s, Old)},
         {record(u"牛乳"_s, u"198"_s, {{u"A店"_s, u"178"_s, u"2014/05/01"_s}}, QString(), Old),
          record(u"卵"_s, QString(), {{u"B店"_s, u"200"_s, u"2015/01/01"_s}}, u"M"_s, Old)},
         {}},
        {"names match ignoring case; identical observations are kept once, the slots stay",
         {record(u"Milk"_s, u"198"_s,
                 {{u"B店"_s, u"170"_s, u"2015/01/01"_s}, {u"A店"_s, u"178"_s, u"2014/05/01"_s}}, QString(),
                 Old)},
         {record(u"MILK"_s, u"198.0"_s, {{u"A店"_s, u"178"_s, u"14/5/1"_s}}, QString(), Old)},
         {record(u"Milk"_s, u"198"_s,
                 {{u"B店"_s, u"170"_s, u"2015/01/01"_s}, {u"A店"_s, u"178"_s, u"2014/05/01"_s}}, QString(),
                 Old)},
         {}},
        {"a new observation puts both sides' in date order, the empty slots dated today",
         {record(u"牛乳"_s, QString(),
                 {{u"B店"_s, u"170"_s, u"2015/01/01"_s}, {u"A店"_s, u"178"_s, u"2014/05/01"_s}}, QString(),
                 Old)},
         {record(u"牛乳"_s, u"200"_s,
                 {{u"C店"_s, u"160"_s, u"2014/12/01"_s}, {u"A店"_s, u"178"_s, u"2014/05/01"_s}},
                 u"B のメモ"_s, Old)},
         {record(u"牛乳"_s, u"200"_s,
                 {{u"A店"_s, u"178"_s, u"2014/05/01"_s},
                  {u"C店"_s, u"160"_s, u"2014/12/01"_s},
                  {u"B店"_s, u"170"_s, u"2015/01/01"_s}},
                 u"B のメモ"_s)},
         {}},
        {"of more than five the newest five stay; same dates keep A before B",
         {record(u"米"_s, u"4000"_s,
                 {{u"A"_s, u"1"_s, u"2016/01/05"_s},
                  {u"A"_s, u"2"_s, u"2016/01/03"_s},
                  {u"A"_s, u"3"_s, u"2016/01/01"_s},
                  {u"A"_s, u"4"_s, u"2016/01/04"_s}},
                 u"Aのメモ"_s, Old)},
         {record(u"米"_s, u"4100"_s,
                 {{u"B"_s, u"5"_s, u"2016/01/02"_s},
                  {u"B"_s, u"6"_s, u"2016/01/03"_s},
                  {u"B"_s, u"7"_s, u"2016/01/06"_s}},
                 u"Bのメモ"_s, Old)},
         {record(u"米"_s, u"4000"_s,
                 {{u"A"_s, u"2"_s, u"2016/01/03"_s},
                  {u"B"_s, u"6"_s, u"2016/01/03"_s},
                  {u"A"_s, u"4"_s, u"2016/01/04"_s},
                  {u"A"_s, u"1"_s, u"2016/01/05"_s},
                  {u"B"_s, u"7"_s, u"2016/01/06"_s}},
                 u"Aのメモ"_s)},
         {u"「米」の標準価格が違います: a.txt は 4000、b.txt は 4100。a.txt の値を残しました"_s,
          u"「米」のメモが違います: a.txt は「Aのメモ」、b.txt は「Bのメモ」。a.txt の値を残しました"_s}},
        {"two products of B with the same name both go into one",
         {},
         {record(u"tea"_s, QString(), {{u"A"_s, u"1"_s, u"2016/01/01"_s}}, QString(), Old),
          record(u"TEA"_s, u"5"_s, {{u"B"_s, u"2"_s, u"2016/01/02"_s}}, QString(), Old)},
         {record(u"tea"_s, u"5"_s, {{u"A"_s, u"1"_s, u"2016/01/01"_s}, {u"B"_s, u"2"_s, u"2016/01/02"_s}})},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestDir dir;
        const QString a = dir.write(u"a.txt"_s, cp932Lines(notebook(c.a)));
        const QString b = dir.write(u"b.txt"_s, cp932Lines(notebook(c.b)));
        const CliRun run = runCommand({u"merge"_s, a, b, u"-o"_s, dir.file(u"c.txt"_s)});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(dir.read(u"c.txt"_s), cp932Lines(notebook(c.merged)));
        for (const QString& note : c.notes)
            EXPECT_TRUE(run.err.contains(QString(note).replace(u"a.txt"_s, a).replace(u"b.txt"_s, b)))
                << run.err.toStdString();
        EXPECT_EQ(run.err.count(u"違います"_s), c.notes.size());
    }
}

TEST(Merge, RefusesNotebooksItCouldNotWriteBackWhole) {
    TestDir dir;
    const QString good = dir.write(u"good.txt"_s, cp932Lines(notebook({record(u"牛乳"_s, QString(), {})})));
    QStringList cut = notebook({record(u"牛乳"_s, QString(), {}), record(u"卵"_s, QString(), {})});
    cut.resize(cut.size() - 3);
    const QString incomplete = dir.write(u"cut.txt"_s, cp932Lines(cut));
    const QString unnamed =
        dir.write(u"unnamed.txt"_s,
                  cp932Lines(notebook({record(u"牛乳"_s, QString(), {}), record(QString(), QString(), {})})));
    const QString foreign = dir.write(u"shops.txt"_s, cp932Lines({u"A店"_s}));
    const struct {
        QString b;
        QString message;
    } cases[] = {
        {incomplete, incomplete + u" 20行目: 最後の商品が 15 行しかありません（1 商品は 18 行）"_s},
        {unnamed, unnamed + u" 20行目: 商品名が空です"_s},
        {foreign, foreign + u" 1行目: 当ソフトで作成されたデータではありません(ID)"_s},
        {dir.file(u"missing.txt"_s), u"ファイル "_s + dir.file(u"missing.txt"_s) + u" は開けません。"_s},
    };
    for (const auto& c : cases) {
        const CliRun run = runCommand({u"merge"_s, good, c.b, u"-o"_s, good});
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_EQ(dir.read(u"good.txt"_s), cp932Lines(notebook({record(u"牛乳"_s, QString(), {})})));
    }
}

TEST(Merge, WritesOverOnlyANotebookOrAnEmptyFile) {
    TestDir dir;
    const QString a = dir.write(u"a.txt"_s, cp932Lines(notebook({record(u"牛乳"_s, QString(), {})})));
    const QString data = dir.write(u"data.csv"_s, "商品名\r\n");
    const CliRun refused = runCommand({u"merge"_s, a, a, u"-o"_s, data});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(dir.read(u"data.csv"_s), QByteArray("商品名\r\n"));

    const QString empty = dir.write(u"empty.txt"_s, QByteArray());
    EXPECT_EQ(runCommand({u"merge"_s, a, a, u"-o"_s, empty}).status, 0);
    EXPECT_EQ(dir.read(u"empty.txt"_s), dir.read(u"a.txt"_s));
}
