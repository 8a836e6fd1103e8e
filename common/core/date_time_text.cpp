#include "date_time_text.h"

#include <unicode/smpdtfmt.h>

namespace common {

namespace {

QString formatWithPattern(const QString& pattern, const QString& localeName, UDate when)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString icuPattern(reinterpret_cast<const UChar*>(pattern.utf16()),
                                        int32_t(pattern.size()));
    icu::SimpleDateFormat format(icuPattern, icu::Locale(localeName.toLatin1().constData()), status);
    if (U_FAILURE(status))
        return {};
    icu::UnicodeString text;
    format.format(when, text);
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

} // namespace

QString shortDateLongTimeText(const QDateTime& moment, const LocaleRecord& locale)
{
    // ICU formats in its default time zone, which is the system's, as is QDateTime's local time.
    const auto when = UDate(moment.toMSecsSinceEpoch());
    return formatWithPattern(locale.shortDateFormat, locale.name, when) + QLatin1Char(' ')
           + formatWithPattern(locale.longTimeFormat, locale.name, when);
}

} // namespace common
