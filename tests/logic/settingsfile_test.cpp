#include "core/apperror.h"
#include "core/settingsfile.h"
#include "support/testfiles.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

std::string hex(QByteArrayView bytes) {
    return bytes.toByteArray().toHex(' ').toStdString();
}

} // namespace

TEST(SettingsFile, ReadsIntegersAndFallsBackOnAnythingElse) {
    const std::pair<QString, int> cases[] = {
        {u"12"_s, 12},
        {u" 12 "_s, 12},
        {u"\t12"_s, 12},
        {u"-3"_s, -3},
        {u"+4"_s, 4},
        {u"0x1F"_s, 31},
        {u"0X1f"_s, 31},
        {u"$1f"_s, 31},
        {u"-$10"_s, -16},
        {u"007"_s, 7},
        {u"2147483647"_s, 2147483647},
        {u"-2147483648"_s, -2147483647 - 1},
        {u"abc"_s, -99},
        {u""_s, -99},
        {u"99999999999"_s, -99},
        {u"2147483648"_s, -99},
        {u"0x80000000"_s, -99},
        {u"1.5"_s, -99},
        {u"1 2"_s, -99},
        {u"12px"_s, -99},
        {u"0x"_s, -99},
        {u"$"_s, -99},
        {u"-"_s, -99},
        {u"- 1"_s, -99},
        {u"１２"_s, -99},
        {u"1e3"_s, -99},
        {u"0x1G"_s, -99},
    };
    for (const auto& [text, expected] : cases) {
        SettingsFile settings;
        settings.setValue(u"Form"_s, u"TOP"_s, text);
        EXPECT_EQ(settings.readInt(u"Form"_s, u"TOP"_s, -99), expected) << text.toStdString();
    }
    EXPECT_EQ(SettingsFile().readInt(u"Form"_s, u"TOP"_s, 24), 24);
}

TEST(SettingsFile, ReadsAndWritesFlags) {
    const std::pair<QString, std::optional<bool>> cases[] = {
        {u"1"_s, true},   {u"0"_s, false},          {u"-1"_s, true},       {u"$0"_s, false},
        {u" 2 "_s, true}, {u"yes"_s, std::nullopt}, {u""_s, std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        SettingsFile settings;
        settings.setValue(u"ADD_OPT"_s, u"0"_s, text);
        for (const bool fallback : {false, true})
            EXPECT_EQ(settings.readFlag(u"ADD_OPT"_s, u"0"_s, fallback), expected.value_or(fallback))
                << text.toStdString();
    }
    SettingsFile settings;
    settings.writeFlag(u"ADD_OPT"_s, u"0"_s, true);
    EXPECT_EQ(settings.value(u"ADD_OPT"_s, u"0"_s), u"1"_s);
    settings.writeFlag(u"ADD_OPT"_s, u"0"_s, false);
    EXPECT_EQ(settings.value(u"ADD_OPT"_s, u"0"_s), u"0"_s);
}

TEST(SettingsFile, MatchesNamesWithoutRegardToCaseAndKeepsTheirSpelling) {
    TestDir dir;
    const QString path = dir.write(u"zorvan.ini"_s, "[form]\r\nWidth=700\r\nTop=5\r\n");
    SettingsFile settings = SettingsFile::load(path);
    EXPECT_EQ(settings.readInt(u"Form"_s, u"WIDTH"_s, 660), 700);
    settings.setValue(u"FORM"_s, u"TOP"_s, u"30"_s);
    settings.setValue(u"Form"_s, u"LEFT"_s, u"40"_s);
    settings.save(path);
    EXPECT_EQ(hex(dir.read(u"zorvan.ini"_s)), hex("[form]\r\nWidth=700\r\nTop=30\r\nLEFT=40\r\n"));
}

TEST(SettingsFile, RewritesTheWholeFileKeepingUntouchedValues) {
    TestDir dir;
    const QString path = dir.write(u"zorvan.ini"_s, "; written by hand\r\n"
                                                    "orphan = kept\r\n"
                                                    "\r\n"
                                                    "[Form]\r\n"
                                                    "  WIDTH = 700  \r\n"
                                                    "no equals sign\r\n"
                                                    "   ; indented comment\r\n"
                                                    "TOP=\r\n"
                                                    "[F_RIREKI]\r\n"
                                                    "0=C:\\data\\\x94\x83\x82\xA2\x95\xA8.txt\r\n"
                                                    "1=a=b\r\n");
    SettingsFile settings = SettingsFile::load(path);
    EXPECT_EQ(settings.value(u"F_RIREKI"_s, u"0"_s), u"C:\\data\\買い物.txt"_s);
    EXPECT_EQ(settings.value(u"F_RIREKI"_s, u"1"_s), u"a=b"_s);
    EXPECT_EQ(settings.value(u"Form"_s, u"TOP"_s, u"none"_s), u""_s);
    EXPECT_EQ(settings.value(u"Form"_s, u"LEFT"_s, u"none"_s), u"none"_s);
    settings.writeFlag(u"ADD_OPT"_s, u"0"_s, true);
    settings.setValue(u"Form"_s, u"LEFT"_s, u"24"_s);
    settings.save(path);
    EXPECT_EQ(hex(dir.read(u"zorvan.ini"_s)), hex("orphan=kept\r\n"
                                                  "[Form]\r\n"
                                                  "WIDTH=700\r\n"
                                                  "TOP=\r\n"
                                                  "LEFT=24\r\n"
                                                  "[F_RIREKI]\r\n"
                                                  "0=C:\\data\\\x94\x83\x82\xA2\x95\xA8.txt\r\n"
                                                  "1=a=b\r\n"
                                                  "[ADD_OPT]\r\n"
                                                  "0=1\r\n"));
}

TEST(SettingsFile, WritesBackInTheEncodingItWasReadIn) {
    struct Case {
        QByteArray mark;
        TextEncoding encoding;
    };
    const Case cases[] = {
        {"\xEF\xBB\xBF", TextEncoding::Utf8Bom},
        {"\xFF\xFE", TextEncoding::Utf16LeBom},
        {"\xFE\xFF", TextEncoding::Utf16BeBom},
    };
    for (const Case& c : cases) {
        TestDir dir;
        const QStringList lines{u"[F_RIREKI]"_s, u"0=/home/ü/牛乳.txt"_s};
        const QString path = dir.write(u"zorvan.ini"_s, textfile::encode(lines, c.encoding));
        SettingsFile settings = SettingsFile::load(path);
        settings.setValue(u"Form"_s, u"TOP"_s, u"30"_s);
        settings.save(path);
        const QByteArray bytes = dir.read(u"zorvan.ini"_s);
        EXPECT_EQ(hex(bytes.left(c.mark.size())), hex(c.mark));
        const DecodedText back = textfile::decode(bytes);
        EXPECT_EQ(back.encoding, c.encoding);
        EXPECT_EQ(back.lines, lines + QStringList({u"[Form]"_s, u"TOP=30"_s}));
    }
}

TEST(SettingsFile, UnmarkedFileStaysCodePage932UntilACharacterHasNoCode) {
    TestDir dir;
    const QString path = dir.write(u"zorvan.ini"_s, "[F_RIREKI]\r\n0=\x8B\x8D\x93\xFB.txt\r\n");
    SettingsFile settings = SettingsFile::load(path);
    settings.setValue(u"F_RIREKI"_s, u"1"_s, u"/tmp/x.txt"_s);
    settings.save(path);
    EXPECT_EQ(hex(dir.read(u"zorvan.ini"_s)),
              hex("[F_RIREKI]\r\n0=\x8B\x8D\x93\xFB.txt\r\n1=/tmp/x.txt\r\n"));

    settings.setValue(u"F_RIREKI"_s, u"1"_s, u"/home/café.txt"_s);
    settings.save(path);
    const DecodedText back = textfile::readFile(path);
    EXPECT_EQ(back.encoding, TextEncoding::Utf8Bom);
    EXPECT_EQ(back.lines, (QStringList{u"[F_RIREKI]"_s, u"0=牛乳.txt"_s, u"1=/home/café.txt"_s}));
}

TEST(SettingsFile, MissingFileReadsAsDefaultsAndIsCreatedBySave) {
    TestDir dir;
    const QString path = dir.file(u"zorvan.ini"_s);
    SettingsFile settings = SettingsFile::load(path);
    EXPECT_EQ(settings.readInt(u"Form"_s, u"WIDTH"_s, 660), 660);
    EXPECT_TRUE(settings.readFlag(u"ADD_OPT"_s, u"0"_s, true));
    EXPECT_EQ(settings.value(u"F_RIREKI"_s, u"0"_s), QString());
    settings.setValue(u"Form"_s, u"TOP"_s, u"24"_s);
    settings.save(path);
    EXPECT_EQ(hex(dir.read(u"zorvan.ini"_s)), hex("[Form]\r\nTOP=24\r\n"));
}

TEST(SettingsFile, UnreadableFileIsAnOpenError) {
    TestDir dir;
    try {
        SettingsFile::load(dir.path());
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.message(), errors::fileOpen(dir.path(), errors::systemReason(EISDIR)).message());
    }
}

