#pragma once

#include "locale_record.h"

#include <QString>
#include <QStringView>

namespace fernwick {

// The three inputs remembered from one run to the next.
struct LastValues {
    double cash;
    double interest;
    double investmentReturn;
};

inline constexpr QStringView kSettingsFileName = u"Fernwick.ini";
inline constexpr QStringView kLastValuesSection = u"LastValues";
inline constexpr QStringView kCashKey = u"Cash";
inline constexpr QStringView kInterestKey = u"Interest";
inline constexpr QStringView kReturnKey = u"Return";

// Reads the values saved in the settings file at iniPath; a missing file,
// section or key reads as 0. Throws common::ConversionError (or
// common::ArithmeticFault for a number beyond a double's range) when a
// stored text is not a number under the locale's rules, and then hands
// over none of the values.
LastValues readLastValues(const QString& iniPath, const common::LocaleRecord& locale);

// Writes the values as the shortest decimal text with the locale's decimal
// separator, keeping everything else in the file. The file is replaced in
// one step, so on any failure it still holds all of the old values.
// Throws common::ProfileWriteError when the file cannot be written and
// common::ArithmeticFault for a value that is not a finite number (it could
// never be read back).
void saveLastValues(const QString& iniPath, const LastValues& values, const common::LocaleRecord& locale);

} // namespace fernwick
