#include "faults.h"
#include "projection.h"

#include <QList>
#include <QTest>

#include <charconv>
#include <iterator>
#include <limits>

using fernwick::PayVsInvestYear;
using fernwick::ProjectPayVsInvest;
using fernwick::ProjectionYears;

namespace {

qint64 cents(double amount)
{
    return qRound64(amount * 100);
}

// Exact bits, readable in a failure message.
QByteArray hexBits(double value)
{
    char text[32];
    const auto end = std::to_chars(std::begin(text), std::end(text), value, std::chars_format::hex).ptr;
    return QByteArray(text, end - text);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kLargest = std::numeric_limits<double>::max();

} // namespace

class TestProjection : public QObject {
    Q_OBJECT

private slots:
    void workedExampleToTheCent_data();
    void workedExampleToTheCent();
    void rateGrowsItsOwnColumn_data();
    void rateGrowsItsOwnColumn();
    void equalRatesGiveNoDifference_data();
    void equalRatesGiveNoDifference();
    void lastBitsFollowYearlyExtendedSteps_data();
    void lastBitsFollowYearlyExtendedSteps();
    void nonFiniteAmountThrows_data();
    void nonFiniteAmountThrows();
};

void TestProjection::workedExampleToTheCent_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<qint64>("investment");
    QTest::addColumn<qint64>("debt");
    QTest::addColumn<qint64>("difference");

    QTest::newRow("year 1") << 1 << 107000LL << 118000LL << -11000LL;
    QTest::newRow("year 2") << 2 << 114490LL << 139240LL << -24750LL;
    QTest::newRow("year 3") << 3 << 122504LL << 164303LL << -41799LL;
    QTest::newRow("year 4") << 4 << 131080LL << 193878LL << -62798LL;
    QTest::newRow("year 5") << 5 << 140255LL << 228776LL << -88521LL;
    QTest::newRow("year 6") << 6 << 150073LL << 269955LL << -119882LL;
    QTest::newRow("year 7") << 7 << 160578LL << 318547LL << -157969LL;
    QTest::newRow("year 8") << 8 << 171819LL << 375886LL << -204067LL;
    QTest::newRow("year 9") << 9 << 183846LL << 443545LL << -259699LL;
    QTest::newRow("year 10") << 10 << 196715LL << 523384LL << -326668LL;
}

void TestProjection::workedExampleToTheCent()
{
    QFETCH(int, year);
    QFETCH(qint64, investment);
    QFETCH(qint64, debt);
    QFETCH(qint64, difference);

    const PayVsInvestYear row = ProjectPayVsInvest(1000, 18, 7).at(year - 1);

    QCOMPARE(cents(row.Investment), investment);
    QCOMPARE(cents(row.Debt), debt);
    QCOMPARE(cents(row.Difference), difference);
}

// Each rate is tried once as the debt's and once as the investment's, so a
// rate fed to the wrong column, or a year 1 without growth, shows up.
void TestProjection::rateGrowsItsOwnColumn_data()
{
    QTest::addColumn<double>("cash");
    QTest::addColumn<double>("rate");
    QTest::addColumn<QList<double>>("years");

    QTest::newRow("cash 0 stays 0") << 0.0 << 18.0 << QList<double>(ProjectionYears, 0.0);
    QTest::newRow("rate 0 keeps the cash") << 1234.56 << 0.0 << QList<double>(ProjectionYears, 1234.56);
    QTest::newRow("rate -100 is 0 from year 1") << 1000.0 << -100.0 << QList<double>(ProjectionYears, 0.0);
    QTest::newRow("rate -50 halves every year")
        << 1024.0 << -50.0 << QList<double>{512, 256, 128, 64, 32, 16, 8, 4, 2, 1};
    QTest::newRow("rate 100 doubles every year")
        << 1.0 << 100.0 << QList<double>{2, 4, 8, 16, 32, 64, 128, 256, 512, 1024};
    QTest::newRow("negative cash grows negative")
        << -1.0 << 100.0 << QList<double>{-2, -4, -8, -16, -32, -64, -128, -256, -512, -1024};
}

