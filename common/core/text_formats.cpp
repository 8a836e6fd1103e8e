#include "text_formats.h"

#include "decimal_rounding.h"
#include "faults.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace common {

namespace {

// The 10 significant digits that the currency and number formats keep.
constexpr int kDisplayPrecision = 10;
// Values below this switch the general format to scientific notation.
constexpr int kSmallestFixedExponent = -5;

// Digits of a rounded value with exactly `decimals` decimals.
struct FixedParts {
    std::string integer;
    std::string fraction;
};

FixedParts fixedParts(const RoundedDecimal& rounded, int decimals)
{
    std::string digits = rounded.digits;
    if (rounded.decimals < 0)
        digits.append(std::size_t(-rounded.decimals), '0');
    const int shownDecimals = std::max(rounded.decimals, 0);
    if (int(digits.size()) <= shownDecimals)
        digits.insert(0, std::size_t(shownDecimals - int(digits.size()) + 1), '0');
    FixedParts parts;
    parts.integer = digits.substr(0, digits.size() - std::size_t(shownDecimals));
    parts.fraction = digits.substr(digits.size() - std::size_t(shownDecimals));
    parts.fraction.append(std::size_t(decimals - shownDecimals), '0');
    return parts;
}

// Appends the digits with exactly `decimals` decimals, grouped when a
// separator is given. Written straight into the caller's text: this runs 71
// times on every keystroke in the stock calculator.
void appendFixed(QString& text, const RoundedDecimal& rounded, int decimals, const QString& groupSeparator,
                 const QString& decimalSeparator)
{
    const FixedParts parts = fixedParts(rounded, decimals);
    const int count = int(parts.integer.size());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0)
            text += groupSeparator;
        text += QLatin1Char(parts.integer[std::size_t(i)]);
    }
    if (decimals > 0) {
        text += decimalSeparator;
        text += QLatin1String(parts.fraction.data(), qsizetype(parts.fraction.size()));
    }
}

// The integer part of a rounded value has more digits than `limit`.
bool exceedsIntegerDigits(const RoundedDecimal& rounded, int limit)
{
    return !rounded.isZero() && rounded.leadingExponent() >= limit;
}

} // namespace

QString nonFiniteText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

QString currencyText(double amount, const LocaleRecord& locale)
{
    if (!std::isfinite(amount))
        return nonFiniteText(amount);
    const RoundedDecimal rounded = roundHalfAwayFromZero(amount, kDisplayPrecision, 2);
    if (exceedsIntegerDigits(rounded, kDisplayPrecision))
        return generalNumberText(amount, locale, kDisplayPrecision);
    const bool negative = rounded.negative && !rounded.isZero();
    const QString& pattern = negative ? locale.negativeCurrencyPattern : locale.positiveCurrencyPattern;
    QString text;
    text.reserve(pattern.size() + locale.currencySymbol.size() + 20);
    for (const QChar c : pattern) {
        if (c == kCurrencySymbolSlot)
            text += locale.currencySymbol;
        else if (c == kAmountSlot)
            appendFixed(text, rounded, 2, locale.thousandsSeparator, locale.decimalSeparator);
        else
            text += c;
    }
    return text;
}

QString numericFieldText(double value, int decimals, const LocaleRecord& locale)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const RoundedDecimal rounded = roundHalfAwayFromZero(value, kUnlimitedDigits, decimals);
    QString text;
    if (rounded.negative && !rounded.isZero())
        text += QLatin1Char('-');
    appendFixed(text, rounded, decimals, QString(), locale.decimalSeparator);
    return text;
}

QString generalNumberText(double value, const LocaleRecord& locale, int precision)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    RoundedDecimal rounded = roundHalfAwayFromZero(value, precision, kUnlimitedDigits);
    if (rounded.isZero())
        return QStringLiteral("0");

    std::string digits = rounded.digits;
    const int exponent = rounded.leadingExponent();
    digits.erase(digits.find_last_not_of('0') + 1);

    QString text;
    if (rounded.negative)
        text += QLatin1Char('-');
    if (exponent >= precision || exponent < kSmallestFixedExponent) {
        text += QLatin1Char(digits[0]);
        if (digits.size() > 1)
            text += locale.decimalSeparator + QString::fromLatin1(digits.substr(1));
        text += QLatin1Char('E') + QString::number(exponent);
        return text;
    }
    if (exponent < 0) {
        text += QLatin1Char('0') + locale.decimalSeparator
                + QString(-exponent - 1, QLatin1Char('0')) + QString::fromLatin1(digits);
        return text;
    }
    const std::size_t integerCount = std::size_t(exponent) + 1;
    if (digits.size() <= integerCount) {
        text += QString::fromLatin1(digits) + QString(int(integerCount - digits.size()), QLatin1Char('0'));
        return text;
    }
    text += QString::fromLatin1(digits.substr(0, integerCount)) + locale.decimalSeparator
            + QString::fromLatin1(digits.substr(integerCount));
    return text;
}

