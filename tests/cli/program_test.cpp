// The program as a user runs it: help, exit statuses, messages naming the file and the line, and
// the files it refuses to write over.
#include "clitest.h"
#include "support/notebooklines.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <fcntl.h>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Program, AnswersWithTheRightExitStatusAndMessage) {
    TestDir dir;
    const QByteArray nbBytes = cp932Lines(notebook({productLines(u"牛乳"_s, u"198"_s, u"A店"_s, u"178"_s)}));
    const QString nb = dir.write(u"nb.txt"_s, nbBytes);
    const QString other = dir.write(u"other.txt"_s, nbBytes);
    const QString foreign = dir.write(u"shops.txt"_s, cp932Lines({u"A店"_s}));
    const QString empty = dir.write(u"empty.txt"_s, QByteArray("\xEF\xBB\xBF"));
    const QString csv = dir.write(u"a.csv"_s, "商品名\r\n牛乳\r\n");
    const struct {
        QStringList arguments;
        int status;
        QString out; // a part of standard output
        QString err; // a part of standard error
    } cases[] = {
        {{u"--help"_s}, 0, u"使い方: pricotta-cli コマンド"_s, {}},
        {{u"report"_s, u"--help"_s}, 0, u"終了コード:"_s, {}},
        {{u"--version"_s}, 0, u"pricotta-cli "_s, {}},
        {{}, 2, {}, u"コマンドを指定して下さい"_s},
        {{u"frobnicate"_s}, 2, {}, u"frobnicate というコマンドはありません\n使い方は pricotta-cli --help"_s},
        {{u"exprot"_s, nb}, 2, {}, u"exprot というコマンドはありません。もしかして: export\n"_s},
        {{u"Cheapest"_s, nb}, 2, {}, u"もしかして: cheapest\n"_s},
        {{u"pla"_s, nb, nb}, 2, {}, u"pla というコマンドはありません。もしかして: plan\n"_s},
        {{u"plan"_s, u"-"_s, u"-"_s},
         2,
         {},
         u"標準入力（-）から読めるのはノートか買い物リストのどちらか一つです"_s},
        {{u"cheapest"_s, nb, u"--shp"_s, u"A店"_s},
         2,
         {},
         u"cheapest に --shp というオプションはありません。もしかして: --shop\n"_s},
        {{u"export"_s, nb, u"--fromat=json"_s}, 2, {}, u"もしかして: --format\n"_s},
        {{u"cheapest"_s, nb, u"--format"_s, u"xml"_s}, 2, {}, u"--format は text か csv か json です"_s},
        {{u"export"_s}, 2, {}, u"export には 1 個のファイルを指定します（0 個あります）"_s},
        {{u"export"_s, nb, u"--format"_s, u"xml"_s}, 2, {}, u"--format は csv か json です"_s},
        {{u"export"_s, nb, u"--format=json"_s, u"--encoding"_s, u"cp932"_s},
         2,
         {},
         u"--encoding は CSV にだけ"_s},
        {{u"export"_s, nb, u"-o"_s}, 2, {}, u"-o のあとに値が必要です"_s},
        {{u"cheapest"_s, nb, u"--months"_s, u"x"_s}, 2, {}, u"--months は 0 から 1200 までの整数です"_s},
        {{u"plan"_s, nb, nb, u"--shops"_s, u"0"_s}, 2, {}, u"--shops は 1 から"_s},
        {{u"plan"_s, nb, nb, u"--format"_s, u"xml"_s}, 2, {}, u"--format は text、csv、json、html"_s},
        {{u"stale"_s, nb, u"--months"_s, u"-1"_s}, 2, {}, u"--months は 0 から 1200 までの整数です"_s},
        {{u"import"_s, csv}, 2, {}, u"-o ノート か --into ノート のどちらか"_s},
        {{u"import"_s, csv, u"-o"_s, csv}, 2, {}, u"CSV ファイル"_s},
        {{u"merge"_s, nb, other}, 2, {}, u"merge には -o で"_s},
        {{u"export"_s, nb, u"-o"_s, nb}, 2, {}, u"読み込むノートと同じファイルです"_s},
        {{u"report"_s, nb, u"-o"_s, other}, 2, {}, u"はノートです。ノートはこのコマンドで上書きしません"_s},
        {{u"export"_s, foreign}, 1, {}, foreign + u" 1行目: 当ソフトで作成されたデータではありません(ID)"_s},
        {{u"cheapest"_s, empty}, 1, {}, empty + u": 当ソフトで作成されたデータではありません(0バイト)"_s},
        {{u"stale"_s, dir.path()}, 1, {}, u"ファイル "_s + dir.path() + u" は開けません。"_s},
        {{u"cheapest"_s, nb}, 0, u"牛乳       178  A店"_s, {}},
        {{u"stale"_s, nb, u"--months=0"_s}, 0, u"牛乳"_s, {}},
        {{u"export"_s, u"--"_s, nb}, 0, u"牛乳,198,A店,178,2014/05/01,"_s, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const ProgramRun r = runProgram(c.arguments);
        EXPECT_EQ(r.status, c.status) << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(c.out)) << r.out.toStdString();
        EXPECT_TRUE(r.err.contains(c.err)) << r.err.toStdString();
        if (c.status != 0) {
            EXPECT_TRUE(r.err.startsWith(u"pricotta-cli: "_s)) << r.err.toStdString();
        }
    }
    EXPECT_EQ(dir.read(u"nb.txt"_s), nbBytes);
    EXPECT_EQ(dir.read(u"other.txt"_s), nbBytes);
    EXPECT_EQ(dir.read(u"a.csv"_s), QByteArray("商品名\r\n牛乳\r\n"));
}

