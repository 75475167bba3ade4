// The main window on the test platform: a whole Evolve run with its pump and
// repaints, as fast as they go (the fake frame clock lets no time pass between
// frames: the headroom over a paced run), and Random with an ordinary and the
// largest count.
#include "BenchSeeds.h"
#include "BenchWindow.h"

#include "app/TForm1.h"
#include "forms/TApplication.h"
#include "forms/TBitBtn.h"
#include "forms/TEdit.h"
#include "forms/TImage.h"

#include <benchmark/benchmark.h>

namespace {

void EvolveThousandGenerations(benchmark::State& state, unsigned soup)
{
    TForm1& form = ShownMainWindow();
    form.edt1->SetText("1000");
    for (auto _ : state) {
        state.PauseTiming();
        SeedSoup(form, soup);
        state.ResumeTiming();
        form.btnGoClick(form.btnGo);
    }
}

void EvolveSettlingSoup(benchmark::State& state)
{
    EvolveThousandGenerations(state, SettlingSoup);
}
BENCHMARK(EvolveSettlingSoup)->Iterations(3)->Unit(benchmark::kMillisecond);

void EvolveGrowingSoup(benchmark::State& state)
{
    EvolveThousandGenerations(state, GrowingSoup);
}
BENCHMARK(EvolveGrowingSoup)->Iterations(3)->Unit(benchmark::kMillisecond);

void RandomWithCount(benchmark::State& state, const char* count)
{
    TForm1& form = ShownMainWindow();
    form.edt2->SetText(count);
    for (auto _ : state) {
        state.PauseTiming();
        form.btn4Click(nullptr);
        state.ResumeTiming();
        form.btn3Click(form.btn3);
    }
}

void RandomThousand(benchmark::State& state)
{
    RandomWithCount(state, "1000");
}
BENCHMARK(RandomThousand)->Iterations(200)->Unit(benchmark::kMicrosecond);

void RandomMax(benchmark::State& state)
{
    RandomWithCount(state, "2147483647");
}
BENCHMARK(RandomMax)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace
