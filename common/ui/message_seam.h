#pragma once

#include <QString>

class QWidget;

namespace common {

// Every message box of the programs goes through here, so that a test can
// read what the user would see instead of blocking on a modal dialog.
class MessageSeam {
public:
    virtual ~MessageSeam() = default;
    // The information box: information icon, caption "Information", one OK
    // button, centred on the screen; returns when it is closed.
    virtual void information(QWidget* parent, const QString& text) = 0;
};

// The real boxes.
MessageSeam& screenMessages();

} // namespace common
