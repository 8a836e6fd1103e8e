#pragma once

#include <QString>

// Every web page and e-mail address that the programs open, in one table.
namespace common {

// A host under the reserved .example domain: it belongs to no third party.
inline constexpr char16_t kMakerHost[] = u"www.quintmoor.example";
inline constexpr char16_t kSupportEmail[] = u"support@quintmoor.example";
inline constexpr char16_t kSuggestionEmail[] = u"suggestions@quintmoor.example";

enum class Link {
    Home,
    Freeware,
    Suggest,
    EmailSupport,
    EmailSuggest,
    Oxbrindle,
    Pellavine,
    Marrowby,
    Brackenly,
    BrackenlySetup,
};

// The address of `link` as it is handed to the desktop.
inline QString linkAddress(Link link)
{
    const QString host = QString::fromUtf16(kMakerHost);
    const QString site = QStringLiteral("https://") + host;
    switch (link) {
    case Link::Home:
        return site + QLatin1Char('/');
    case Link::Freeware:
        return site + QStringLiteral("/freeware.htm");
    case Link::Suggest:
        return site + QStringLiteral("/suggest.htm");
    case Link::EmailSupport:
        return QStringLiteral("mailto:") + QString::fromUtf16(kSupportEmail);
    case Link::EmailSuggest:
        return QStringLiteral("mailto:") + QString::fromUtf16(kSuggestionEmail);
    case Link::Oxbrindle:
        return site + QStringLiteral("/Oxbrindle/Oxbrindle.htm");
    case Link::Pellavine:
        return site + QStringLiteral("/Pellavine.htm");
    // The two download addresses are kept as host and path alone, the way
    // fernwick has always given them; the opener reads an address without a
    // scheme as a web address.
    case Link::Marrowby:
        return host + QStringLiteral("/Marrowby.htm");
    case Link::Brackenly:
        return site + QStringLiteral("/Brackenly/Brackenly.htm");
    case Link::BrackenlySetup:
        return host + QStringLiteral("/Brackenly/BrackenlySetup.exe");
    }
    return {};
}

} // namespace common
