#pragma once

// The maker's web site and e-mail addresses.
#include "web_addresses.h"

#include <QString>

// The maker of both programs, as the programs name it.
namespace common {

inline constexpr char16_t kMakerName[] = u"Quintmoor Software, LLC";
inline constexpr char16_t kRightsReserved[] = u"All rights reserved.";

// The notice line of the about boxes and printed reports.
inline QString copyrightNotice()
{
    return QStringLiteral("Copyright \u00a9 2000 ") + QString::fromUtf16(kMakerName);
}

} // namespace common
