// One recalculation of the debt-versus-investment calculator: the ten-year
// projection and the 30 currency texts of its results.
#include "locale_record.h"
#include "projection.h"
#include "text_formats.h"

#include <benchmark/benchmark.h>

namespace {

void FernwickRecalculation(benchmark::State& state)
{
    const common::LocaleRecord locale = common::localeRecordFor("en_US");
    double cash = 1000.0;
    double debtInterest = 18.0;
    double investmentReturn = 7.0;
    for (auto _ : state) {
        // Keeps the compiler from working the projection out once for all runs.
        benchmark::DoNotOptimize(cash);
        benchmark::DoNotOptimize(debtInterest);
        benchmark::DoNotOptimize(investmentReturn);
        const auto years = fernwick::ProjectPayVsInvest(cash, debtInterest, investmentReturn);
        for (const fernwick::PayVsInvestYear& year : years) {
            benchmark::DoNotOptimize(common::currencyText(year.Investment, locale));
            benchmark::DoNotOptimize(common::currencyText(year.Debt, locale));
            benchmark::DoNotOptimize(common::currencyText(year.Difference, locale));
        }
    }
}
BENCHMARK(FernwickRecalculation);

} // namespace
