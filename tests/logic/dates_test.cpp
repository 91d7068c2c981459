// Dates of the notebook: the stored form and the lenient reading of it.
#include "core/dates.h"

#include "core/apperror.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2026, 3, 15);

} // namespace

TEST(StoredDate, WritesFourTwoTwoDigits) {
    EXPECT_EQ(formatStoredDate(QDate(2014, 5, 1)), u"2014/05/01"_s);
    EXPECT_EQ(formatStoredDate(QDate(MinDateYear, 1, 1)), u"0100/01/01"_s);
    EXPECT_EQ(formatStoredDate(QDate(MaxDateYear, 12, 31)), u"9999/12/31"_s);
    EXPECT_EQ(formatStoredDate(QDate()), QString());
}

TEST(StoredDate, ReadsLeniently) {
    const struct {
        QString text;
        QDate today;
        QDate expected;
    } cases[] = {
        {u"2014/05/01"_s, Today, QDate(2014, 5, 1)},
        {u"2014/5/1"_s, Today, QDate(2014, 5, 1)},
        {u" 2014/5/1 "_s, Today, QDate(2014, 5, 1)},
        {u"2014 / 5 / 1"_s, Today, QDate(2014, 5, 1)},
        {u"2016/2/29"_s, Today, QDate(2016, 2, 29)},
        // one or two digits: the hundred years from 50 years before today
        {u"14/5/1"_s, Today, QDate(2014, 5, 1)},
        {u"4/5/1"_s, Today, QDate(2004, 5, 1)},
        {u"76/1/1"_s, Today, QDate(1976, 1, 1)},
        {u"75/1/1"_s, Today, QDate(2075, 1, 1)},
        {u"14/5/1"_s, QDate(2070, 1, 1), QDate(2114, 5, 1)},
        {u"99/5/1"_s, QDate(2000, 1, 1), QDate(1999, 5, 1)},
        // three or four digits: as written
        {u"100/1/1"_s, Today, QDate(100, 1, 1)},
        {u"0100/1/1"_s, Today, QDate(100, 1, 1)},
        {u"9999/12/31"_s, Today, QDate(9999, 12, 31)},
        // month and day alone: today's year
        {u"5/1"_s, Today, QDate(2026, 5, 1)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseStoredDate(c.text, c.today), c.expected) << c.text.toStdString();
}

TEST(StoredDate, RefusesWhatIsNotADate) {
    const QString cases[] = {
        u""_s,           u"   "_s,        u"abc"_s,       u"2014"_s,           u"2014/02/30"_s,
        u"2014/13/1"_s,  u"2014/0/1"_s,   u"2014/5/0"_s,  u"0099/1/1"_s,       u"099/1/1"_s,
        u"10000/1/1"_s,  u"2014-05-01"_s, u"2014/5/"_s,   u"2014/5/1/"_s,      u"2014/5/1/2"_s,
        u"2014/005/1"_s, u"2014/５/1"_s,  u"2014/5/1x"_s, u"2014/5/1 12:00"_s, u"2014/5/\u30001"_s,
    };
    for (const QString& text : cases) {
        try {
            parseStoredDate(text, Today);
            ADD_FAILURE() << "accepted " << text.toStdString();
        } catch (const AppError& error) {
            EXPECT_EQ(error.message(), errors::dateConversion(text).message());
        }
    }
}

TEST(StoredDate, ReadsBackWhatItWrites) {
    for (const QDate& date : {QDate(100, 1, 1), QDate(1999, 12, 31), QDate(2014, 5, 1), QDate(9999, 12, 31)})
        EXPECT_EQ(parseStoredDate(formatStoredDate(date), Today), date);
}
