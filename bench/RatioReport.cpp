#include "RatioReport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace orbel::bench {

TimeRecorder::TimeRecorder() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

void TimeRecorder::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    if (run.error_occurred || run.iterations == 0) continue;
    // run_name leaves out the aggregate's suffix, so single runs and their median share a key.
    const std::string name = run.run_name.str();
    if (run.run_type == Run::RT_Iteration) {
      Total& total = totals_[name];
      total.seconds += run.real_accumulated_time;
      total.iterations += static_cast<double>(run.iterations);
    } else if (run.aggregate_name == "median") {
      // An aggregate keeps the repetitions' accumulated time and the iterations of one repetition.
      medians_[name] = run.real_accumulated_time / static_cast<double>(run.iterations);
    }
  }
  ConsoleReporter::ReportRuns(runs);
}

double TimeRecorder::secondsPerIteration(const std::string& name) const {
  if (auto median = medians_.find(name); median != medians_.end()) return median->second;
  auto found = totals_.find(name);
  return found == totals_.end() || found->second.iterations == 0 ? 0 : found->second.seconds / found->second.iterations;
}

void printComparisons(const TimeRecorder& recorder, std::span<const Comparison> comparisons) {
  std::printf("\n");
  for (const Comparison& comparison : comparisons) {
    const double measured = recorder.secondsPerIteration(comparison.measured);
    const double baseline = recorder.secondsPerIteration(comparison.baseline);
    if (measured == 0 || baseline == 0) continue;
    std::printf("%s: %.1fx baseline", comparison.label, measured / baseline);
    if (comparison.goalMicroseconds > 0) std::printf(", %.2f us", measured * 1e6);
    if (comparison.goal > 0) std::printf(" (goal: within %.0fx)", comparison.goal);
    if (comparison.goalMicroseconds > 0) std::printf(" (goal: under %.0f us)", comparison.goalMicroseconds);
    std::printf("\n");
  }
}

void mallocCopyFree(benchmark::State& state, const std::vector<std::uint8_t>& bytes) {
  for (auto _ : state) {
    void* block = std::malloc(bytes.size());
    benchmark::DoNotOptimize(block);
    std::memcpy(block, bytes.data(), bytes.size());
    benchmark::ClobberMemory();
    std::free(block);
  }
}

}  // namespace orbel::bench
