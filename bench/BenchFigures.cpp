#include "BenchFigures.h"

#include <cstdio>

void TFigureReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
        if (run.iterations > 0)
            FSeconds[run.run_name.function_name] =
                run.real_accumulated_time / static_cast<double>(run.iterations);
}

double TFigureReporter::Seconds(const std::string& name) const
{
    const auto found = FSeconds.find(name);
    return found == FSeconds.end() ? 0.0 : found->second;
}

void PrintFigures(const TFigureReporter& figures)
{
    const double generation = figures.Seconds("Generation");
    const double reference = figures.Seconds("ReferenceGeneration");
    const double settling = figures.Seconds("EvolveSettlingSoup");
    const double growing = figures.Seconds("EvolveGrowingSoup");
    std::printf("generation_us: %.1f us\n", generation * 1e6);
    std::printf("reference_generation_us: %.1f us\n", reference * 1e6);
    std::printf("generation_vs_reference: %.2f\n", reference > 0 ? generation / reference : 0.0);
    std::printf("evolve_generations_per_s: %.0f generations/s\n", settling > 0 ? 1000 / settling : 0.0);
    std::printf("evolve_growing_generations_per_s: %.0f generations/s\n",
                growing > 0 ? 1000 / growing : 0.0);
    std::printf("random_1000_us: %.1f us\n", figures.Seconds("RandomThousand") * 1e6);
    std::printf("random_max_ms: %.1f ms\n", figures.Seconds("RandomMax") * 1e3);
}
