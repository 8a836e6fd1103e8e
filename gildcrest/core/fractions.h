#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace gildcrest {

// Share prices quoted in dollars and thirty-seconds of a dollar: index k
// stands for k/32, written in lowest terms ("0", "1/32", "1/16", ... "31/32").
inline constexpr int kFractionCount = 32;
inline constexpr int kDefaultFractionIndex = 8; // "1/4"

QString fractionText(int index);
double fractionValue(int index);
// All 32 texts in index order, as the drop-down list and the radio group offer them.
QStringList fractionTexts();

// The value of a fraction text, matched exactly (no trimming, no reducing:
// "2/32" and " 1/4" are not in the table). A text that is not in the table
// adds nothing: it is worth 0, so a half-typed or foreign fraction never
// stops a recalculation.
double getDecimal(QStringView text);

// The chart step: whole dollars plus the fraction. Throws
// common::ArithmeticFault when the dollars are not a finite number.
double spreadIncrement(double wholeDollars, QStringView fraction);

} // namespace gildcrest
