#pragma once

#include "locale_record.h"

#include <QDateTime>
#include <QString>

namespace common {

// A moment in the locale's short date format, a blank, and its long time
// format ("12/11/26 2:05:09 PM" for en_US).
QString shortDateLongTimeText(const QDateTime& moment, const LocaleRecord& locale);

} // namespace common
