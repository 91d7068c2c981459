// Export and import: the columns and rows of the CSV and the JSON, the round trip back into the
// same notebook, and the rows an import refuses with their line numbers.
#include "clitest.h"
#include "core/textfile.h"
#include "notebook/notebookfile.h"
#include "notebook/pricebook.h"
#include "support/notebooklines.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString Header = u"商品名,標準価格,店名,時価,記録日,メモ"_s;

// A notebook as the window writes it after import: observations from slot 1 in date order, the
// empty slots dated today.
QStringList normalNotebook() {
    return notebook({
        record(u"牛乳"_s, u"198"_s,
               {{u"A店"_s, u"178"_s, u"2014/05/01"_s}, {u"B店"_s, u"168"_s, u"2015/02/10"_s}},
               u"特売日は水曜, \"安い\""_s),
        record(u"卵"_s, QString(), {}, QString()),
        record(u"Ｔシャツ①"_s, u"-5"_s,
               {{QString(), u"980"_s, u"2016/01/01"_s}, {u"C店"_s, QString(), u"2016/01/02"_s}}),
        record(u"米"_s, u"4000"_s,
               {{u"A店"_s, u"3800"_s, u"2012/01/01"_s},
                {u"A店"_s, u"3700"_s, u"2013/01/01"_s},
                {u"B店"_s, u"3900"_s, u"2014/01/01"_s},
                {u"C店"_s, u"3600"_s, u"2015/01/01"_s},
                {u"D店"_s, u"3650"_s, u"2016/01/01"_s}}),
    });
}

QByteArray withMark(const QString& text) {
    return "\xEF\xBB\xBF" + text.toUtf8();
}

} // namespace

TEST(Export, WritesOneCsvRowPerObservationAndOneForAProductWithout) {
    TestDir dir;
    const QStringList lines = notebook({
        record(u"牛乳"_s, u"198"_s, {{u"A店"_s, u"178"_s, u"2014/5/1"_s}}, u"特売, 水曜"_s),
        record(u"卵"_s, u"1,980"_s, {}, QString()),
        // Slot 2 empty between filled slots 1 and 3; a price that is no amount exports empty.
        [] {
            QStringList r = record(u"米"_s, QString(), {{u"A店"_s, u"12.5"_s, u"2015/01/01"_s}});
            r[RecordOffset::shop(3)] = u"B店"_s;
            r[RecordOffset::price(3)] = u"abc"_s;
            r[RecordOffset::date(3)] = u"2015/02/01"_s;
            return r;
        }(),
    });
    const QString path = dir.write(u"nb.txt"_s, cp932Lines(lines));
    const CliRun run = runCommand({u"export"_s, path});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, withMark(Header + u"\r\n"_s
                                         u"牛乳,198,A店,178,2014/05/01,\"特売, 水曜\"\r\n"
                                         u"卵,,,,,\r\n"
                                         u"米,,A店,12,2015/01/01,\r\n"
                                         u"米,,B店,,2015/02/01,\r\n"_s));
    // The two texts that are no amount are named with their lines.
    EXPECT_TRUE(run.err.contains(path + u" 21行目: '1,980' は金額ではありません"_s)) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(path + u" 47行目: 'abc' は金額ではありません"_s)) << run.err.toStdString();
}

