#pragma once

// Fixtures for the tests of whole windows: what the user would have been
// shown or what the desktop would have opened, recorded instead.

#include "message_seam.h"
#include "url_opener.h"

#include <QApplication>
#include <QList>
#include <QStringList>
#include <QUrl>
#include <QWidget>

namespace testsupport {

class MessageRecorder final : public common::MessageSeam {
public:
    void information(QWidget*, const QString& text) override { texts << text; }
    QStringList texts;
};

// Records what the desktop would have opened; desktopSucceeds = false makes
// it fail the way a desktop without a browser does.
class AddressRecorder final : public common::UrlOpener {
public:
    bool open(const QUrl& url) override
    {
        opened << url;
        return desktopSucceeds;
    }
    void beep() override { ++beeps; }

    QList<QUrl> opened;
    int beeps = 0;
    bool desktopSucceeds = true;
};

inline QWidget* topLevelWindowTitled(const QString& title)
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->windowTitle() == title)
            return top;
    return nullptr;
}

} // namespace testsupport
