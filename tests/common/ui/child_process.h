#pragma once

// Programs that a test starts, each in a user session of its own, and killed
// when the test ends, however it ends.

#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

namespace testsupport {

// Long enough for a program to start under the sanitizers.
inline constexpr int kStartTimeoutMs = 20000;

// A user session of its own: the programs started in it share their lock
// and socket with each other and with nothing else on the machine. They run
// offscreen and report their first paints.
class PrivateSession {
public:
    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder_.path());
        environment.insert(QStringLiteral("TMPDIR"), folder_.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("QUINTMOOR_REPORT_FIRST_PAINT"), QStringLiteral("1"));
        return environment;
    }

    // The user's runtime folder in this session.
    QString folder() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
};

class ChildProcess {
public:
    ChildProcess(const QString& program, const QStringList& arguments, const PrivateSession& session)
    {
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.setProcessEnvironment(session.environment());
        process_.start(program, arguments);
    }

    ~ChildProcess() { kill(); }

    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Waits until the program has printed `line`, on either output.
    bool waitForLine(const QString& line, int timeoutMs = kStartTimeoutMs)
    {
        const QDeadlineTimer deadline(timeoutMs);
        for (;;) {
            readLines();
            if (lines_.contains(line))
                return true;
            if (process_.state() == QProcess::NotRunning || deadline.hasExpired())
                return false;
            process_.waitForReadyRead(int(deadline.remainingTime()));
        }
    }

    // Waits until the program has ended by itself.
    bool waitForExit(int timeoutMs = kStartTimeoutMs)
    {
        const bool ended = process_.state() == QProcess::NotRunning || process_.waitForFinished(timeoutMs);
        readLines();
        return ended && process_.exitStatus() == QProcess::NormalExit;
    }

    bool isRunning() const { return process_.state() == QProcess::Running; }
    int exitCode() const { return process_.exitCode(); }

    // Every complete line the program has printed so far.
    QStringList lines()
    {
        readLines();
        return lines_;
    }

    // Ends the program at once, as a crash would.
    void kill()
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.kill();
        process_.waitForFinished();
    }

private:
    void readLines()
    {
        while (process_.canReadLine())
            lines_ << QString::fromLocal8Bit(process_.readLine()).trimmed();
    }

    QProcess process_;
    QStringList lines_;
};

} // namespace testsupport
