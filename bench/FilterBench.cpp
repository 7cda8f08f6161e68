// The trace filter's hot paths against baselines of the same run: building
// the SAP filter message from the largest filter its length field allows
// (16383 distinct SAPs over the built-in, layer-2 and user lists) next to
// sorting the same identifiers, and saving plus loading the largest HLS
// filter file a reader takes back (65535 bytes) next to copying its bytes.
// File-system costs are left out: they belong to the disk, not the format.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>
#include <vector>

#include "RatioReport.h"
#include "host/FeatureManager.h"
#include "orbel/filter/HlsFilterFormat.h"
#include "orbel/filter/SapFilterManager.h"

namespace {

constexpr std::size_t kSapCount = 16383;
constexpr std::size_t kLargestLoadablePayload = 65279;

// 16383 distinct identifiers in a fixed random order: the five built-in
// SAPs (feature switch 130) and the rest split between the layer-2 and user lists.
struct SapSample {
  std::vector<std::uint32_t> ids;
  SapList l2;
  SapList user;
};

SapSample sapSample() {
  const std::vector<std::uint32_t> basic{2080, 3039, 6040, 4100, 4200};
  std::vector<std::uint32_t> pool(40000);
  std::iota(pool.begin(), pool.end(), 1000);
  std::mt19937 random(12031);
  std::shuffle(pool.begin(), pool.end(), random);
  SapSample sample{basic, {}, {}};
  for (std::uint32_t id : pool) {
    if (sample.ids.size() == kSapCount) break;
    if (std::find(basic.begin(), basic.end(), id) != basic.end()) continue;
    (sample.ids.size() % 2 == 0 ? sample.l2 : sample.user).push_back({id, true});
    sample.ids.push_back(id);
  }
  return sample;
}

void createMessage(benchmark::State& state, SapFilterManager* manager) {
  for (auto _ : state) {
    auto [buffer, length] = manager->CreateMessage(false);
    benchmark::DoNotOptimize(buffer);
    delete[] buffer;
  }
}

void sortBaseline(benchmark::State& state, const std::vector<std::uint32_t>& ids) {
  std::vector<std::uint32_t> work(ids.size());
  for (auto _ : state) {
    std::copy(ids.begin(), ids.end(), work.begin());
    std::sort(work.begin(), work.end());
    benchmark::DoNotOptimize(work.data());
  }
}

void saveAndLoad(benchmark::State& state, const std::vector<std::uint8_t>& payload) {
  for (auto _ : state) {
    std::optional<std::vector<std::uint8_t>> file = orbel::encodeHlsFilterFile(payload);
    orbel::HlsFileContents contents = orbel::parseHlsFilterFile(*file);
    benchmark::DoNotOptimize(contents.message.data());
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  FeatureManager::Instance().SetFeature(130, true);
  SapFilterManager manager;
  const SapSample sample = sapSample();
  manager.L2Sap(sample.l2);
  manager.UserSap(sample.user);
  const auto [check, checkLength] = manager.CreateMessage(false);
  delete[] check;

  std::vector<std::uint8_t> payload(kLargestLoadablePayload);
  std::iota(payload.begin(), payload.end(), std::uint8_t{0});
  const std::optional<std::vector<std::uint8_t>> file = orbel::encodeHlsFilterFile(payload);
  if (checkLength != static_cast<int>(4 + 5 * kSapCount) || !file || file->size() != orbel::kMaxHlsFileSize ||
      orbel::parseHlsFilterFile(*file).fault != std::nullopt) {
    std::fprintf(stderr, "the samples are not the largest message and file\n");
    return 1;
  }

  benchmark::RegisterBenchmark("sap_filter_message", createMessage, &manager);
  benchmark::RegisterBenchmark("sap_filter_sort_baseline", sortBaseline, sample.ids);
  benchmark::RegisterBenchmark("hls_file_save_load", saveAndLoad, payload);
  benchmark::RegisterBenchmark("hls_file_copy_baseline", orbel::bench::mallocCopyFree, *file);

  orbel::bench::TimeRecorder recorder;
  benchmark::RunSpecifiedBenchmarks(&recorder);
  benchmark::Shutdown();

  const orbel::bench::Comparison comparisons[] = {
      {"SAP filter message, 16383 SAPs", "sap_filter_message", "sap_filter_sort_baseline", 3},
      {"HLS filter file save + load, 65535 bytes", "hls_file_save_load", "hls_file_copy_baseline", 10},
  };
  orbel::bench::printComparisons(recorder, comparisons);
  return 0;
}
