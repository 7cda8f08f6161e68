// Benchmarks reported as multiples of a baseline measured in the same run:
// a console reporter that also keeps each benchmark's mean time per
// iteration, the ratio lines printed after the run, and the malloc + memcpy
// + free baseline that message builders are held against.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace orbel::bench {

// The console output as usual (coloured on a terminal only), plus the time
// per iteration of each benchmark: the median of its repetitions when they
// were aggregated, else the mean over the runs reported. It works whether the
// single runs, the aggregates or both are reported.
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
  std::map<std::string, double> medians_;
};

struct Comparison {
  const char* label;
  const char* measured;
  const char* baseline;
  double goal;                  // as a multiple of the baseline; 0 for none
  double goalMicroseconds = 0;  // per iteration; 0 for none
};

// "label: 1.8x baseline (goal: within 3x)" for each pair that ran; "(medians)" when repetitions were aggregated.
void printComparisons(const TimeRecorder& recorder, std::span<const Comparison> comparisons);

// Mallocs a block of the size of `bytes`, copies them into it and frees it.
void mallocCopyFree(benchmark::State& state, const std::vector<std::uint8_t>& bytes);

}  // namespace orbel::bench
