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
