// The notebook's lines and records: finding products, the named accessors and whole-record changes.
#include "core/apperror.h"
#include "notebook/pricebook.h"
#include "support/notebooklines.h"
#include "support/qtprinters.h"

#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A record whose every line says what it is: "name", "teika", "shop1", "price1", "date1", ... "memo".
QStringList labelledRecord(const QString& name) {
    QStringList lines{name, u"teika"_s};
    for (int j = 1; j <= PriceSlots; ++j) {
        const QString n = QString::number(j);
        lines << u"shop"_s + n << u"price"_s + n << u"date"_s + n;
    }
    lines << u"memo"_s;
    return lines;
}

QString listError(qsizetype index) {
    return errors::listIndex(index).message();
}

TEST(FindProduct, IgnoresCaseOnlyAndFindsTheFirst) {
    PriceBook book;
    book.assign(notebook({productLines(u"milk"_s), productLines(u"Milk"_s), productLines(u"ミルク"_s),
                          productLines(QString()), productLines(u"ﾐﾙｸ"_s)}));
    EXPECT_EQ(book.FindProduct(u"MILK"_s), 1);
    EXPECT_EQ(book.FindProduct(u"ミルク"_s), 37);
    EXPECT_EQ(book.FindProduct(u"ﾐﾙｸ"_s), 73); // reached past the empty name line
    EXPECT_EQ(book.FindProduct(u"みるく"_s), -1);
    EXPECT_EQ(book.productNames(), (QStringList{u"milk"_s, u"Milk"_s, u"ミルク"_s}));
}

TEST(PriceBookLines, AccessOutsideTheListRaisesTheListError) {
    PriceBook book;
    book.reset();
    try {
        (void)book.line(1);
        FAIL();
    } catch (const AppError& e) {
        EXPECT_EQ(e.message(), u"リストのインデックスが範囲を超えています (1)"_s);
    }
    EXPECT_THROW(book.insertLine(2, {}), AppError);
    EXPECT_THROW(book.removeLine(-1), AppError);
    book.insertLine(1, u"x"_s);
    EXPECT_EQ(book.count(), 2);
}

TEST(PriceBookRecords, NamedAccessorsReadTheLinesOfTheFileFormat) {
    PriceBook book;
    book.assign(notebook({labelledRecord(u"A"_s), labelledRecord(u"B"_s)}));
    EXPECT_EQ(book.productCount(), 2);
    EXPECT_EQ(PriceBook::nameLine(0), 1);
    EXPECT_EQ(PriceBook::nameLine(1), 19);
    EXPECT_EQ(PriceBook::nameLine(2), 37);

    const qsizetype b = PriceBook::nameLine(1);
    EXPECT_EQ(PriceBook::standardPriceLine(b), 20);
    EXPECT_EQ(PriceBook::shopLine(b, 1), 21); // slot j at 3j - 1, 3j and 3j + 1 of the record
    EXPECT_EQ(PriceBook::priceLine(b, 1), 22);
    EXPECT_EQ(PriceBook::dateLine(b, 1), 23);
    EXPECT_EQ(PriceBook::shopLine(b, 5), 33);
    EXPECT_EQ(PriceBook::dateLine(b, 5), 35);
    EXPECT_EQ(PriceBook::memoLine(b), 36);

    EXPECT_EQ(book.name(b), u"B"_s);
    EXPECT_EQ(book.standardPrice(b), u"teika"_s);
    for (int j = 1; j <= PriceSlots; ++j) {
        const QString n = QString::number(j);
        EXPECT_EQ(book.shop(b, j), u"shop"_s + n);
        EXPECT_EQ(book.price(b, j), u"price"_s + n);
        EXPECT_EQ(book.date(b, j), u"date"_s + n);
    }
    EXPECT_EQ(book.memo(b), u"memo"_s);
}

TEST(PriceBookRecords, AnIncompleteLastRecordIsNotCountedAndItsMissingLinesRaiseTheListError) {
    PriceBook book;
    QStringList lines = notebook({labelledRecord(u"A"_s), labelledRecord(u"B"_s)});
    lines.resize(lines.size() - 3); // B loses slot 5's price and date and its memo
    book.assign(lines);
    EXPECT_EQ(book.productCount(), 1);
    EXPECT_EQ(book.productNames(), (QStringList{u"A"_s, u"B"_s}));
    EXPECT_EQ(book.shop(19, 5), u"shop5"_s);
    try {
        (void)book.memo(19);
        FAIL();
    } catch (const AppError& e) {
        EXPECT_EQ(e.message(), listError(36));
    }
}

TEST(PriceBookRecords, WholeRecordsAreInsertedRewrittenAndRemovedInPlace) {
    PriceBook book;
    book.assign(notebook({labelledRecord(u"A"_s), labelledRecord(u"C"_s)}));
    book.insertRecord(PriceBook::nameLine(1), labelledRecord(u"B"_s));
    EXPECT_EQ(book.productNames(), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
    EXPECT_EQ(book.count(), 1 + 3 * RecordLines);

    QStringList values(RecordLines);
    values[RecordOffset::Name] = u"ignored"_s;
    values[RecordOffset::StandardPrice] = u"198"_s;
    values[RecordOffset::shop(2)] = u"A店"_s;
    values[RecordOffset::price(2)] = u"178"_s;
    values[RecordOffset::date(2)] = u"2014/05/01"_s;
    values[RecordOffset::Memo] = u"特売"_s;
    book.setRecordValues(19, values);
    EXPECT_EQ(book.name(19), u"B"_s); // the name stays
    EXPECT_EQ(book.standardPrice(19), u"198"_s);
    EXPECT_EQ(book.shop(19, 1), QString());
    EXPECT_EQ(book.shop(19, 2), u"A店"_s);
    EXPECT_EQ(book.price(19, 2), u"178"_s);
    EXPECT_EQ(book.date(19, 2), u"2014/05/01"_s);
    EXPECT_EQ(book.memo(19), u"特売"_s);
    EXPECT_EQ(book.name(37), u"C"_s);

    book.removeRecord(1);
    EXPECT_EQ(book.productNames(), (QStringList{u"B"_s, u"C"_s}));
    EXPECT_EQ(book.count(), 1 + 2 * RecordLines);
}

TEST(PriceBookRecords, RecordChangesBeyondTheEndLeaveTheLinesAsTheyWere) {
    PriceBook book;
    QStringList lines = notebook({labelledRecord(u"A"_s), labelledRecord(u"B"_s)});
    lines.removeLast(); // B has no memo line
    book.assign(lines);
    const QStringList before = book.lines();
    const struct {
        const char* what;
        std::function<void()> change;
        qsizetype errorIndex;
    } cases[] = {
        {"insert beyond the end", [&] { book.insertRecord(37, labelledRecord(u"C"_s)); }, 37},
        {"rewrite an incomplete record", [&] { book.setRecordValues(19, labelledRecord(u"X"_s)); }, 36},
        {"remove an incomplete record", [&] { book.removeRecord(19); }, 36},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            c.change();
            ADD_FAILURE() << "no error";
        } catch (const AppError& e) {
            EXPECT_EQ(e.message(), listError(c.errorIndex));
        }
        EXPECT_EQ(book.lines(), before);
    }
}

} // namespace
