// Leaving the cash field to the end of the recalculation it runs, with the
// thirty real result fields on the offscreen platform.
#include "main_window.h"
#include "offscreen_application.h"
#include "picture_field.h"

#include <QTabWidget>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

void LeavingCashRecalculates(benchmark::State& state)
{
    offscreenApplication();
    fernwick::TfrmMain window;
    window.show();
    if (!QTest::qWaitForWindowActive(&window)) {
        state.SkipWithError("the window did not become active");
        return;
    }
    window.findChild<QTabWidget*>(QStringLiteral("nbkMain"))->setCurrentIndex(1);
    auto* cash = window.findChild<common::PictureField*>(QStringLiteral("edtCash"));
    auto* interest = window.findChild<common::PictureField*>(QStringLiteral("edtDebtInterest"));

    // Each round enters the cash field and leaves it with Tab; the second
    // half of the round (back from the interest field) is not timed.
    double cashValue = 1000;
    for (auto _ : state) {
        state.PauseTiming();
        cash->setFocus();
        cash->setValue(cashValue);
        cashValue += 1;
        state.ResumeTiming();
        QTest::keyClick(cash, Qt::Key_Tab);
        state.PauseTiming();
        interest->setFocus();
        state.ResumeTiming();
    }
}
BENCHMARK(LeavingCashRecalculates)->Unit(benchmark::kMicrosecond);

} // namespace
