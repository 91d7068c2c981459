#include "core/apperror.h"
#include "core/textfile.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <gtest/gtest.h>

#include <random>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

std::string hex(QByteArrayView bytes) {
    return bytes.toByteArray().toHex(' ').toStdString();
}

std::string codes(const QString& text) {
    QStringList out;
    for (const QChar c : text)
        out.append(u"U+"_s + QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0'));
    return out.join(u' ').toStdString();
}

std::string shown(const QStringList& lines) {
    QStringList out;
    for (const QString& line : lines)
        out.append(QString::fromStdString(codes(line)));
    return out.join(u" | ").toStdString();
}

template <typename F> QString errorOf(F&& action) {
    try {
        action();
    } catch (const AppError& e) {
        return e.message();
    }
    return u"(no error)"_s;
}

// Takes `capacity` bytes, then fails like a full disk.
class FailingDevice : public QIODevice {
  public:
    explicit FailingDevice(qint64 capacity) : capacity_(capacity) { open(QIODevice::WriteOnly); }
    QByteArray written;

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        const qint64 room = capacity_ - written.size();
        if (room <= 0) {
            setErrorString(u"ディスクがいっぱいです。"_s);
            return -1;
        }
        const qint64 n = qMin(room, size);
        written.append(data, n);
        return n;
    }

  private:
    qint64 capacity_;
};

} // namespace

TEST(Cp932, EverySingleByteDecodesAsWindowsAndRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        const char byte = char(b);
        const QString text = textfile::decodeCp932(QByteArrayView(&byte, 1));
        const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        char16_t expected = char16_t(b); // ASCII and 80 keep their codes
        if (lead)
            expected = u'・';
        else if (b == 0xA0)
            expected = 0xF8F0;
        else if (b >= 0xA1 && b <= 0xDF)
            expected = char16_t(0xFF61 + b - 0xA1);
        else if (b >= 0xFD)
            expected = char16_t(0xF8F1 + b - 0xFD);
        ASSERT_EQ(codes(text), codes(QString(QChar(expected))));
        if (lead)
            continue;
        bool ok = false;
        EXPECT_EQ(hex(textfile::encodeCp932(text, &ok)), hex(QByteArrayView(&byte, 1)));
        EXPECT_TRUE(ok);
    }
}

TEST(Cp932, PairsConvertBothWaysAsWindowsDoes) {
    struct Case {
        QByteArray bytes;
        char16_t character;
    };
    // The wave dash and the other Windows-only readings, NEC row 13, IBM rows, the user-defined area.
    const Case cases[] = {
        {"\x81\x60", 0xFF5E}, {"\x81\x5F", 0xFF3C}, {"\x81\x7C", 0xFF0D}, {"\x81\x91", 0xFFE0},
        {"\x81\xCA", 0xFFE2}, {"\x82\xA0", u'あ'},  {"\x88\x9F", u'亜'},  {"\x87\x40", 0x2460},
        {"\xFA\x40", 0x2170}, {"\xF0\x40", 0xE000}, {"\xF9\xFC", 0xE757},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(hex(c.bytes));
        const QString text = textfile::decodeCp932(c.bytes);
        EXPECT_EQ(codes(text), codes(QString(QChar(c.character))));
        bool ok = false;
        EXPECT_EQ(hex(textfile::encodeCp932(text, &ok)), hex(c.bytes));
        EXPECT_TRUE(ok);
    }
}

TEST(Cp932, EveryAssignedPairSurvivesALoadAndASave) {
    int assigned = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead >= 0xA0 && lead < 0xE0)
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F)
                continue;
            const char pair[2] = {char(lead), char(trail)};
            const QString text = textfile::decodeCp932(QByteArrayView(pair, 2));
            ASSERT_EQ(text.size(), 1);
            if (text == u"・"_s && !(lead == 0x81 && trail == 0x45))
                continue;
            ++assigned;
            bool ok = false;
            const QByteArray again = textfile::encodeCp932(text, &ok);
            ASSERT_TRUE(ok) << hex(QByteArrayView(pair, 2));
            // NEC and IBM rows repeat characters; those come back as the pair Windows writes.
            const bool repeatingRow = lead == 0x87 || lead == 0xED || lead == 0xEE || lead >= 0xFA;
            if (!repeatingRow) {
                EXPECT_EQ(hex(again), hex(QByteArrayView(pair, 2)));
            }
            EXPECT_EQ(textfile::decodeCp932(again), text);
        }
    }
    EXPECT_EQ(assigned, 9604); // the pairs Windows defines in code page 932, user-defined area included
}

