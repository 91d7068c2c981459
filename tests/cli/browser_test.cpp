// The report as a browser draws it: Debian's chromium renders the page headless; the DOM it built
// holds a chart per product and its screenshot is not blank.
#include "notebook/pricebook.h"
#include "support/notebooklines.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Output {
    bool finished = false;
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Output run(const QString& program, const QStringList& arguments, const QProcessEnvironment& env = {}) {
    QProcess p;
    if (!env.isEmpty())
        p.setProcessEnvironment(env);
    p.start(program, arguments);
    p.closeWriteChannel();
    Output o;
    o.finished = p.waitForFinished(180000) && p.exitStatus() == QProcess::NormalExit;
    if (!o.finished)
        p.kill();
    o.status = p.exitCode();
    o.out = p.readAllStandardOutput();
    o.err = p.readAllStandardError();
    return o;
}

QList<QStringList> sampleProducts() {
    QList<QStringList> products;
    for (int i = 0; i < 6; ++i) {
        QStringList r = productLines(u"商品%1"_s.arg(i), u"200"_s, u"A店"_s, QString::number(150 + 10 * i),
                                     u"2015/0%1/01"_s.arg(i + 1));
        r[RecordOffset::shop(2)] = u"B店"_s;
        r[RecordOffset::price(2)] = QString::number(230 - 5 * i);
        r[RecordOffset::date(2)] = u"2016/0%1/15"_s.arg(i + 1);
        products << r;
    }
    products << productLines(u"記録のない商品"_s, u"500"_s);
    return products;
}

// chromium with what keeps it off the network and out of the user's profile.
QStringList chromiumFlags(const QString& profile) {
    return {u"--headless"_s,
            u"--no-sandbox"_s,
            u"--disable-gpu"_s,
            u"--disable-quic"_s,
            u"--no-first-run"_s,
            u"--disable-background-networking"_s,
            u"--disable-component-update"_s,
            u"--disable-sync"_s,
            u"--user-data-dir="_s + profile};
}

} // namespace

TEST(ReportInBrowser, ChromiumDrawsAChartPerProductOnAPageThatIsNotBlank) {
    const QString chromium = QStandardPaths::findExecutable(u"chromium"_s);
    if (chromium.isEmpty())
        GTEST_SKIP() << "chromium is not installed (tools/setup.sh installs it): the report is not rendered";
    const QString identify = QStandardPaths::findExecutable(u"identify"_s);
    if (identify.isEmpty())
        GTEST_SKIP() << "ImageMagick's identify is not installed (tools/setup.sh installs it)";

    TestDir dir;
    const QList<QStringList> products = sampleProducts();
    const QString nb = dir.write(u"nb.txt"_s, cp932Lines(notebook(products)));
    const QString page = dir.file(u"report.html"_s);
    const Output made = run(QStringLiteral(PRICOTTA_CLI_PROGRAM), {u"report"_s, nb, u"-o"_s, page});
    ASSERT_EQ(made.status, 0) << made.err.toStdString();
    const QString url = QUrl::fromLocalFile(page).toString();

    QTemporaryDir profile;
    const Output dom = run(chromium, chromiumFlags(profile.path()) << u"--dump-dom"_s << url);
    ASSERT_TRUE(dom.finished) << "chromium did not finish";
    ASSERT_EQ(dom.status, 0) << dom.err.toStdString();
    const QString drawn = QString::fromUtf8(dom.out);
    // A chart for each product with two prices; the one without any has none.
    EXPECT_EQ(drawn.count(u"<td><svg>"_s), products.size() - 1) << drawn.left(2000).toStdString();
    EXPECT_TRUE(drawn.contains(u"底値レポート"_s));

    const QString shot = dir.file(u"shot.png"_s);
    QTemporaryDir profile2;
    const Output screenshot =
        run(chromium, chromiumFlags(profile2.path())
                          << u"--window-size=1000,1400"_s << u"--screenshot="_s + shot << url);
    ASSERT_TRUE(screenshot.finished) << "chromium did not finish";
    ASSERT_TRUE(QFile::exists(shot)) << screenshot.err.toStdString();
    const Output colours = run(identify, {u"-format"_s, u"%w %h %k"_s, shot});
    ASSERT_EQ(colours.status, 0) << colours.err.toStdString();
    const QStringList wxhk = QString::fromUtf8(colours.out).split(u' ');
    ASSERT_EQ(wxhk.size(), 3) << colours.out.toStdString();
    EXPECT_EQ(wxhk[0], u"1000"_s);
    // Text, rules, red and lime points: a blank or failed page has one or two colours.
    EXPECT_GT(wxhk[2].toInt(), 16) << colours.out.toStdString();
}

