#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

// Google Benchmark's console output, plus the time of each benchmark kept by
// name so that main() can print "ours / peer" measured in the same run.
namespace bench {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // CPU time is steadier on a shared machine; wall time counts waiting too.
  enum class Clock { Cpu, Wall };
  explicit RatioReporter(Clock clock = Clock::Cpu) : clock_(clock) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      times_[run.benchmark_name()] = clock_ == Clock::Cpu ? run.GetAdjustedCPUTime() : run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }

  // 0 when the benchmark did not run (filtered out or failed).
  double Time(const std::string& name) const {
    const auto it = times_.find(name);
    return it == times_.end() ? 0 : it->second;
  }

  // Prints "<label>: <ratio>" when both ran.
  void PrintRatio(const char* label, const std::string& ours, const std::string& peer) const {
    const double a = Time(ours), b = Time(peer);
    if (a > 0 && b > 0) std::printf("%s: %.2f\n", label, a / b);
  }

 private:
  Clock clock_;
  std::map<std::string, double> times_;
};

}  // namespace bench
