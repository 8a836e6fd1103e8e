#include "window_placement.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

using common::centredOnScreen;
using common::centredOver;

class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void centredOver_data();
    void centredOver();
    void centredOnScreen_data();
    void centredOnScreen();
    void modalDialogIsShownCentredOverItsOwner_data();
    void modalDialogIsShownCentredOverItsOwner();
};

void WindowPlacementTest::centredOver_data()
{
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("topLeft");

    QTest::newRow("even differences") << QRect(100, 50, 400, 300) << QSize(200, 100) << QPoint(200, 150);
    QTest::newRow("odd differences drop the half") << QRect(100, 50, 401, 301) << QSize(200, 100) << QPoint(200, 150);
    QTest::newRow("same size") << QRect(30, 40, 200, 100) << QSize(200, 100) << QPoint(30, 40);
    // A window larger than its owner: the negative half truncates toward
    // zero, so an odd excess leans right and down by one pixel.
    QTest::newRow("window one size larger, odd excess") << QRect(10, 20, 100, 100) << QSize(105, 105)
                                                        << QPoint(8, 18);
    QTest::newRow("window much larger") << QRect(0, 0, 100, 100) << QSize(301, 300) << QPoint(-100, -100);
    QTest::newRow("owner left of and above the origin") << QRect(-500, -300, 400, 200) << QSize(100, 51)
                                                        << QPoint(-350, -226);
}

void WindowPlacementTest::centredOver()
{
    QFETCH(QRect, owner);
    QFETCH(QSize, window);
    QFETCH(QPoint, topLeft);

    QCOMPARE(common::centredOver(owner, window), topLeft);
}

void WindowPlacementTest::centredOnScreen_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("topLeft");

    QTest::newRow("even differences") << QSize(1024, 768) << QSize(400, 300) << QPoint(312, 234);
    QTest::newRow("odd differences drop the half") << QSize(1025, 769) << QSize(400, 300) << QPoint(312, 234);
    QTest::newRow("as large as the screen") << QSize(800, 600) << QSize(800, 600) << QPoint(0, 0);
    QTest::newRow("wider than the screen") << QSize(1024, 768) << QSize(1100, 200) << QPoint(0, 284);
    QTest::newRow("taller than the screen") << QSize(1024, 768) << QSize(200, 800) << QPoint(412, 0);
    QTest::newRow("larger both ways") << QSize(640, 480) << QSize(1000, 1000) << QPoint(0, 0);
}

void WindowPlacementTest::centredOnScreen()
{
    QFETCH(QSize, screen);
    QFETCH(QSize, window);
    QFETCH(QPoint, topLeft);

    QCOMPARE(common::centredOnScreen(screen, window), topLeft);
}

void WindowPlacementTest::modalDialogIsShownCentredOverItsOwner_data()
{
    QTest::addColumn<bool>("sizedByLayout");

    QTest::newRow("fixed size") << false;
    // A dialog that gets its size from its layout only when it is shown.
    QTest::newRow("sized by its layout") << true;
}

void WindowPlacementTest::modalDialogIsShownCentredOverItsOwner()
{
    QFETCH(bool, sizedByLayout);

    QWidget owner;
    owner.setGeometry(120, 90, 500, 400);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    QDialog dialog(&owner);
    if (sizedByLayout) {
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(new QLabel(QStringLiteral("A few words to size the dialog by"), &dialog));
    } else {
        dialog.setFixedSize(211, 133);
    }

    QRect shownAt;
    // Fires inside the modal loop; closing the dialog there means it can
    // never hold up the run.
    QTimer::singleShot(0, &dialog, [&] {
        shownAt = dialog.frameGeometry();
        dialog.done(7);
    });
    QCOMPARE(common::execCentredOver(&owner, dialog), 7);

    QVERIFY(shownAt.isValid());
    QCOMPARE(shownAt.topLeft(), common::centredOver(owner.frameGeometry(), shownAt.size()));
}

QTEST_MAIN(WindowPlacementTest)
#include "tst_window_placement.moc"
