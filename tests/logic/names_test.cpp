// Product names: case-only equality and the selector's total order.
#include "core/names.h"

#include <gtest/gtest.h>

#include <QCollator>
#include <QLocale>

#include <algorithm>

using namespace Qt::StringLiterals;

TEST(ProductNames, EqualityIgnoresCaseOnly) {
    const struct {
        QString a;
        QString b;
        bool same;
    } cases[] = {
        {u"milk"_s, u"MILK"_s, true},      {u"Äpfel"_s, u"äpfel"_s, true},
        {u"ａｂｃ"_s, u"ＡＢＣ"_s, true},  {u"ミルク"_s, u"ﾐﾙｸ"_s, false},
        {u"ミルク"_s, u"みるく"_s, false}, {u"ABC"_s, u"ＡＢＣ"_s, false},
        {u"apple"_s, u"apple "_s, false},  {u""_s, u""_s, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sameProductName(c.a, c.b), c.same) << c.a.toStdString() << " / " << c.b.toStdString();
}

// Names of different lengths are told apart before any folding; the answer is always the full
// case-insensitive compare's, for every character against its upper, lower and folded forms.
TEST(ProductNames, LengthShortcutKeepsTheCaseInsensitiveAnswer) {
    for (char32_t c = 1; c < 0x110000; c += (c < 0x10000 ? 1 : 97)) {
        if (c >= 0xD800 && c < 0xE000)
            continue;
        const QString a = QString::fromUcs4(&c, 1);
        for (const QString& b : {a.toUpper(), a.toLower(), a.toCaseFolded(), a + a}) {
            ASSERT_EQ(sameProductName(a, b), QString::compare(a, b, Qt::CaseInsensitive) == 0) << int(c);
        }
    }
}

TEST(ProductNames, SortIgnoringCaseInJapaneseOrder) {
    const struct {
        QStringList names;
        QStringList sorted;
    } cases[] = {
        {{u"Banana"_s, u"apple"_s, u"Cherry"_s}, {u"apple"_s, u"Banana"_s, u"Cherry"_s}},
        // kana in syllabary order whatever the script, not in code-unit order
        {{u"りんご"_s, u"バナナ"_s, u"あんず"_s}, {u"あんず"_s, u"バナナ"_s, u"りんご"_s}},
        {{u"milk"_s, u"MILK"_s, u"Milk"_s}, {u"MILK"_s, u"Milk"_s, u"milk"_s}},
    };
    for (auto c : cases) {
        sortProductNames(c.names);
        EXPECT_EQ(c.names, c.sorted);
    }
}

TEST(ProductNames, OrderIsStrictAndTotal) {
    // Pairs the collator alone calls equal must still come out in one fixed order.
    const QStringList names = {u"milk"_s,     u"Milk"_s,     u"ミルク"_s, u"ﾐﾙｸ"_s, u"みるく"_s,
                               u"ＭＩＬＫ"_s, u"ｍｉｌｋ"_s, u"apple"_s,  u""_s};
    for (const QString& a : names) {
        EXPECT_FALSE(productNameLess(a, a)) << a.toStdString();
        for (const QString& b : names) {
            if (a != b) {
                EXPECT_NE(productNameLess(a, b), productNameLess(b, a))
                    << a.toStdString() << " / " << b.toStdString();
            }
        }
    }
    QStringList reference = names;
    sortProductNames(reference);
    for (qsizetype shift = 1; shift < names.size(); ++shift) {
        QStringList rotated = names.mid(shift) + names.first(shift);
        sortProductNames(rotated);
        EXPECT_EQ(rotated, reference);
    }
}

TEST(ProductNames, InsertPositionKeepsTheListSorted) {
    const QStringList sorted = {u"apple"_s, u"Banana"_s, u"Cherry"_s};
    EXPECT_EQ(sortedInsertPosition(sorted, u""_s), 0);
    EXPECT_EQ(sortedInsertPosition(sorted, u"Apricot"_s), 1);
    EXPECT_EQ(sortedInsertPosition(sorted, u"banana"_s), 2);
    EXPECT_EQ(sortedInsertPosition(sorted, u"BANANA"_s), 1);
    EXPECT_EQ(sortedInsertPosition(sorted, u"Banana"_s), 2);
    EXPECT_EQ(sortedInsertPosition(sorted, u"りんご"_s), 3);

    const QStringList added = {u"Cherry"_s, u"ﾐﾙｸ"_s,    u"apple"_s, u"ミルク"_s,
                               u"milk"_s,   u"Banana"_s, u"Milk"_s};
    QStringList built;
    for (const QString& name : added) {
        // The search reading one item at a time finds the place the list search finds.
        const qsizetype at = sortedInsertPosition(built, name);
        EXPECT_EQ(sortedInsertPosition(
                      built.size(), [&](qsizetype i) { return built.at(i); }, name),
                  at);
        built.insert(at, name);
    }
    QStringList expected = added;
    sortProductNames(expected);
    EXPECT_EQ(built, expected);
}

// The sort compares collation keys made once per name; its order is the pairwise order's.
TEST(ProductNames, KeyedSortGivesThePairwiseOrder) {
    const QStringList pieces{u"ミルク"_s,   u"ﾐﾙｸ"_s,  u"みるく"_s, u"milk"_s, u"Milk"_s,
                             u"ＭＩＬＫ"_s, u"牛乳"_s, u"パン"_s,   u"ぱん"_s, u"ﾊﾟﾝ"_s,
                             u"a"_s,        u"B"_s,    u""_s,       u"1"_s};
    QStringList names;
    for (const QString& a : pieces) {
        for (const QString& b : pieces)
            names << a + b;
    }
    QStringList expected = names;
    std::stable_sort(expected.begin(), expected.end(), productNameLess);
    for (int round = 0; round < 3; ++round) {
        std::rotate(names.begin(), names.begin() + 17 * round, names.end());
        QStringList sorted = names;
        sortProductNames(sorted);
        EXPECT_EQ(sorted, expected);
    }
}

// The order users have always seen: Qt's Japanese collator ignoring case, then the tie-breaks.
// Names of both scripts, widths and cases, marks written apart, kanji of both levels, a pair of
// surrogates, the long vowel mark and repeat marks; joined in pairs so that keys share long starts.
TEST(ProductNames, OrderIsQtsJapaneseCollationOrder) {
    QCollator qt(QLocale(QLocale::Japanese, QLocale::Japan));
    qt.setCaseSensitivity(Qt::CaseInsensitive);
    const auto qtLess = [&](const QString& a, const QString& b) {
        if (const int c = qt.compare(a, b); c != 0)
            return c < 0;
        if (const int c = QString::compare(a, b, Qt::CaseInsensitive); c != 0)
            return c < 0;
        return QString::compare(a, b, Qt::CaseSensitive) < 0;
    };
    const QStringList pieces{u"ミルク"_s, u"ﾐﾙｸ"_s,  u"みるく"_s,  u"milk"_s,     u"Milk"_s,    u"ＭＩＬＫ"_s,
                             u"牛乳"_s,   u"鰯"_s,   u"𠮷野家"_s,  u"か\u3099"_s,  u"が"_s,      u"カー"_s,
                             u"かあ"_s,   u"ゝ"_s,   u"々"_s,     u"ヴ"_s,        u"１２"_s,    u"12"_s,
                             u"2"_s,      u"-"_s,    u" "_s,      u"（大）"_s,    u"é"_s,       u"e\u0301"_s,
                             u"ぁ"_s,     u"あ"_s,   u""_s,       u"アイスクリーム"_s};
    QStringList names;
    for (const QString& a : pieces) {
        for (const QString& b : pieces)
            names << a + b;
    }
    for (const QString& a : names) {
        for (const QString& b : names)
            ASSERT_EQ(productNameLess(a, b), qtLess(a, b)) << a.toStdString() << " / " << b.toStdString();
    }
    QStringList expected = names;
    std::stable_sort(expected.begin(), expected.end(), qtLess);
    QStringList sorted = names;
    sortProductNames(sorted);
    EXPECT_EQ(sorted, expected);
    const QList<qsizetype> order = productNameOrder(names);
    QStringList byOrder;
    for (const qsizetype i : order)
        byOrder << names.at(i);
    EXPECT_EQ(byOrder, expected);
    // The same from views into one text, as the selector is filled from a notebook.
    const QString text = names.join(QString());
    QList<QStringView> views;
    qsizetype at = 0;
    for (const QString& name : names) {
        views << QStringView(text).sliced(at, name.size());
        at += name.size();
    }
    EXPECT_EQ(sortedProductNames(views), expected);
    EXPECT_EQ(productNameOrder(views), order);
}
