#include "child_process.h"
#include "single_instance.h"
#include "test_support.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>

using common::SingleInstance;
using testsupport::ChildProcess;
using testsupport::PrivateSession;

namespace {

const QString kTitle = QStringLiteral("Gildcrest probe");
const QString kProbe = QStringLiteral(SINGLE_INSTANCE_PROBE);

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void firstCopyHoldsTheLockForItsWholeRun();
    void laterCopyAsksTheFirstToComeForward();
    void lockThatCannotBeMadeDoesNotStopTheProgram();
    void secondProcessEndsAndTheFirstIsAskedToComeForward();
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

void SingleInstanceTest::crashedFirstCopyDoesNotBlockLaterStarts()
{
    const PrivateSession session;
    ChildProcess crashed(kProbe, {kTitle}, session);
    QVERIFY(crashed.waitForLine(QStringLiteral("first copy")));
    crashed.kill(); // leaves its lock file and its socket behind

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
