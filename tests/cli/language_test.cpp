// The program speaks Japanese under a Japanese locale and English under any other, with the locale
// variables in their order of precedence; the data it writes is the same in both.
#include "clitest.h"
#include "support/notebooklines.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Hiragana is in every Japanese sentence the program writes and in none of the test data, so an
// English message holding some was left untranslated.
const QRegularExpression Hiragana(u"[\\x{3041}-\\x{309F}]"_s);

} // namespace

TEST(Language, MessagesFollowTheLocale) {
    TestDir dir;
    const QString nb =
        dir.write(u"nb.txt"_s, cp932Lines(notebook({productLines(u"牛乳"_s, u"198"_s, u"A店"_s, u"178"_s)})));
    const QString badRow = dir.write(u"bad.csv"_s, "商品名,時価,記録日\r\n牛乳,abc,2016/05/01\r\n");
    const QString missing = dir.file(u"missing.txt"_s);
    const QString noFolder = dir.file(u"no/such/folder/out.csv"_s);
    const struct {
        const char* what;
        QStringList arguments;
        int status;
        QString japanese; // a part of the output (help) or of standard error
        QString english;
    } commands[] = {
        {"help", {u"--help"_s}, 0, u"使い方: pricotta-cli コマンド"_s, u"Usage: pricotta-cli COMMAND"_s},
        {"unknown command",
         {u"exprot"_s, nb},
         2,
         u"exprot というコマンドはありません。もしかして: export\n使い方は"_s,
         u"there is no command exprot. Did you mean: export\nSee pricotta-cli --help"_s},
        {"missing file",
         {u"export"_s, missing},
         1,
         u"ファイル %1 は開けません。 指定されたファイルが見つかりません。"_s.arg(missing),
         u"cannot open the file %1: No such file or directory"_s.arg(missing)},
        {"a folder for the notebook",
         {u"export"_s, dir.path()},
         1,
         u"ファイル %1 は開けません。"_s.arg(dir.path()),
         u"cannot open the file %1: "_s.arg(dir.path())},
        {"output in no folder",
         {u"export"_s, nb, u"-o"_s, noFolder},
         1,
         u"ファイル \"%1\" を作成できません。"_s.arg(noFolder),
         u"cannot write the file %1: No such file or directory"_s.arg(noFolder)},
        {"--shop naming no shop",
         {u"cheapest"_s, nb, u"--shop"_s, u"A"_s},
         1,
         u"に店「A」の記録はありません。もしかして: A店"_s,
         u"has no price at the shop \"A\". Did you mean: A店"_s},
        {"import --check with a bad row",
         {u"import"_s, badRow, u"--check"_s},
         1,
         u"bad.csv 2行目: 時価 'abc': 金額を入力して下さい"_s,
         u"bad.csv line 2: 時価 'abc': not an amount"_s},
    };
    const struct {
        QStringList locale;
        bool japanese;
    } locales[] = {
        {{u"LANG=ja_JP.UTF-8"_s}, true},
        {{u"LANG=ja_JP.eucJP"_s}, true},
        {{u"LANG=C"_s}, false},
        {{u"LANG=POSIX"_s}, false},
        {{u"LANG=en_US.UTF-8"_s}, false},
        {{}, false},
        {{u"LC_ALL=C"_s, u"LANG=ja_JP.UTF-8"_s}, false},
        {{u"LC_ALL=ja_JP.UTF-8"_s, u"LANG=C"_s}, true},
        {{u"LC_MESSAGES=ja_JP.UTF-8"_s, u"LANG=en_US.UTF-8"_s}, true},
        {{u"LC_MESSAGES=en_US.UTF-8"_s, u"LANG=ja_JP.UTF-8"_s}, false},
        {{u"LC_ALL="_s, u"LANG=ja_JP.UTF-8"_s}, true}, // an empty variable counts as unset
    };
    for (const auto& l : locales) {
        for (const auto& c : commands) {
            SCOPED_TRACE(l.locale.join(u' ').toStdString() + " " + c.what);
            const ProgramRun r = runProgram(c.arguments, QString(), QByteArray(), 60, l.locale);
            EXPECT_EQ(r.status, c.status) << r.err.toStdString();
            const QString& shown = c.status == 0 ? r.out : r.err;
            const QString& expected = l.japanese ? c.japanese : c.english;
            const QString& other = l.japanese ? c.english : c.japanese;
            EXPECT_TRUE(shown.contains(expected)) << shown.toStdString();
            EXPECT_FALSE(shown.contains(other)) << shown.toStdString();
            if (!l.japanese && c.status != 0) {
                EXPECT_FALSE(shown.contains(Hiragana)) << shown.toStdString();
            }
        }
    }
}

// What a command writes as data is the same in both languages.
TEST(Language, DataIsTheSameInEveryLocale) {
    TestDir dir;
    const QString nb =
        dir.write(u"nb.txt"_s, cp932Lines(notebook({productLines(u"牛乳"_s, u"198"_s, u"A店"_s, u"178"_s)})));
    for (const QStringList& arguments : {QStringList{u"export"_s, nb},
                                         {u"export"_s, nb, u"--format"_s, u"json"_s},
                                         {u"cheapest"_s, nb},
                                         {u"stale"_s, nb, u"--months"_s, u"0"_s},
                                         {u"report"_s, nb}}) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const ProgramRun japanese = runProgram(arguments);
        const ProgramRun english = runProgram(arguments, QString(), QByteArray(), 60, {u"LANG=C"_s});
        EXPECT_EQ(japanese.status, 0);
        EXPECT_FALSE(japanese.out.isEmpty());
        EXPECT_EQ(english.out, japanese.out);
    }
}
