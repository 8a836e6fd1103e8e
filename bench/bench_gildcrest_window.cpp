// One keystroke in the buy price field to the end of its recalculation,
// with the real widgets on the offscreen platform.
#include "main_window.h"
#include "numeric_edit.h"
#include "offscreen_application.h"

#include <QTest>

#include <benchmark/benchmark.h>

namespace {

void typeInto(common::NumericEdit* field, const char* keys)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QString::fromLatin1(keys));
}

void KeystrokeInBuyPrice(benchmark::State& state)
{
    offscreenApplication();
    gildcrest::TfrmMain window;
    window.show();
    if (!QTest::qWaitForWindowActive(&window)) {
        state.SkipWithError("the window did not become active");
        return;
    }
    auto* buyPrice = window.findChild<common::NumericEdit*>(QStringLiteral("edtStockBuyPrice"));
    typeInto(window.findChild<common::NumericEdit*>(QStringLiteral("edtStockShares")), "100");
    typeInto(window.findChild<common::NumericEdit*>(QStringLiteral("edtStockBuyCommission")), "9.95");
    typeInto(window.findChild<common::NumericEdit*>(QStringLiteral("edtStockSellPrice")), "12.50");
    typeInto(buyPrice, "10");

    // Typing a digit and taking it back: every keystroke changes every result.
    bool typeDigit = true;
    for (auto _ : state) {
        QTest::keyClick(buyPrice, typeDigit ? Qt::Key_5 : Qt::Key_Backspace);
        typeDigit = !typeDigit;
    }
}
BENCHMARK(KeystrokeInBuyPrice)->Unit(benchmark::kMicrosecond);

} // namespace
