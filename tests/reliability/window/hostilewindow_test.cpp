// Hostile files through the real main window, offscreen: with a special file or a huge list where
// the settings file, the shop list or the notebook should be, the window starts, tells the user
// what it cannot read, and closes.
#include "core/dispatch.h"
#include "support/qtprinters.h"
#include "support/testfiles.h"
#include "ui/mainwindow.h"
#include "ui/qtcontrols.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// tools/trials sets this for the full sizes, which take too long for every test run.
const int ListSize = qEnvironmentVariableIsSet("PRICOTTA_TRIALS") ? 100'000 : 20'000;

// Answers every message box with its default button as soon as it is up, and keeps its text.
class MessageBoxAnswerer {
  public:
    MessageBoxAnswerer() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            texts << box->text();
            if (QPushButton* answer = box->defaultButton())
                answer->click();
            else
                box->reject();
        });
        timer_.start(10);
    }
    QStringList texts;

  private:
    QTimer timer_;
};

void makeFifo(const QString& path) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray numberedLines(const QByteArray& prefix, const QByteArray& suffix, int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += prefix + QByteArray::number(i) + suffix + "\r\n";
    return bytes;
}

TEST(HostileWindow, SpecialFilesForSettingsAndShopListAreReportedAndTheWindowCloses) {
    TestDir dir;
    const QString settings = dir.file(u"zorvan.ini"_s);
    const QString shops = dir.file(u"zorvan_店.txt"_s);
    makeFifo(settings);
    ASSERT_TRUE(QDir().mkdir(shops));
    MessageBoxAnswerer answerer;
    MainWindow window(dir.path());
    window.show();
    EXPECT_EQ(
        answerer.texts,
        (QStringList{u"ファイル %1 は開けません。 通常のファイルではありません。 "_s.arg(settings),
                     u"ファイル %1 は開けません。 フォルダーはファイルとして開けません。 "_s.arg(shops)}));
    answerer.texts.clear();
    EXPECT_TRUE(window.close()); // told once, at start-up
    EXPECT_EQ(answerer.texts, QStringList());
}

TEST(HostileWindow, ASettingsFileTooLargeIsKeptAsideAndTheWindowCloses) {
    TestDir dir;
    const QString settings = dir.file(u"zorvan.ini"_s);
    const QByteArray huge = "[Form]\r\n" + numberedLines("K", "=1", 150'000);
    ASSERT_GT(huge.size(), 1 << 20);
    writeFile(settings, huge);
    MessageBoxAnswerer answerer;
    MainWindow window(dir.path());
    window.show();
    EXPECT_EQ(
        answerer.texts,
        QStringList{
            u"ファイル %1 は開けません。 ファイルが大きすぎます（1MBまで）。 \r\n\r\n"
            u"このファイルは %1.bad に名前を変えて残し、新しい設定ファイルを作りました。."_s.arg(settings)});
    answerer.texts.clear();
    EXPECT_TRUE(window.close());
    EXPECT_EQ(answerer.texts, QStringList());
    EXPECT_EQ(dir.read(u"zorvan.ini.bad"_s), huge);
    EXPECT_TRUE(QFile(settings).size() > 0); // the fresh file holds the window's place
}

TEST(HostileWindow, HugeListsLoadAndHostileNotebooksAreRefused) {
    TestDir dir;
    writeFile(dir.file(u"zorvan.ini"_s), "[Form]\r\n" + numberedLines("K", "=1", ListSize));
    writeFile(dir.file(u"zorvan_店.txt"_s), numberedLines("shop ", "", ListSize));
    const QString fifo = dir.file(u"fifo.txt"_s);
    makeFifo(fifo);
    const QString huge = dir.file(u"huge.txt"_s);
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write("zorvandata\r\n"), 12);
        ASSERT_TRUE(f.resize(200LL << 20));
    }
    MessageBoxAnswerer answerer;
    MainWindow window(dir.path());
    window.show();
    EXPECT_EQ(answerer.texts, QStringList());
    EXPECT_EQ(window.controls().items(u"CBO_MISE5"_s).size(), ListSize);

    for (const QString& path : {fifo, huge, dir.path()})
        dispatch(window.form().ui(), [&] { window.form().LoadPriceBook(path); });
    EXPECT_EQ(answerer.texts,
              (QStringList{
                  u"ファイル %1 は開けません。 通常のファイルではありません。 "_s.arg(fifo),
                  u"ファイルが大きすぎます（64MBまで）"_s,
                  u"ファイル %1 は開けません。 フォルダーはファイルとして開けません。 "_s.arg(dir.path())}));
    EXPECT_EQ(window.windowTitle(), u"Pricotta - 無題"_s);
    answerer.texts.clear();
    EXPECT_TRUE(window.close());
    EXPECT_EQ(answerer.texts, QStringList());
}

TEST(HostileWindow, AbsurdNumbersInTheSettingsStillGiveAWindowThatCloses) {
    TestDir dir;
    writeFile(dir.file(u"zorvan.ini"_s), "[Form]\r\nWIDTH=0\r\nHEIGHT=-2147483648\r\nTOP=2147483647\r\n"
                                         "LEFT=-2147483648\r\n");
    MessageBoxAnswerer answerer;
    MainWindow window(dir.path());
    window.show();
    EXPECT_GT(window.width(), 0);
    EXPECT_GT(window.height(), 0);
    EXPECT_TRUE(window.close());
    EXPECT_EQ(answerer.texts, QStringList());
}

} // namespace
