#include "profit_chart.h"

#include "faults.h"
#include "text_formats.h"

using common::checkedAmount;

namespace gildcrest {

namespace {

constexpr int kSellColumnsEachSide = 3;

constexpr std::array<const char16_t*, kChartColumns> kInitialSellHeaders = {
    u" Buy / Sell", u" ($0.75)", u" ($0.50)", u" ($0.25)", u" $0.00", u" $0.25", u" $0.50", u" $0.75",
};
constexpr std::array<const char16_t*, kChartRows - 1> kInitialBuyHeaders = {
    u" $0.00", u" $0.25", u" $0.50", u" $0.75", u" $1.00", u" $1.25", u" $1.50", u" $1.75",
};

} // namespace

void fillChart(ProfitChart& chart, const ChartInputs& in, const common::LocaleRecord& locale)
{
    std::array<double, kChartRows> buyPrices{};
    for (int row = 1; row < kChartRows; ++row)
        buyPrices[std::size_t(row)] = checkedAmount(in.buyPrice + (row - 1) * in.increment);
    std::array<double, kChartColumns> sellPrices{};
    for (int column = 1; column < kChartColumns; ++column)
        sellPrices[std::size_t(column)] =
            checkedAmount(in.sellPrice + (column - 1 - kSellColumnsEachSide) * in.increment);

    for (int column = 1; column < kChartColumns; ++column)
        chart.setText(column, 0, QStringLiteral("  ") + common::currencyText(sellPrices[std::size_t(column)], locale));
    for (int row = 1; row < kChartRows; ++row)
        chart.setText(0, row, QLatin1Char(' ') + common::currencyText(buyPrices[std::size_t(row)], locale));

    for (int column = 1; column < kChartColumns; ++column) {
        for (int row = 1; row < kChartRows; ++row) {
            const double profit = CalcProfit(buyPrices[std::size_t(row)], in.shares, in.buyCommission,
                                             sellPrices[std::size_t(column)], in.sellCommission, in.types);
            chart.setText(column, row, QLatin1Char(' ') + common::currencyText(profit, locale));
        }
    }
}

void cleanChart(ProfitChart& chart)
{
    for (int column = 0; column < kChartColumns; ++column)
        for (int row = 0; row < kChartRows; ++row)
            chart.setText(column, row, QString());
    writeInitialHeaders(chart);
}

void writeInitialHeaders(ProfitChart& chart)
{
    for (int column = 0; column < kChartColumns; ++column)
        chart.setText(column, 0, QString::fromUtf16(kInitialSellHeaders[std::size_t(column)]));
    for (int row = 1; row < kChartRows; ++row)
        chart.setText(0, row, QString::fromUtf16(kInitialBuyHeaders[std::size_t(row - 1)]));
}

} // namespace gildcrest
