#include "product_pictures.h"

#include <QApplication>
#include <QImage>
#include <QTest>

class ProductPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void drawnToTheSizeAsked_data();
    void drawnToTheSizeAsked();
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

void ProductPicturesTest::unknownPictureIsEmpty()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no-such-picture")));
    QVERIFY(common::productPicture(QStringLiteral("no-such-picture"), QSize(300, 162)).isNull());
}

QTEST_MAIN(ProductPicturesTest)
#include "tst_product_pictures.moc"
