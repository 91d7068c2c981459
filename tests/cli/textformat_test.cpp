// Terminal tables: display width of Japanese text, alignment, and names that cannot steer the terminal.
#include "cli/table.h"
#include "cli/textwidth.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(DisplayWidth, CountsWideAndFullWidthCharactersTwice) {
    const struct {
        QString text;
        int width;
    } cases[] = {
        {u""_s, 0},           {u"milk"_s, 4},       {u"牛乳"_s, 4},
        {u"ミルク"_s, 6},     {u"ﾐﾙｸ"_s, 3},        // half-width katakana
        {u"１２３"_s, 6},                           // full-width digits
        {u"Ａ店"_s, 4},       {u"　"_s, 2},         // ideographic space
        {u"が"_s, 2},                               // precomposed
        {u"か\u3099"_s, 2},                         // combining voiced mark takes no column
        {u"café"_s, 4},       {u"\U0001F95B"_s, 2}, // glass of milk, outside the basic plane
        {u"\U00020B9F"_s, 2},                       // CJK extension B
        {u"①"_s, 1},                                // ambiguous width counts one
        {u"a\u200Bb"_s, 2},                         // zero-width space
    };
    for (const auto& c : cases)
        EXPECT_EQ(displayWidth(c.text), c.width) << c.text.toStdString();
}

TEST(Table, AlignsColumnsByDisplayWidth) {
    const QString table = formatTable({{u"商品名"_s}, {u"最安値"_s, true}},
                                      {{u"牛乳"_s, u"178"_s}, {u"milk"_s, u"1,980"_s}, {u"ﾐﾙｸ"_s, u""_s}});
    EXPECT_EQ(table, u"商品名  最安値\n"
                     u"------  ------\n"
                     u"牛乳       178\n"
                     u"milk     1,980\n"
                     u"ﾐﾙｸ\n"_s);
}

TEST(Table, ShowsControlCharactersOfNamesAsReplacementCharacters) {
    const QString table = formatTable({{u"商品名"_s}}, {{u"a\u001B[2Jb\u009B"_s}});
    EXPECT_FALSE(table.contains(QChar(0x1B)));
    EXPECT_FALSE(table.contains(QChar(0x9B)));
    EXPECT_TRUE(table.contains(u"a\uFFFD[2Jb\uFFFD"_s));
}

// On a terminal narrower than the table the widest text columns give way, their cells cut with "…";
// amounts and dates stay whole.
TEST(Table, FitsATerminalsWidthByNarrowingTextColumns) {
    const QList<TableColumn> columns{
        {u"商品名"_s}, {u"最安値"_s, true, CellKind::Amount}, {u"店名"_s, false, CellKind::List}};
    const QList<QStringList> rows{{u"とても長い名前の商品"_s, u"1,980"_s, u"A店\nB店\nC店"_s},
                                  {u"牛乳"_s, u"178"_s, u"A店"_s}};
    EXPECT_EQ(formatTable(columns, rows).toStdString(),
              u"商品名                最安値  店名\n"
              u"--------------------  ------  -------------\n"
              u"とても長い名前の商品   1,980  A店、B店、C店\n"
              u"牛乳                     178  A店\n"_s.toStdString());
    EXPECT_EQ(formatTable(columns, rows, 30).toStdString(), u"商品名   最安値  店名\n"
                                                            u"-------  ------  -------------\n"
                                                            u"とても…   1,980  A店、B店、C店\n"
                                                            u"牛乳        178  A店\n"_s.toStdString());
}
