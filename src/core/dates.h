// Dates of the notebook: written yyyy/MM/dd, read leniently as a locale date parser would.
#pragma once

#include <QDate>
#include <QString>

// Earliest and latest date a date picker holds.
inline constexpr int MinDateYear = 100;
inline constexpr int MaxDateYear = 9999;

// "2014/05/01"
QString formatStoredDate(const QDate& date);

// Reads "2014/05/01", "2014/5/1", "14/5/1" (a two-digit year lies within 50 years of `today`),
// with spaces around the numbers allowed. Throws errors::dateConversion for anything else,
// for a four-digit year below 100 and for dates a date picker cannot hold.
QDate parseStoredDate(QStringView text, const QDate& today);
