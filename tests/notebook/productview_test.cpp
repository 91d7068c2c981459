// The value view of one product: texts as stored next to what they mean as amounts and dates.
#include "core/apperror.h"
#include "notebook/pricebook.h"
#include "notebook/productview.h"
#include "support/notebooklines.h"
#include "support/qtprinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QDate Today{2026, 12, 10};

QStringList record(const QString& name, const QString& standard, const QList<QStringList>& slotLines,
                   const QString& memo) {
    QStringList lines{name, standard};
    for (int j = 0; j < PriceSlots; ++j) {
        const QStringList slot = slotLines.value(j, {QString(), QString(), u"2026/12/01"_s});
        lines << slot;
    }
    lines << memo;
    return lines;
}

TEST(ProductView, HoldsNameStandardPriceObservationsAndMemo) {
    PriceBook book;
    book.assign(notebook({productLines(u"first"_s), record(u"牛乳"_s, u"198"_s,
                                                           {{u"A店"_s, u"178"_s, u"2014/05/01"_s},
                                                            {QString(), QString(), u"2014/05/02"_s},
                                                            {u"B店"_s, QString(), u"14/6/1"_s},
                                                            {QString(), u"1e3"_s, u"2014/13/01"_s},
                                                            {u"C店"_s, u"安い"_s, u"2015/01/01"_s}},
                                                           u"特売日は水曜"_s)}));
    const ProductView view = viewProduct(book, 19, Today);
    EXPECT_EQ(view.name, u"牛乳"_s);
    EXPECT_EQ(view.standardPriceText, u"198"_s);
    EXPECT_EQ(view.standardPrice, std::optional<Amount>(198 * 10000));
    EXPECT_EQ(view.memo, u"特売日は水曜"_s);

    ASSERT_EQ(view.observations.size(), 4); // slot 2 has neither shop nor price
    const Observation& a = view.observations[0];
    EXPECT_EQ(a.slot, 1);
    EXPECT_EQ(a.shop, u"A店"_s);
    EXPECT_EQ(a.priceText, u"178"_s);
    EXPECT_EQ(a.price, std::optional<Amount>(178 * 10000));
    EXPECT_EQ(a.dateText, u"2014/05/01"_s);
    EXPECT_EQ(a.date, std::optional<QDate>(QDate(2014, 5, 1)));

    const Observation& b = view.observations[1];
    EXPECT_EQ(b.slot, 3);
    EXPECT_EQ(b.shop, u"B店"_s);
    EXPECT_FALSE(b.price.has_value()); // no price seen
    EXPECT_EQ(b.date, std::optional<QDate>(QDate(2014, 6, 1)));

    const Observation& c = view.observations[2];
    EXPECT_EQ(c.slot, 4);
    EXPECT_EQ(c.shop, QString());
    EXPECT_EQ(c.price, std::optional<Amount>(1000 * 10000));
    EXPECT_EQ(c.dateText, u"2014/13/01"_s);
    EXPECT_FALSE(c.date.has_value()); // kept as text, read as no date

    const Observation& d = view.observations[3];
    EXPECT_EQ(d.slot, 5);
    EXPECT_EQ(d.priceText, u"安い"_s);
    EXPECT_FALSE(d.price.has_value());
}

TEST(ProductView, EveryWholeRecordInNotebookOrderAndNoneOfAnIncompleteOne) {
    PriceBook book;
    QStringList lines =
        notebook({productLines(u"b"_s, u"100"_s), productLines(u"a"_s), productLines(u"c"_s)});
    lines.removeLast();
    book.assign(lines);
    const QList<ProductView> views = viewProducts(book, Today);
    ASSERT_EQ(views.size(), 2);
    EXPECT_EQ(views[0].name, u"b"_s);
    EXPECT_EQ(views[0].standardPrice, std::optional<Amount>(100 * 10000));
    EXPECT_TRUE(views[0].observations.isEmpty());
    EXPECT_EQ(views[1].name, u"a"_s);
    EXPECT_FALSE(views[1].standardPrice.has_value());
    EXPECT_THROW(viewProduct(book, 37, Today), AppError);
}

} // namespace
