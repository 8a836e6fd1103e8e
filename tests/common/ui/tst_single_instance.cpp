#include "child_process.h"
#include "local_socket.h"
#include "single_instance.h"
#include "test_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <cstring>
#include <memory>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using common::SingleInstance;
using common::local_socket::FileDescriptor;
using testsupport::ChildProcess;
using testsupport::PrivateSession;

namespace {

const QString kTitle = QStringLiteral("Gildcrest probe");
const QString kProbe = QStringLiteral(SINGLE_INSTANCE_PROBE);

// The longest path a socket address holds, without its closing zero.
constexpr int kLongestSocketPath = int(sizeof(sockaddr_un::sun_path)) - 1;

// Everything in `folder`, sockets and hidden files included.
QStringList entriesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
}

// The sockets in `folder`: the files that are neither folders nor plain files.
QStringList socketsIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::System | QDir::Hidden);
}

// The name of the socket that a first copy makes in its session folder.
QString socketFileName()
{
    QTemporaryDir session;
    const SingleInstance first(kTitle, session.path());
    const QStringList sockets = socketsIn(session.path());
    return sockets.size() == 1 ? sockets.first() : QString();
}

int openFileDescriptors()
{
    return int(entriesIn(QStringLiteral("/proc/self/fd")).size());
}

