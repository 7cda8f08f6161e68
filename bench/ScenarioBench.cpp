// A scenario of 100 000 commands loaded from and saved to its file image,
// next to copying the same bytes into a fresh block (goal: within 10x).
// The file system is left out: a save's fsync would measure the disk.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "RatioReport.h"
#include "orbel/primitive/KovaScenario.h"

namespace {

constexpr int kCommands = 100000;

void load(benchmark::State& state, const std::string* image) {
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(image->data()), image->size());
  for (auto _ : state) {
    CKovaScenario scenario;
    benchmark::DoNotOptimize(scenario.appendFrom(bytes));
  }
}

void save(benchmark::State& state, const CKovaScenario* scenario) {
  for (auto _ : state) benchmark::DoNotOptimize(scenario->serialize());
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  CKovaScenario scenario;
  std::vector<std::uint8_t> message(40, 0x5A);
  for (int i = 0; i < kCommands; ++i)
    scenario.append(orbel::CreateScenarioCommand(i + 1, "RRC_CONNECT", i % 2, static_cast<std::int32_t>(message.size()),
                                                 message));
  const std::string image = scenario.serialize();
  const std::vector<std::uint8_t> bytes(image.begin(), image.end());

  benchmark::RegisterBenchmark("scenario_load", load, &image)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("scenario_save", save, &scenario)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("scenario_copy_baseline", orbel::bench::mallocCopyFree, bytes)
      ->Unit(benchmark::kMillisecond);

  orbel::bench::TimeRecorder recorder;
  benchmark::RunSpecifiedBenchmarks(&recorder);
  benchmark::Shutdown();

  const orbel::bench::Comparison comparisons[] = {
      {"load 100 000 commands", "scenario_load", "scenario_copy_baseline", 10},
      {"save 100 000 commands", "scenario_save", "scenario_copy_baseline", 10},
  };
  orbel::bench::printComparisons(recorder, comparisons);
  return 0;
}
