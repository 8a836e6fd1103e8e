#include "last_values.h"

#include "faults.h"
#include "profile_file.h"
#include "text_formats.h"

namespace fernwick {

namespace {

const QString kMissingValueText = QStringLiteral("0");

void writeValue(common::ProfileFile& file, QStringView key, double value, const common::LocaleRecord& locale)
{
    file.writeString(kLastValuesSection, key, common::generalNumberText(common::checkedAmount(value), locale));
}

} // namespace

LastValues readLastValues(const QString& iniPath, const common::LocaleRecord& locale)
{
    const common::ProfileFile file(iniPath);
    const auto valueOf = [&](QStringView key) {
        return common::parseNumberText(file.readString(kLastValuesSection, key, kMissingValueText), locale);
    };
    // A braced list is evaluated left to right: Cash, Interest, Return.
    return LastValues{valueOf(kCashKey), valueOf(kInterestKey), valueOf(kReturnKey)};
}

void saveLastValues(const QString& iniPath, const LastValues& values, const common::LocaleRecord& locale)
{
    common::ProfileFile file(iniPath);
    writeValue(file, kCashKey, values.cash, locale);
    writeValue(file, kInterestKey, values.interest, locale);
    writeValue(file, kReturnKey, values.investmentReturn, locale);
    file.save();
}

} // namespace fernwick