// Takes the place of a first copy that has stopped answering: its socket has
// room for one waiting connection, and one is waiting already.
class FirstCopyThatDoesNotAnswer {
public:
    explicit FirstCopyThatDoesNotAnswer(const QString& socketPath)
    {
        const QByteArray path = QFile::encodeName(socketPath);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (path.size() > kLongestSocketPath)
            return;
        std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
        const auto* socketAddress = reinterpret_cast<const sockaddr*>(&address);

        ::unlink(path.constData());
        listening_ = FileDescriptor(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
        waiting_ = FileDescriptor(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
        ready_ = ::bind(listening_.get(), socketAddress, sizeof address) == 0
              && ::listen(listening_.get(), 0) == 0
              && ::connect(waiting_.get(), socketAddress, sizeof address) == 0;
    }

    bool isReady() const { return ready_; }

private:
    FileDescriptor listening_;
    FileDescriptor waiting_;
    bool ready_ = false;
};

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void firstCopyHoldsTheLockForItsWholeRun();
    void laterCopyAsksTheFirstToComeForward();
    void firstCopyLeavesNothingBehind();
    void lockThatCannotBeMadeDoesNotStopTheProgram();
    void socketPathAtTheLimit_data();
    void socketPathAtTheLimit();
    void laterCopyGivesUpOnAFirstCopyThatDoesNotAnswer();
    void secondProcessEndsAndTheFirstIsAskedToComeForward();
    void laterCopiesInARowEachAskOnce();
    void laterCopiesAtOnceEachAskOnce();
    void crashedFirstCopyDoesNotBlockLaterStarts();
    void bringToFront_data();
    void bringToFront();
};

void SingleInstanceTest::firstCopyHoldsTheLockForItsWholeRun()
{
    QTemporaryDir session;
    auto first = std::make_unique<SingleInstance>(kTitle, session.path());
    QVERIFY(first->isFirstCopy());
    QVERIFY(!SingleInstance(kTitle, session.path()).isFirstCopy());
    // The lock is keyed by the title: another program is not held back.
    QVERIFY(SingleInstance(QStringLiteral("Fernwick, 1.0.00"), session.path()).isFirstCopy());

    first.reset();
    QVERIFY(SingleInstance(kTitle, session.path()).isFirstCopy());
}

void SingleInstanceTest::laterCopyAsksTheFirstToComeForward()
{
    QTemporaryDir session;
    SingleInstance first(kTitle, session.path());
    QSignalSpy comeForward(&first, &SingleInstance::comeForwardRequested);

    const SingleInstance later(kTitle, session.path());
    QVERIFY(!later.isFirstCopy());
    QVERIFY(later.bringFirstCopyToFront());
    QTRY_COMPARE(comeForward.count(), 1);
}

void SingleInstanceTest::firstCopyLeavesNothingBehind()
{
    QTemporaryDir session;
    auto first = std::make_unique<SingleInstance>(kTitle, session.path());
    QCOMPARE(socketsIn(session.path()).size(), 1);

    // A later copy that ends leaves the first copy's socket where it is.
    QVERIFY(!SingleInstance(kTitle, session.path()).isFirstCopy());
    QVERIFY(SingleInstance(kTitle, session.path()).bringFirstCopyToFront());

    first.reset();
    QCOMPARE(entriesIn(session.path()), QStringList());
}

void SingleInstanceTest::lockThatCannotBeMadeDoesNotStopTheProgram()
{
    // A folder that cannot exist, whoever runs the test: its parent is a file.
    QTemporaryDir session;
    const QString file = session.filePath(QStringLiteral("a file"));
    testsupport::writeBytes(file, "not a folder");
    const QString impossible = file + QStringLiteral("/session");

    SingleInstance first(kTitle, impossible);
    QVERIFY(first.isFirstCopy());
    QVERIFY(SingleInstance(kTitle, impossible).isFirstCopy());
}

void SingleInstanceTest::socketPathAtTheLimit_data()
{
    QTest::addColumn<int>("pathLength");
    QTest::addColumn<bool>("reachable");

    QTest::newRow("the longest path that fits") << kLongestSocketPath << true;
    QTest::newRow("one byte too long") << kLongestSocketPath + 1 << false;
    QTest::newRow("far too long") << kLongestSocketPath + 100 << false;
}

void SingleInstanceTest::socketPathAtTheLimit()
{
    QFETCH(int, pathLength);
    QFETCH(bool, reachable);

    // A session folder whose name makes the socket's path `pathLength` long.
    const QString socketName = socketFileName();
    QVERIFY(!socketName.isEmpty());
    QTemporaryDir base;
    const qsizetype padding = pathLength - base.path().size() - socketName.size() - 2;
    if (padding < 1)
        QSKIP("the temporary folder's path is too long for this test");
    const QString folder = base.filePath(QString(padding, u'x'));
    QVERIFY(QDir().mkpath(folder));
    QCOMPARE(QFile::encodeName(QDir(folder).filePath(socketName)).size(), pathLength);

    // The program starts either way; a socket path that does not fit is
    // refused at once, not cut short to another file's name.
    SingleInstance first(kTitle, folder);
    QVERIFY(first.isFirstCopy());
    QSignalSpy comeForward(&first, &SingleInstance::comeForwardRequested);
    const SingleInstance later(kTitle, folder);
    QVERIFY(!later.isFirstCopy());
    QCOMPARE(later.bringFirstCopyToFront(), reachable);
    QTRY_COMPARE(comeForward.count(), reachable ? 1 : 0);
    QCOMPARE(socketsIn(folder).size(), reachable ? 1 : 0);
}

void SingleInstanceTest::laterCopyGivesUpOnAFirstCopyThatDoesNotAnswer()
{
    QTemporaryDir session;
    const SingleInstance first(kTitle, session.path());
    QCOMPARE(socketsIn(session.path()).size(), 1);
    const FirstCopyThatDoesNotAnswer stuck(session.filePath(socketsIn(session.path()).first()));
    QVERIFY(stuck.isReady());

    // Returns after the connect timeout rather than hanging the start.
    QVERIFY(!SingleInstance(kTitle, session.path()).bringFirstCopyToFront());
}

void SingleInstanceTest::secondProcessEndsAndTheFirstIsAskedToComeForward()
{
    const PrivateSession session;
    ChildProcess first(kProbe, {kTitle}, session);
    QVERIFY(first.waitForLine(QStringLiteral("first copy")));

    ChildProcess second(kProbe, {kTitle}, session);
    QVERIFY(second.waitForExit());
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(second.lines(), QStringList({QStringLiteral("later copy"), QStringLiteral("first copy reached")}));

    QVERIFY(first.waitForLine(QStringLiteral("asked to come forward")));
    QVERIFY(first.isRunning());
}

void SingleInstanceTest::laterCopiesInARowEachAskOnce()
{
    const PrivateSession session;
    SingleInstance first(kTitle, session.folder());
    QSignalSpy comeForward(&first, &SingleInstance::comeForwardRequested);

    for (int started = 1; started <= 3; ++started) {
        ChildProcess later(kProbe, {kTitle}, session);
        QVERIFY(later.waitForExit());
        QCOMPARE(later.lines(), QStringList({QStringLiteral("later copy"), QStringLiteral("first copy reached")}));
        QTRY_COMPARE(comeForward.count(), started);
    }
}

void SingleInstanceTest::laterCopiesAtOnceEachAskOnce()
{
    QTemporaryDir session;
    SingleInstance first(kTitle, session.path());
    QSignalSpy comeForward(&first, &SingleInstance::comeForwardRequested);
    const int openBefore = openFileDescriptors();

    // All three wait together before the first copy gets to answer.
    for (int started = 0; started < 3; ++started)
        QVERIFY(SingleInstance(kTitle, session.path()).bringFirstCopyToFront());
    QTRY_COMPARE(comeForward.count(), 3);
    // Each request was closed once answered.
    QCOMPARE(openFileDescriptors(), openBefore);
}

void SingleInstanceTest::crashedFirstCopyDoesNotBlockLaterStarts()
{
    const PrivateSession session;
    ChildProcess crashed(kProbe, {kTitle}, session);
    QVERIFY(crashed.waitForLine(QStringLiteral("first copy")));
    crashed.kill(); // leaves its lock file and its socket behind
    QCOMPARE(socketsIn(session.folder()).size(), 1);

    ChildProcess next(kProbe, {kTitle}, session);
    QVERIFY2(next.waitForLine(QStringLiteral("first copy")), qPrintable(next.lines().join(u'\n')));

    // The socket left behind was replaced: the new first copy is reachable.
    ChildProcess later(kProbe, {kTitle}, session);
    QVERIFY(later.waitForExit());
    QVERIFY(later.lines().contains(QStringLiteral("first copy reached")));
    QVERIFY(next.waitForLine(QStringLiteral("asked to come forward")));
}

void SingleInstanceTest::bringToFront_data()
{
    QTest::addColumn<bool>("minimised");

    QTest::newRow("minimised") << true;
    QTest::newRow("behind another window") << false;
}

void SingleInstanceTest::bringToFront()
{
    QFETCH(bool, minimised);

    QWidget mainWindow;
    mainWindow.resize(300, 200);
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
    QWidget other;
    other.resize(300, 200);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    if (minimised) {
        mainWindow.showMinimized();
        QTRY_VERIFY(mainWindow.isMinimized());
    }

    common::bringToFront(&mainWindow);
    QVERIFY(!mainWindow.isMinimized());
    QVERIFY(QTest::qWaitForWindowActive(&mainWindow));
}

QTEST_MAIN(SingleInstanceTest)
#include "tst_single_instance.moc"
