#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

// Collects the mean real time per iteration of each benchmark, in seconds,
// while passing the runs on to the console.
class TFigureReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Seconds per iteration of the named benchmark; 0 when it did not run.
    double Seconds(const std::string& name) const;
    // A counter the named benchmark set; 0 when it did not run or set none.
    double Counter(const std::string& name, const std::string& counter) const;

private:
    std::map<std::string, double> FSeconds;
    std::map<std::string, benchmark::UserCounters> FCounters;
};

// Prints one line per figure whose benchmarks ran: "name: value unit". The
// window figures carry the platform's name, as in evolve_x11_generations_per_s,
// unless the platform is "" (the offscreen one).
void PrintFigures(const TFigureReporter& figures, const std::string& platform);