// A stored date that does not read is written as stored in CSV (an import then names it) and as
// null in JSON, each time named with its line.
TEST(Export, WritesADateThatDoesNotReadAsStoredOrNull) {
    TestDir dir;
    const QString path = dir.write(
        u"nb.txt"_s,
        cp932Lines(notebook({record(u"牛乳"_s, u"198"_s, {{u"A店"_s, u"178"_s, u"2014/13/45"_s}})})));
    const CliRun csvRun = runCommand({u"export"_s, path});
    ASSERT_EQ(csvRun.status, 0) << csvRun.err.toStdString();
    EXPECT_EQ(csvRun.out, withMark(Header + u"\r\n牛乳,198,A店,178,2014/13/45,\r\n"_s));
    const CliRun jsonRun = runCommand({u"export"_s, path, u"--format"_s, u"json"_s});
    ASSERT_EQ(jsonRun.status, 0) << jsonRun.err.toStdString();
    EXPECT_TRUE(jsonRun.out.contains(R"({"shop": "A店", "price": 178, "date": null})"))
        << jsonRun.out.toStdString();
    for (const CliRun& run : {csvRun, jsonRun})
        EXPECT_TRUE(run.err.contains(path + u" 6行目: '2014/13/45' は正しい日付ではありません"_s))
            << run.err.toStdString();
}

TEST(Export, TellsEachBadFieldOnceAndAtMostAHundred) {
    // A bad standard price on every product, each with two prices: its rows repeat the field.
    QList<QStringList> records;
    for (int i = 0; i < 150; ++i)
        records << record(u"品%1"_s.arg(i), u"abc"_s,
                          {{u"A店"_s, u"178"_s, u"2014/05/01"_s}, {u"B店"_s, u"180"_s, u"2014/05/02"_s}});
    TestDir dir;
    const QString path = dir.write(u"nb.txt"_s, cp932Lines(notebook(records)));
    const CliRun run = runCommand({u"export"_s, path});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.err.count(u"警告: "_s), 101) << run.err.toStdString();
    EXPECT_EQ(run.err.count(path + u" 3行目: "_s), 1) << run.err.toStdString(); // the first product's
    EXPECT_TRUE(run.err.endsWith(u"警告: ほかに 50 件あります\n"_s)) << run.err.toStdString();
}

TEST(Export, WritesCodePage932OnRequestAndRefusesACharacterItCannotHold) {
    TestDir dir;
    const QString path = dir.write(
        u"nb.txt"_s,
        cp932Lines(notebook({record(u"牛乳～①"_s, u"198"_s, {{u"A店"_s, u"178"_s, u"2014/05/01"_s}})})));
    const CliRun run = runCommand({u"export"_s, path, u"--encoding"_s, u"cp932"_s});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(textfile::decodeCp932(run.out), Header + u"\r\n牛乳～①,198,A店,178,2014/05/01,\r\n"_s);
    EXPECT_FALSE(run.out.startsWith("\xEF\xBB\xBF"));

    const QStringList korean =
        notebook({record(u"牛乳"_s, QString(), {{u"한국마트"_s, u"178"_s, u"2014/05/01"_s}})});
    const QString koreanPath = dir.file(u"korean.txt"_s);
    textfile::writeFile(koreanPath, korean); // UTF-8 with a mark: the shop has no code in 932
    const CliRun refused =
        runCommand({u"export"_s, koreanPath, u"--encoding"_s, u"cp932"_s, u"-o"_s, dir.file(u"out.csv"_s)});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(koreanPath + u" 4行目: '한' はコードページ 932 で書けません"_s))
        << refused.err.toStdString();
    EXPECT_FALSE(dir.exists(u"out.csv"_s));
}

