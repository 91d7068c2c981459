// Sudden death: a process saving a large notebook over and over is killed with SIGKILL at random
// moments. The notebook and the settings file are always whole (the old or the new file, never a
// mix or a part), and what a killed save leaves behind is its hidden temporary file, which a later
// save in the same folder removes once it is old enough that no save can still be writing it.
//
// PRICOTTA_KILLS sets the number of kills (a few by default; tools/trials runs hundreds) and
// PRICOTTA_KILL_PRODUCTS the size of the notebook.
#include "core/textfile.h"
#include "support/formfixture.h"
#include "support/qtprinters.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <csignal>
#include <random>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

int setting(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

QStringList bookOf(int products, const QString& price) {
    QList<QStringList> records;
    for (int i = 0; i < products; ++i)
        records << productLines(u"商品%1"_s.arg(i), price, u"スーパー%1"_s.arg(i % 50), price,
                                u"2014/05/01"_s, u"メモ %1"_s.arg(i));
    return notebook(records);
}

// The hidden temporary files that saves leave in a folder.
QStringList temporaryFiles(const QString& folder) {
    return QDir(folder).entryList({u".prc*.tmp"_s}, QDir::Files | QDir::Hidden);
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(SuddenDeath, KilledSavesLeaveWholeFilesAndNoTemporaryFileForLong) {
    const int kills = setting("PRICOTTA_KILLS", 4);
    const int products = setting("PRICOTTA_KILL_PRODUCTS", 2000);
    TestDir dir;
    // Two versions of different sizes, so that a torn file can be neither of them.
    const QByteArray oldBook = textfile::encode(bookOf(products, u"1980"_s), TextEncoding::Cp932);
    const QByteArray newBook =
        textfile::encode(bookOf(products + products / 10, u"21480"_s), TextEncoding::Cp932);
    const QString book = dir.write(u"book.txt"_s, oldBook);
    dir.write(u"next.txt"_s, newBook);
    const QString settings = dir.path() + u"/prog/zorvan.ini"_s;

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    QByteArray settingsBytes;
    int leftBehind = 0;
    for (int k = 0; k < kills; ++k) {
        SCOPED_TRACE("kill " + std::to_string(k));
        QProcess child;
        child.start(QStringLiteral(PRICOTTA_SAVELOOP), {dir.path()});
        ASSERT_TRUE(child.waitForStarted());
        // The first save is done: from here on, a kill can land anywhere in a save.
        while (!child.canReadLine() && child.state() == QProcess::Running)
            child.waitForReadyRead(100);
        ASSERT_EQ(child.readLine(), "saving\n") << child.readAllStandardError().toStdString();
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 200'000));
        ::kill(pid_t(child.processId()), SIGKILL);
        ASSERT_TRUE(child.waitForFinished());
        ASSERT_EQ(child.exitStatus(), QProcess::CrashExit) << child.readAllStandardError().toStdString();

        const QByteArray now = readAll(book);
        EXPECT_TRUE(now == oldBook || now == newBook) << "a torn notebook of " << now.size() << " bytes";
        // Every save records the same path: the settings file never changes after the first one.
        if (settingsBytes.isEmpty())
            settingsBytes = readAll(settings);
        EXPECT_EQ(readAll(settings), settingsBytes);
        EXPECT_TRUE(settingsBytes.contains("0=" + QFile::encodeName(book)));

        const int found =
            int(temporaryFiles(dir.path()).size() + temporaryFiles(dir.path() + u"/prog"_s).size());
        EXPECT_LE(found - leftBehind, 1) << "one kill, one save cut short";
        leftBehind = found;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{u"book.txt"_s, u"next.txt"_s}));
    }

    std::printf("%d of %d kills cut a save short\n", leftBehind, kills);

    // Leftovers are removed by the next save in their folder once they are an hour old.
    for (const QString& folder : {dir.path(), dir.path() + u"/prog"_s}) {
        for (const QString& name : temporaryFiles(folder)) {
            QFile f(folder + u'/' + name);
            ASSERT_TRUE(f.open(QIODevice::ReadWrite));
            ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                      QFileDevice::FileModificationTime));
        }
    }
    textfile::writeBytes(book, oldBook);
    textfile::writeBytes(settings, settingsBytes);
    EXPECT_EQ(temporaryFiles(dir.path()), QStringList());
    EXPECT_EQ(temporaryFiles(dir.path() + u"/prog"_s), QStringList());
    EXPECT_EQ(readAll(book), oldBook);
}

// A save removes the old temporary files of killed saves in its folder; one that may still be
// written is left alone, and so is anything not named like ours.
TEST(SuddenDeath, SavesRemoveOnlyOldTemporaryFilesOfTheirOwn) {
    TestDir dir;
    const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
    const QStringList stale{u".prcabcd1234.tmp"_s, u".prc0000zzzz.tmp"_s};
    const QStringList foreign{u".prc12345678.tmp.txt"_s, u".prcabc.tmp"_s, u"prcabcdefgh.tmp"_s,
                              u".prcABCDEFGH.tmp"_s, u".PRCabcdefgh.TMP"_s};
    for (const QString& name : stale + foreign) {
        QFile f(dir.write(name, "left behind"));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    dir.write(u".prcabcdefgh.tmp"_s, "being written");
    ASSERT_TRUE(QDir(dir.path()).mkdir(u".prcfolder1.tmp"_s));
    ASSERT_TRUE(QFile::link(dir.file(u".prcabcd1234.tmp"_s), dir.file(u".prclink0000.tmp"_s)));

    textfile::writeBytes(dir.file(u"book.txt"_s), "zorvandata\r\n");
    QStringList expected = foreign + QStringList{u".prcabcdefgh.tmp"_s, u".prcfolder1.tmp"_s,
                                                 u".prclink0000.tmp"_s, u"book.txt"_s};
    expected.sort();
    QStringList present =
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    present.sort();
    EXPECT_EQ(present, expected);
}

} // namespace