TEST(Program, ReportsAStandardOutputItCannotWrite) {
    TestDir dir;
    const QString nb = dir.write(u"nb.txt"_s, cp932Lines(notebook({productLines(u"牛乳"_s)})));
    const ProgramRun r = runProgram({u"export"_s, nb}, u"/dev/full"_s);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(u"標準出力に書き込めません"_s)) << r.err.toStdString();
}

// 800,000 products make a notebook above the 64 MB every reader accepts: nothing is written over
// the notebook -o names (no temporary file left either), and the message gives the size and the
// limit. The same check guards --into and merge. Reading 800,000 rows takes minutes in a
// sanitized build, hence the long wait.
TEST(Program, RefusesToWriteANotebookNoReaderAccepts) {
    TestDir dir;
    QByteArray csv = "商品名\r\n";
    constexpr int Rows = 800000;
    csv.reserve(Rows * 10);
    for (int i = 0; i < Rows; ++i)
        csv += 'P' + QByteArray::number(i) + "\r\n";
    const QString csvPath = dir.write(u"big.csv"_s, csv);
    const QByteArray small = cp932Lines(notebook({productLines(u"牛乳"_s)}));
    const QString existing = dir.write(u"nb.txt"_s, small);

    const ProgramRun r = runProgram({u"import"_s, csvPath, u"-o"_s, existing}, QString(), QByteArray(), 1200);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(
        existing + u": ノートが 74288902 バイトになり、ノートの上限 67108864 バイト（64 MB）を超えます。"
                   u"どのプログラムも読めないので書きませんでした"_s))
        << r.err.toStdString();
    EXPECT_EQ(dir.read(u"nb.txt"_s), small);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{u"big.csv"_s, u"nb.txt"_s}));
}

