// import --into writes the notebook back only if it still holds what was read: a change another
// program made meanwhile is never overwritten without a word.
#include "clitest.h"
#include "support/notebooklines.h"
#include "support/testfiles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Whether the process waits in a read of its standard input (Linux: /proc/PID/syscall names the
// system call it sleeps in, read is 0, and its first argument, the descriptor).
bool readingStandardInput(qint64 pid) {
    QFile f(u"/proc/%1/syscall"_s.arg(pid));
    return f.open(QIODevice::ReadOnly) && f.readAll().startsWith("0 0x0 ");
}

TEST(ImportInto, RefusesANotebookAnotherProgramChangedWhileItRan) {
    TestDir dir;
    const QByteArray ours = cp932Lines(notebook({productLines(u"牛乳"_s, u"198"_s, u"A店"_s, u"178"_s)}));
    const QByteArray theirs = cp932Lines(notebook({productLines(u"他の変更"_s)}));
    const QString path = dir.write(u"book.txt"_s, ours);

    QProcess p;
    p.setProcessEnvironment(programEnvironment(JapaneseLocale));
    p.start(QStringLiteral(PRICOTTA_CLI_PROGRAM), {u"import"_s, u"-"_s, u"--into"_s, path});
    ASSERT_TRUE(p.waitForStarted());
    // The notebook is read before the rows: once the program waits for them, it has read it.
    QElapsedTimer waited;
    waited.start();
    while (!readingStandardInput(p.processId()) && waited.elapsed() < 60000)
        QThread::msleep(10);
    ASSERT_TRUE(readingStandardInput(p.processId()));
    dir.write(u"book.txt"_s, theirs);
    p.write("商品名\r\n食パン\r\n");
    p.closeWriteChannel();
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains(u"ほかのプログラムで変更されました"_s));
    EXPECT_EQ(dir.read(u"book.txt"_s), theirs);

    // Unchanged meanwhile, the same command adds the row.
    QProcess q;
    q.start(QStringLiteral(PRICOTTA_CLI_PROGRAM), {u"import"_s, u"-"_s, u"--into"_s, path});
    q.write("商品名\r\n食パン\r\n");
    q.closeWriteChannel();
    ASSERT_TRUE(q.waitForFinished(60000));
    EXPECT_EQ(q.exitCode(), 0) << q.readAllStandardError().toStdString();
    EXPECT_TRUE(dir.read(u"book.txt"_s).contains(cp932Lines({u"食パン"_s}).chopped(2)));
}

} // namespace
