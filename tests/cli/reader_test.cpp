// How the companion reads a product (viewProduct): every form a stored price or date may take,
// with the amount or date it means, and name order as sortProductNames sorts.
#include "core/names.h"
#include "notebook/pricebook.h"
#include "notebook/productview.h"
#include "support/notebooklines.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr Amount Whole = UnitsPerWhole;

// One product per text, the text as its standard price and as the price of slot 1.
PriceBook bookOfPrices(const QStringList& prices) {
    QList<QStringList> products;
    for (qsizetype i = 0; i < prices.size(); ++i)
        products << productLines(u"p%1"_s.arg(i), prices[i], u"A店"_s, prices[i]);
    PriceBook book;
    book.assign(notebook(products));
    return book;
}

} // namespace

TEST(ProductReader, ReadsEveryFormOfAStoredPrice) {
    const struct {
        QString text;
        std::optional<Amount> amount;
    } cases[] = {
        {u"198"_s, 198 * Whole},
        {u"-300"_s, -300 * Whole},
        {u"-0"_s, 0},
        {u"0012"_s, 12 * Whole},
        {u" 198 "_s, 198 * Whole}, // spaces around a number are read past
        {u"198.5"_s, 1985000},
        {u"+5"_s, 5 * Whole},
        {u"1e3"_s, 1000 * Whole},
        {u"99999999999999"_s, 99999999999999 * Whole},   // 14 digits
        {u"922337203685477"_s, 922337203685477 * Whole}, // the largest whole amount
        {u"922337203685478"_s, std::nullopt},            // beyond it
        {u"-922337203685477"_s, -922337203685477 * Whole},
        {u"-922337203685478"_s, std::nullopt},
        {u"9999999999999999999999"_s, std::nullopt},
        {u"1,980"_s, std::nullopt},
        {u"19 8"_s, std::nullopt},
        {u"-"_s, std::nullopt},
        {u"--5"_s, std::nullopt},
        {u"5-"_s, std::nullopt},
        {u"９８"_s, std::nullopt}, // full-width digits are not digits here
        {u"abc"_s, std::nullopt},
    };
    QStringList texts;
    for (const auto& c : cases)
        texts << c.text;
    const PriceBook book = bookOfPrices(texts);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const ProductView view = viewProduct(book, PriceBook::nameLine(i), QDate(2016, 6, 1));
        EXPECT_EQ(view.standardPriceText, cases[i].text);
        EXPECT_EQ(view.standardPrice, cases[i].amount) << cases[i].text.toStdString();
        ASSERT_EQ(view.observations.size(), 1);
        EXPECT_EQ(view.observations[0].priceText, cases[i].text);
        EXPECT_EQ(view.observations[0].price, cases[i].amount) << cases[i].text.toStdString();
    }
}

TEST(ProductReader, ReadsEveryFormOfAStoredDate) {
    const QDate today(2016, 6, 1);
    const struct {
        QString text;
        std::optional<QDate> date;
    } cases[] = {
        {u"2014/05/01"_s, QDate(2014, 5, 1)},
        {u"2014/5/1"_s, QDate(2014, 5, 1)},
        {u" 2014 / 05 / 01 "_s, QDate(2014, 5, 1)},
        {u"14/05/01"_s, QDate(2014, 5, 1)}, // two digits: a year near today's
        {u"05/01"_s, QDate(2016, 5, 1)},    // month and day of today's year
        {u"2016/02/29"_s, QDate(2016, 2, 29)},
        {u"0100/01/01"_s, QDate(100, 1, 1)},
        {u"9999/12/31"_s, QDate(9999, 12, 31)},
        {u"0099/01/01"_s, std::nullopt},
        {u"2014/02/30"_s, std::nullopt},
        {u"2014/13/01"_s, std::nullopt},
        {u"2014-05-01"_s, std::nullopt},
        {u"2014/05/0x"_s, std::nullopt},
        {u"2014/05/01/02"_s, std::nullopt},
        {u""_s, std::nullopt},
    };
    QList<QStringList> products;
    for (const auto& c : cases)
        products << productLines(u"p"_s, u"100"_s, u"A店"_s, u"98"_s, c.text);
    PriceBook book;
    book.assign(notebook(products));
    for (qsizetype i = 0; i < std::ssize(cases); ++i) {
        const ProductView view = viewProduct(book, PriceBook::nameLine(i), today);
        ASSERT_EQ(view.observations.size(), 1);
        EXPECT_EQ(view.observations[0].dateText, cases[i].text);
        EXPECT_EQ(view.observations[0].date, cases[i].date) << cases[i].text.toStdString();
    }
}

