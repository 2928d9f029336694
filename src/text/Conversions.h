#pragma once

#include "FormatSettings.h"

#include <QDate>
#include <QString>

#include <optional>

namespace ravik {

// Day count from 30 December 1899; the fraction is the time of day.
double dateToValue(QDate date);
// The calendar day of a date value (whole part, as the day count runs).
QDate valueToDate(double value);

// Text to date by the short date format. Throws ConvertError "'%s' is not a valid date".
// The two-digit year window and the two-number form use Clock::today().
QDate strToDate(const QString& text, const FormatSettings& fs);
// Date to text by the short date format.
QString dateToStr(QDate date, const FormatSettings& fs);

// Throws ConvertError "'%s' is not a valid integer value".
int strToInt(const QString& text);

// General number format: at most 15 significant digits, no thousands separator.
QString floatToStr(double value, const FormatSettings& fs);
// Reads a number: blanks around, sign, digits, decimal separator, exponent. Empty optional when
// the text is not a number (an empty text included).
std::optional<double> textToFloat(const QString& text, const FormatSettings& fs);

// Money as shown: currency string, thousands separators, currencyDecimals decimals.
QString formatCurrency(double value, const FormatSettings& fs);
// Money while being edited: plain fixed point with currencyDecimals decimals.
QString formatMoneyEdit(double value, const FormatSettings& fs);

// 'text' with each inner quote doubled.
QString quotedStr(const QString& text);

// Case folding for comparing names: Turkish I/ı and İ/i, other letters by their lower case.
QString foldTurkish(const QString& text);
QChar foldTurkish(QChar c);

} // namespace ravik
