#include "picture_format.h"

#include "decimal_rounding.h"
#include "faults.h"
#include "text_formats.h"

#include <cmath>

namespace common {

namespace {

// Beyond this many integer digits a value is shown in scientific form, as in
// the printed reports, rather than as a long run of digits.
constexpr int kLongestFixedInteger = 10;

QString groupedDigits(const QString& integerDigits, const QString& separator)
{
    QString text;
    const qsizetype count = integerDigits.size();
    for (qsizetype i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0)
            text += separator;
        text += integerDigits[i];
    }
    return text;
}

} // namespace

Picture parsePicture(QStringView pattern)
{
    Picture picture;
    picture.width = int(pattern.size());
    bool afterPoint = false;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('$'))
            picture.currency = true;
        else if (c == QLatin1Char(','))
            picture.grouped = true;
        else if (c == QLatin1Char('.'))
            afterPoint = true;
        else if (c == QLatin1Char('#'))
            ++(afterPoint ? picture.decimals : picture.integerDigits);
    }
    return picture;
}

QString pictureText(double value, const Picture& picture, const LocaleRecord& locale)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const RoundedDecimal rounded = roundHalfAwayFromZero(value, kUnlimitedDigits, picture.decimals);
    const bool negative = rounded.negative && !rounded.isZero();
    const QString sign = negative ? QStringLiteral("-") : QString();
    const QString symbol = picture.currency ? locale.currencySymbol : QString();

    if (!rounded.isZero() && rounded.leadingExponent() >= kLongestFixedInteger)
        return sign + symbol + generalNumberText(std::fabs(value), locale, kLongestFixedInteger);

    // The plain digits with the picture's decimals, then grouped.
    const QString plain = numericFieldText(std::fabs(value), picture.decimals, locale);
    QString integerPart = plain;
    QString fractionPart;
    if (picture.decimals > 0) {
        const qsizetype point = plain.size() - picture.decimals - locale.decimalSeparator.size();
        integerPart = plain.left(point);
        fractionPart = plain.mid(point);
    }
    if (picture.grouped)
        integerPart = groupedDigits(integerPart, locale.thousandsSeparator);

    const QString text = sign + symbol + integerPart + fractionPart;
    return text.size() < picture.width ? text.rightJustified(picture.width, QLatin1Char(' ')) : text;
}

double pictureValue(QStringView text, const Picture& picture, const LocaleRecord& locale)
{
    QString plain = text.toString();
    if (picture.currency && !locale.currencySymbol.isEmpty())
        plain.remove(locale.currencySymbol);
    if (picture.grouped && !locale.thousandsSeparator.isEmpty())
        plain.remove(locale.thousandsSeparator);
    plain.remove(QLatin1Char(' '));
    if (plain.isEmpty())
        return 0.0;
    return parseNumberText(plain, locale);
}

} // namespace common
