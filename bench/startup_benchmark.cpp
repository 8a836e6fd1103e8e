// Start-up time of both programs, measured from outside: from starting the
// process to the line that its main window prints once it has first been
// painted (QUINTMOOR_REPORT_FIRST_PAINT), against two yardsticks started the
// same way: an empty Qt window, and the least a program can do that shows a
// splash picture first and then a window with a menu bar and a line of text.
// All four take turns, round by round, so that whatever else the machine
// does weighs on all of them alike. The resident memory is read at the
// moment the line arrives.
//
// Usage: bench_startup [rounds]      (needs a display: see bench/startup.sh)
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kDefaultRounds = 10;
constexpr int kStartTimeoutMs = 30000;
constexpr double kTimeRatioTarget = 1.3;
constexpr double kResidentTargetMiB = 45.0;
// A killed program's teardown (and the display server's) runs on after it
// is gone; the next start waits for it, as a user's would.
constexpr unsigned long kSettleMs = 300;

struct Program {
    const char* name;
    QString path;
    QString window; // the object name in its first-paint line
    std::vector<double> milliseconds;
    std::vector<double> residentMiB;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// VmRSS of a running process, or NaN where /proc cannot tell.
double residentMiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return NAN;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return NAN;
}

// A desktop session's runtime folder is in memory (/run/user/<uid>); the
// benchmark's sessions are in memory too, where the machine has room for them.
QString sessionFolderTemplate()
{
    const QString memory = QStringLiteral("/dev/shm");
    const QString base = QFileInfo(memory).isWritable() ? memory : QDir::tempPath();
    return QDir(base).filePath(QStringLiteral("startup-XXXXXX"));
}

// Starts the program in a session of its own, so that no copy left over
// elsewhere and no lock of an earlier round changes its way, and times it
// to its first paint. False if it never got there.
bool startOnce(Program& program)
{
    const QTemporaryDir session(sessionFolderTemplate());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), session.path());
    environment.insert(QStringLiteral("TMPDIR"), session.path());
    environment.insert(QStringLiteral("QUINTMOOR_REPORT_FIRST_PAINT"), QStringLiteral("1"));

    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setProcessEnvironment(environment);
    const QByteArray painted = QStringLiteral("first paint: %1 (").arg(program.window).toUtf8();

    QElapsedTimer clock;
    clock.start();
    process.start(program.path, {});
    const QDeadlineTimer deadline(kStartTimeoutMs);
    bool reached = false;
    while (!reached && !deadline.hasExpired()) {
        while (!reached && process.canReadLine())
            reached = process.readLine().startsWith(painted);
        if (!reached && !process.waitForReadyRead(int(deadline.remainingTime())))
            break;
    }
    if (reached) {
        program.milliseconds.push_back(double(clock.nsecsElapsed()) / 1e6);
        program.residentMiB.push_back(residentMiB(process.processId()));
    } else {
        std::fprintf(stderr, "%s did not paint its main window: %s\n", program.name,
                     process.readAll().constData());
    }
    process.kill();
    process.waitForFinished();
    QThread::msleep(kSettleMs);
    return reached;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRounds;

    std::vector<Program> programs{
        {"empty window", QStringLiteral(EMPTY_WINDOW_PROGRAM), QStringLiteral("EmptyWindow"), {}, {}},
        {"splash floor", QStringLiteral(SPLASH_FLOOR_PROGRAM), QStringLiteral("SplashFloor"), {}, {}},
        {"gildcrest", QStringLiteral(GILDCREST_PROGRAM), QStringLiteral("frmMain"), {}, {}},
        {"fernwick", QStringLiteral(FERNWICK_PROGRAM), QStringLiteral("frmMain"), {}, {}},
    };

    // One round first that counts for nothing: it fills the file and font
    // caches that every later start finds warm.
    for (Program& program : programs) {
        if (!startOnce(program))
            return 1;
        program.milliseconds.clear();
        program.residentMiB.clear();
    }
    for (int round = 0; round < rounds; ++round)
        for (std::size_t turn = 0; turn < programs.size(); ++turn)
            if (!startOnce(programs[(round + turn) % programs.size()]))
                return 1;

    std::printf("Process start to the main window shown and painted, median of %d rounds:\n", rounds);
    const auto verdict = [](bool met) { return met ? "met" : "MISSED"; };
    const double emptyWindow = median(programs[0].milliseconds);
    const double splashFloor = median(programs[1].milliseconds);
    for (const Program& program : programs) {
        const double milliseconds = median(program.milliseconds);
        const double resident = median(program.residentMiB);
        std::printf("  %-13s %7.1f ms  %5.2f x empty window  %5.2f x splash floor  resident %5.1f MiB", program.name,
                    milliseconds, milliseconds / emptyWindow, milliseconds / splashFloor, resident);
        if (&program > &programs[1])
            std::printf("  (<= %.1f x empty window: %s, < %.0f MiB: %s)", kTimeRatioTarget,
                        verdict(milliseconds / emptyWindow <= kTimeRatioTarget), kResidentTargetMiB,
                        verdict(resident < kResidentTargetMiB));
        std::printf("\n");
    }
    return 0;
}
