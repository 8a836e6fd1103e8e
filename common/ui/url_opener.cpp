#include "url_opener.h"

#include "app_frame.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

namespace common {

namespace {

class DesktopOpener final : public UrlOpener {
public:
    bool open(const QUrl& url) override { return QDesktopServices::openUrl(url); }
    void beep() override { QApplication::beep(); }
};

UrlOpener* current = nullptr;

UrlOpener& opener()
{
    static DesktopOpener desktop;
    return current ? *current : desktop;
}

// Without a scheme the desktop would take the text for a file name; an
// address of host and path alone means a page on the web.
QUrl urlOf(const QString& address)
{
    QUrl url(address, QUrl::StrictMode);
    if (url.isValid() && url.scheme().isEmpty())
        url = QUrl(QStringLiteral("https://") + address, QUrl::StrictMode);
    return url;
}

} // namespace

void setUrlOpener(UrlOpener* opener)
{
    current = opener;
}

void openAddress(const QString& address)
{
    const QUrl url = urlOf(address);
    const bool openable = address.size() <= kMaxAddressLength && url.isValid();
    if (!openable || !opener().open(url))
        opener().beep();
}

void openLink(Link link)
{
    openAddress(linkAddress(link));
}

void connectLinkCommands(QObject* window, std::initializer_list<std::pair<const char*, Link>> commands)
{
    AppFrame& frame = AppFrame::instance();
    for (const auto& [name, link] : commands)
        QObject::connect(window->findChild<QAction*>(QLatin1String(name)), &QAction::triggered, window,
                         frame.guarded([link] { openLink(link); }));
}

} // namespace common