void TestProjection::rateGrowsItsOwnColumn()
{
    QFETCH(double, cash);
    QFETCH(double, rate);
    QFETCH(QList<double>, years);
    const double otherRate = 5;

    const auto asDebt = ProjectPayVsInvest(cash, rate, otherRate);
    const auto asInvestment = ProjectPayVsInvest(cash, otherRate, rate);

    for (int year = 0; year < ProjectionYears; ++year) {
        const QByteArray where = "year " + QByteArray::number(year + 1);
        QVERIFY2(asDebt[year].Debt == years[year], where);
        QVERIFY2(asInvestment[year].Investment == years[year], where);
    }
}

void TestProjection::equalRatesGiveNoDifference_data()
{
    QTest::addColumn<double>("cash");
    QTest::addColumn<double>("rate");

    QTest::newRow("everyday rate") << 1000.0 << 7.0;
    QTest::newRow("largest inputs") << 9999999.99 << 999.9999;
    QTest::newRow("shrinking") << 0.01 << -3.5;
}

void TestProjection::equalRatesGiveNoDifference()
{
    QFETCH(double, cash);
    QFETCH(double, rate);

    for (const PayVsInvestYear& row : ProjectPayVsInvest(cash, rate, rate)) {
        QCOMPARE(hexBits(row.Investment), hexBits(row.Debt));
        QCOMPARE(hexBits(row.Difference), hexBits(0.0));
    }
}

// The expected bits come from an exact model of the arithmetic: each year
// the rate / 100, the growth and the sum rounded to 64-bit mantissas, then
// the year's amount to a double. A rate quotient held as a double, or a
// power function, gives other last bits for these inputs.
void TestProjection::lastBitsFollowYearlyExtendedSteps_data()
{
    QTest::addColumn<double>("cash");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("year10");

    QTest::newRow("1000 at 4.9") << 1000.0 << 4.9 << 0x1.935ca67c984adp+10;
    QTest::newRow("1234.56 at 29.99") << 1234.56 << 29.99 << 0x1.09b97b81258e2p+14;
    QTest::newRow("largest window inputs, about 2.59e17") << 9999999.99 << 999.9999 << 0x1.ccbda4d7b2558p+57;
}

void TestProjection::lastBitsFollowYearlyExtendedSteps()
{
    QFETCH(double, cash);
    QFETCH(double, rate);
    QFETCH(double, year10);

    QCOMPARE(hexBits(ProjectPayVsInvest(cash, rate, 0).back().Debt), hexBits(year10));
    QCOMPARE(hexBits(ProjectPayVsInvest(cash, 0, rate).back().Investment), hexBits(year10));
}

void TestProjection::nonFiniteAmountThrows_data()
{
    QTest::addColumn<double>("cash");
    QTest::addColumn<double>("debtInterest");
    QTest::addColumn<double>("investmentReturn");

    QTest::newRow("NaN cash") << kNaN << 18.0 << 7.0;
    QTest::newRow("NaN debt interest") << 1000.0 << kNaN << 7.0;
    QTest::newRow("NaN investment return") << 1000.0 << 18.0 << kNaN;
    QTest::newRow("infinite cash") << kInfinity << 18.0 << 7.0;
    QTest::newRow("negative infinite cash") << -kInfinity << 18.0 << 7.0;
    QTest::newRow("infinite cash at rate 0") << kInfinity << 0.0 << 0.0;
    QTest::newRow("infinite rate") << 1000.0 << kInfinity << 7.0;
    QTest::newRow("negative infinite rate") << 1000.0 << 18.0 << -kInfinity;
    QTest::newRow("infinite rate on cash 0") << 0.0 << kInfinity << 7.0;
    QTest::newRow("year 1 overflows") << 1e308 << 1e10 << 7.0;
    QTest::newRow("largest double grows") << kLargest << 0.0 << 1.0;
    QTest::newRow("negative overflow") << -1e308 << 18.0 << 100.0;
    QTest::newRow("a later year overflows") << 1e200 << 1e20 << 0.0;
    QTest::newRow("difference overflows") << 1e308 << -270.0 << 0.0;
}

void TestProjection::nonFiniteAmountThrows()
{
    QFETCH(double, cash);
    QFETCH(double, debtInterest);
    QFETCH(double, investmentReturn);

    QVERIFY_THROWS_EXCEPTION(common::ArithmeticFault, ProjectPayVsInvest(cash, debtInterest, investmentReturn));
}

QTEST_APPLESS_MAIN(TestProjection)
#include "tst_projection.moc"