TEST(Cp932, RepeatedCharactersAreWrittenAsWindowsWritesThem) {
    // NEC-selected IBM rows go to the IBM rows, NEC row 13 to the JIS rows, IBM rows to NEC row 13.
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"\xEE\xEF", "\xFA\x40"}, {"\xED\x40", "\xFA\x5C"}, {"\x87\x90", "\x81\xE0"},
        {"\xFA\x4A", "\x87\x54"}, {"\xEE\xF9", "\x81\xCA"}, {"\xFA\x54", "\x81\xCA"},
    };
    for (const auto& [read, written] : cases)
        EXPECT_EQ(hex(textfile::encodeCp932(textfile::decodeCp932(read), nullptr)), hex(written))
            << hex(read);
}

TEST(Cp932, BrokenBytesBecomeMiddleDots) {
    const std::pair<QByteArray, QString> cases[] = {
        {"\x81\x20", u"・"_s},       // invalid pair
        {"\x85\x40", u"・"_s},       // unassigned pair
        {"A\x81", u"A・"_s},         // lone lead byte at the end
        {"\x81\r\nB", u"・\r\nB"_s}, // the line break after a lone lead byte stays
        {QByteArray("\x81\0B", 3), QStringView(u"・\0B", 3).toString()},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(codes(textfile::decodeCp932(bytes)), codes(text)) << hex(bytes);
    bool ok = false;
    EXPECT_EQ(hex(textfile::encodeCp932(u"・", &ok)), hex("\x81\x45"));
}

TEST(Cp932, CharactersWithoutCodeAreRefused) {
    for (const QString& text : {u"é"_s, u"a−b"_s, u"😀"_s, QString(QChar(0xD800)), QString(QChar(0xF86F))}) {
        bool ok = true;
        EXPECT_TRUE(textfile::encodeCp932(text, &ok).isEmpty()) << codes(text);
        EXPECT_FALSE(ok) << codes(text);
    }
}

TEST(TextFile, SplitsLinesAtCrLfCrAndLf) {
    struct Case {
        QByteArray bytes;
        QStringList lines;
        TextEncoding encoding;
    };
    const Case cases[] = {
        {"a\r\nb\rc\nd", {u"a"_s, u"b"_s, u"c"_s, u"d"_s}, TextEncoding::Cp932},
        {"a\r\n", {u"a"_s}, TextEncoding::Cp932},
        {"a\r\n\r\n", {u"a"_s, u""_s}, TextEncoding::Cp932},
        {"\r", {u""_s}, TextEncoding::Cp932},
        {"\n\r", {u""_s, u""_s}, TextEncoding::Cp932},
        {"", {}, TextEncoding::Cp932},
        {"\x82\xa0\r\n\xb1", {u"あ"_s, u"ｱ"_s}, TextEncoding::Cp932},
        {QByteArray("a\r\nb\0c\r\nd", 9), {u"a"_s, u"b"_s}, TextEncoding::Cp932},
        {QByteArray("\0a", 2), {}, TextEncoding::Cp932},
        {"\xEF\xBB\xBF", {}, TextEncoding::Utf8Bom},
        {"\xEF\xBB\xBF\xE3\x81\x82\nb\n", {u"あ"_s, u"b"_s}, TextEncoding::Utf8Bom},
        {"\xEF\xBB\xBF\xEF\xBB\xBFx", {u"\uFEFFx"_s}, TextEncoding::Utf8Bom},
        {QByteArray("\xFF\xFE\x42\x30\r\0\n\0b\0", 10), {u"あ"_s, u"b"_s}, TextEncoding::Utf16LeBom},
        {QByteArray("\xFE\xFF\x30\x42\0\r\0b", 8), {u"あ"_s, u"b"_s}, TextEncoding::Utf16BeBom},
        {QByteArray("\xFF\xFE\x61\0\0\0b\0", 8), {u"a"_s}, TextEncoding::Utf16LeBom},
        {"\xFF\xFE", {}, TextEncoding::Utf16LeBom},
        {"\xFE\xFF", {}, TextEncoding::Utf16BeBom},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(hex(c.bytes));
        const DecodedText text = textfile::decode(c.bytes);
        EXPECT_EQ(shown(text.lines), shown(c.lines));
        EXPECT_EQ(text.encoding, c.encoding);
        // Kept in one string, the lines are the same.
        const DecodedLines joined = textfile::decodeLines(c.bytes);
        EXPECT_EQ(shown(joined.lines.toList()), shown(c.lines));
        EXPECT_EQ(joined.encoding, c.encoding);
        EXPECT_EQ(textfile::encode(joined.lines, TextEncoding::Cp932),
                  textfile::encode(c.lines, TextEncoding::Cp932));
    }
}

// Lines in one string change as a list of strings changes: random splices at every place, with
// empty lines, empty additions and removals up to the whole text.
TEST(TextFile, LinesInOneStringSpliceAsAList) {
    std::mt19937 random(20261211);
    const QStringList pieces{u""_s, u"a"_s, u"あいう"_s, u"zorvandata"_s, u"\U0001F34E"_s};
    for (int round = 0; round < 1200; ++round) {
        QStringList list;
        for (int i = int(random() % 12); i > 0; --i)
            list << pieces[random() % pieces.size()];
        TextLines lines =
            round % 2 ? TextLines::fromList(list)
                      : TextLines::fromText(list.join(u"\r\n"_s) + (list.isEmpty() ? u""_s : u"\r\n"_s));
        ASSERT_EQ(lines.toList(), list);
        for (int step = 0; step < 8; ++step) {
            const qsizetype first = qsizetype(random() % (list.size() + 1));
            const qsizetype removed = qsizetype(random() % (list.size() - first + 1));
            QStringList added;
            for (int i = int(random() % 4); i > 0; --i)
                added << pieces[random() % pieces.size()];
            list.remove(first, removed);
            for (qsizetype i = 0; i < added.size(); ++i)
                list.insert(first + i, added[i]);
            lines.splice(first, removed, added);
            ASSERT_EQ(lines.count(), list.size());
            ASSERT_EQ(lines.toList(), list);
            ASSERT_EQ(lines.joined(), list.join(QString()));
            ASSERT_EQ(lines.textSize(), list.join(QString()).size());
            for (qsizetype i = 0; i < list.size(); ++i)
                ASSERT_EQ(lines.line(i), list[i]) << i;
        }
    }
}

// Every line read from a text reads back as it was, before and after a change, among short lines
// and where a line of more than 64 Ki characters stands.
TEST(TextFile, LinesReadFromTextReadBackWhateverTheirLength) {
    const QString longLine(70000, u'長');
    struct Case {
        const char* what;
        qsizetype lines;
        qsizetype longAt; // -1: none
    };
    const Case cases[] = {
        {"short lines", 40, -1},      {"a long first line", 40, 0}, {"a long line in the middle", 40, 21},
        {"a long last line", 40, 39}, {"many lines", 9000, -1},     {"many lines, one long", 9000, 5000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QStringList list;
        for (qsizetype i = 0; i < c.lines; ++i)
            list << (i == c.longAt ? longLine : QString::number(i * 37 % 1000) + QString(int(i % 5), u'あ'));
        TextLines lines = TextLines::fromText(list.join(u"\r\n"_s));
        const auto same = [&] {
            ASSERT_EQ(lines.count(), list.size());
            for (qsizetype i = 0; i < list.size(); ++i)
                ASSERT_EQ(lines.line(i), list[i]) << i;
            ASSERT_EQ(lines.joined(), list.join(QString()));
        };
        same();
        const qsizetype middle = list.size() / 2;
        lines.splice(middle, 1, {u"x"_s, longLine});
        list.remove(middle, 1);
        list.insert(middle, u"x"_s);
        list.insert(middle + 1, longLine);
        same();
    }
}

TEST(TextFile, EncodesWithCrLfAfterEveryLine) {
    struct Case {
        QStringList lines;
        TextEncoding preferred;
        QByteArray bytes;
    };
    const Case cases[] = {
        {{u"a"_s, u"あ"_s, u""_s}, TextEncoding::Cp932, "a\r\n\x82\xa0\r\n\r\n"},
        {{}, TextEncoding::Cp932, ""},
        {{}, TextEncoding::Utf8Bom, "\xEF\xBB\xBF"},
        {{u"a"_s}, TextEncoding::Utf8Bom, "\xEF\xBB\xBF\x61\r\n"},
        {{u"あ"_s}, TextEncoding::Utf16LeBom, QByteArray("\xFF\xFE\x42\x30\r\0\n\0", 8)},
        {{u"あ"_s}, TextEncoding::Utf16BeBom, QByteArray("\xFE\xFF\x30\x42\0\r\0\n", 8)},
    };
    for (const Case& c : cases) {
        TextEncoding used = TextEncoding::Utf16BeBom;
        const QByteArray bytes = textfile::encode(c.lines, c.preferred, &used);
        EXPECT_EQ(hex(bytes), hex(c.bytes));
        EXPECT_EQ(used, c.preferred);
        const DecodedText back = textfile::decode(bytes);
        EXPECT_EQ(shown(back.lines), shown(c.lines));
        EXPECT_EQ(back.encoding, c.preferred);
    }
}

TEST(TextFile, FallsBackToUtf8WithMarkWhenACharacterHasNoCode) {
    for (const QString& odd : {u"café"_s, u"−5"_s, u"😀"_s}) {
        const QStringList lines{u"牛乳"_s, odd};
        TextEncoding used = TextEncoding::Cp932;
        const QByteArray bytes = textfile::encode(lines, TextEncoding::Cp932, &used);
        EXPECT_EQ(used, TextEncoding::Utf8Bom);
        EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
        const DecodedText back = textfile::decode(bytes);
        EXPECT_EQ(shown(back.lines), shown(lines));
        EXPECT_EQ(back.encoding, TextEncoding::Utf8Bom);
    }
}

TEST(TextFile, WritesAndReadsFilesWhole) {
    TestDir dir;
    const QString path = dir.file(u"zorvan_店.txt"_s);
    textfile::writeFile(path, {u"A店"_s, u"ｽｰﾊﾟｰ"_s});
    EXPECT_EQ(hex(dir.read(u"zorvan_店.txt"_s)), hex("A\x93\x58\r\n\xBD\xB0\xCA\xDF\xB0\r\n"));
    textfile::writeFile(path, {u"B"_s}, TextEncoding::Utf16LeBom);
    EXPECT_EQ(hex(dir.read(u"zorvan_店.txt"_s)), hex(QByteArray("\xFF\xFE\x42\0\r\0\n\0", 8)));
    const DecodedText back = textfile::readFile(path);
    EXPECT_EQ(back.lines, QStringList{u"B"_s});
    EXPECT_EQ(back.encoding, TextEncoding::Utf16LeBom);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"zorvan_店.txt"_s}); // no temporary left
}

