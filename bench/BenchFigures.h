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

private:
    std::map<std::string, double> FSeconds;
};

// Prints one line per figure: "name: value unit".
void PrintFigures(const TFigureReporter& figures);
