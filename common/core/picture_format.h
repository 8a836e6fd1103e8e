#pragma once

#include "locale_record.h"

#include <QString>
#include <QStringView>

namespace common {

// A numeric picture: '$' the locale's currency symbol, floating just before
// the first digit; '#' a digit; ',' the grouping separator; '.' the decimal
// separator. The text is right-aligned and blank-filled to the picture's width.
struct Picture {
    int width = 0;
    int integerDigits = 0;
    int decimals = 0;
    bool grouped = false;
    bool currency = false;
};

inline constexpr QStringView kCashPicture = u"$#,###,###.##";
inline constexpr QStringView kRatePicture = u"###.####";

Picture parsePicture(QStringView pattern);

// What a field with this picture shows for a value: rounded half away from
// zero to the picture's decimals, a minus sign before the currency symbol.
// A value with more integer digits than the picture holds is never cut:
// it is shown in the same form with all its integer digits (wider than the
// picture), and from 10,000,000,000 on in general scientific form with 10
// significant digits, as the printed reports show such amounts.
QString pictureText(double value, const Picture& picture, const LocaleRecord& locale);

// The value of a picture text as it is shown: blanks, the currency symbol
// and grouping separators are skipped; an empty field is zero.
// Throws ConversionError for a text that is not a number.
double pictureValue(QStringView text, const Picture& picture, const LocaleRecord& locale);

} // namespace common
