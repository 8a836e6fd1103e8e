#include "locale_record.h"
#include "text_formats.h"

#include <benchmark/benchmark.h>

namespace {

void CurrencyText(benchmark::State& state)
{
    const common::LocaleRecord locale = common::localeRecordFor("en_US");
    double amount = 1234.56;
    for (auto _ : state) {
        benchmark::DoNotOptimize(amount);
        QString text = common::currencyText(amount, locale);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(CurrencyText);

} // namespace
