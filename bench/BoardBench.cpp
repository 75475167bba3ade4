// One generation on the start-up board straight after 1000 random seeds,
// through the raster and on a plain cell array; each iteration starts again
// from the seeded board.
#include "BenchSeeds.h"
#include "TCellArray.h"

#include "board/TLifeBoard.h"
#include "forms/TBitmap.h"
#include "forms/TCanvas.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int RunLength = 1000;

void Generation(benchmark::State& state)
{
    TBitmap bitmap(BoardWidth, BoardHeight);
    int rows = 0;
    int cols = 0;
    TLifeBoard board(rows, cols);
    const auto seeds = ThousandSeeds(GrowingSoup);
    for (auto _ : state) {
        state.PauseTiming();
        board.DrawGrid(bitmap.Canvas(), BoardWidth, BoardHeight);
        for (const auto& [r, c] : seeds)
            TLifeBoard::PaintAt(bitmap.Canvas(), TLifeBoard::SampleX(c), TLifeBoard::SampleY(r),
                                TLifeBoard::LivingColor);
        state.ResumeTiming();
        board.Generation(bitmap.Canvas());
    }
}
BENCHMARK(Generation)->Iterations(RunLength)->Unit(benchmark::kMicrosecond);

void ReferenceGeneration(benchmark::State& state)
{
    TCellArray board(BoardRows, BoardCols);
    for (const auto& [r, c] : ThousandSeeds(GrowingSoup))
        board.SetAlive(r, c);
    const TCellArray seeded = board;
    for (auto _ : state) {
        state.PauseTiming();
        board = seeded;
        state.ResumeTiming();
        board.Generation();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(ReferenceGeneration)->Iterations(RunLength)->Unit(benchmark::kMicrosecond);

} // namespace
