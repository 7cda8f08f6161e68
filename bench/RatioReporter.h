// Reports each benchmark as a multiple of a baseline measured in the same
// run: a console reporter that also keeps the mean time per iteration of
// every benchmark, and the lines that compare them.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <span>
#include <string>
#include <vector>

namespace orbel::bench {

// The console output as usual (coloured on a terminal only), plus the mean
// time per iteration of each benchmark over all its repetitions.
class TimeRecorder : public benchmark::ConsoleReporter {
 public:
  TimeRecorder();

  void ReportRuns(const std::vector<Run>& runs) override;

  // Zero when the benchmark did not run (filtered out, or failed).
  double secondsPerIteration(const std::string& name) const;

 private:
  struct Total {
    double seconds = 0;
    double iterations = 0;
  };
  std::map<std::string, Total> totals_;
};

struct Comparison {
  const char* label;
  const char* measured;
  const char* baseline;
  double goal;                    // as a multiple of the baseline; 0 for none
  double goalMicroseconds = 0;    // per iteration; 0 for none
};

// One line per comparison whose two benchmarks both ran.
void printComparisons(const TimeRecorder& recorder, std::span<const Comparison> comparisons);

}  // namespace orbel::bench
