// The main window on the offscreen platform: a whole Evolve run with its pump
// and repaints, and Random with an ordinary and the largest count.
#include "BenchSeeds.h"

#include "app/TForm1.h"
#include "forms/TApplication.h"
#include "forms/TBitBtn.h"
#include "forms/TEdit.h"
#include "forms/TImage.h"

#include <benchmark/benchmark.h>

namespace {

// The shown main window, made once for all window benchmarks.
TForm1& ShownMainWindow()
{
    if (!Form1) {
        Application->CreateForm(Form1);
        Form1->Show();
        Application->ProcessMessages();
    }
    return *Form1;
}

// A cleared board seeded with a soup, as clicks would seed it.
void SeedSoup(TForm1& form, unsigned soup)
{
    form.btn4Click(nullptr);
    for (const auto& [r, c] : ThousandSeeds(soup))
        TLifeBoard::PaintAt(form.img1->Canvas(), TLifeBoard::SampleX(c), TLifeBoard::SampleY(r),
                            TLifeBoard::LivingColor);
    form.FSeeded = true;
    Application->ProcessMessages();
}

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
