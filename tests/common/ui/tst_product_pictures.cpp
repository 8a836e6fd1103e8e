#include "product_pictures.h"

#include "baked_pictures.h"

#include <QApplication>
#include <QImage>
#include <QTest>

class ProductPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void drawnToTheSizeAsked_data();
    void drawnToTheSizeAsked();
    void sharpForTheScreenDensity_data();
    void sharpForTheScreenDensity();
    void doubleDensityShowsThePixelsDrawnForIt();
    void unknownPictureIsEmpty();
};

void ProductPicturesTest::drawnToTheSizeAsked_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");

    QTest::newRow("gildcrest") << QStringLiteral("gildcrest") << QSize(300, 162);
    QTest::newRow("fernwick") << QStringLiteral("fernwick") << QSize(300, 162);
    QTest::newRow("fernwick-emblem") << QStringLiteral("fernwick-emblem") << QSize(144, 155);
    QTest::newRow("twice as large") << QStringLiteral("fernwick-emblem") << QSize(288, 310);
}

void ProductPicturesTest::drawnToTheSizeAsked()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);

    const QPixmap picture = common::productPicture(name, size);
    QCOMPARE(picture.deviceIndependentSize().toSize(), size);

    // The drawing spreads over the size asked, not over the size the
    // picture was designed at.
    const QImage image = picture.toImage();
    QRect drawn;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                drawn |= QRect(x, y, 1, 1);
    QVERIFY2(drawn.width() > image.width() / 2 && drawn.height() > image.height() * 3 / 4,
             qPrintable(QStringLiteral("drawn in %1 x %2").arg(drawn.width()).arg(drawn.height())));
}

void ProductPicturesTest::sharpForTheScreenDensity_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("density");
    QTest::addColumn<QSize>("pixels");

    QTest::newRow("splash, normal screen") << QStringLiteral("gildcrest") << QSize(300, 162) << 1.0 << QSize(300, 162);
    QTest::newRow("splash, double density") << QStringLiteral("fernwick") << QSize(300, 162) << 2.0 << QSize(600, 324);
    QTest::newRow("about box, double density") << QStringLiteral("gildcrest") << QSize(222, 120) << 2.0
                                               << QSize(444, 240);
    QTest::newRow("between the bakes") << QStringLiteral("gildcrest") << QSize(300, 162) << 1.5 << QSize(450, 243);
    QTest::newRow("above the bakes") << QStringLiteral("fernwick-emblem") << QSize(144, 155) << 3.0
                                     << QSize(432, 465);
    QTest::newRow("size not drawn, double density") << QStringLiteral("fernwick-emblem") << QSize(100, 100) << 2.0
                                                    << QSize(200, 200);
}

void ProductPicturesTest::sharpForTheScreenDensity()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(qreal, density);
    QFETCH(QSize, pixels);

    const QPixmap picture = common::productPicture(name, size, density);
    QCOMPARE(picture.size(), pixels);
    QCOMPARE(picture.devicePixelRatio(), density);
    QCOMPARE(picture.deviceIndependentSize().toSize(), size);
}

// Not the normal picture blown up, which would look blurred.
void ProductPicturesTest::doubleDensityShowsThePixelsDrawnForIt()
{
    const common::BakedPicture doubleBake{QStringLiteral(":/pictures/gildcrest-300x162@2x.argb"), QSize(300, 162), 2};
    const QImage drawn = common::loadBakedPicture(doubleBake).toImage();
    QVERIFY(!drawn.isNull());
    QCOMPARE(common::productPicture(QStringLiteral("gildcrest"), QSize(300, 162), 2.0).toImage(), drawn);
}

void ProductPicturesTest::unknownPictureIsEmpty()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no-such-picture")));
    QVERIFY(common::productPicture(QStringLiteral("no-such-picture"), QSize(300, 162)).isNull());
}

QTEST_MAIN(ProductPicturesTest)
#include "tst_product_pictures.moc"