TEST(Export, WritesJsonWithIntegerAmountsAndIsoDates) {
    TestDir dir;
    const QString path = dir.write(u"nb.txt"_s, cp932Lines(normalNotebook()));
    const CliRun run = runCommand({u"export"_s, path, u"--format"_s, u"json"_s});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(run.out, &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    const QJsonArray products = doc.object()[u"products"_s].toArray();
    ASSERT_EQ(products.size(), 4);
    const QJsonObject milk = products[0].toObject();
    EXPECT_EQ(milk[u"name"_s].toString(), u"牛乳"_s);
    EXPECT_EQ(milk[u"standardPrice"_s], QJsonValue(198));
    EXPECT_EQ(milk[u"memo"_s].toString(), u"特売日は水曜, \"安い\""_s);
    const QJsonArray seen = milk[u"observations"_s].toArray();
    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(seen[1].toObject(),
              (QJsonObject{{u"shop"_s, u"B店"_s}, {u"price"_s, 168}, {u"date"_s, u"2015-02-10"_s}}));
    const QJsonObject egg = products[1].toObject();
    EXPECT_TRUE(egg[u"standardPrice"_s].isNull());
    EXPECT_TRUE(egg[u"observations"_s].toArray().isEmpty());
    const QJsonArray shirt = products[2].toObject()[u"observations"_s].toArray();
    EXPECT_EQ(products[2].toObject()[u"standardPrice"_s], QJsonValue(-5));
    EXPECT_TRUE(shirt[1].toObject()[u"price"_s].isNull());
}

TEST(Import, ExportThenImportGivesTheSameNotebook) {
    TestDir dir;
    const QString original = dir.write(u"nb.txt"_s, cp932Lines(normalNotebook()));
    for (const QStringList& options : {QStringList{}, QStringList{u"--encoding"_s, u"cp932"_s}}) {
        const CliRun exported =
            runCommand(QStringList{u"export"_s, original, u"-o"_s, dir.file(u"nb.csv"_s)} + options);
        ASSERT_EQ(exported.status, 0) << exported.err.toStdString();
        const CliRun imported =
            runCommand({u"import"_s, dir.file(u"nb.csv"_s), u"-o"_s, dir.file(u"back.txt"_s)});
        ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
        EXPECT_EQ(dir.read(u"back.txt"_s), dir.read(u"nb.txt"_s));
    }
}

TEST(Import, GroupsRowsByNameIgnoringCaseAndKeepsTheNewestFiveInDateOrder) {
    TestDir dir;
    const QString csv =
        dir.write(u"in.csv"_s, withMark(Header + u"\r\n"_s
                                                 u"Milk,198,A店,1,2016/01/06,memo\r\n"
                                                 u"milk,,A店,2,2016/01/02,\r\n"
                                                 u"MILK,\"1,98\",A店,3,2016/01/04,memo\r\n"
                                                 u"Milk,,A店,4,2016/01/01,\r\n"
                                                 u"Tea,,,,,\r\n"
                                                 u"milk,,A店,2,2016/1/2,\r\n" // the same again
                                                 u",,,,,\r\n"                 // an empty row
                                                 u"milk,,B店,5,16/01/05,\r\n"
                                                 u"milk,,B店,6,2016/01/03,\r\n"_s));
    const CliRun run = runCommand({u"import"_s, csv, u"-o"_s, dir.file(u"nb.txt"_s)});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(dir.read(u"nb.txt"_s), cp932Lines(notebook({
                                         record(u"Milk"_s, u"198"_s,
                                                {{u"A店"_s, u"2"_s, u"2016/01/02"_s},
                                                 {u"B店"_s, u"6"_s, u"2016/01/03"_s},
                                                 {u"A店"_s, u"3"_s, u"2016/01/04"_s},
                                                 {u"B店"_s, u"5"_s, u"2016/01/05"_s},
                                                 {u"A店"_s, u"1"_s, u"2016/01/06"_s}},
                                                u"memo"_s),
                                         record(u"Tea"_s, QString(), {}),
                                     })));
}

TEST(Import, RefusesABadRowWithItsLineAndWritesNothing) {
    const struct {
        QString rows; // after the header line
        qsizetype line;
        QString reason;
    } cases[] = {
        {u"牛乳,198,A店,¥178,2014/05/01,\r\n"_s, 2, u"時価 '¥178': 金額を入力して下さい。なお\\は不要です"_s},
        {u"牛乳,9E15,,,,\r\n"_s, 2, u"標準価格 '9E15'"_s},
        {u"牛乳,,A店,178,2014-13-01,\r\n"_s, 2, u"記録日: '2014-13-01' は正しい日付ではありません"_s},
        {u"牛乳,,A店,178,,\r\n"_s, 2, u"記録日がありません"_s},
        {u"牛乳,,,,2014/05/01,\r\n"_s, 2, u"記録日がありますが、店名も時価もありません"_s},
        {u"ok,,,,,\r\n,198,,,,\r\n"_s, 3, u"商品名が空です"_s},
        {u"ok,,,,,\r\n牛乳,198,A店,178\r\n"_s, 3, u"欄が 4 個あります（見出しは 6 個）"_s},
        {u"牛乳,198,,,,\r\nx,,,,,\r\n牛乳,200,,,,\r\n"_s, 4,
         u"標準価格 '200' が同じ商品の 2 行目の '198' と違います"_s},
        {u"牛乳,,,,,\"two\r\nlines\"\r\n"_s, 2, u"メモ に改行があります"_s},
        {u"牛乳,,,,,\r\n\"open,,,,,\r\n"_s, 3, u"引用符 \" が閉じていません"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows.toStdString());
        TestDir dir;
        const QString csv = dir.write(u"in.csv"_s, withMark(Header + u"\r\n"_s + c.rows));
        const QByteArray before = cp932Lines(notebook({record(u"既存"_s, QString(), {})}));
        dir.write(u"nb.txt"_s, before);
        for (const QString& option : {u"-o"_s, u"--into"_s}) {
            const CliRun run = runCommand({u"import"_s, csv, option, dir.file(u"nb.txt"_s)});
            EXPECT_EQ(run.status, 1);
            EXPECT_TRUE(run.err.contains(u"%1 %2行目: "_s.arg(csv).arg(c.line) + c.reason))
                << run.err.toStdString();
            EXPECT_EQ(dir.read(u"nb.txt"_s), before);
        }
    }
}

TEST(Import, TakesHeadersInAnyOrderAndIgnoresUnknownOnesWithOneWarning) {
    TestDir dir;
    // A spreadsheet's own columns, one of them untitled; an ISO date as the JSON export writes it.
    const QString csv =
        dir.write(u"in.csv"_s, u"記録日,時価,備考,商品名,,店舗\n2014-05-01,178,x,牛乳,y,z\n"_s.toUtf8());
    const CliRun run = runCommand({u"import"_s, csv, u"-o"_s, dir.file(u"nb.txt"_s)});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(dir.read(u"nb.txt"_s),
              cp932Lines(notebook({record(u"牛乳"_s, QString(), {{QString(), u"178"_s, u"2014/05/01"_s}})})));
    EXPECT_EQ(run.err.count(u"警告"_s), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(
        u"1行目: 見出し「備考」（5 列目、見出しなし）「店舗」は使わない列なので読みません"_s))
        << run.err.toStdString();

    const struct {
        QString text;
        QString reason;
    } refused[] = {
        {u""_s, u"1行目: 見出しの行がありません"_s},
        {u"店名,時価\n"_s, u"1行目: 見出しに「商品名」がありません"_s},
        {u"商品名,メモ,メモ\n"_s, u"1行目: 見出し「メモ」が二つあります"_s},
    };
    for (const auto& r : refused) {
        const QString path = dir.write(u"bad.csv"_s, r.text.toUtf8());
        const CliRun run = runCommand({u"import"_s, path, u"-o"_s, dir.file(u"new.txt"_s)});
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.contains(r.reason)) << run.err.toStdString();
        EXPECT_FALSE(dir.exists(u"new.txt"_s));
    }
}