// Kept lines are written in pieces; the file holds exactly the bytes of the whole text encoded
// at once, whichever piece holds a character without a code, bytes that look like UTF-8 or a
// line longer than a piece.
TEST(TextFile, WritesKeptLinesInPiecesAsTheWholeTextEncodes) {
    const auto filler = [](const QString& line, int count) { return QStringList(count, line); };
    const QStringList kanji = filler(u"家計簿 牛乳 1,980円 ライフ 中野店"_s, 4000);
    const QStringList ascii = filler(u"milk 1980 2026/12/10"_s, 6000);
    const QList<QStringList> cases{
        kanji + QStringList{QString(200000, u'米')} + kanji,
        ascii + QStringList{u"ﾃｽ"_s} + ascii,      // UTF-8 to the end: written as UTF-8
        QStringList{u"ﾃｽ"_s} + ascii + kanji,      // code page bytes after UTF-8-like ones
        kanji + QStringList{u"😀"_s},               // no code in the last piece
        QStringList{u"\uF8F3\uF8F2A店"_s} + kanji, // the first bytes look like a mark
    };
    TestDir dir;
    const QString path = dir.write(u"book.txt"_s, "old\r\n");
    for (const QStringList& lines : cases) {
        textfile::writeFile(path, TextLines::fromList(lines));
        const QByteArray expected = textfile::encode(lines, TextEncoding::Cp932);
        const QByteArray written = dir.read(u"book.txt"_s);
        EXPECT_EQ(written.size(), expected.size());
        EXPECT_TRUE(written == expected) << hex(written.first(qMin<qsizetype>(16, written.size())));
        EXPECT_EQ(textfile::readFile(path).lines, lines);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"book.txt"_s});
    }
}

