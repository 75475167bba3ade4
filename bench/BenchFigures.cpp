#include "BenchFigures.h"

#include <cstdio>
#include <utility>

void TFigureReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
        if (run.iterations > 0 && !run.error_occurred) {
            FSeconds[run.run_name.function_name] =
                run.real_accumulated_time / static_cast<double>(run.iterations);
            FCounters[run.run_name.function_name] = run.counters;
        }
}

double TFigureReporter::Counter(const std::string& name, const std::string& counter) const
{
    const auto found = FCounters.find(name);
    if (found == FCounters.end())
        return 0.0;
    const auto value = found->second.find(counter);
    return value == found->second.end() ? 0.0 : value->second.value;
}

double TFigureReporter::Seconds(const std::string& name) const
{
    const auto found = FSeconds.find(name);
    return found == FSeconds.end() ? 0.0 : found->second;
}

namespace {

void Print(const char* name, double value, const char* format)
{
    std::printf("%s: ", name);
    std::printf(format, value);
    std::printf("\n");
}

} // namespace

void PrintFigures(const TFigureReporter& figures, const std::string& platform)
{
    const double generation = figures.Seconds("Generation");
    const double reference = figures.Seconds("ReferenceGeneration");
    const double settling = figures.Seconds("EvolveSettlingSoup");
    const double growing = figures.Seconds("EvolveGrowingSoup");
    const double randomThousand = figures.Seconds("RandomThousand");
    const double randomMax = figures.Seconds("RandomMax");
    const std::string on = platform.empty() ? std::string() : platform + "_";
    if (generation > 0)
        Print("generation_us", generation * 1e6, "%.1f us");
    if (reference > 0)
        Print("reference_generation_us", reference * 1e6, "%.1f us");
    if (generation > 0 && reference > 0)
        Print("generation_vs_reference", generation / reference, "%.2f");
    if (settling > 0)
        Print(("evolve_" + on + "generations_per_s").c_str(), 1000 / settling,
              "%.0f generations/s");
    if (growing > 0)
        Print(("evolve_growing_" + on + "generations_per_s").c_str(), 1000 / growing,
              "%.0f generations/s");
    if (randomThousand > 0)
        Print(("random_" + on + "1000_us").c_str(), randomThousand * 1e6, "%.1f us");
    if (randomMax > 0)
        Print(("random_" + on + "max_ms").c_str(), randomMax * 1e3, "%.1f ms");
    // The paced figures are X11's; another display's carry its name.
    const std::string paced = platform == "x11" ? std::string() : on;
    if (figures.Seconds("PacedRun") > 0) {
        const auto run = [&](const char* figure, const char* counter, const char* format) {
            Print(("run_" + paced + figure).c_str(), figures.Counter("PacedRun", counter), format);
        };
        run("cpu_share", "cpu_share", "%.3f");
        Print((paced + "refresh_interval_ms").c_str(),
              figures.Counter("PacedRun", "refresh_interval_ms"), "%.2f ms");
        run("frame_interval_median_ms", "frame_interval_median_ms", "%.2f ms");
        run("frame_interval_p95_ms", "frame_interval_p95_ms", "%.2f ms");
    }
    // What the run's frames cost with nothing computed, for comparison.
    const std::pair<const char*, const char*> frameCosts[] = {{"PacedWait", "wait"},
                                                              {"PacedRepaint", "repaint"}};
    for (const auto& [benchmark, figure] : frameCosts)
        if (figures.Seconds(benchmark) > 0)
            Print(("paced_" + paced + figure + "_cpu_share").c_str(),
                  figures.Counter(benchmark, "cpu_share"), "%.3f");
    // A run against the toolkit's own cost of showing its frames; target <= 2.
    if (figures.Seconds("PacedRun") > 0 && figures.Seconds("PacedRepaint") > 0)
        Print(("run_" + paced + "vs_repaint_cpu_share").c_str(),
              figures.Counter("PacedRun", "cpu_share") /
                  figures.Counter("PacedRepaint", "cpu_share"),
              "%.2f");
    if (figures.Seconds("StopLatency") > 0)
        Print("stop_latency_ms", figures.Counter("StopLatency", "median_ms"), "%.1f ms");
}
