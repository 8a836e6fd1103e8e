// The start-up of the real programs, each run offscreen in a user session of
// its own.
#include "child_process.h"

#include <QTest>

using testsupport::ChildProcess;
using testsupport::PrivateSession;

namespace {

const QString kGildcrest = QStringLiteral(GILDCREST_PROGRAM);
const QString kFernwick = QStringLiteral(FERNWICK_PROGRAM);

QString firstPaint(const char* window, const QString& title)
{
    return QStringLiteral("first paint: %1 (%2)").arg(QLatin1String(window), title);
}

QStringList firstPaints(ChildProcess& program)
{
    QStringList paints = program.lines();
    paints.removeIf([](const QString& line) { return !line.startsWith(QLatin1String("first paint: ")); });
    return paints;
}

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void splashComesFirstThenTheMainWindow_data();
    void splashComesFirstThenTheMainWindow();
    void secondStart_data();
    void secondStart();
    void crashedGildcrestDoesNotBlockTheNextStart();
};

void StartUpTest::splashComesFirstThenTheMainWindow_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("title");

    QTest::newRow("gildcrest") << kGildcrest << QStringLiteral("Gildcrest");
    QTest::newRow("fernwick") << kFernwick << QStringLiteral("Fernwick, 1.0.00");
}

void StartUpTest::splashComesFirstThenTheMainWindow()
{
    QFETCH(QString, program);
    QFETCH(QString, title);

    const PrivateSession session;
    ChildProcess started(program, {}, session);
    QVERIFY2(started.waitForLine(firstPaint("frmMain", title)), qPrintable(started.lines().join(u'\n')));
    QCOMPARE(firstPaints(started), QStringList({firstPaint("SplashScreen", title), firstPaint("frmMain", title)}));
}

void StartUpTest::secondStart_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("secondRuns");

    QTest::newRow("gildcrest: the second copy ends") << kGildcrest << QStringLiteral("Gildcrest") << false;
    QTest::newRow("fernwick: an independent copy") << kFernwick << QStringLiteral("Fernwick, 1.0.00") << true;
}

void StartUpTest::secondStart()
{
    QFETCH(QString, program);
    QFETCH(QString, title);
    QFETCH(bool, secondRuns);

    const PrivateSession session;
    const QString mainWindowShown = firstPaint("frmMain", title);
    ChildProcess first(program, {}, session);
    QVERIFY(first.waitForLine(mainWindowShown));

    ChildProcess second(program, {}, session);
    if (secondRuns) {
        QVERIFY(second.waitForLine(mainWindowShown));
    } else {
        QVERIFY2(second.waitForExit(), qPrintable(second.lines().join(u'\n')));
        QCOMPARE(second.exitCode(), 0);
        QVERIFY2(!second.lines().contains(mainWindowShown), qPrintable(second.lines().join(u'\n')));
    }
    QVERIFY(first.isRunning());
    QCOMPARE(second.isRunning(), secondRuns);
}

void StartUpTest::crashedGildcrestDoesNotBlockTheNextStart()
{
    const PrivateSession session;
    const QString mainWindowShown = firstPaint("frmMain", QStringLiteral("Gildcrest"));
    ChildProcess crashed(kGildcrest, {}, session);
    QVERIFY(crashed.waitForLine(mainWindowShown));
    crashed.kill();

    ChildProcess next(kGildcrest, {}, session);
    QVERIFY2(next.waitForLine(mainWindowShown), qPrintable(next.lines().join(u'\n')));
}

QTEST_GUILESS_MAIN(StartUpTest)
#include "tst_start_up.moc"
