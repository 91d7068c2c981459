// The shopping list as a browser draws it: headless chromium prints a list of 40 items on one A4
// page, and on a phone-wide window (360 px) the prices at the right edge are on the screen.
#include "support/notebooklines.h"
#include "support/testfiles.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray run(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    p.closeWriteChannel();
    if (!p.waitForFinished(180000))
        p.kill();
    return p.readAllStandardOutput();
}

QStringList chromium(const QString& profile) {
    return {u"--headless"_s,
            u"--no-sandbox"_s,
            u"--disable-gpu"_s,
            u"--no-first-run"_s,
            u"--disable-background-networking"_s,
            u"--disable-component-update"_s,
            u"--user-data-dir="_s + profile};
}

} // namespace

TEST(PlanInBrowser, FortyItemsPrintOnOneA4PageAndFitAPhone) {
    const QString browser = QStandardPaths::findExecutable(u"chromium"_s);
    const QString convert = QStandardPaths::findExecutable(u"convert"_s);
    if (browser.isEmpty() || convert.isEmpty())
        GTEST_SKIP() << "chromium or ImageMagick is not installed (tools/setup.sh installs them)";
    TestDir dir;
    QList<QStringList> products;
    QStringList list;
    for (int i = 0; i < 40; ++i) {
        products << productLines(u"商品 %1 のやや長い名前の品"_s.arg(i), u"300"_s, u"店%1"_s.arg(i % 4),
                                 QString::number(150 + i), QDate::currentDate().toString(u"yyyy/MM/dd"_s));
        list << u"商品 %1 のやや長い名前の品 ×2"_s.arg(i);
    }
    const QString nb = dir.write(u"nb.txt"_s, cp932Lines(notebook(products)));
    const QString listFile = dir.write(u"list.txt"_s, cp932Lines(list));
    const QString page = dir.file(u"list.html"_s);
    QProcess cli;
    cli.start(QStringLiteral(PRICOTTA_CLI_PROGRAM),
              {u"plan"_s, nb, listFile, u"--format"_s, u"html"_s, u"-o"_s, page});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    const QString url = QUrl::fromLocalFile(page).toString();

    QTemporaryDir profile;
    const QString pdf = dir.file(u"list.pdf"_s);
    run(browser, chromium(profile.path())
                     << u"--no-pdf-header-footer"_s << u"--print-to-pdf="_s + pdf << url);
    const QByteArray printed = dir.read(u"list.pdf"_s);
    ASSERT_FALSE(printed.isEmpty());
    // The page tree's count: one page.
    const QRegularExpressionMatch count =
        QRegularExpression(u"/Type /Pages[^>]*/Count (\\d+)"_s).match(QString::fromLatin1(printed));
    ASSERT_TRUE(count.hasMatch());
    EXPECT_EQ(count.captured(1), u"1"_s);

    QTemporaryDir profile2;
    const QString shot = dir.file(u"phone.png"_s);
    run(browser, chromium(profile2.path()) << u"--hide-scrollbars"_s << u"--window-size=360,2400"_s
                                           << u"--screenshot="_s + shot << url);
    // The right edge holds the prices (right-aligned in each row): text there, not an empty margin
    // left by a page wider than the phone.
    const QByteArray white =
        run(convert, {shot, u"-crop"_s, u"32x2400+320+0"_s, u"-colorspace"_s, u"gray"_s, u"-threshold"_s,
                      u"60%"_s, u"-format"_s, u"%[fx:mean]"_s, u"info:"_s});
    ASSERT_FALSE(white.isEmpty());
    EXPECT_LT(white.toDouble(), 0.97) << white.toStdString();
}
