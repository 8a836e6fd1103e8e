#pragma once

#include "locale_record.h"

#include <QString>
#include <QStringView>

namespace common {

// Money in the chart and on paper: rounded once to the lesser of 10
// significant digits and 2 decimals, written with the locale's currency
// patterns; from 10,000,000,000 on it falls back to generalNumberText with
// 10 significant digits. A negative amount that rounds to zero is zero.
QString currencyText(double amount, const LocaleRecord& locale);

// Entry and result fields: a plain decimal with exactly `decimals` (0 to 9)
// decimals, no grouping, a leading minus for negatives.
QString numericFieldText(double value, int decimals, const LocaleRecord& locale);

// The shortest form with at most `precision` significant digits and no
// trailing zeros; scientific ("1.23456789E10", "1E-6") when the integer
// part has more than `precision` digits or the value is below 0.00001.
QString generalNumberText(double value, const LocaleRecord& locale, int precision = 15);

// Grouped number with fixed decimals, rounded once to the lesser of 10
// significant digits and `decimals` (999.9999 with 3 decimals: 1,000.000).
QString groupedNumberText(double value, int decimals, const LocaleRecord& locale);

// Reads a number typed or stored as text under the locale's rules:
// optional blanks around it, an optional sign, digits with at most one
// decimal separator, an optional exponent. No grouping separators.
// Throws ConversionError for anything else, ArithmeticFault for a number
// beyond the range of a double; one too small for it reads as zero.
double parseNumberText(QStringView text, const LocaleRecord& locale);

// Texts for NaN and the infinities, for the formats that are handed one.
QString nonFiniteText(double value);

} // namespace common
