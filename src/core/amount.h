// Amounts: signed fixed-point numbers with four decimal places, held as a 64-bit count of
// ten-thousandths. Parsing and the two text forms (storage "0", display "#,##0").
#pragma once

#include <QString>
#include <optional>

using Amount = qint64; // ten-thousandths
// Ten-thousandths in one whole unit.
inline constexpr Amount UnitsPerWhole = 10000;
// Two amounts apart span up to twice the amount's range, which only a wider integer holds exactly.
using AmountDifference = __int128;

// The amount a text denotes, or nothing. Spaces around it, a sign, digits with an optional "."
// part, an optional exponent; the value rounded half-to-even to ten-thousandths must fit 64 bits.
std::optional<Amount> ParseAmount(const QString& text);

// Whole-number forms, rounding a half to the even neighbour.
QString formatStorage(Amount value); // "0": 1980, -1500
QString formatDisplay(Amount value); // "#,##0": 1,980, -1,500
// The display form "#,##0" of a difference between two amounts.
QString formatDifferenceDisplay(AmountDifference value);

// The amount of a price field's text, commas dropped wherever they stand, or nothing when it is no
// amount or its whole number (the storage form) lies beyond the range. The one amount check of the
// window's price fields and of the companion.
std::optional<Amount> readAmountText(const QString& fieldText);

// The display form of a stored price text; a text the amount check refuses is shown as it stands,
// so that an update refuses it instead of storing an empty price.
QString FormatPriceText(const QString& stored);

// The amount check of a price field: the text the field is rewritten to (storage form; an empty
// field stays empty), or nothing when the text is refused.
std::optional<QString> checkAmountText(const QString& fieldText);

// Digits of a whole number grouped by three with ",", after a "-" when negative.
QString groupThousands(QStringView digits, bool negative);
