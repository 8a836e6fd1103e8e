#include "app_frame.h"
#include "program_style.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QMenuBar>
#include <QTest>

using common::ProgramStyle;

class ProgramStyleTest : public QObject {
    Q_OBJECT

private slots:
    void isTheApplicationsStyleOnce();
    void hintDelayIsTheProgramsOwn();
    void extensionArrowsLookAsThePlatformDrawsThem();
    void groupFrameStartsBelowItsTitle_data();
    void groupFrameStartsBelowItsTitle();
};

void ProgramStyleTest::isTheApplicationsStyleOnce()
{
    ProgramStyle& style = ProgramStyle::instance();
    QCOMPARE(QApplication::style(), &style);
    QCOMPARE(&ProgramStyle::instance(), &style);
}

void ProgramStyleTest::hintDelayIsTheProgramsOwn()
{
    common::AppFrame::instance().setHintDelay(500);
    QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 500);
    QCOMPARE(&ProgramStyle::instance(), QApplication::style()); // no second style
}

void ProgramStyleTest::extensionArrowsLookAsThePlatformDrawsThem()
{
    const QStyle* program = &ProgramStyle::instance();
    const QStyle* platform = ProgramStyle::instance().baseStyle();
    for (const auto arrow : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon deferred = program->standardIcon(arrow);
        const QIcon own = platform->standardIcon(arrow);
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
            const QImage expected = own.pixmap(QSize(16, 16), mode).toImage();
            QVERIFY(!expected.isNull());
            QCOMPARE(deferred.pixmap(QSize(16, 16), mode).toImage(), expected);
            // A copy of the icon (as a button keeps one) draws the same.
            const QIcon copy = deferred;
            QCOMPARE(copy.pixmap(QSize(16, 16), mode).toImage(), expected);
        }
    }
}

void ProgramStyleTest::groupFrameStartsBelowItsTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::newRow("bare group") << QString();
    QTest::newRow("titled group") << QStringLiteral(" Stock Fraction ");
}

// Where the frame's top line runs, seen down a column right of the title,
// must leave the title line free.
void ProgramStyleTest::groupFrameStartsBelowItsTitle()
{
    QFETCH(QString, title);
    ProgramStyle::instance();
    QGroupBox group(title);
    group.resize(120, 60);
    const QImage image = group.grab().toImage();
    const QColor background = image.pixelColor(image.width() - 6, 0);
    int frameTop = -1;
    for (int y = 0; y < image.height() && frameTop < 0; ++y)
        if (image.pixelColor(image.width() - 6, y) != background)
            frameTop = y;
    QVERIFY2(frameTop >= 0, "no etched frame drawn");
    const int titleHeight = title.isEmpty() ? 0 : group.fontMetrics().height();
    QVERIFY2(frameTop >= titleHeight, qPrintable(QStringLiteral("frame at %1").arg(frameTop)));
    QVERIFY2(frameTop <= titleHeight + 8, qPrintable(QStringLiteral("frame at %1").arg(frameTop)));
}

QTEST_MAIN(ProgramStyleTest)
#include "tst_program_style.moc"