// "-" reads a notebook or a CSV from standard input and writes to standard output; a pipe given as
// a file (/dev/stdin here, <(…) in a shell) is read whole like a file.
TEST(Program, ReadsStandardInputAndPipesAndWritesStandardOutput) {
    TestDir dir;
    const QByteArray nbBytes = cp932Lines(notebook({productLines(u"牛乳"_s, u"198"_s, u"A店"_s, u"178"_s)}));
    const QString csv = u"商品名,標準価格,店名,時価,記録日,メモ\r\n牛乳,198,A店,178,2014/05/01,\r\n"_s;
    const QString row = u"牛乳,198,A店,178,2014/05/01,"_s;
    const struct {
        QStringList arguments;
        QByteArray input;
        QString out;
    } cases[] = {
        {{u"export"_s, u"-"_s}, nbBytes, row},
        {{u"export"_s, u"/dev/stdin"_s}, nbBytes, row},
        {{u"export"_s, u"-"_s, u"-o"_s, u"-"_s}, nbBytes, row},
        {{u"cheapest"_s, u"-"_s, u"--format"_s, u"csv"_s}, nbBytes, u"牛乳,178,A店,2014/05/01,198,20"_s},
        {{u"report"_s, u"-"_s, u"-o"_s, u"-"_s}, nbBytes, u"<!DOCTYPE html>"_s},
        {{u"import"_s, u"-"_s, u"-o"_s, u"-"_s}, csv.toUtf8(), u"zorvandata\r\n"_s},
        {{u"import"_s, u"/dev/stdin"_s, u"--check"_s},
         csv.toUtf8(),
         u"/dev/stdin: 問題ありません（商品 1 件、記録 1 件）"_s},
        {{u"merge"_s, u"-"_s, dir.write(u"b.txt"_s, nbBytes), u"-o"_s, u"-"_s}, nbBytes, u"zorvandata\r\n"_s},
        {{u"plan"_s, u"-"_s, dir.write(u"list.txt"_s, "牛乳\r\n"), u"--format=csv"_s, u"-o"_s, u"-"_s},
         nbBytes,
         u"A店,牛乳,178,1,178,2014/05/01,古い"_s},
        {{u"plan"_s, dir.write(u"nb.txt"_s, nbBytes), u"/dev/stdin"_s, u"--format=csv"_s},
         "牛乳 ×2\r\n",
         u"A店,牛乳,178,2,356,2014/05/01,古い"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const ProgramRun r = runProgram(c.arguments, QString(), c.input);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(c.out)) << r.out.toStdString();
    }
    EXPECT_FALSE(QFile::exists(u"-"_s));
    EXPECT_EQ(dir.read(u"b.txt"_s), nbBytes);

    const ProgramRun refused = runProgram({u"export"_s, u"-"_s}, QString(), QByteArray("not a notebook\r\n"));
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(u"標準入力 1行目: 当ソフトで作成されたデータではありません(ID)"_s))
        << refused.err.toStdString();
}

// A command or option of 100,000 characters is named in a line of a few dozen, with its length.
TEST(Program, NeverEchoesALongInputWhole) {
    const QString longArgument = QString(100000, u'x');
    for (const QStringList& arguments :
         {QStringList{longArgument}, QStringList{u"export"_s, u"--"_s + longArgument},
          QStringList{u"cheapest"_s, u"x.txt"_s, u"--format"_s, longArgument}}) {
        const ProgramRun r = runProgram(arguments);
        EXPECT_EQ(r.status, 2);
        EXPECT_LT(r.err.size(), 300) << r.err.left(400).toStdString();
        EXPECT_TRUE(r.err.contains(u"…（全 "_s)) << r.err.left(400).toStdString();
    }
}

