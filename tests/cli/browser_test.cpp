// The report as a browser draws it: Debian's chromium renders the page headless; the DOM it built
// holds a chart per product and its screenshot is not blank.
#include "notebook/pricebook.h"
#include "support/notebooklines.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
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
    EXPECT_EQ(drawn.count(u"<svg class=\"chart\""_s), products.size()) << drawn.left(2000).toStdString();
    EXPECT_EQ(drawn.count(u"<circle"_s), 12);
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
