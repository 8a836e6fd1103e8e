#include "faults.h"
#include "trade.h"

#include <QTest>

#include <limits>

using namespace gildcrest;

namespace {
constexpr auto Fee = TCommissionType::ctFee;
constexpr auto Percent = TCommissionType::ctPercent;
// Amounts are compared to a millionth of a cent: the arithmetic is exact in
// the last bits only up to the order of evaluation.
constexpr double kTolerance = 1e-8;
} // namespace

Q_DECLARE_METATYPE(TCommissionType)

class TradeTest : public QObject {
    Q_OBJECT

private slots:
    void calculatesTrades_data();
    void calculatesTrades();
    void profitAgreesWithTheTrade_data();
    void profitAgreesWithTheTrade();
    void nonFiniteAmountsAreArithmeticFaults_data();
    void nonFiniteAmountsAreArithmeticFaults();
    void switchingTheTypeDoesNotConvertTheNumber();
};

void TradeTest::calculatesTrades_data()
{
    QTest::addColumn<double>("buyPrice");
    QTest::addColumn<double>("shares");
    QTest::addColumn<double>("buyCommission");
    QTest::addColumn<TCommissionType>("buyType");
    QTest::addColumn<double>("sellPrice");
    QTest::addColumn<double>("sellCommission");
    QTest::addColumn<TCommissionType>("sellType");
    QTest::addColumn<double>("buyPaid");
    QTest::addColumn<double>("totalPaid");
    QTest::addColumn<double>("gross");
    QTest::addColumn<double>("sellPaid");
    QTest::addColumn<double>("net");

    QTest::newRow("all zero") << 0.0 << 0.0 << 0.0 << Fee << 0.0 << 0.0 << Fee
                              << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("no shares, fees") << 10.0 << 0.0 << 9.95 << Fee << 12.5 << 7.0 << Fee
                                     << 9.95 << 9.95 << 0.0 << 7.0 << -16.95;
    QTest::newRow("no shares, percentages") << 10.0 << 0.0 << 2.0 << Percent << 12.5 << 3.0 << Percent
                                            << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("fees") << 10.0 << 100.0 << 9.95 << Fee << 12.5 << 9.95 << Fee
                          << 9.95 << 1009.95 << 1250.0 << 9.95 << 230.10;
    QTest::newRow("percentages") << 20.0 << 50.0 << 1.5 << Percent << 22.0 << 1.5 << Percent
                                 << 15.0 << 1015.0 << 1100.0 << 16.5 << 68.5;
    QTest::newRow("fee to buy, percentage to sell") << 20.0 << 50.0 << 10.0 << Fee << 22.0 << 2.0 << Percent
                                                    << 10.0 << 1010.0 << 1100.0 << 22.0 << 68.0;
    QTest::newRow("selling at the buy price") << 10.0 << 100.0 << 9.95 << Fee << 10.0 << 9.95 << Fee
                                              << 9.95 << 1009.95 << 1000.0 << 9.95 << -19.9;
    QTest::newRow("negative sell price") << 10.0 << 100.0 << 0.0 << Fee << -0.75 << 1.0 << Percent
                                         << 0.0 << 1000.0 << -75.0 << -0.75 << -75.0 + 0.75 - 1000.0;
}

void TradeTest::calculatesTrades()
{
    QFETCH(double, buyPrice);
    QFETCH(double, shares);
    QFETCH(double, buyCommission);
    QFETCH(TCommissionType, buyType);
    QFETCH(double, sellPrice);
    QFETCH(double, sellCommission);
    QFETCH(TCommissionType, sellType);

    const TTradeResult result =
        CalcTrade({buyPrice, shares, buyCommission, buyType, sellPrice, sellCommission, sellType});

    QFETCH(double, buyPaid);
    QFETCH(double, totalPaid);
    QFETCH(double, gross);
    QFETCH(double, sellPaid);
    QFETCH(double, net);
    QVERIFY(qAbs(result.BuyCommissionPaid - buyPaid) < kTolerance);
    QVERIFY(qAbs(result.TotalPaid - totalPaid) < kTolerance);
    QVERIFY(qAbs(result.GrossProfit - gross) < kTolerance);
    QVERIFY(qAbs(result.SellCommissionPaid - sellPaid) < kTolerance);
    QVERIFY2(qAbs(result.NetProfit - net) < kTolerance, qPrintable(QString::number(result.NetProfit, 'g', 17)));
}

void TradeTest::profitAgreesWithTheTrade_data()
{
    QTest::addColumn<TCommissionType>("buyType");
    QTest::addColumn<TCommissionType>("sellType");
    QTest::newRow("fees") << Fee << Fee;
    QTest::newRow("percentages") << Percent << Percent;
    QTest::newRow("mixed") << Percent << Fee;
}

void TradeTest::profitAgreesWithTheTrade()
{
    QFETCH(TCommissionType, buyType);
    QFETCH(TCommissionType, sellType);
    const TTradeInput input{12.03125, 1500, 1.25, buyType, 13.5, 2.5, sellType};
    QCOMPARE(CalcProfit(input.BuyPrice, input.Shares, input.BuyCommission, input.SellPrice,
                        input.SellCommission, {buyType, sellType}),
             CalcTrade(input).NetProfit);
}

void TradeTest::nonFiniteAmountsAreArithmeticFaults_data()
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::addColumn<double>("buyPrice");
    QTest::addColumn<double>("shares");
    QTest::addColumn<double>("sellPrice");
    QTest::newRow("cost overflows") << 1e200 << 1e200 << 1.0;
    QTest::newRow("proceeds overflow") << 1.0 << 1e200 << 1e200;
    QTest::newRow("difference overflows") << -1.7e308 << 1.0 << 1.7e308;
    QTest::newRow("infinite price") << inf << 1.0 << 1.0;
    QTest::newRow("infinite price, no shares") << inf << 0.0 << 1.0;
    QTest::newRow("not a number") << 1.0 << nan << 1.0;
}

void TradeTest::nonFiniteAmountsAreArithmeticFaults()
{
    QFETCH(double, buyPrice);
    QFETCH(double, shares);
    QFETCH(double, sellPrice);
    for (const auto type : {Fee, Percent}) {
        QVERIFY_THROWS_EXCEPTION(common::ArithmeticFault,
                                 CalcTrade({buyPrice, shares, 1.0, type, sellPrice, 1.0, type}));
        QVERIFY_THROWS_EXCEPTION(common::ArithmeticFault,
                                 CalcProfit(buyPrice, shares, 1.0, sellPrice, 1.0, {type, type}));
    }
}

void TradeTest::switchingTheTypeDoesNotConvertTheNumber()
{
    // The same number 10 is ten dollars as a fee and ten per cent as a percentage.
    TTradeInput input{20.0, 50.0, 10.0, Fee, 22.0, 10.0, Fee};
    QCOMPARE(CalcTrade(input).BuyCommissionPaid, 10.0);
    input.BuyCommissionType = Percent;
    QCOMPARE(CalcTrade(input).BuyCommissionPaid, 100.0);
    QCOMPARE(CalcTrade(input).SellCommissionPaid, 10.0);
}

QTEST_APPLESS_MAIN(TradeTest)
#include "tst_trade.moc"
