// The notebook's lines and records: finding products, the named accessors and whole-record changes.
#include "core/apperror.h"
#include "notebook/pricebook.h"
#include "support/notebooklines.h"
#include "support/qtprinters.h"

#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>

using namespace Qt::StringLiterals;

namespace {

// A record whose every line says what it is: "name", "teika", "shop1", "price1", "date1", ... "memo".
QStringList labelledRecord(const QString& name) {
    QStringList lines{name, u"teika"_s};
    for (int j = 1; j <= 5; ++j) {
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

// FindProduct and slotsAtShop keep keys up to date through every kind of change; after each
// change they must answer as reading every line would.
TEST(FindProduct, AnswersAsAFullReadAfterEveryChange) {
    const QStringList names{u"milk"_s,       u"Milk"_s,  u"ミルク"_s, u"卵"_s,
                            u"ＢＲＥＡＤ"_s, u"bread"_s, QString()};
    PriceBook book;
    book.assign(notebook({productLines(u"milk"_s), productLines(u"卵"_s), productLines(u"bread"_s)}));
    const auto check = [&](const std::string& step) {
        for (const QString& name : names + QStringList{u"MILK"_s, u"ｂｒｅａｄ"_s, u"x"_s}) {
            qsizetype expected = -1;
            for (qsizetype i = 1; i < book.count() && expected < 0; i += RecordLines) {
                if (book.line(i).compare(name, Qt::CaseInsensitive) == 0)
                    expected = i;
            }
            ASSERT_EQ(book.FindProduct(name), expected) << step << " " << name.toStdString();
        }
        for (const QString& shop : names + QStringList{u"shop1"_s, u"shop5"_s, u"Shop1"_s}) {
            QList<qsizetype> expected;
            for (qsizetype p = 0; p < book.productCount(); ++p) {
                for (int j = 1; j <= PriceSlots; ++j) {
                    if (book.line(PriceBook::shopLine(PriceBook::nameLine(p), j)) == shop)
                        expected << PriceBook::nameLine(p);
                }
            }
            ASSERT_EQ(book.slotsAtShop(shop), expected) << step << " " << shop.toStdString();
        }
    };
    check("loaded");
    std::mt19937 random(7);
    for (int step = 0; step < 400; ++step) {
        const qsizetype records = (book.count() - 1) / RecordLines;
        const QString name = names[random() % names.size()];
        const qsizetype line = 1 + qsizetype(random() % quint32(book.count()));
        const qsizetype record = PriceBook::nameLine(qsizetype(random() % quint32(records + 1)));
        std::string what;
        switch (random() % 7) {
        case 0:
            what = "insertRecord";
            book.insertRecord(qMin(record, book.count()), productLines(name));
            break;
        case 1:
            what = "removeRecord";
            if (records > 1)
                book.removeRecord(PriceBook::nameLine(records - 1) == record ? record : 1);
            break;
        case 2:
            what = "setLine name";
            if (record < book.count())
                book.setLine(record, name);
            break;
        case 3:
            what = "setLine";
            if (line < book.count())
                book.setLine(line, name);
            break;
        case 4:
            what = "insertLine";
            if (book.count() < 400)
                book.insertLine(line, name);
            break;
        case 5:
            what = "removeLine";
            if (line < book.count() && book.count() > 40)
                book.removeLine(line);
            break;
        case 6:
            what = "setRecordValues";
            if (record + RecordLines <= book.count())
                book.setRecordValues(record, labelledRecord(name));
            break;
        }
        check(std::to_string(step) + " " + what);
    }
}

// Keys are compared many at a time: on a notebook where equal keys crowd together (one name in
// several letter cases, a few shops in every slot), every product and slot must still be found,
// in order, wherever it stands.
TEST(FindProduct, FindsEveryAgreeingKeyWhereKeysCrowdTogether) {
    const QStringList names{u"milk"_s, u"MILK"_s, u"卵"_s, u"bread"_s};
    const QStringList shops{u"A"_s, u"a"_s, u"B"_s, QString()};
    std::mt19937 random(11);
    QList<QStringList> records;
    for (int p = 0; p < 300; ++p) {
        // Rare names: each stands once, somewhere in the notebook.
        QStringList record =
            labelledRecord(p % 37 == 5 ? u"only%1"_s.arg(p) : names[random() % names.size()]);
        for (int j = 1; j <= PriceSlots; ++j)
            record[RecordOffset::shop(j)] = shops[random() % shops.size()];
        records << record;
    }
    PriceBook book;
    book.assign(notebook(records));
    for (qsizetype p = 0; p < records.size(); ++p) {
        const QString name = records[p].front();
        qsizetype first = p;
        for (qsizetype q = 0; q < p; ++q) {
            if (records[q].front().compare(name, Qt::CaseInsensitive) == 0) {
                first = q;
                break;
            }
        }
        ASSERT_EQ(book.FindProduct(name), PriceBook::nameLine(first)) << name.toStdString();
    }
    for (const QString& shop : shops) {
        QList<qsizetype> expected;
        for (qsizetype p = 0; p < records.size(); ++p) {
            for (int j = 1; j <= PriceSlots; ++j) {
                if (records[p][RecordOffset::shop(j)] == shop)
                    expected << PriceBook::nameLine(p);
            }
        }
        EXPECT_EQ(book.slotsAtShop(shop), expected) << shop.toStdString();
    }
}

// A slot keeps its shop as a number; past 65,535 distinct shop texts the rest share one number,
// and those slots are told apart by their text.
TEST(FindProduct, ShopsPastTheLastNumberAreComparedByText) {
    const int products = 13200; // 66,000 distinct shops
    QList<QStringList> records;
    for (int p = 0; p < products; ++p) {
        QStringList record = productLines(u"p"_s + QString::number(p));
        for (int j = 1; j <= PriceSlots; ++j)
            record[RecordOffset::shop(j)] = u"s"_s + QString::number(p * PriceSlots + j - 1);
        records << record;
    }
    PriceBook book;
    book.assign(notebook(records));
    const auto expectFullRead = [&](const QString& shop) {
        QList<qsizetype> expected;
        for (qsizetype p = 0; p < book.productCount(); ++p) {
            for (int j = 1; j <= PriceSlots; ++j) {
                if (book.shop(PriceBook::nameLine(p), j) == shop)
                    expected << PriceBook::nameLine(p);
            }
        }
        EXPECT_EQ(book.slotsAtShop(shop), expected) << shop.toStdString();
    };
    const QStringList shops{u"s0"_s, u"s65534"_s, u"s65535"_s, u"s65999"_s, u"s66000"_s, u""_s};
    for (const QString& shop : shops)
        expectFullRead(shop);
    // A numbered shop and a shop past the numbers, each written into the other's record.
    QStringList first = productLines(u"p0"_s);
    first[RecordOffset::shop(2)] = u"s65999"_s;
    book.setRecordValues(PriceBook::nameLine(0), first);
    QStringList last = productLines(u"last"_s);
    last[RecordOffset::shop(5)] = u"s0"_s;
    book.setRecordValues(PriceBook::nameLine(products - 1), last);
    for (const QString& shop : shops)
        expectFullRead(shop);
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
