#include "faults.h"
#include "locale_record.h"
#include "profit_chart.h"
#include "test_support.h"
#include "text_formats.h"

#include <QTest>

using namespace gildcrest;

namespace {

const common::LocaleRecord& us() { return testsupport::usLocale(); }

ChartInputs trade(double buy, double shares, double sell, double increment, double fee = 0.0)
{
    ChartInputs inputs;
    inputs.buyPrice = buy;
    inputs.shares = shares;
    inputs.buyCommission = fee;
    inputs.sellPrice = sell;
    inputs.sellCommission = fee;
    inputs.increment = increment;
    return inputs;
}

ProfitChart filled(const ChartInputs& inputs, const common::LocaleRecord& locale = us())
{
    ProfitChart chart;
    cleanChart(chart);
    fillChart(chart, inputs, locale);
    return chart;
}

QStringList column(const ProfitChart& chart, int c)
{
    QStringList texts;
    for (int row = 0; row < kChartRows; ++row)
        texts << chart.text(c, row);
    return texts;
}

QStringList row(const ProfitChart& chart, int r)
{
    QStringList texts;
    for (int c = 0; c < kChartColumns; ++c)
        texts << chart.text(c, r);
    return texts;
}

} // namespace

class ProfitChartTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithInitialHeadersOnly();
    void headersStepUpwardsAndAroundTheSellPrice();
    void cellsHoldTheNetProfit();
    void zeroIncrementRepeatsThePrices();
    void sellPricesBelowZeroUseTheNegativePattern();
    void cellTexts_data();
    void cellTexts();
    void followsTheLocale();
    void faultStopsTheFillWhereItHappened();
    void faultInThePricesWritesNothing();
    void cleaningEmptiesEveryCell();
    void highlightsTheEnteredPrices();
};

void ProfitChartTest::startsWithInitialHeadersOnly()
{
    ProfitChart chart;
    cleanChart(chart);
    QCOMPARE(row(chart, 0), QStringList({" Buy / Sell", " ($0.75)", " ($0.50)", " ($0.25)", " $0.00",
                                         " $0.25", " $0.50", " $0.75"}));
    QCOMPARE(column(chart, 0), QStringList({" Buy / Sell", " $0.00", " $0.25", " $0.50", " $0.75",
                                            " $1.00", " $1.25", " $1.50", " $1.75"}));
    for (int c = 1; c < kChartColumns; ++c)
        for (int r = 1; r < kChartRows; ++r)
            QVERIFY(chart.text(c, r).isEmpty());
}

void ProfitChartTest::headersStepUpwardsAndAroundTheSellPrice()
{
    const ProfitChart chart = filled(trade(10, 0, 12, 0.25));
    QCOMPARE(row(chart, 0), QStringList({" Buy / Sell", "  $11.25", "  $11.50", "  $11.75", "  $12.00",
                                         "  $12.25", "  $12.50", "  $12.75"}));
    QCOMPARE(column(chart, 0), QStringList({" Buy / Sell", " $10.00", " $10.25", " $10.50", " $10.75",
                                            " $11.00", " $11.25", " $11.50", " $11.75"}));
}

void ProfitChartTest::cellsHoldTheNetProfit()
{
    const ProfitChart chart = filled(trade(10, 100, 12.5, 0.25, 9.95));
    QCOMPARE(chart.text(4, 1), " $230.10");
    QCOMPARE(chart.text(5, 1), " $255.10");
    QCOMPARE(chart.text(4, 2), " $205.10");
    QCOMPARE(chart.text(1, 8), " ($19.90)"); // buy 11.75, sell 11.75: both fees lost
    QCOMPARE(chart.text(7, 8), " $130.10");  // buy 11.75, sell 13.25
}

void ProfitChartTest::zeroIncrementRepeatsThePrices()
{
    const ProfitChart chart = filled(trade(10, 100, 12.5, 0.0, 9.95));
    for (int c = 1; c < kChartColumns; ++c)
        QCOMPARE(chart.text(c, 0), "  $12.50");
    for (int r = 1; r < kChartRows; ++r)
        QCOMPARE(chart.text(0, r), " $10.00");
    for (int c = 1; c < kChartColumns; ++c)
        for (int r = 1; r < kChartRows; ++r)
            QCOMPARE(chart.text(c, r), " $230.10");
}

void ProfitChartTest::sellPricesBelowZeroUseTheNegativePattern()
{
    ChartInputs inputs = trade(0, 100, 0, 0.25);
    inputs.sellCommission = 1;
    inputs.types.sell = TCommissionType::ctPercent;
    const ProfitChart chart = filled(inputs);
    QCOMPARE(row(chart, 0).mid(1, 4), QStringList({"  ($0.75)", "  ($0.50)", "  ($0.25)", "  $0.00"}));
    // Selling at -0.75: proceeds -75, commission -0.75, net -74.25.
    QCOMPARE(chart.text(1, 1), " ($74.25)");
}

