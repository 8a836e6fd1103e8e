#include "faults.h"
#include "fractions.h"

#include <QTest>

#include <limits>
#include <numeric>

using namespace gildcrest;

class FractionsTest : public QObject {
    Q_OBJECT

private slots:
    void tableHoldsReducedThirtySeconds();
    void decimalOfText_data();
    void decimalOfText();
    void increment_data();
    void increment();
    void nonFiniteDollarsAreArithmeticFaults();
};

void FractionsTest::tableHoldsReducedThirtySeconds()
{
    const QStringList texts = fractionTexts();
    QCOMPARE(texts.size(), kFractionCount);
    QCOMPARE(texts.first(), "0");
    QCOMPARE(texts.at(kDefaultFractionIndex), "1/4");
    for (int k = 1; k < kFractionCount; ++k) {
        const int divisor = std::gcd(k, kFractionCount);
        const QString reduced = QStringLiteral("%1/%2").arg(k / divisor).arg(kFractionCount / divisor);
        QCOMPARE(texts.at(k), reduced);
        QCOMPARE(fractionText(k), reduced);
        QCOMPARE(getDecimal(reduced), fractionValue(k));
        QCOMPARE(fractionValue(k) * kFractionCount, double(k));
    }
}

void FractionsTest::decimalOfText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("smallest") << "1/32" << 0.03125;
    QTest::newRow("largest") << "31/32" << 0.96875;
    QTest::newRow("half") << "1/2" << 0.5;
    QTest::newRow("three eighths") << "3/8" << 0.375;
    // Texts that are not in the table are worth nothing.
    QTest::newRow("unreduced") << "2/32" << 0.0;
    QTest::newRow("leading blank") << " 1/4" << 0.0;
    QTest::newRow("trailing blank") << "1/4 " << 0.0;
    QTest::newRow("not a thirty-second") << "1/3" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("half typed") << "1/" << 0.0;
}

void FractionsTest::decimalOfText()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(getDecimal(text), expected);
}

void FractionsTest::increment_data()
{
    QTest::addColumn<double>("dollars");
    QTest::addColumn<QString>("fraction");
    QTest::addColumn<double>("expected");
    QTest::newRow("default") << 0.0 << "1/4" << 0.25;
    QTest::newRow("dollars and eighths") << 2.0 << "3/8" << 2.375;
    QTest::newRow("dollars and thirty-seconds") << 1.0 << "1/32" << 1.03125;
    QTest::newRow("nothing") << 0.0 << "0" << 0.0;
    QTest::newRow("unknown fraction keeps the dollars") << 3.0 << "2/32" << 3.0;
}

void FractionsTest::increment()
{
    QFETCH(double, dollars);
    QFETCH(QString, fraction);
    QFETCH(double, expected);
    QCOMPARE(spreadIncrement(dollars, fraction), expected);
}

void FractionsTest::nonFiniteDollarsAreArithmeticFaults()
{
    QVERIFY_THROWS_EXCEPTION(common::ArithmeticFault,
                             spreadIncrement(std::numeric_limits<double>::infinity(), u"1/4"));
    QVERIFY_THROWS_EXCEPTION(common::ArithmeticFault,
                             spreadIncrement(std::numeric_limits<double>::quiet_NaN(), u"0"));
}

QTEST_APPLESS_MAIN(FractionsTest)
#include "tst_fractions.moc"
