#pragma once

#include <QString>

namespace common {

// The user's regional settings that the programs' texts depend on, read once
// at start-up and handed to every format as an argument, so that any locale
// can be used explicitly (tests, or a user who switches locale mid-session
// and expects the running program to stay consistent).
//
// The two currency patterns are templates: the character '¤' stands for the
// currency symbol and '#' for the amount's digits with separators, so
// "¤#" is $1,234.50 and "(¤#)" is ($1,234.50).
struct LocaleRecord {
    QString name;                    // ICU locale name, e.g. "en_US"
    QString decimalSeparator;
    QString thousandsSeparator;
    QString currencySymbol;
    QString positiveCurrencyPattern; // carries the symbol's position and spacing
    QString negativeCurrencyPattern;
    QString minusSign;
};

inline constexpr QChar kCurrencySymbolSlot = QChar(0x00A4);
inline constexpr QChar kAmountSlot = QLatin1Char('#');

// The record for an ICU locale name such as "en_US" or "de_DE".
LocaleRecord localeRecordFor(const char* icuLocaleName);

// The record of the user's regional settings (LC_ALL, LC_MONETARY, LANG ...);
// a C or POSIX locale means United States conventions.
LocaleRecord systemLocaleRecord();

} // namespace common
