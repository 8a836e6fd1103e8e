#include "single_instance.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QWidget>

namespace common {

namespace {

// How long a later copy waits for the first copy to accept its request.
constexpr std::chrono::milliseconds kConnectTimeout{2000};

// The title as a file name: letters, digits, '.', '-' and '_' stay, anything
// else becomes '_'.
QString fileNameFor(const QString& title)
{
    QString name;
    for (const QChar c : title) {
        const bool kept = c.isLetterOrNumber() || c == QLatin1Char('.') || c == QLatin1Char('-')
                       || c == QLatin1Char('_');
        name += kept ? c : QLatin1Char('_');
    }
    return name;
}

} // namespace

SingleInstance::SingleInstance(const QString& title, const QString& directory, QObject* parent)
    : QObject(parent)
    , lock_(QDir(directory).filePath(fileNameFor(title) + QStringLiteral(".lock")))
    , socketPath_(QFile::encodeName(QDir(directory).filePath(fileNameFor(title) + QStringLiteral(".socket"))))
{
    // The lock is held for the whole run, however long: it goes stale only
    // when the copy that holds it no longer runs, never by its age.
    lock_.setStaleLockTime(0);
    if (!lock_.tryLock()) {
        firstCopy_ = lock_.error() != QLockFile::LockFailedError;
        return;
    }

    // Only the holder of the lock listens, so a socket already there was
    // left by a copy that crashed. The folder is the user's own: the socket
    // needs no access rights of its own.
    if (!listener_.listen(socketPath_))
        return; // the program runs; later copies just cannot raise it
    laterCopyWaiting_.setSocket(listener_.descriptor());
    laterCopyWaiting_.setEnabled(true);
    connect(&laterCopyWaiting_, &QSocketNotifier::activated, this, &SingleInstance::answerLaterCopies);
}

// Being connected to is the whole request: each later copy asks once.
void SingleInstance::answerLaterCopies()
{
    const std::optional<int> requests = listener_.acceptAndCloseAll();
    if (!requests) {
        // A socket that no longer accepts would wake the program again at
        // once, over and over. It stops instead, and later copies find the
        // first copy out of reach.
        laterCopyWaiting_.setEnabled(false);
        listener_.close();
        return;
    }
    for (int request = 0; request < *requests; ++request)
        emit comeForwardRequested();
}

bool SingleInstance::bringFirstCopyToFront() const
{
    return local_socket::connectTo(socketPath_, kConnectTimeout);
}

QString SingleInstance::sessionDirectory()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

void bringToFront(QWidget* window)
{
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
}

} // namespace common
