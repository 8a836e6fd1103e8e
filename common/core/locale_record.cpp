#include "locale_record.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <unicode/dcfmtsym.h>
#include <unicode/decimfmt.h>
#include <unicode/locid.h>
#include <unicode/numfmt.h>

namespace common {

namespace {

QString toQString(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

bool isNumberPatternChar(QChar c)
{
    return c == QLatin1Char('#') || c == QLatin1Char('0') || c == QLatin1Char(',')
           || c == QLatin1Char('.') || c.isDigit();
}

// Turns one ICU sub-pattern such as "¤#,##0.00" or "(¤#,##0.00)" into our
// template "¤#" / "(¤#)": the number part collapses to '#', quoted literals
// lose their quotes and '-' becomes the locale's minus sign.
QString templateFromSubpattern(const QString& subpattern, const QString& minusSign)
{
    QString result;
    bool inQuote = false;
    bool numberWritten = false;
    for (qsizetype i = 0; i < subpattern.size(); ++i) {
        const QChar c = subpattern[i];
        if (c == QLatin1Char('\'')) {
            if (i + 1 < subpattern.size() && subpattern[i + 1] == QLatin1Char('\'')) {
                result += c;
                ++i;
            } else {
                inQuote = !inQuote;
            }
        } else if (inQuote) {
            result += c;
        } else if (isNumberPatternChar(c)) {
            if (!numberWritten)
                result += kAmountSlot;
            numberWritten = true;
        } else if (c == QLatin1Char('-')) {
            result += minusSign;
        } else {
            result += c;
        }
    }
    return result;
}

// The locale name of one POSIX locale variable: "de_DE.UTF-8@euro" -> "de_DE".
QByteArray localeNameFromEnvironment()
{
    for (const char* variable : {"LC_ALL", "LC_MONETARY", "LC_NUMERIC", "LANG"}) {
        QByteArray value = qgetenv(variable);
        if (value.isEmpty())
            continue;
        for (const char marker : {'.', '@'}) {
            const qsizetype at = value.indexOf(marker);
            if (at >= 0)
                value.truncate(at);
        }
        if (value == "C" || value == "POSIX")
            return "en_US";
        return value;
    }
    return "en_US";
}

} // namespace

LocaleRecord localeRecordFor(const char* icuLocaleName)
{
    const icu::Locale locale(icuLocaleName);
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::NumberFormat> format(
        icu::NumberFormat::createInstance(locale, UNUM_CURRENCY_ACCOUNTING, status));
    auto* decimal = dynamic_cast<icu::DecimalFormat*>(format.get());

    LocaleRecord record;
    record.name = QString::fromLatin1(icuLocaleName);
    const icu::DecimalFormatSymbols fallbackSymbols(locale, status);
    const icu::DecimalFormatSymbols& symbols =
        decimal ? *decimal->getDecimalFormatSymbols() : fallbackSymbols;
    record.decimalSeparator =
        toQString(symbols.getSymbol(icu::DecimalFormatSymbols::kMonetarySeparatorSymbol));
    record.thousandsSeparator =
        toQString(symbols.getSymbol(icu::DecimalFormatSymbols::kMonetaryGroupingSeparatorSymbol));
    record.currencySymbol =
        toQString(symbols.getSymbol(icu::DecimalFormatSymbols::kCurrencySymbol));
    record.minusSign = toQString(symbols.getSymbol(icu::DecimalFormatSymbols::kMinusSignSymbol));

    QString pattern = QStringLiteral("\u00A4#,##0.00");
    if (decimal) {
        icu::UnicodeString icuPattern;
        decimal->toPattern(icuPattern);
        pattern = toQString(icuPattern);
    }
    const qsizetype split = pattern.indexOf(QLatin1Char(';'));
    record.positiveCurrencyPattern = templateFromSubpattern(pattern.left(split), record.minusSign);
    record.negativeCurrencyPattern = split >= 0
        ? templateFromSubpattern(pattern.mid(split + 1), record.minusSign)
        : record.minusSign + record.positiveCurrencyPattern;
    return record;
}

LocaleRecord systemLocaleRecord()
{
    return localeRecordFor(localeNameFromEnvironment().constData());
}

} // namespace common