TEST(TextFile, RefusesALineWithABreakOrNulAndKeepsTheOldFile) {
    TestDir dir;
    const QString path = dir.write(u"book.txt"_s, "old\r\n");
    for (const QString& bad : {u"a\rb"_s, u"a\nb"_s, QStringView(u"a\0b", 3).toString()}) {
        EXPECT_EQ(errorOf([&] {
                      textfile::writeFile(path, {u"ok"_s, bad});
                  }),
                  u"ファイル \"%1\" を作成できません。改行を含む行は書き込めません"_s.arg(path));
        EXPECT_EQ(dir.read(u"book.txt"_s), "old\r\n");
    }
}

TEST(TextFile, ReportsADeviceThatFailsPartWay) {
    const QByteArray bytes(100, 'x');
    for (const qint64 capacity : {0, 1, 64, 99}) {
        FailingDevice device(capacity);
        EXPECT_EQ(errorOf([&] { textfile::writeTo(device, u"/data/book.txt"_s, bytes); }),
                  u"ファイル \"/data/book.txt\" を作成できません。ディスクがいっぱいです。"_s)
            << capacity;
    }
    FailingDevice roomy(100);
    textfile::writeTo(roomy, u"/data/book.txt"_s, bytes);
    EXPECT_EQ(roomy.written, bytes);
}

