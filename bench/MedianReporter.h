#pragma once
// A console reporter that also keeps the median real time of each benchmark run with repetitions,
// so that a benchmark's main can print its figures next to its reference measured in the same run.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.aggregate_name == "median") medians[run.run_name.str()] = run.GetAdjustedRealTime();
    }
    std::map<std::string, double> medians;
};
