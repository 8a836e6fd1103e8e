#include "date_time_text.h"

#include <unicode/datefmt.h>

#include <memory>

namespace common {

namespace {

QString formatted(std::unique_ptr<icu::DateFormat> format, UDate when)
{
    if (!format)
        return {};
    icu::UnicodeString text;
    format->format(when, text);
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

} // namespace

// The date and time formats are looked up here rather than kept in the
// locale record: they serve the printed page only, and reading them costs
// every start of the program a few milliseconds.
QString shortDateLongTimeText(const QDateTime& moment, const LocaleRecord& locale)
{
    const icu::Locale icuLocale(locale.name.toLatin1().constData());
    // ICU formats in its default time zone, which is the system's, as is QDateTime's local time.
    const auto when = UDate(moment.toMSecsSinceEpoch());
    return formatted(std::unique_ptr<icu::DateFormat>(
                         icu::DateFormat::createDateInstance(icu::DateFormat::kShort, icuLocale)),
                     when)
           + QLatin1Char(' ')
           + formatted(std::unique_ptr<icu::DateFormat>(
                           icu::DateFormat::createTimeInstance(icu::DateFormat::kMedium, icuLocale)),
                       when);
}

} // namespace common