// A NUL byte at the start of product 4's name of 9 ends the text there: every command that reads
// the notebook refuses it with status 1, naming the byte, and writes nothing.
TEST(Program, RefusesANotebookCutShortByANulByte) {
    TestDir dir;
    QList<QStringList> products;
    for (int i = 1; i <= 9; ++i)
        products << productLines(u"P%1"_s.arg(i), u"198"_s, u"A店"_s, u"178"_s);
    QByteArray bytes = cp932Lines(notebook(products));
    const qsizetype nul = bytes.indexOf("P4\r\n");
    bytes[nul] = '\0';
    const QString f = dir.write(u"f.txt"_s, bytes);
    const QByteArray good = cp932Lines(notebook({productLines(u"牛乳"_s)}));
    const QString other = dir.write(u"other.txt"_s, good);
    const QString csv = dir.write(u"a.csv"_s, "商品名\r\n卵\r\n");
    const QString message = f + u": %1 バイト目に NUL 文字があり、それより後を読めません"_s.arg(nul + 1);
    const QList<QStringList> commands{
        {u"export"_s, f},
        {u"export"_s, f, u"--format"_s, u"json"_s, u"-o"_s, dir.file(u"out.json"_s)},
        {u"merge"_s, f, f, u"-o"_s, dir.file(u"out.txt"_s)},
        {u"merge"_s, other, f, u"-o"_s, other},
        {u"cheapest"_s, f},
        {u"stale"_s, f},
        {u"report"_s, f, u"-o"_s, dir.file(u"out.html"_s)},
        {u"import"_s, csv, u"--into"_s, f},
        {u"plan"_s, f, csv},
    };
    for (const QStringList& arguments : commands) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const ProgramRun r = runProgram(arguments);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains(message)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    const ProgramRun piped = runProgram({u"export"_s, u"-"_s}, QString(), bytes);
    EXPECT_EQ(piped.status, 1);
    EXPECT_TRUE(piped.err.contains(u"標準入力: %1 バイト目に NUL 文字"_s.arg(nul + 1)))
        << piped.err.toStdString();
    // A shopping list cut short drops items from the plan: refused the same way.
    const ProgramRun list =
        runProgram({u"plan"_s, other, dir.write(u"list.txt"_s, QByteArray("卵\r\n\0牛乳\r\n", 14))});
    EXPECT_EQ(list.status, 1);
    EXPECT_TRUE(list.err.contains(dir.file(u"list.txt"_s) + u": 6 バイト目に NUL 文字"_s))
        << list.err.toStdString();
    EXPECT_TRUE(list.out.isEmpty());
    EXPECT_EQ(dir.read(u"f.txt"_s), bytes);
    EXPECT_EQ(dir.read(u"other.txt"_s), good);
    for (const QString& name : {u"out.json"_s, u"out.txt"_s, u"out.html"_s})
        EXPECT_FALSE(dir.exists(name)) << name.toStdString();
}

// The installed bash completion offers the commands, each command's options and --format's values.
TEST(Program, BashCompletionOffersCommandsOptionsAndFormats) {
    const QString script = QStringLiteral(PRICOTTA_SOURCE_DIR "/resources/cli/pricotta-cli.bash");
    const struct {
        QString line; // the words typed, the last one being completed
        QString offered;
    } cases[] = {
        {u"pricotta-cli ch"_s, u"cheapest"_s},
        {u"pricotta-cli cheapest nb.txt --"_s, u"--shop --months --format --help"_s},
        {u"pricotta-cli pl"_s, u"plan"_s},
        {u"pricotta-cli plan nb.txt list.txt --format "_s, u"text csv json html"_s},
        {u"pricotta-cli stale nb.txt --format "_s, u"text csv json"_s},
        {u"pricotta-cli export nb.txt --format "_s, u"csv json"_s},
        {u"pricotta-cli import a.csv --c"_s, u"--check"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        QProcess bash;
        bash.start(u"bash"_s,
                   {u"-c"_s,
                    u"source \"$0\"; read -ra COMP_WORDS <<< \"$1\"; "
                    u"[[ $1 == *' ' ]] && COMP_WORDS+=(''); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); "
                    u"_pricotta_cli; echo \"${COMPREPLY[*]}\""_s,
                    script, c.line});
        ASSERT_TRUE(bash.waitForFinished(10000));
        EXPECT_EQ(QString::fromUtf8(bash.readAllStandardOutput()).trimmed(), c.offered)
            << bash.readAllStandardError().toStdString();
    }
}

// A notebook whose name is code page 932 bytes (牛乳.txt from another system) opens under UTF-8.
TEST(Program, OpensAFileWhoseNameIsNotUtf8) {
    TestDir dir;
    const QByteArray name = QFile::encodeName(dir.path()) + "/\x8b\x8d\x93\xfb.txt";
    QFile file;
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_TRUE(file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
    file.write(cp932Lines(notebook({productLines(u"牛乳"_s, u"198"_s, u"A店"_s, u"178"_s)})));
    file.close();
    QProcess p;
    p.start(u"sh"_s, {u"-c"_s, u"exec \"$0\" export \"$(printf '%s/\\213\\215\\223\\373.txt' \"$1\")\""_s,
                      QStringLiteral(PRICOTTA_CLI_PROGRAM), dir.path()});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardOutput()).contains(u"牛乳,198,A店,178,2014/05/01,"_s));
}