TEST(TextFile, ReportsATargetThatCannotBeCreated) {
    TestDir dir;
    dir.write(u"plain"_s, "x");
    const QString inFile = dir.file(u"plain/book.txt"_s);
    EXPECT_EQ(errorOf([&] { textfile::writeFile(inFile, {u"a"_s}); }),
              u"ファイル \"%1\" を作成できません。指定されたパスが見つかりません。"_s.arg(inFile));

    QDir(dir.path()).mkdir(u"folder"_s);
    const QString folder = dir.file(u"folder"_s);
    EXPECT_EQ(errorOf([&] { textfile::writeBytes(folder, "a\r\n"); }),
              u"ファイル \"%1\" を作成できません。フォルダーはファイルとして開けません。"_s.arg(folder));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(dir.read(u"plain"_s), "x");
}

TEST(TextFile, ReportsAFileThatCannotBeRead) {
    TestDir dir;
    const QString missing = dir.file(u"missing.txt"_s);
    EXPECT_EQ(errorOf([&] { textfile::readFile(missing); }),
              u"ファイル %1 は開けません。 指定されたファイルが見つかりません。 "_s.arg(missing));
    EXPECT_EQ(errorOf([&] { textfile::readBytes(dir.path()); }),
              u"ファイル %1 は開けません。 フォルダーはファイルとして開けません。 "_s.arg(dir.path()));
}

// Any bytes at all read as some text, and that text is saved and read again unchanged: a file made
// elsewhere may be damaged, but what the program shows of it is what it writes back.
TEST(TextFile, ArbitraryBytesSettleAfterOneLoad) {
    std::mt19937 random(20261210);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes(qsizetype(random() % 64), Qt::Uninitialized);
        for (char& b : bytes)
            b = char(random() % 4 == 0 ? 0x81 + random() % 0x1F : random() % 256); // many lead bytes
        if (round % 5 == 0)
            bytes.prepend(round % 2 ? "\xEF\xBB\xBF" : "\xFF\xFE");
        const DecodedText first = textfile::decode(bytes);
        for (const QString& line : first.lines)
            ASSERT_FALSE(textfile::hasLineBreakOrNul(line)) << bytes.toHex().constData();
        const DecodedText second = textfile::decode(textfile::encode(first.lines, TextEncoding::Cp932));
        ASSERT_EQ(second.lines, first.lines) << bytes.toHex().constData();
        ASSERT_EQ(textfile::decodeLines(bytes).lines.toList(), first.lines) << bytes.toHex().constData();
    }
}