void ProfitChartTest::cellTexts_data()
{
    QTest::addColumn<double>("buy");
    QTest::addColumn<double>("sell");
    QTest::addColumn<QString>("cornerOfTheEnteredPrices");
    QTest::addColumn<QString>("buyHeader");

    QTest::newRow("thirty-second price") << 10.03125 << 10.03125 << " $0.00" << " $10.03";
    QTest::newRow("exact half cent") << 0.0 << 0.125 << " $0.13" << " $0.00";
    QTest::newRow("negative exact half cent") << 0.125 << 0.0 << " ($0.13)" << " $0.13";
    QTest::newRow("loss rounding to zero") << 0.004 << 0.0 << " $0.00" << " $0.00";
    QTest::newRow("ten digits") << 0.0 << 1234567890.12 << " $1,234,567,890.00" << " $0.00";
    QTest::newRow("eleven digits") << 0.0 << 12345678901.23 << " 1.23456789E10" << " $0.00";
}

void ProfitChartTest::cellTexts()
{
    QFETCH(double, buy);
    QFETCH(double, sell);
    const ProfitChart chart = filled(trade(buy, 1, sell, 0.0));
    QTEST(chart.text(kSelectedCell.column, kSelectedCell.row), "cornerOfTheEnteredPrices");
    QTEST(chart.text(0, 1), "buyHeader");
}

void ProfitChartTest::followsTheLocale()
{
    const ProfitChart chart = filled(trade(10, 100, 12.5, 0.25, 9.95), testsupport::germanLocale());
    QCOMPARE(chart.text(4, 1), QString::fromUtf8(" 230,10\u00A0€"));
    QCOMPARE(chart.text(1, 0), QString::fromUtf8("  11,75\u00A0€"));
    // The initial headers are fixed texts, whatever the locale.
    ProfitChart initial;
    cleanChart(initial);
    QCOMPARE(initial.text(1, 0), " ($0.75)");
}

void ProfitChartTest::faultStopsTheFillWhereItHappened()
{
    // Sell prices 80 ... 200 with 1e306 shares: selling at 180 (column 6) overflows.
    ProfitChart chart;
    cleanChart(chart);
    QVERIFY_THROWS_EXCEPTION(common::ArithmeticFault, fillChart(chart, trade(0, 1e306, 140, 20), us()));
    QCOMPARE(chart.text(6, 0), "  $180.00"); // every header was written first
    QCOMPARE(chart.text(0, 8), " $140.00");
    QCOMPARE(chart.text(5, 8), " 2E307"); // the last cell before the fault
    QVERIFY(chart.text(6, 1).isEmpty());
    QVERIFY(chart.text(7, 8).isEmpty());
}

void ProfitChartTest::faultInThePricesWritesNothing()
{
    ProfitChart chart;
    cleanChart(chart);
    QVERIFY_THROWS_EXCEPTION(common::ArithmeticFault, fillChart(chart, trade(1.7e308, 1, 1, 1e308), us()));
    ProfitChart initial;
    cleanChart(initial);
    for (int c = 0; c < kChartColumns; ++c)
        QCOMPARE(column(chart, c), column(initial, c));
}

void ProfitChartTest::cleaningEmptiesEveryCell()
{
    ProfitChart chart = filled(trade(10, 100, 12.5, 0.25, 9.95));
    cleanChart(chart);
    ProfitChart initial;
    cleanChart(initial);
    for (int c = 0; c < kChartColumns; ++c)
        QCOMPARE(column(chart, c), column(initial, c));

    // Writing the headers alone leaves the net profits standing.
    chart = filled(trade(10, 100, 12.5, 0.25, 9.95));
    writeInitialHeaders(chart);
    QCOMPARE(row(chart, 0), row(initial, 0));
    QCOMPARE(column(chart, 0), column(initial, 0));
    QCOMPARE(chart.text(4, 1), " $230.10");
}

void ProfitChartTest::highlightsTheEnteredPrices()
{
    QVERIFY(isHighlightedCell(4, 1));
    QVERIFY(isHighlightedCell(4, 8));
    QVERIFY(isHighlightedCell(7, 1));
    QVERIFY(!isHighlightedCell(3, 2));
    QVERIFY(!isHighlightedCell(4, 0)); // headers keep the header colour
    QVERIFY(!isHighlightedCell(0, 1));
}

QTEST_APPLESS_MAIN(ProfitChartTest)
#include "tst_profit_chart.moc"
