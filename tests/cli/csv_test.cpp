// CSV writing and reading: quoting, line numbers of records, malformed text, and the encodings
// a spreadsheet saves in.
#include "cli/csv.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Csv, QuotesOnlyFieldsThatNeedItAndReadsEveryFieldBack) {
    const QStringList fields{u"牛乳"_s, u""_s, u"a,b"_s, u"say \"hi\""_s, u"two\r\nlines"_s, u" spaced "_s};
    QString text;
    csv::appendRecord(text, fields);
    EXPECT_EQ(text, u"牛乳,,\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\", spaced \r\n"_s);
    const csv::Parsed parsed = csv::parse(text);
    ASSERT_FALSE(parsed.errorLine.has_value());
    ASSERT_EQ(parsed.records.size(), 1);
    EXPECT_EQ(parsed.records[0].fields, fields);
}

TEST(Csv, NumbersRecordsByTheLineTheyStartOn) {
    const csv::Parsed parsed = csv::parse(u"a,b\r\n\"x\ny\",1\nlast,\r\n\rend"_s);
    ASSERT_FALSE(parsed.errorLine.has_value());
    ASSERT_EQ(parsed.records.size(), 5);
    const qsizetype lines[] = {1, 2, 4, 5, 6};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(parsed.records[i].line, lines[i]);
    EXPECT_EQ(parsed.records[1].fields, (QStringList{u"x\ny"_s, u"1"_s}));
    EXPECT_EQ(parsed.records[2].fields, (QStringList{u"last"_s, u""_s}));
    EXPECT_EQ(parsed.records[3].fields, QStringList{u""_s}); // the empty line
}

TEST(Csv, NamesTheLineWhereTheTextStopsBeingCsv) {
    const struct {
        QString text;
        qsizetype line;
    } cases[] = {
        {u"a,b\r\nc,d\"e\r\n"_s, 2},        // quote inside an unquoted field
        {u"a\r\n\"b\"c\r\n"_s, 2},          // text after the closing quote
        {u"a\r\n\"open\r\nstill\r\n"_s, 2}, // never closed: the line it opened on
    };
    for (const auto& c : cases) {
        const csv::Parsed parsed = csv::parse(c.text);
        ASSERT_TRUE(parsed.errorLine.has_value()) << c.text.toStdString();
        EXPECT_EQ(*parsed.errorLine, c.line) << c.text.toStdString();
        EXPECT_FALSE(parsed.errorReason.isEmpty());
    }
}

TEST(Csv, DecodesMarkedUtf8Utf16UnmarkedUtf8AndCodePage932) {
    const QString text = u"商品名,店名\r\n牛乳,Ａ店～①\r\n"_s;
    QStringEncoder sjis("Shift_JIS");
    QStringEncoder utf16le(QStringEncoder::Utf16LE);
    const QByteArray encodings[] = {
        "\xEF\xBB\xBF" + text.toUtf8(),
        text.toUtf8(),
        "\xFF\xFE" + QByteArray(utf16le.encode(text)),
        QByteArray(sjis.encode(text)),
    };
    for (const QByteArray& bytes : encodings)
        EXPECT_EQ(csv::decode(bytes), text) << bytes.toHex().toStdString();
}