TEST(Import, IntoANotebookMergesLikeMerge) {
    TestDir dir;
    const QString nb = dir.write(
        u"nb.txt"_s,
        cp932Lines(notebook({
            record(u"Milk"_s, QString(), {{u"A店"_s, u"178"_s, u"2014/05/01"_s}}, u"水曜"_s, u"2010/01/01"_s),
            record(u"卵"_s, u"200"_s, {}, QString(), u"2010/01/01"_s),
        })));
    const QString csv = dir.write(u"in.csv"_s, withMark(Header + u"\r\n"_s
                                                                 u"MILK,198,A店,178,2014/05/01,木曜\r\n"
                                                                 u"新商品,100,B店,90,2016/05/01,\r\n"_s));
    const CliRun run = runCommand({u"import"_s, csv, u"--into"_s, nb});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    // Nothing new for Milk: its slots stay as they were; the empty standard price is filled.
    EXPECT_EQ(
        dir.read(u"nb.txt"_s),
        cp932Lines(notebook({
            record(u"Milk"_s, u"198"_s, {{u"A店"_s, u"178"_s, u"2014/05/01"_s}}, u"水曜"_s, u"2010/01/01"_s),
            record(u"卵"_s, u"200"_s, {}, QString(), u"2010/01/01"_s),
            record(u"新商品"_s, u"100"_s, {{u"B店"_s, u"90"_s, u"2016/05/01"_s}}),
        })));
    EXPECT_TRUE(run.err.contains(u"「Milk」のメモが違います"_s)) << run.err.toStdString();
}

