#include "core/dates.h"

#include "core/apperror.h"

using namespace Qt::StringLiterals;

namespace {

// A year written with one or two digits lies in the hundred years that start 50 years before today.
constexpr int TwoDigitYearWindow = 50;
constexpr int MaxYearDigits = 4;
constexpr int MaxMonthDayDigits = 2;

struct DateNumber {
    int value = 0;
    int digits = 0;
};

int expandShortYear(int year, int todayYear) {
    const int windowStart = todayYear - TwoDigitYearWindow;
    year += windowStart / 100 * 100;
    if (year < windowStart)
        year += 100;
    return year;
}

} // namespace

QString formatStoredDate(const QDate& date) {
    if (!date.isValid())
        return QString();
    const QChar zero = u'0';
    return u"%1/%2/%3"_s.arg(date.year(), 4, 10, zero)
        .arg(date.month(), 2, 10, zero)
        .arg(date.day(), 2, 10, zero);
}

QDate parseStoredDate(QStringView text, const QDate& today) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    const auto skipSpaces = [&] {
        while (i < n && text[i] == u' ')
            ++i;
    };
    const auto readNumber = [&](DateNumber& number) {
        skipSpaces();
        number = {};
        while (i < n && text[i] >= u'0' && text[i] <= u'9') {
            if (++number.digits > MaxYearDigits)
                return false;
            number.value = number.value * 10 + (text[i].unicode() - u'0');
            ++i;
        }
        return number.digits > 0;
    };

    // Two parts are month and day of today's year, three are year, month and day.
    DateNumber parts[3];
    int count = 0;
    while (true) {
        if (!readNumber(parts[count]))
            throw errors::dateConversion(text.toString());
        ++count;
        skipSpaces();
        if (count == 3 || i == n || text[i] != u'/')
            break;
        ++i;
    }
    skipSpaces();
    if (i != n || count < 2)
        throw errors::dateConversion(text.toString());

    // Today's year is asked for only when the date needs it: working it out is most of a parse.
    int year = 0;
    const DateNumber* monthDay = parts;
    if (count == 3) {
        year = parts[0].digits <= 2 ? expandShortYear(parts[0].value, today.year()) : parts[0].value;
        monthDay = parts + 1;
    } else {
        year = today.year();
    }
    if (monthDay[0].digits > MaxMonthDayDigits || monthDay[1].digits > MaxMonthDayDigits)
        throw errors::dateConversion(text.toString());
    const QDate date(year, monthDay[0].value, monthDay[1].value);
    if (!date.isValid() || year < MinDateYear || year > MaxDateYear)
        throw errors::dateConversion(text.toString());
    return date;
}
