// Hostile files in each place a file is read: the notebook chosen in Open, the shop list and the
// settings file at start-up and on closing. Each is refused with a clear message, or loads and
// saves back to the same lines; either way the window may close and the file is not changed by
// the refusal. The big ones are made cheaply (a sparse file); tools/trials runs them at full size.
#include "core/settingsfile.h"
#include "core/textfile.h"
#include "shops/shoplist.h"
#include "support/formfixture.h"
#include "support/qtprinters.h"
#include "support/unprivileged.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// tools/trials sets this for the full sizes, which take too long for every test run.
const bool FullSize = qEnvironmentVariableIsSet("PRICOTTA_TRIALS");

struct Hostile {
    const char* name;
    // Makes the file at the path.
    std::function<void(const QString& path)> make;
};

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a test file");
}

QByteArray repeated(const QByteArray& piece, qsizetype times) {
    QByteArray bytes;
    bytes.reserve(piece.size() * times);
    for (qsizetype i = 0; i < times; ++i)
        bytes += piece;
    return bytes;
}

QByteArray numberedLines(const char* format, int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += QByteArray(format).replace("%d", QByteArray::number(i)) + "\r\n";
    return bytes;
}

const QList<Hostile>& hostileFiles() {
    static const QList<Hostile> files{
        {"200 MB (sparse)",
         [](const QString& path) {
             QFile f(path);
             if (!f.open(QIODevice::WriteOnly) || f.write("zorvandata\r\n") != 12 || !f.resize(200LL << 20))
                 throw std::runtime_error("cannot make a sparse file");
         }},
        {"empty lines",
         [](const QString& path) {
             writeBytes(path, "zorvandata\r\n" + repeated("\r\n", FullSize ? 10'000'000 : 100'000));
         }},
        {"a line of a million bytes",
         [](const QString& path) {
             writeBytes(path, "zorvandata\r\n" + QByteArray(1'000'000, 'x') + "\r\n");
         }},
        {"NUL bytes",
         [](const QString& path) { writeBytes(path, QByteArray("zorvandata\r\nA\0B\r\n\0\0\0", 18)); }},
        {"invalid UTF-8 after a mark",
         [](const QString& path) {
             writeBytes(path,
                        "\xEF\xBB\xBFzorvandata\r\n\xFF\xFE\xC0\x80\xED\xA0\x80\xF4\x90\x80\x80\xE3\x81\r\n");
         }},
        {"odd-length UTF-16",
         [](const QString& path) {
             QByteArray bytes("\xFF\xFE");
             // Ends with half a surrogate pair and then half a character.
             for (const QChar c : u"zorvandata\r\nミルク\r\n\xD800"_s) {
                 bytes += char(c.unicode() & 0xFF);
                 bytes += char(c.unicode() >> 8);
             }
             writeBytes(path, bytes + "A");
         }},
        {"100,000 settings keys",
         [](const QString& path) { writeBytes(path, "[Form]\r\n" + numberedLines("%d=", 100'000)); }},
        {"absurd numbers",
         [](const QString& path) {
             writeBytes(path,
                        "[Form]\r\nWIDTH=0\r\nHEIGHT=-2147483648\r\nTOP=2147483647\r\nLEFT=99999999999\r\n"
                        "[ADD_OPT]\r\n0=0x7FFFFFFFFFFFFFFF\r\n");
         }},
        {"100,000 shop names",
         [](const QString& path) { writeBytes(path, numberedLines("shop %d", 100'000)); }},
        {"a folder", [](const QString& path) { ASSERT_TRUE(QDir().mkdir(path)); }},
        {"a FIFO",
         [](const QString& path) { ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0); }},
    };
    return files;
}

// How a reader with a size limit must answer: the refusal's reason, or an empty text for a load.
QString expectedRefusal(const QString& path, qint64 limit) {
    const QFileInfo info(path);
    if (info.isDir())
        return u"フォルダーはファイルとして開けません。"_s;
    if (!info.isFile())
        return u"通常のファイルではありません。"_s;
    if (info.size() > limit)
        return u"ファイルが大きすぎます（%1MBまで）。"_s.arg(limit >> 20);
    return {};
}

// The file's kind and size, to show that a refusal left it alone.
QString identity(const QString& path) {
    const QFileInfo info(path);
    return info.isDir() ? u"folder"_s : info.isFile() ? u"file of %1 bytes"_s.arg(info.size()) : u"special"_s;
}

TEST(HostileFiles, NotebookChosenInOpen) {
    for (const Hostile& h : hostileFiles()) {
        SCOPED_TRACE(h.name);
        FormFixture f;
        f.start();
        const QString path = f.dir.file(u"hostile.txt"_s);
        h.make(path);
        const QString before = identity(path);
        f.ui.fileAnswers.enqueue(path);
        f.form->click(u"MN_OPEN"_s);

        const QString refusal = expectedRefusal(path, MaxNotebookBytes);
        if (!refusal.isEmpty()) {
            // Open weighs the size itself before reading; the reader's own refusals are errors.
            const QString error = QFileInfo(path).isFile()
                                      ? u"ファイルが大きすぎます（64MBまで）"_s
                                      : u"ファイル %1 は開けません。 %2 "_s.arg(path, refusal);
            EXPECT_EQ(f.ui.messageTexts(), QStringList{error});
            EXPECT_TRUE(f.form->untitled());
            EXPECT_EQ(identity(path), before);
        } else {
            const DecodedText read = textfile::readFile(path);
            const QStringList& lines = read.lines;
            if (lines.value(0) != u"zorvandata"_s) {
                EXPECT_EQ(f.ui.messageTexts(),
                          QStringList{u"当ソフトで作成されたデータではありません(ID)"_s});
                EXPECT_TRUE(f.form->untitled());
            } else {
                // A NUL cuts the text short, and the user is told where.
                const QStringList told = f.ui.messageTexts();
                EXPECT_EQ(told.size(), read.nulOffset >= 0 ? 1 : 0);
                if (read.nulOffset >= 0) {
                    EXPECT_TRUE(told.value(0).contains(QString::number(read.nulOffset + 1) + u" バイト目"_s));
                }
                ASSERT_EQ(f.form->book().lines(), lines);
                f.ui.messages.clear();
                f.form->click(u"MN_SAVE"_s);
                EXPECT_EQ(f.ui.messageTexts(), QStringList());
                EXPECT_EQ(textfile::readFile(path).lines, lines);
            }
        }
        f.ui.messages.clear();
        EXPECT_TRUE(f.form->FormCloseQuery(10, 20));
        EXPECT_EQ(f.ui.messageTexts(), QStringList());
    }
}

TEST(HostileFiles, ShopListAtStartUp) {
    for (const Hostile& h : hostileFiles()) {
        SCOPED_TRACE(h.name);
        FormFixture f;
        const QString path = f.programDir() + u'/' + QString::fromUtf16(ShopListFileName);
        h.make(path);
        const QString before = identity(path);
        f.form->FormCreate();

        const QString refusal = expectedRefusal(path, MaxShopListBytes);
        if (!refusal.isEmpty()) {
            ASSERT_EQ(f.ui.messages.size(), 1);
            EXPECT_EQ(f.ui.messages[0].kind, MsgKind::Stop);
            EXPECT_EQ(f.ui.messages[0].text, u"ファイル %1 は開けません。 %2 "_s.arg(path, refusal));
            EXPECT_EQ(f.controls.items(u"CBO_MISE1"_s), QStringList());
            EXPECT_EQ(identity(path), before);
        } else {
            EXPECT_EQ(f.ui.messageTexts(), QStringList());
            const QStringList names = f.controls.items(u"CBO_MISE5"_s);
            EXPECT_EQ(names, textfile::readFile(path, MaxShopListBytes).lines);
            if (names.size() > MaxShops) {
                // The by-shop query refuses a list this long, and says why.
                f.form->click(u"SPD_MISE_SIBO"_s);
                ASSERT_EQ(f.ui.messages.size(), 1);
                EXPECT_TRUE(f.ui.messages[0].text.startsWith(u"店名が５００件を超えています。"_s));
            }
            const QString copy = f.dir.file(u"copy.txt"_s);
            SaveShopList(copy, names);
            EXPECT_EQ(LoadShopList(copy), names);
        }
        f.ui.messages.clear();
        EXPECT_TRUE(f.form->FormCloseQuery(10, 20));
        EXPECT_EQ(f.ui.messageTexts(), QStringList());
    }
}

TEST(HostileFiles, SettingsFileAtStartUpAndClosing) {
    for (const Hostile& h : hostileFiles()) {
        SCOPED_TRACE(h.name);
        FormFixture f;
        const QString path = f.settingsPath();
        h.make(path);
        const QString before = identity(path);
        const QString refusal = expectedRefusal(path, MaxSettingsBytes);
        const WindowBounds bounds = f.form->FormCreate();

        if (!refusal.isEmpty()) {
            const QString error = u"ファイル %1 は開けません。 %2 "_s.arg(path, refusal);
            const QString aside = path + u".bad"_s;
            const bool keptAside = before.startsWith(u"file"_s);
            // A file too large is kept aside and a fresh one takes its place; a folder or a FIFO
            // stays as it is.
            EXPECT_EQ(f.ui.messageTexts(),
                      QStringList{keptAside ? error + u"\r\n\r\nこのファイルは "_s + aside +
                                                  u" に名前を変えて残し、新しい設定ファイルを作りました。."_s
                                            : error});
            EXPECT_EQ(bounds.width, WindowBounds().width);
            f.ui.messages.clear();
            // Closing tells nothing again and closes.
            EXPECT_TRUE(f.form->FormCloseQuery(10, 20));
            EXPECT_EQ(f.ui.messageTexts(), QStringList());
            EXPECT_EQ(identity(keptAside ? aside : path), before);
            if (keptAside) {
                EXPECT_EQ(SettingsFile::load(path).readInt(u"Form"_s, u"LEFT"_s, -1), 10);
            }
        } else {
            EXPECT_EQ(f.ui.messageTexts(), QStringList());
            const SettingsFile loaded = SettingsFile::load(path);
            const QString copy = f.dir.file(u"copy.ini"_s);
            loaded.save(copy);
            const QByteArray once = f.dir.read(u"copy.ini"_s);
            SettingsFile::load(copy).save(copy);
            EXPECT_EQ(f.dir.read(u"copy.ini"_s), once);
            EXPECT_TRUE(f.form->FormCloseQuery(10, 20));
            EXPECT_EQ(f.ui.messageTexts(), QStringList());
            const SettingsFile closed = SettingsFile::load(path);
            EXPECT_EQ(closed.readInt(u"Form"_s, u"LEFT"_s, -1), 10);
            EXPECT_EQ(closed.readInt(u"Form"_s, u"TOP"_s, -1), 20);
        }
    }
}

// The numbers of a settings file are read as they are, each within an int or not at all; fitting
// them to a screen is the window's part.
TEST(HostileFiles, AbsurdNumbersReadWithinAnInt) {
    FormFixture f;
    f.dir.write(u"prog/zorvan.ini"_s, "[Form]\r\nWIDTH=0\r\nHEIGHT=-2147483648\r\nTOP=2147483647\r\n"
                                      "LEFT=99999999999\r\n[ADD_OPT]\r\n0=0x7FFFFFFFFFFFFFFF\r\n");
    const WindowBounds bounds = f.form->FormCreate();
    EXPECT_EQ(bounds.width, 0);
    EXPECT_EQ(bounds.height, INT_MIN);
    EXPECT_EQ(bounds.top, INT_MAX);
    EXPECT_EQ(bounds.left, WindowBounds().left); // beyond an int: the default
    EXPECT_TRUE(f.controls.checked(u"MN_ADD_OPTION"_s));
}

// Files the user may not read, in each place a file is read, as an unprivileged user (the tests
// run as root in CI, which reads anything): each is reported with the file-open error, nothing is
// written over it, and the window still closes.
TEST(HostileFiles, FilesTheUserMayNotReadAsAnUnprivilegedUser) {
    struct Place {
        const char* what;
        QString file; // relative to the scratch folder
        std::function<void(FormFixture&)> read;
    };
    const QList<Place> places{
        {"notebook chosen in Open", u"book.txt"_s,
         [](FormFixture& f) {
             f.start();
             f.ui.fileAnswers.enqueue(f.dir.file(u"book.txt"_s));
             f.form->click(u"MN_OPEN"_s);
         }},
        {"shop list at start-up", u"prog/zorvan_店.txt"_s, [](FormFixture& f) { f.form->FormCreate(); }},
        {"settings file at start-up", u"prog/zorvan.ini"_s, [](FormFixture& f) { f.form->FormCreate(); }},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.what);
        FormFixture f;
        openFolderToAll(f.dir.path());
        openFolderToAll(f.programDir());
        const QByteArray bytes =
            p.file.endsWith(u".ini"_s) ? QByteArray("[Form]\r\nLEFT=5\r\n") : QByteArray("zorvandata\r\n");
        const QString path = f.dir.write(p.file, bytes);
        ::chmod(QFile::encodeName(path).constData(), 0);
        const int result = runUnprivileged([&] {
            p.read(f);
            const QString refused = u"ファイル %1 は開けません。 アクセスが拒否されました。 "_s.arg(path);
            if (!f.ui.messageTexts().contains(refused))
                return 1;
            return f.form->FormCloseQuery(10, 20) ? 0 : 2;
        });
        EXPECT_EQ(result, 0);
        ::chmod(QFile::encodeName(path).constData(), 0600);
        EXPECT_EQ(f.dir.read(p.file), bytes);
    }
}

} // namespace
