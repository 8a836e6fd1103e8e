#include "splash_screen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QThread>
#include <QTimer>

using namespace std::chrono_literals;
using common::SplashSettings;
using common::TSplashScreen;

namespace {

// What exec() returns when the program was still running at the end of the
// test's time; a program ended by the last closed window returns 0.
constexpr int kStillRunning = 42;

SplashSettings splashSettings(std::chrono::milliseconds interval, const QString& versionLabel = {})
{
    return {QStringLiteral("fernwick"), QSize(330, 182), QPoint(10, 5), versionLabel, interval};
}

// Runs the message loop until the program ends or `timeoutMs` passes.
int runMessageLoop(int timeoutMs)
{
    QTimer::singleShot(timeoutMs, qApp, [] { QCoreApplication::exit(kStillRunning); });
    return QApplication::exec();
}

} // namespace

class SplashScreenTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void showsCentredFramelessAndOnTop_data();
    void showsCentredFramelessAndOnTop();
    void versionLabelIsGreyOnTheWhitePanel();
    void closesAfterItsIntervalAndNotBefore();
    void dueTickWaitsForTheFirstMessageProcessing();
    void closingTheSplashNeverEndsTheProgram();
    void closingTheMainWindowEndsTheProgramWhileTheSplashIsUp();
};

void SplashScreenTest::cleanup()
{
    qDeleteAll(QApplication::topLevelWidgets());
}

void SplashScreenTest::showsCentredFramelessAndOnTop_data()
{
    QTest::addColumn<QString>("versionLabel");

    QTest::newRow("with a version label") << QStringLiteral("1.0.00");
    QTest::newRow("without") << QString();
}

void SplashScreenTest::showsCentredFramelessAndOnTop()
{
    QFETCH(QString, versionLabel);

    TSplashScreen* splash = common::showSplashScreen(splashSettings(10s, versionLabel));
    // Painted before the start-up goes on.
    QVERIFY(splash->isVisible());
    QVERIFY(splash->windowHandle()->isExposed());

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(splash->frameGeometry().center(), screen.center());
    QCOMPARE(splash->size(), QSize(330, 182));
    QVERIFY(splash->windowFlags().testFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));

    const auto* picture = splash->findChild<QLabel*>(QStringLiteral("Image1"));
    QVERIFY(picture);
    QVERIFY(!picture->pixmap().isNull());
    const auto* label = splash->findChild<QLabel*>(QStringLiteral("Label2"));
    QCOMPARE(label ? label->text() : QString(), versionLabel);
}

void SplashScreenTest::versionLabelIsGreyOnTheWhitePanel()
{
    TSplashScreen* splash = common::showSplashScreen(splashSettings(10s, QStringLiteral("1.0.00")));
    const QImage shown = splash->grab().toImage();

    // Left of the picture, inside the white panel's bevel.
    QCOMPARE(QColor(shown.pixel(8, 90)), QColor(Qt::white));

    const auto* label = splash->findChild<QLabel*>(QStringLiteral("Label2"));
    QVERIFY(label);
    const QRect labelArea(label->mapTo(splash, QPoint(0, 0)), label->size());
    int darkest = 255;
    for (int y = labelArea.top(); y <= labelArea.bottom(); ++y)
        for (int x = labelArea.left(); x <= labelArea.right(); ++x)
            darkest = std::min(darkest, qGray(shown.pixel(x, y)));
    // The text's solid pixels are its grey (0x80), never black.
    QVERIFY2(darkest >= 0x70 && darkest <= 0xa0, qPrintable(QString::number(darkest, 16)));
}

void SplashScreenTest::closesAfterItsIntervalAndNotBefore()
{
    constexpr auto kInterval = 300ms;
    QElapsedTimer shown;
    shown.start();
    const QPointer<TSplashScreen> splash = common::showSplashScreen(splashSettings(kInterval));
    qint64 destroyedAfterMs = -1;
    const QObject whileThisTestRuns;
    connect(splash, &QObject::destroyed, &whileThisTestRuns, [&] { destroyedAfterMs = shown.elapsed(); });

    QTest::qWait(int(kInterval.count()) / 2);
    QVERIFY(splash);
    QVERIFY(splash->isVisible());

    QTRY_VERIFY(splash.isNull());
    QVERIFY2(destroyedAfterMs >= kInterval.count(), qPrintable(QString::number(destroyedAfterMs)));
}

void SplashScreenTest::dueTickWaitsForTheFirstMessageProcessing()
{
    constexpr auto kInterval = 50ms;
    const QPointer<TSplashScreen> splash = common::showSplashScreen(splashSettings(kInterval));

    // A start-up step that outlasts the interval without handling messages.
    QThread::msleep(3 * kInterval.count());
    QVERIFY(splash->isVisible());

    QCoreApplication::processEvents();
    QVERIFY(!splash.isNull() && !splash->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(splash.isNull());
}

void SplashScreenTest::closingTheSplashNeverEndsTheProgram()
{
    // The main window exists but is not shown yet, as during the start-up.
    QWidget mainWindow;
    const QPointer<TSplashScreen> splash = common::showSplashScreen(splashSettings(50ms));

    QCOMPARE(runMessageLoop(1000), kStillRunning);
    QVERIFY(splash.isNull());
}

void SplashScreenTest::closingTheMainWindowEndsTheProgramWhileTheSplashIsUp()
{
    common::showSplashScreen(splashSettings(60s));
    QWidget mainWindow;
    common::showMainWindow(mainWindow);
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
    QTimer::singleShot(0, &mainWindow, &QWidget::close);

    QCOMPARE(runMessageLoop(5000), 0);
}

QTEST_MAIN(SplashScreenTest)
#include "tst_splash_screen.moc"
