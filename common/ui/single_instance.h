#pragma once

#include "local_socket.h"

#include <QByteArray>
#include <QLockFile>
#include <QObject>
#include <QSocketNotifier>
#include <QString>

class QWidget;

namespace common {

// Keeps a program to one copy per user session. The first copy holds a lock
// named after the application title for its whole run and listens for the
// copies started after it; a later copy asks it to come to the front and
// ends. A lock left behind by a copy that crashed is taken over.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // The lock and the listening socket live in `directory`: by default the
    // user's runtime folder, which no other user can reach.
    explicit SingleInstance(const QString& title, const QString& directory = sessionDirectory(),
                            QObject* parent = nullptr);

    // False when another copy holds the lock. A lock that cannot be made at
    // all (no writable folder) does not keep the program from starting.
    bool isFirstCopy() const { return firstCopy_; }

    // From a later copy: asks the first copy to bring its main window to the
    // front. False when the first copy could not be reached.
    bool bringFirstCopyToFront() const;

    static QString sessionDirectory();

signals:
    // In the first copy: a later copy was started.
    void comeForwardRequested();

private:
    void answerLaterCopies();

    // In this order, so that the socket is gone before the lock is free.
    QLockFile lock_;
    QByteArray socketPath_;
    local_socket::Listener listener_;
    QSocketNotifier laterCopyWaiting_{QSocketNotifier::Read};
    bool firstCopy_ = true;
};

// Restores `window` if it is minimised, raises it above the other windows and
// makes it the active window.
void bringToFront(QWidget* window);

} // namespace common
