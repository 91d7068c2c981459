#include "core/amount.h"

#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr int AmountDecimals = 4;
// 19 digits always fit an unsigned 64-bit integer; more never fit a signed one.
constexpr qsizetype MaxMagnitudeDigits = 19;
constexpr quint64 MaxPositive = quint64(std::numeric_limits<qint64>::max());

bool isAsciiDigit(int c) {
    return c >= u'0' && c <= u'9';
}

// The syntax of an amount, with the digits of its mantissa kept as text so nothing is rounded
// before the final step.
struct AmountText {
    bool negative = false;
    QByteArray digits; // integer and fraction digits together
    qsizetype fractionDigits = 0;
    int exponent = 0;
};

std::optional<AmountText> scanAmount(const QString& text) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    // -1 past the end, so a NUL inside the text is just another foreign character.
    const auto at = [&](qsizetype k) { return k < n ? int(text[k].unicode()) : -1; };
    const auto skipSpaces = [&] {
        while (at(i) == u' ')
            ++i;
    };

    AmountText result;
    skipSpaces();
    if (at(i) == u'+' || at(i) == u'-')
        result.negative = at(i++) == u'-';

    bool mantissaSeen = false;
    while (isAsciiDigit(at(i))) {
        result.digits.append(char(at(i++)));
        mantissaSeen = true;
    }
    if (at(i) == u'.') {
        ++i;
        mantissaSeen = true;
        while (isAsciiDigit(at(i))) {
            result.digits.append(char(at(i++)));
            ++result.fractionDigits;
        }
    }
    if (!mantissaSeen)
        return std::nullopt;

    if (at(i) == u'e' || at(i) == u'E') {
        ++i;
        bool exponentNegative = false;
        if (at(i) == u'+' || at(i) == u'-')
            exponentNegative = at(i++) == u'-';
        // Digits are read only while the exponent is below 500; a further digit stays unread and
        // so fails the end-of-text rule.
        bool exponentSeen = false;
        while (isAsciiDigit(at(i)) && result.exponent < 500) {
            result.exponent = result.exponent * 10 + (at(i++) - u'0');
            exponentSeen = true;
        }
        if (!exponentSeen)
            return std::nullopt;
        if (exponentNegative)
            result.exponent = -result.exponent;
    }

    skipSpaces();
    if (i != n)
        return std::nullopt;
    return result;
}

// digits × 10^scale rounded half to even to an integer, or nothing when it exceeds `limit`.
std::optional<quint64> roundScaled(QByteArray digits, qsizetype scale, quint64 limit) {
    qsizetype lead = 0;
    while (lead < digits.size() && digits[lead] == '0')
        ++lead;
    digits.remove(0, lead);
    if (digits.isEmpty())
        return 0;

    QByteArray whole;
    QByteArray rest;
    if (scale >= 0) {
        if (digits.size() + scale > MaxMagnitudeDigits)
            return std::nullopt;
        whole = digits + QByteArray(scale, '0');
    } else {
        const qsizetype cut = -scale;
        if (cut > digits.size())
            return 0; // below a tenth of a unit
        whole = digits.left(digits.size() - cut);
        rest = digits.right(cut);
    }
    if (whole.size() > MaxMagnitudeDigits)
        return std::nullopt;

    quint64 magnitude = 0;
    for (char c : whole)
        magnitude = magnitude * 10 + quint64(c - '0');
    if (!rest.isEmpty()) {
        const bool tailIsZero = rest.mid(1).count('0') == rest.size() - 1;
        const bool aboveHalf = rest[0] > '5' || (rest[0] == '5' && !tailIsZero);
        const bool exactHalf = rest[0] == '5' && tailIsZero;
        if (aboveHalf || (exactHalf && magnitude % 2 != 0))
            ++magnitude;
    }
    if (magnitude > limit)
        return std::nullopt;
    return magnitude;
}

// The magnitude of ten-thousandths rounded half to even to whole units. Unsigned, so the most
// negative value of any width has a magnitude too.
template <class Unsigned> Unsigned roundedWholeMagnitude(Unsigned magnitude) {
    Unsigned whole = magnitude / UnitsPerWhole;
    const Unsigned rest = magnitude % UnitsPerWhole;
    const Unsigned half = UnitsPerWhole / 2;
    if (rest > half || (rest == half && whole % 2 != 0))
        ++whole;
    return whole;
}

// The display form of ten-thousandths of any width: rounded half to even, grouped by three.
template <class Signed, class Unsigned> QString displayForm(Signed value) {
    const bool negative = value < 0;
    // Negated as unsigned, which is defined for the most negative value as well.
    const Unsigned magnitude = negative ? Unsigned(0) - Unsigned(value) : Unsigned(value);
    Unsigned whole = roundedWholeMagnitude(magnitude);
    QString digits;
    do {
        digits.prepend(QChar(u'0' + int(whole % 10)));
        whole /= 10;
    } while (whole != 0);
    return groupThousands(digits, negative && digits != u"0"_s);
}

} // namespace

std::optional<Amount> ParseAmount(const QString& text) {
    const std::optional<AmountText> scanned = scanAmount(text);
    if (!scanned)
        return std::nullopt;
    const qsizetype scale = qsizetype(scanned->exponent) - scanned->fractionDigits + AmountDecimals;
    // The most negative amount has one unit more than the most positive.
    const quint64 limit = scanned->negative ? MaxPositive + 1 : MaxPositive;
    const std::optional<quint64> magnitude = roundScaled(scanned->digits, scale, limit);
    if (!magnitude)
        return std::nullopt;
    if (!scanned->negative)
        return Amount(*magnitude);
    if (*magnitude == MaxPositive + 1)
        return std::numeric_limits<Amount>::min();
    return -Amount(*magnitude);
}

QString formatStorage(Amount value) {
    const bool negative = value < 0;
    const quint64 whole = roundedWholeMagnitude(negative ? quint64(0) - quint64(value) : quint64(value));
    // A whole number of the most negative amount's size fits: it is 10000 times smaller.
    return QString::number(negative ? -qint64(whole) : qint64(whole));
}

QString groupThousands(QStringView digits, bool negative) {
    QString result;
    result.reserve(digits.size() + digits.size() / 3 + 1);
    if (negative)
        result += u'-';
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            result += u',';
        result += digits[i];
    }
    return result;
}

QString formatDisplay(Amount value) {
    return displayForm<Amount, quint64>(value);
}

QString formatDifferenceDisplay(AmountDifference value) {
    return displayForm<AmountDifference, unsigned __int128>(value);
}

std::optional<Amount> readAmountText(const QString& fieldText) {
    QString working = fieldText;
    working.remove(u',');
    const std::optional<Amount> value = ParseAmount(working);
    // Within a half of either end of the range, the whole number lies beyond it and would read back
    // as no amount at all: refused as out of range.
    if (!value || !ParseAmount(formatStorage(*value)))
        return std::nullopt;
    return value;
}

QString FormatPriceText(const QString& stored) {
    if (stored.isEmpty())
        return stored;
    const std::optional<Amount> value = readAmountText(stored);
    return value ? formatDisplay(*value) : stored;
}

std::optional<QString> checkAmountText(const QString& fieldText) {
    if (fieldText.isEmpty())
        return QString();
    const std::optional<Amount> value = readAmountText(fieldText);
    if (!value)
        return std::nullopt;
    return formatStorage(*value);
}
