// Amounts: the grammar, exact rounding to ten-thousandths, the two whole-number forms and the
// check that rewrites a price field.
#include "core/amount.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

using namespace Qt::StringLiterals;

namespace {

constexpr Amount MaxAmount = std::numeric_limits<Amount>::max();
constexpr Amount MinAmount = std::numeric_limits<Amount>::min();

QString withNul(const QString& text) {
    return text + QChar(u'\0');
}

} // namespace

TEST(ParseAmount, ReadsExactTenThousandths) {
    const struct {
        QString text;
        Amount expected;
    } cases[] = {
        {u"198"_s, 1'980'000},
        {u"  -12.5  "_s, -125'000},
        {u"+5"_s, 50'000},
        {u"."_s, 0},
        {u"-."_s, 0},
        {u"1."_s, 10'000},
        {u".5"_s, 5'000},
        {u"-0"_s, 0},
        {u"1e3"_s, 10'000'000},
        {u"15e-1"_s, 15'000},
        {u"1E+2"_s, 1'000'000},
        {u".e5"_s, 0},
        // halves of a ten-thousandth go to the even neighbour, anything above a half goes up
        {u"0.00005"_s, 0},
        {u"0.00015"_s, 2},
        {u"-0.00015"_s, -2},
        {u"0.000050000000000000001"_s, 1},
        {u"0.00004999999999999999999"_s, 0},
        {u"0000000000000000000000000001"_s, 10'000},
        {u"1.0000000000000000000000000001"_s, 10'000},
        {u"0.1e-400"_s, 0},
        // the exponent stops reading at 500, which is still a whole exponent
        {u"0e500"_s, 0},
        {u"1e-500"_s, 0},
        {u"0e0000000000003"_s, 0},
        {u"922337203685477.5807"_s, MaxAmount},
        {u"922337203685477.58074999"_s, MaxAmount},
        {u"92233720368547758.07e-2"_s, MaxAmount},
        {u"-922337203685477.5808"_s, MinAmount},
        {u"-922337203685477.58084"_s, MinAmount},
    };
    for (const auto& c : cases) {
        const std::optional<Amount> parsed = ParseAmount(c.text);
        ASSERT_TRUE(parsed.has_value()) << c.text.toStdString();
        EXPECT_EQ(*parsed, c.expected) << c.text.toStdString();
    }
}

TEST(ParseAmount, RejectsEverythingElse) {
    const QString cases[] = {
        u""_s,
        u"   "_s,
        u"-"_s,
        u"+"_s,
        u"+-1"_s,
        u"e5"_s,
        u"-e5"_s,
        u"1e"_s,
        u"1e+"_s,
        u"1,980"_s,
        u"abc"_s,
        u"１９８０"_s,
        u"12.3.4"_s,
        u"\\500"_s,
        u"¥500"_s,
        u"500円"_s,
        u"1\t"_s,
        u"\u30001"_s,
        u"1 2"_s,
        u"1 e3"_s,
        u"²"_s,
        withNul(u"12"_s),
        // out of range once rounded
        u"922337203685477.5808"_s,
        u"922337203685477.58075"_s,
        u"-922337203685477.5809"_s,
        u"9E15"_s,
        u"1e500"_s,
        u"99999999999999999999999"_s,
        // exponent digits after it reached 500 stay unread
        u"0e5000"_s,
        u"1e-5000"_s,
    };
    for (const QString& text : cases)
        EXPECT_FALSE(ParseAmount(text).has_value()) << text.toStdString();
}

TEST(AmountForms, RoundToWholeHalfToEven) {
    const struct {
        Amount value;
        QString storage;
        QString display;
    } cases[] = {
        {124'000, u"12"_s, u"12"_s},
        {125'000, u"12"_s, u"12"_s},
        {135'000, u"14"_s, u"14"_s},
        {995'000, u"100"_s, u"100"_s},
        {0, u"0"_s, u"0"_s},
        {-4'000, u"0"_s, u"0"_s},
        {-5'000, u"0"_s, u"0"_s},
        {-15'000, u"-2"_s, u"-2"_s},
        {-15'001, u"-2"_s, u"-2"_s},
        {9'990'000, u"999"_s, u"999"_s},
        {10'000'000, u"1000"_s, u"1,000"_s},
        {19'800'000, u"1980"_s, u"1,980"_s},
        {-15'000'000, u"-1500"_s, u"-1,500"_s},
        {-123'456'789'0000, u"-123456789"_s, u"-123,456,789"_s},
        {MaxAmount, u"922337203685478"_s, u"922,337,203,685,478"_s},
        {MinAmount, u"-922337203685478"_s, u"-922,337,203,685,478"_s},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatStorage(c.value), c.storage) << c.value;
        EXPECT_EQ(formatDisplay(c.value), c.display) << c.value;
    }
}

TEST(FormatPriceText, ShowsStoredPricesInDisplayForm) {
    const struct {
        QString stored;
        QString shown;
    } cases[] = {
        {u"1980"_s, u"1,980"_s},
        {u"-1500"_s, u"-1,500"_s},
        {u"198"_s, u"198"_s},
        {u"12.4"_s, u"12"_s},
        {u"12.5"_s, u"12"_s},
        {u"13.5"_s, u"14"_s},
        {u""_s, u""_s},
        // Commas dropped as the amount check drops them; a text the check refuses, as it stands.
        {u"1,98"_s, u"198"_s},
        {u"abc"_s, u"abc"_s},
        {u"１９８０"_s, u"１９８０"_s},
        {u"9E15"_s, u"9E15"_s},
        {u"922337203685478"_s, u"922337203685478"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatPriceText(c.stored), c.shown) << c.stored.toStdString();
}

TEST(AmountText, RewritesToStorageFormOrRefuses) {
    const std::optional<QString> refused;
    const struct {
        QString typed;
        std::optional<QString> rewritten;
    } cases[] = {
        {u""_s, u""_s},
        {u"1,280"_s, u"1280"_s},
        {u"1,2,8,0"_s, u"1280"_s},
        {u" 98 "_s, u"98"_s},
        {u"-300"_s, u"-300"_s},
        {u"+5"_s, u"5"_s},
        {u"2.5"_s, u"2"_s},
        {u"3.5"_s, u"4"_s},
        {u"99.5"_s, u"100"_s},
        {u"-0.4"_s, u"0"_s},
        {u"1e3"_s, u"1000"_s},
        {u"."_s, u"0"_s},
        {u"1E12"_s, u"1000000000000"_s},
        {u"-1,500"_s, u"-1500"_s},
        {u"9E15"_s, refused},
        {u"922337203685477.4999"_s, u"922337203685477"_s},
        {u"922337203685477.5"_s, refused}, // rounds to a whole number beyond the range
        {u"922337203685477.5807"_s, refused},
        {u"-922337203685477.5808"_s, refused},
        {u"\\500"_s, refused},
        {u"¥500"_s, refused},
        {u"１００"_s, refused},
        {u"   "_s, refused},
        {u",,,"_s, refused},
        {u"12.3.4"_s, refused},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkAmountText(c.typed), c.rewritten) << c.typed.toStdString();
}

// Whatever the amount check accepts, it stores in a form that the check, and the display form it
// shows after an update, both bring back to the same stored text.
TEST(AmountText, StoredAndDisplayedFormsComeBackUnchanged) {
    std::mt19937 random(1210);
    const QString alphabet = u"0123456789+-.eE ,"_s;
    int accepted = 0;
    for (int round = 0; round < 20000; ++round) {
        QString text;
        const int length = 1 + int(random() % 24);
        for (int i = 0; i < length; ++i)
            text += alphabet[qsizetype(random() % alphabet.size())];
        const std::optional<QString> stored = checkAmountText(text);
        if (!stored)
            continue;
        ++accepted;
        ASSERT_EQ(checkAmountText(*stored), *stored) << text.toStdString();
        ASSERT_EQ(checkAmountText(FormatPriceText(*stored)), *stored) << text.toStdString();
    }
    EXPECT_GT(accepted, 1000); // the alphabet makes amounts often enough to mean something
}