// A FIFO would block a plain read for ever and a device never ends: only regular files are read.
TEST(TextFile, RefusesWhatIsNotARegularFileOrIsTooLarge) {
    TestDir dir;
    const QString fifo = dir.file(u"fifo.txt"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zero = dir.file(u"zero.txt"_s);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, zero));
    const QString big = dir.write(u"big.txt"_s, QByteArray(2 * 1024 * 1024 + 1, 'a'));
    struct Case {
        QString path;
        qint64 limit;
        QString reason;
    };
    const QList<Case> cases{
        {fifo, textfile::DefaultMaxBytes, u"通常のファイルではありません。"_s},
        {zero, textfile::DefaultMaxBytes, u"通常のファイルではありません。"_s},
        {big, 2 * 1024 * 1024, u"ファイルが大きすぎます（2MBまで）。"_s},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(errorOf([&] { textfile::readFile(c.path, c.limit); }),
                  u"ファイル %1 は開けません。 %2 "_s.arg(c.path, c.reason));
    }
    EXPECT_EQ(textfile::readBytes(big, 2 * 1024 * 1024 + 1).size(), 2 * 1024 * 1024 + 1);
    for (const QString& path : {fifo, zero}) {
        EXPECT_EQ(errorOf([&] { textfile::writeFile(path, {u"x"_s}); }),
                  u"ファイル \"%1\" を作成できません。通常のファイルではありません。"_s.arg(path));
    }
}

// The code page 932 bytes of U+F8F3 U+F8F2 are FF FE: such a text is written in UTF-8 with a mark so
// that it reads back as itself.
TEST(TextFile, NeverWritesCodePageBytesThatLookLikeAMark) {
    const QList<QStringList> cases{
        {u"\uF8F3\uF8F2A店"_s, u"B"_s},
        {u"\uF8F2\uF8F3a=1"_s},
    };
    for (const QStringList& lines : cases) {
        TextEncoding used = TextEncoding::Cp932;
        const QByteArray bytes = textfile::encode(lines, TextEncoding::Cp932, &used);
        EXPECT_EQ(used, TextEncoding::Utf8Bom);
        EXPECT_EQ(textfile::decode(bytes).lines, lines);
    }
}

// A file without a mark is read as UTF-8 when its bytes are valid UTF-8 with a sequence of three
// bytes or more, else as code page 932 (whose half-width katakana pairs can be valid two-byte
// UTF-8); whatever is written without a mark reads back as itself.
TEST(TextFile, ReadsUnmarkedUtf8AndNeverWritesCodePageBytesThatLookLikeIt) {
    const struct {
        QByteArray bytes;
        QStringList lines;
    } reads[] = {
        {"\xE5\xAE\xB6\xE8\xA8\x88\r\n\xE7\xB0\xBF", {u"家計"_s, u"簿"_s}},        // UTF-8 from Linux
        {"\x89\xC6\x8C\x76\x95\xEB\r\n", {u"家計簿"_s}},                           // code page 932
        {"abc\r\n", {u"abc"_s}},                                                   // ASCII either way
        {"\xD0\xBF\r\n\xC5\xAF\xC4\xB3", {u"ﾐｿ"_s, u"ﾅｯﾄｳ"_s}},                    // valid as two-byte UTF-8
        {"\xD3\xBD \xC3\xA9", {u"ﾓｽ ﾃｩ"_s}},                                       // the same, and "é"
        {"\xC3\xA9\xED\xA0\x80", {textfile::decodeCp932("\xC3\xA9\xED\xA0\x80")}}, // a surrogate: not UTF-8
        {"\xC0\xAF", {textfile::decodeCp932("\xC0\xAF")}},                         // overlong: not UTF-8
        {QByteArray("\xE5\xAE\xB6\0\xFF", 5), {u"家"_s}},                          // a NUL ends the text
    };
    for (const auto& r : reads) {
        const DecodedText text = textfile::decode(r.bytes);
        EXPECT_EQ(shown(text.lines), shown(r.lines)) << hex(r.bytes);
        EXPECT_EQ(text.encoding, TextEncoding::Cp932);
    }
    // ﾃｽ is C3 BD in code page 932, which is also "ý" in UTF-8: still code page 932, unmarked.
    for (const QStringList& lines : {QStringList{u"ﾃｽ"_s}, QStringList{u"ﾃｽﾄ"_s, u"ﾃﾞ"_s}}) {
        TextEncoding used = TextEncoding::Utf8Bom;
        const QByteArray bytes = textfile::encode(lines, TextEncoding::Cp932, &used);
        EXPECT_EQ(used, TextEncoding::Cp932);
        EXPECT_EQ(textfile::decode(bytes).lines, lines) << hex(bytes);
        EXPECT_EQ(textfile::decodeLines(bytes).lines.toList(), lines) << hex(bytes);
    }
    TextEncoding used = TextEncoding::Utf8Bom;
    textfile::encode({u"家計簿"_s}, TextEncoding::Cp932, &used);
    EXPECT_EQ(used, TextEncoding::Cp932);
}
