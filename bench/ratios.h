// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Every figure is timed beside its baseline in the same run: after the usual table this
// prints each pair's ratio, from the best time of each.
namespace avtosalon::bench {

using Pairs = std::vector<std::pair<std::string, std::string>>;  // measured, baseline

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  explicit RatioReporter(Pairs pairs) : ConsoleReporter(OO_Tabular), pairs_(std::move(pairs)) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.iterations == 0 || run.error_occurred) continue;
      const double time = run.GetAdjustedCPUTime();
      auto [it, inserted] = times_.try_emplace(run.run_name.function_name, time);
      if (!inserted && time < it->second) it->second = time;
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const auto& [measured, baseline] : pairs_) {
      const auto a = times_.find(measured);
      const auto b = times_.find(baseline);
      if (a == times_.end() || b == times_.end() || b->second == 0) continue;
      std::printf("ratio %-24s / %-22s %8.2fx\n", measured.c_str(), baseline.c_str(),
                  a->second / b->second);
    }
  }

  // The best time of a benchmark in nanoseconds, 0 when it did not run.
  double Nanoseconds(const std::string& name) const {
    const auto it = times_.find(name);
    return it == times_.end() ? 0 : it->second;
  }

 private:
  Pairs pairs_;
  std::map<std::string, double> times_;
};

// The body of a benchmark program's main.
inline int RunWithRatios(int argc, char** argv, RatioReporter& reporter) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

}  // namespace avtosalon::bench