TEST(Import, RoundsAPriceWithDecimalsAsTheWindowDoesAndSaysSo) {
    TestDir dir;
    const QString csv = dir.write(u"in.csv"_s, withMark(Header + u"\r\n牛乳,198.4,A店,98.5,2014/05/01,\r\n"
                                                                 u"牛乳,,A店,99.5,2014/05/02,\r\n"_s));
    const CliRun run = runCommand({u"import"_s, csv, u"-o"_s, dir.file(u"nb.txt"_s)});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(dir.read(u"nb.txt"_s), cp932Lines(notebook({record(u"牛乳"_s, u"198"_s,
                                                                 {{u"A店"_s, u"98"_s, u"2014/05/01"_s},
                                                                  {u"A店"_s, u"100"_s, u"2014/05/02"_s}})})));
    for (const QString& told : {u"2行目: 標準価格 '198.4' は本体の金額欄と同じく 198 に丸めました"_s,
                                u"2行目: 時価 '98.5' は本体の金額欄と同じく 98 に丸めました"_s,
                                u"3行目: 時価 '99.5' は本体の金額欄と同じく 100 に丸めました"_s})
        EXPECT_TRUE(run.err.contains(told)) << run.err.toStdString();
}

// --check writes nothing and lists every refused row, the first 100 of them, then how many more.
TEST(Import, CheckListsEveryBadRowAndWritesNothing) {
    TestDir dir;
    const QString good =
        dir.write(u"good.csv"_s, withMark(Header + u"\r\n牛乳,198,A店,178,2014/05/01,\r\n卵,,,,,\r\n"_s));
    const CliRun ok = runCommand({u"import"_s, good, u"--check"_s});
    EXPECT_EQ(ok.status, 0) << ok.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(ok.out), good + u": 問題ありません（商品 2 件、記録 1 件）\n"_s);

    QString rows = Header + u"\r\n"_s;
    for (int i = 0; i < 150; ++i)
        rows += u"P%1,x%1,,,,\r\n"_s.arg(i);
    const QString bad = dir.write(u"bad.csv"_s, withMark(rows));
    const CliRun refused = runCommand({u"import"_s, bad, u"--check"_s});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(bad + u" 2行目: 標準価格 'x0'"_s)) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(bad + u" 101行目: 標準価格 'x99'"_s));
    EXPECT_FALSE(refused.err.contains(u"'x100'"_s));
    EXPECT_TRUE(refused.err.contains(
        u"ほかに 50 行を受け付けられません\n受け付けられない行が 150 行あるので、何も書きません"_s));
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

