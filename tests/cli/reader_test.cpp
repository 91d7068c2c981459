// The companion's quick readers give what the notebook module's own give: product values as
// viewProduct reads them, and name order as sortProductNames sorts.
#include "cli/productreader.h"
#include "core/names.h"
#include "support/notebooklines.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

bool sameView(const ProductView& a, const ProductView& b) {
    if (a.name != b.name || a.standardPriceText != b.standardPriceText ||
        a.standardPrice != b.standardPrice || a.memo != b.memo ||
        a.observations.size() != b.observations.size())
        return false;
    for (qsizetype i = 0; i < a.observations.size(); ++i) {
        const Observation& x = a.observations[i];
        const Observation& y = b.observations[i];
        if (x.slot != y.slot || x.shop != y.shop || x.priceText != y.priceText || x.price != y.price ||
            x.dateText != y.dateText || x.date != y.date)
            return false;
    }
    return true;
}

} // namespace

TEST(ProductReader, ReadsEveryStoredTextAsViewProductDoes) {
    const QStringList prices{u""_s,
                             u"198"_s,
                             u"-300"_s,
                             u"-0"_s,
                             u"0012"_s,
                             u"1,980"_s,
                             u" 198"_s,
                             u"198.5"_s,
                             u"12.5"_s,
                             u"+5"_s,
                             u"1e3"_s,
                             u"-"_s,
                             u"99999999999999"_s,
                             u"999999999999999"_s,
                             u"９８"_s,
                             u"abc"_s,
                             u"922337203685477"_s,
                             u"922337203685478"_s};
    const QStringList dates{u"2014/05/01"_s, u"2014/5/1"_s,    u"14/05/01"_s,   u"0099/01/01"_s,
                            u"0100/01/01"_s, u"2014/02/30"_s,  u"2016/02/29"_s, u"2014/13/01"_s,
                            u""_s,           u" 2014/05/01"_s, u"9999/12/31"_s, u"2014-05-01"_s,
                            u"2014/05/0x"_s, u"05/01"_s};
    QStringList lines{u"zorvandata"_s};
    for (qsizetype i = 0; i < std::max(prices.size(), dates.size()); ++i) {
        QStringList record = productLines(u"p%1"_s.arg(i), prices.value(i), i % 2 ? u"店"_s : QString(),
                                          prices.value(prices.size() - 1 - i), dates.value(i), u"memo"_s);
        record[RecordOffset::price(4)] = prices.value(i);
        record[RecordOffset::shop(5)] = u"B店"_s;
        lines << record;
    }
    PriceBook book;
    book.assign(lines);
    const QDate today(2016, 6, 1);
    for (qsizetype p = 0; p < book.productCount(); ++p) {
        const qsizetype nameLine = PriceBook::nameLine(p);
        EXPECT_TRUE(sameView(readProduct(book, nameLine, today), viewProduct(book, nameLine, today)))
            << book.lines().mid(nameLine, RecordLines).join(u'|').toStdString();
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
