#include "tool_icons.h"

#include <QApplication>
#include <QImage>
#include <QTest>

class ToolIconsTest : public QObject {
    Q_OBJECT

private slots:
    void drawnAtEachSizeShown_data();
    void drawnAtEachSizeShown();
    void unknownIconIsEmpty();
};

namespace {

bool hasOpaquePixels(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255)
                return true;
    return false;
}

} // namespace

// Every icon at the icon size of every button that shows it: the tool bars
// (19 x 19 in gildcrest, 20 x 20 in fernwick), gildcrest's drop-down buttons
// (a 19 x 17 box, so a square icon comes out 17 x 17) and the push buttons
// and fernwick's "Do the Math!" button (16 x 16).
void ToolIconsTest::drawnAtEachSizeShown_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("iconSize");
    QTest::addColumn<QSize>("shownSize");

    const QSize gildcrestBar(19, 19);
    const QSize fernwickBar(20, 20);
    const QSize pushButton(16, 16);
    const struct {
        const char* name;
        QSize iconSize;
        QSize shownSize;
    } uses[] = {
        {"fraction-calculator", gildcrestBar, gildcrestBar},
        {"print", gildcrestBar, gildcrestBar},
        {"print", fernwickBar, fernwickBar},
        {"reset", gildcrestBar, gildcrestBar},
        {"reset", fernwickBar, fernwickBar},
        {"help", gildcrestBar, gildcrestBar},
        {"help", fernwickBar, fernwickBar},
        {"update", gildcrestBar, gildcrestBar},
        {"update", fernwickBar, fernwickBar},
        {"exit", gildcrestBar, gildcrestBar},
        {"exit", fernwickBar, fernwickBar},
        {"exit", pushButton, pushButton},
        {"drop-down", QSize(19, 17), QSize(17, 17)},
        {"print-setup", fernwickBar, fernwickBar},
        {"disclaimer", fernwickBar, fernwickBar},
        {"forward", pushButton, pushButton},
    };
    for (const auto& use : uses)
        QTest::addRow("%s %dx%d", use.name, use.iconSize.width(), use.iconSize.height())
            << QString::fromLatin1(use.name) << use.iconSize << use.shownSize;
}

void ToolIconsTest::drawnAtEachSizeShown()
{
    QFETCH(QString, name);
    QFETCH(QSize, iconSize);
    QFETCH(QSize, shownSize);

    const QIcon icon = common::toolIcon(name);
    QVERIFY(!icon.isNull());
    // Drawn at the size shown, not a larger drawing shrunk to fit.
    QVERIFY(icon.availableSizes().contains(shownSize));

    const QPixmap normal = icon.pixmap(iconSize, 1.0);
    QCOMPARE(normal.size(), shownSize);
    QVERIFY(hasOpaquePixels(normal.toImage()));

    // A high-density screen gets twice the pixels, not the normal ones.
    const QPixmap sharp = icon.pixmap(iconSize, 2.0);
    QCOMPARE(sharp.size(), shownSize * 2);
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
    QVERIFY(hasOpaquePixels(sharp.toImage()));

    // A disabled button still shows the icon, in the style's greyed look.
    const QPixmap disabled = icon.pixmap(iconSize, 1.0, QIcon::Disabled);
    QCOMPARE(disabled.size(), shownSize);
    QVERIFY(disabled.toImage() != normal.toImage());
}

void ToolIconsTest::unknownIconIsEmpty()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no-such-icon")));
    QVERIFY(common::toolIcon(QStringLiteral("no-such-icon")).isNull());
}

QTEST_MAIN(ToolIconsTest)
#include "tst_tool_icons.moc"