// A whole notebook is read with its repeated texts kept once; every product still holds its own
// values. Enough distinct texts that the table of them grows several times while it is read.
TEST(ProductReader, ReadsEveryProductOfANotebookWithItsOwnTexts) {
    const auto shopOf = [](int i) { return i % 5 == 0 ? QString() : u"店%1"_s.arg(i % 97); };
    const auto priceOf = [](int i) { return i % 7 == 0 ? QString() : QString::number(100 + i % 89); };
    const auto dateOf = [](int i) { return u"2015/%1/%2"_s.arg(1 + i % 12).arg(1 + i % 28); };
    QList<QStringList> products;
    for (int i = 0; i < 600; ++i) {
        QStringList record = productLines(u"p%1"_s.arg(i), QString::number(i % 300), shopOf(i), priceOf(i),
                                          dateOf(i), i % 2 ? u"memo"_s : QString());
        record[RecordOffset::shop(3)] = shopOf(i + 1);
        record[RecordOffset::price(3)] = u"1980"_s.left(1 + i % 4); // texts that begin alike
        products << record;
    }
    PriceBook book;
    book.assign(notebook(products));
    const QList<ProductView> views = viewProducts(book, QDate(2016, 6, 1));
    ASSERT_EQ(views.size(), 600);
    for (int i = 0; i < 600; ++i) {
        const ProductView& v = views[i];
        const std::string where = v.name.toStdString();
        EXPECT_EQ(v.name, u"p%1"_s.arg(i));
        EXPECT_EQ(v.standardPriceText, QString::number(i % 300)) << where;
        EXPECT_EQ(v.memo, i % 2 ? u"memo"_s : QString());
        QList<Observation> expected;
        if (!shopOf(i).isEmpty() || !priceOf(i).isEmpty())
            expected << Observation{1, shopOf(i), priceOf(i), {}, dateOf(i), {}};
        expected << Observation{3, shopOf(i + 1), u"1980"_s.left(1 + i % 4), {}, dateOf(i), {}};
        ASSERT_EQ(v.observations.size(), expected.size()) << where;
        for (qsizetype k = 0; k < expected.size(); ++k) {
            const Observation& o = v.observations[k];
            EXPECT_EQ(o.slot, expected[k].slot);
            EXPECT_EQ(o.shop, expected[k].shop) << where;
            EXPECT_EQ(o.priceText, expected[k].priceText) << where;
            EXPECT_EQ(o.price, o.priceText.isEmpty()
                                   ? std::nullopt
                                   : std::optional<Amount>(o.priceText.toLongLong() * Whole));
            EXPECT_EQ(o.dateText, expected[k].dateText) << where;
            EXPECT_EQ(o.date, QDate(2015, 1 + i % 12, 1 + i % 28));
        }
    }
}

TEST(ProductNameOrder, GivesTheOrderOfTheSortedNamesWithEqualNamesInPlace) {
    const QStringList names{u"卵"_s,     u"Banana"_s, u"apple"_s, u"ミルク"_s, u"ﾐﾙｸ"_s,    u"Cherry"_s,
                            u"banana"_s, u"牛乳"_s,   u"apple"_s, u"りんご"_s, u"リンゴ"_s, u""_s};
    QStringList sorted = names;
    sortProductNames(sorted);
    const QList<qsizetype> order = productNameOrder(names);
    QStringList byOrder;
    for (const qsizetype i : order)
        byOrder << names[i];
    EXPECT_EQ(byOrder, sorted);
    EXPECT_LT(order.indexOf(2), order.indexOf(8)); // the two "apple" keep their order
}
