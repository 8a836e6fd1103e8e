// One recalculation as the calculator core sees it on every keystroke:
// the increment, the trade, and the 15 header and 56 cell texts of the chart.
#include "fractions.h"
#include "locale_record.h"
#include "profit_chart.h"
#include "text_formats.h"
#include "trade.h"

#include <benchmark/benchmark.h>

namespace {

void GildcrestRecalculation(benchmark::State& state)
{
    const common::LocaleRecord locale = common::localeRecordFor("en_US");
    gildcrest::ProfitChart chart;
    gildcrest::cleanChart(chart);
    const QString fraction = QStringLiteral("1/4");
    for (auto _ : state) {
        const double increment = gildcrest::spreadIncrement(0.0, fraction);
        const gildcrest::TTradeInput input{10.0, 100.0, 9.95, gildcrest::TCommissionType::ctFee,
                                           12.5, 9.95, gildcrest::TCommissionType::ctFee};
        const gildcrest::TTradeResult result = gildcrest::CalcTrade(input);
        benchmark::DoNotOptimize(result);
        gildcrest::ChartInputs chartInputs;
        chartInputs.buyPrice = input.BuyPrice;
        chartInputs.shares = input.Shares;
        chartInputs.buyCommission = input.BuyCommission;
        chartInputs.sellPrice = input.SellPrice;
        chartInputs.sellCommission = input.SellCommission;
        chartInputs.increment = increment;
        gildcrest::fillChart(chart, chartInputs, locale);
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(GildcrestRecalculation);

} // namespace