// What export --format json writes, import reads back into a notebook that exports the same JSON,
// observations in the slots' order even where that is not the order of their dates.
TEST(Import, ReadsTheJsonExportBackExactly) {
    TestDir dir;
    QList<QStringList> products{
        record(u"牛乳"_s, u"198"_s,
               {{u"B店"_s, u"168"_s, u"2015/02/10"_s}, {u"A店"_s, u"178"_s, u"2014/05/01"_s}},
               u"特売日は水曜, \"安い\"\ttab"_s),
        record(u"卵"_s, QString(), {}),
        record(u"Ｔシャツ①"_s, u"-5"_s,
               {{QString(), u"980"_s, u"2016/01/01"_s}, {u"C店"_s, QString(), u"2016/01/02"_s}}),
        record(u"大きな額"_s, u"99999999999"_s, {{u"D"_s, u"-99999999999"_s, u"2016/01/03"_s}}),
    };
    const QString nb = dir.write(u"nb.txt"_s, cp932Lines(notebook(products)));
    const CliRun json =
        runCommand({u"export"_s, nb, u"--format"_s, u"json"_s, u"-o"_s, dir.file(u"nb.json"_s)});
    ASSERT_EQ(json.status, 0) << json.err.toStdString();
    const CliRun imported =
        runCommand({u"import"_s, dir.file(u"nb.json"_s), u"-o"_s, dir.file(u"back.txt"_s)});
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    const CliRun again = runCommand({u"export"_s, dir.file(u"back.txt"_s), u"--format"_s, u"json"_s});
    EXPECT_EQ(again.out, dir.read(u"nb.json"_s));
    EXPECT_EQ(dir.read(u"back.txt"_s), dir.read(u"nb.txt"_s).replace("2001/01/01", "2016/06/01"));
}

TEST(Import, RefusesJsonThatIsNotTheExportsShape) {
    TestDir dir;
    const struct {
        QByteArray json;
        QString reason;
    } cases[] = {
        {"{\"products\": [", u"JSON として読めません"_s},
        {"{\"items\": []}", u"JSON に \"products\" の配列がありません"_s},
        {"{\"products\": [{\"name\": \"a\", \"observations\": [{\"shop\": \"A\", \"price\": 1}]}]}",
         u"products[0]: 記録日がありません"_s},
        {"{\"products\": [{\"name\": \"a\", \"standardPrice\": \"¥1\"}]}", u"products[0]: 標準価格 '¥1'"_s},
    };
    for (const auto& c : cases) {
        const QString path = dir.write(u"in.json"_s, c.json);
        const CliRun run = runCommand({u"import"_s, path, u"-o"_s, dir.file(u"nb.txt"_s)});
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.contains(c.reason)) << run.err.toStdString();
        EXPECT_FALSE(dir.exists(u"nb.txt"_s));
    }
}

// Standard output takes an export in pieces as it is made, so that `export … | head -1` has its
// first line at once instead of after the whole notebook.
TEST(Export, HandsStandardOutputItsRowsInPiecesAsTheyAreMade) {
    TestDir dir;
    QList<QStringList> products;
    for (int i = 0; i < 5000; ++i)
        products << record(u"商品%1"_s.arg(i), u"100"_s, {{u"A店"_s, u"98"_s, u"2016/01/01"_s}});
    const QString nb = dir.write(u"nb.txt"_s, cp932Lines(notebook(products)));
    for (const QString& format : {u"csv"_s, u"json"_s}) {
        QList<QByteArray> pieces;
        CliEnvironment env;
        env.today = TestToday;
        env.writeOut = [&](QByteArrayView piece) {
            pieces << piece.toByteArray();
            return QString();
        };
        ASSERT_EQ(runCli({u"export"_s, nb, u"--format"_s, format}, env), 0);
        EXPECT_GE(pieces.size(), 3);
        EXPECT_LT(pieces.first().size(), 100 * 1024);
        EXPECT_EQ(pieces.join(), runCommand({u"export"_s, nb, u"--format"_s, format}).out);
    }
}
