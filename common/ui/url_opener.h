#pragma once

#include <initializer_list>
#include <utility>

#include "web_addresses.h"

#include <QString>

class QObject;
class QUrl;

namespace common {

// What the programs ask of the desktop to open an address. A test puts a
// recorder in its place, so that no browser or e-mail program starts.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Opens `url` in the user's web browser or e-mail program; false when
    // the desktop could not.
    virtual bool open(const QUrl& url) = 0;
    // The default warning beep.
    virtual void beep() = 0;
};

// Puts `opener` in the desktop's place; nullptr returns to the desktop.
void setUrlOpener(UrlOpener* opener);

// The longest address text that is handed to the desktop.
inline constexpr int kMaxAddressLength = 1023;

// Opens a web page or a new e-mail message (a mailto: address). An address
// of host and path alone is a web address. An address that cannot be
// opened gives the warning beep and nothing else.
void openAddress(const QString& address);

// Opens the address of `link`.
void openLink(Link link);

// Makes each named menu entry of `window` open its link, through the guard.
void connectLinkCommands(QObject* window, std::initializer_list<std::pair<const char*, Link>> commands);

} // namespace common