TEST(SettingsFile, ValueWithALineBreakIsRefusedAndTheFileKept) {
    TestDir dir;
    const QString path = dir.write(u"zorvan.ini"_s, "[Form]\r\nTOP=1\r\n");
    SettingsFile settings = SettingsFile::load(path);
    settings.setValue(u"F_RIREKI"_s, u"0"_s, u"a\r\n[Form]\r\nTOP=9"_s);
    EXPECT_THROW(settings.save(path), AppError);
    EXPECT_EQ(hex(dir.read(u"zorvan.ini"_s)), hex("[Form]\r\nTOP=1\r\n"));
}

// Values are trimmed when read; one that would lose a blank or its quotes is stored quoted.
TEST(SettingsFile, KeepsValuesWithBlanksAtTheEndsOrQuotesExact) {
    TestDir dir;
    const QString path = dir.file(u"zorvan.ini"_s);
    struct Case {
        QString value;
        QByteArray stored;
    };
    const QList<Case> cases{
        {u"/home/user/a.txt "_s, "0=\"/home/user/a.txt \""},
        {u" lead"_s, "0=\" lead\""},
        {u"\"quoted\""_s, "0=\"\"quoted\"\""},
        {u"plain \"inner\" text"_s, "0=plain \"inner\" text"},
        {u"\""_s, "0=\""},
    };
    for (const Case& c : cases) {
        SettingsFile settings;
        settings.setValue(u"F_RIREKI"_s, u"0"_s, c.value);
        settings.save(path);
        EXPECT_EQ(hex(dir.read(u"zorvan.ini"_s)), hex("[F_RIREKI]\r\n" + c.stored + "\r\n"));
        EXPECT_EQ(SettingsFile::load(path).value(u"F_RIREKI"_s, u"0"_s), c.value);
    }
}

TEST(SettingsFile, RefusesAFileTooLargeForSettings) {
    TestDir dir;
    const QString path = dir.write(u"zorvan.ini"_s, QByteArray(MaxSettingsBytes + 1, ';'));
    EXPECT_THROW(SettingsFile::load(path), AppError);
}
