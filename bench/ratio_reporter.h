// Google Benchmark's console table, then each benchmark's time as a ratio to a baseline's.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace zz::bench {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  explicit RatioReporter(std::string baseline) : baseline_(std::move(baseline)) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration) times_[run.run_name.function_name] = run.GetAdjustedRealTime();
  }

  // `heading`, then one line a benchmark other than the baseline.
  void PrintRatios(const std::string& heading) const {
    auto base = times_.find(baseline_);
    if (base == times_.end() || base->second <= 0) return;
    std::printf("\n%s\n", heading.c_str());
    for (const auto& [name, time] : times_)
      if (name != baseline_) std::printf("  %-32s %6.2f\n", name.c_str(), time / base->second);
  }

 private:
  std::string baseline_;
  std::map<std::string, double> times_;
};

// The benchmarks' main: runs them, then prints the ratios under the heading `heading()` gives.
template <class Heading>
int RunWithRatios(int argc, char** argv, const std::string& baseline, Heading heading) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter(baseline);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios(heading());
  benchmark::Shutdown();
  return 0;
}

}  // namespace zz::bench