QString groupedNumberText(double value, int decimals, const LocaleRecord& locale)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const RoundedDecimal rounded = roundHalfAwayFromZero(value, kDisplayPrecision, decimals);
    if (exceedsIntegerDigits(rounded, kDisplayPrecision))
        return generalNumberText(value, locale, kDisplayPrecision);
    QString text;
    if (rounded.negative && !rounded.isZero())
        text += locale.minusSign;
    appendFixed(text, rounded, decimals, locale.thousandsSeparator, locale.decimalSeparator);
    return text;
}

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QChar(0x00A0);
}

[[noreturn]] void notANumber(QStringView text)
{
    throw ConversionError("'" + text.toString().toStdString() + "' is not a valid floating point value");
}

} // namespace

double parseNumberText(QStringView text, const LocaleRecord& locale)
{
    qsizetype pos = 0;
    qsizetype end = text.size();
    while (pos < end && isBlank(text[pos]))
        ++pos;
    while (end > pos && isBlank(text[end - 1]))
        --end;

    // Rebuilt in the C form that from_chars reads, checking the syntax on the way.
    std::string plain;
    plain.reserve(std::size_t(end - pos));
    if (pos < end && (text[pos] == QLatin1Char('+') || text[pos] == QLatin1Char('-'))) {
        if (text[pos] == QLatin1Char('-'))
            plain += '-';
        ++pos;
    }
    int mantissaDigits = 0;
    // Decimal exponent of the first significant digit, to tell overflow from underflow.
    long long magnitudeExponent = 0;
    bool seenSignificant = false;
    bool seenSeparator = false;
    while (pos < end) {
        const QChar c = text[pos];
        if (c.isDigit() && c.unicode() < 128) {
            plain += char(c.unicode());
            ++mantissaDigits;
            if (c != QLatin1Char('0'))
                seenSignificant = true;
            if (seenSeparator && !seenSignificant)
                --magnitudeExponent;
            else if (!seenSeparator && seenSignificant)
                ++magnitudeExponent;
            ++pos;
        } else if (!seenSeparator && !locale.decimalSeparator.isEmpty()
                   && text.sliced(pos).startsWith(locale.decimalSeparator)) {
            plain += '.';
            seenSeparator = true;
            pos += locale.decimalSeparator.size();
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        notANumber(text);

    long long exponent = 0;
    if (pos < end && (text[pos] == QLatin1Char('e') || text[pos] == QLatin1Char('E'))) {
        plain += 'e';
        ++pos;
        bool negativeExponent = false;
        if (pos < end && (text[pos] == QLatin1Char('+') || text[pos] == QLatin1Char('-'))) {
            negativeExponent = text[pos] == QLatin1Char('-');
            plain += char(text[pos].unicode());
            ++pos;
        }
        int exponentDigits = 0;
        while (pos < end && text[pos].isDigit() && text[pos].unicode() < 128) {
            plain += char(text[pos].unicode());
            if (exponent < 1'000'000'000)
                exponent = exponent * 10 + (text[pos].unicode() - '0');
            ++exponentDigits;
            ++pos;
        }
        if (exponentDigits == 0)
            notANumber(text);
        if (negativeExponent)
            exponent = -exponent;
    }
    if (pos != end)
        notANumber(text);

    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (seenSignificant && magnitudeExponent + exponent > 0)
            throw ArithmeticFault("Floating point overflow");
        return plain.front() == '-' ? -0.0 : 0.0;
    }
    if (ec != std::errc() || ptr != plain.data() + plain.size())
        notANumber(text);
    return value;
}

} // namespace common
