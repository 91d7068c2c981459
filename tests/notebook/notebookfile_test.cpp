// Reading notebook files into a PriceBook or a refusal with the window's texts, and writing them.
#include "core/apperror.h"
#include "notebook/notebookfile.h"
#include "support/notebooklines.h"
#include "support/qtprinters.h"
#include "support/testfiles.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString NoData = u"当ソフトで作成されたデータではありません(0バイト)"_s;
const QString Foreign = u"当ソフトで作成されたデータではありません(ID)"_s;
const QString TooLarge = u"ファイルが大きすぎます（64MBまで）"_s;

TEST(NotebookReader, RefusesBytesThatAreNoNotebookWithTheWindowsTexts) {
    const struct {
        QByteArray bytes;
        RefusalKind kind;
        QString text;
    } cases[] = {
        {QByteArray(), RefusalKind::Empty, NoData},
        {QByteArray("\xEF\xBB\xBF"), RefusalKind::Empty, NoData},
        {QByteArray("\x00\x01\x02zorvandata", 13), RefusalKind::Empty, NoData},
        {QByteArray("zorvandata \r\n"), RefusalKind::WrongMagic, Foreign},
        {QByteArray("ZorvanData\r\n"), RefusalKind::WrongMagic, Foreign},
        {cp932Lines({u"A店"_s, u"B店"_s}), RefusalKind::WrongMagic, Foreign},
        {QByteArray("\x89\x50\x4E\x47\x0D\x0A\x1A\x0A\x00\x00", 10), RefusalKind::WrongMagic, Foreign},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        const NotebookRead read = readNotebook(c.bytes);
        EXPECT_FALSE(read.book.has_value());
        ASSERT_TRUE(read.refusal.has_value());
        EXPECT_EQ(read.refusal->kind, c.kind);
        EXPECT_EQ(read.refusal->text, c.text);
    }
}

TEST(NotebookReader, ReadsEveryEncodingAndLineEndIntoTheSameLines) {
    const QStringList lines =
        notebook({productLines(u"牛乳"_s, u"198"_s, u"A店"_s, u"178"_s, u"2014/05/01"_s, u"メモ"_s)});
    const QByteArray utf8 = "\xEF\xBB\xBF" + lines.join(u'\n').toUtf8();
    for (const QByteArray& bytes :
         {cp932Lines(lines), cp932Lines(lines).replace("\r\n", "\r"), utf8, utf8 + "\n"}) {
        const NotebookRead read = readNotebook(bytes);
        ASSERT_TRUE(read.book.has_value());
        EXPECT_FALSE(read.refusal.has_value());
        EXPECT_EQ(read.book->lines(), lines);
    }
    const NotebookRead magicOnly = readNotebook("zorvandata");
    ASSERT_TRUE(magicOnly.book.has_value());
    EXPECT_EQ(magicOnly.book->productCount(), 0);
}

TEST(NotebookReader, RefusesTooLargeFilesBeforeReadingThem) {
    TestDir dir;
    QFile huge(dir.file(u"huge.txt"_s));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write("zorvandata\r\n");
    ASSERT_TRUE(huge.resize(MaxNotebookBytes + 1)); // sparse: nothing is really written
    huge.close();
    const NotebookRead read = readNotebookFile(huge.fileName());
    ASSERT_TRUE(read.refusal.has_value());
    EXPECT_EQ(read.refusal->kind, RefusalKind::TooLarge);
    EXPECT_EQ(read.refusal->text, TooLarge);

    QByteArray bytes("zorvandata\r\n");
    bytes.resize(MaxNotebookBytes + 1, '\0');
    EXPECT_EQ(readNotebook(bytes).refusal->kind, RefusalKind::TooLarge);
    bytes.resize(MaxNotebookBytes);
    EXPECT_TRUE(readNotebook(bytes).book.has_value());
}

TEST(NotebookReader, AFileThatCannotBeReadIsTheFileOpenError) {
    TestDir dir;
    for (const QString& path : {dir.file(u"missing.txt"_s), dir.path()}) {
        try {
            (void)readNotebookFile(path);
            ADD_FAILURE() << path.toStdString();
        } catch (const AppError& e) {
            EXPECT_TRUE(e.message().startsWith(u"ファイル "_s + path + u" は開けません。 "_s))
                << e.message().toStdString();
        }
    }
}

TEST(NotebookWriter, WritesCodePage932WithCrLfAndFallsBackToUtf8WithAMark) {
    TestDir dir;
    PriceBook book;
    book.assign(notebook({productLines(u"牛乳"_s, u"198"_s)}));
    EXPECT_EQ(notebookBytes(book), cp932Lines(book.lines()));
    writeNotebookFile(dir.file(u"a.txt"_s), book);
    EXPECT_EQ(dir.read(u"a.txt"_s), cp932Lines(book.lines()));
    EXPECT_EQ(readNotebookFile(dir.file(u"a.txt"_s)).book->lines(), book.lines());

    book.setLine(1, u"Café 😀"_s);
    const QByteArray bytes = notebookBytes(book);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(readNotebook(bytes).book->lines(), book.lines());
}

TEST(NotebookWriter, AFailedWriteLeavesTheOldFileWhole) {
    TestDir dir;
    const QByteArray old = cp932Lines(notebook({productLines(u"old"_s)}));
    dir.write(u"a.txt"_s, old);
    PriceBook book;
    book.assign(notebook({productLines(u"new\r\nline"_s)}));
    EXPECT_THROW(writeNotebookFile(dir.file(u"a.txt"_s), book), AppError);
    EXPECT_EQ(dir.read(u"a.txt"_s), old);

    dir.write(u"plain"_s, "a file, not a folder");
    book.reset();
    EXPECT_THROW(writeNotebookFile(dir.file(u"plain/a.txt"_s), book), AppError);
}

} // namespace