// 10,000 products: a page under 3 MB that chromium builds whole, with the products to check first
// and a chart only for the products with two prices or more.
TEST(ReportInBrowser, ReadsAtTenThousandProducts) {
    const QString chromium = QStandardPaths::findExecutable(u"chromium"_s);
    if (chromium.isEmpty())
        GTEST_SKIP() << "chromium is not installed (tools/setup.sh installs it): the report is not rendered";
    TestDir dir;
    QList<QStringList> products;
    int charted = 0;
    for (int i = 0; i < 10000; ++i) {
        // Every third product one price only; every seventh above its standard price.
        QStringList r = productLines(u"商品%1"_s.arg(i, 5, 10, QChar(u'0')), i % 7 == 0 ? u"100"_s : u"300"_s,
                                     u"店%1"_s.arg(i % 9), QString::number(150 + i % 50), u"2016/01/01"_s);
        if (i % 3 != 0) {
            r[RecordOffset::shop(2)] = u"店%1"_s.arg((i + 1) % 9);
            r[RecordOffset::price(2)] = QString::number(160 + i % 40);
            r[RecordOffset::date(2)] = u"2016/0%1/15"_s.arg(1 + i % 5);
            ++charted;
        }
        products << r;
    }
    const QString nb = dir.write(u"nb.txt"_s, cp932Lines(notebook(products)));
    const QString page = dir.file(u"report.html"_s);
    const Output made = run(QStringLiteral(PRICOTTA_CLI_PROGRAM), {u"report"_s, nb, u"-o"_s, page});
    ASSERT_EQ(made.status, 0) << made.err.toStdString();
    EXPECT_LT(QFileInfo(page).size(), 3000000);

    QTemporaryDir profile;
    const Output dom = run(chromium, chromiumFlags(profile.path())
                                         << u"--dump-dom"_s << QUrl::fromLocalFile(page).toString());
    ASSERT_TRUE(dom.finished) << "chromium did not finish";
    ASSERT_EQ(dom.status, 0) << dom.err.toStdString();
    const QString drawn = QString::fromUtf8(dom.out);
    EXPECT_EQ(drawn.count(u"<td><svg>"_s), charted);
    EXPECT_TRUE(drawn.contains(u"</html>"_s));
    const qsizetype summary = drawn.indexOf(u"<dl class=\"summary\">"_s);
    const qsizetype attention = drawn.indexOf(u"<table class=\"attention\">"_s);
    const qsizetype all = drawn.indexOf(u"<table class=\"products\">"_s);
    EXPECT_TRUE(summary >= 0 && summary < attention && attention < all) << drawn.left(3000).toStdString();
    // The list of every product starts with the first product above its standard price whose price
    // rose: 商品00007 (from 157 to 167, standard price 100), and old by the day the test runs.
    EXPECT_EQ(drawn.indexOf(u"<tr><td>商品"_s, all),
              drawn.indexOf(u"<tr><td>商品00007</td><td>高上古</td>"_s, all));
    // The attention list stops at 200 rows and says where the others are.
    EXPECT_EQ(drawn.mid(attention, all - attention).count(u"<tr>"_s), 201);
    EXPECT_TRUE(drawn.contains(u"件は、下の商品一覧の先頭に同じ順で並んでいます。"_s));
}
