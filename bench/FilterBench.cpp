// The trace filter's hot paths against baselines of the same run: building
// the SAP filter message from the largest filter its length field allows
// (16383 distinct SAPs over the built-in, layer-2 and user lists) next to
// sorting the same identifiers, and saving plus loading the largest HLS
// filter file a reader takes back (65535 bytes) next to copying its bytes,
// and the same through the disk as the dialog does it (atomic save, load)
// next to a plain write and read of the same bytes in the same folder.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <numeric>
#include <random>
#include <vector>

#include "RatioReport.h"
#include "host/FeatureManager.h"
#include "orbel/filter/HlsFilterFile.h"
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

// What the filter dialog pays for Save and Load: the file's bytes go through the disk.
void saveAndLoadOnDisk(benchmark::State& state, const std::vector<std::uint8_t>& payload, const std::string& path) {
  for (auto _ : state) {
    orbel::SaveHlsFilterFile(path, payload.data(), static_cast<int>(payload.size()));
    std::vector<unsigned char> message = orbel::LoadHlsFilterFile(path);
    benchmark::DoNotOptimize(message.data());
  }
}

void plainWriteRead(benchmark::State& state, const std::vector<std::uint8_t>& bytes, const std::string& path) {
  std::vector<std::uint8_t> back(bytes.size());
  for (auto _ : state) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
    std::FILE* in = std::fopen(path.c_str(), "rb");
    benchmark::DoNotOptimize(std::fread(back.data(), 1, back.size(), in));
    std::fclose(in);
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

  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("orbel-filter-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string diskFile = (folder / "bench.flt_HLS").string();
  const std::string plainFile = (folder / "plain.bin").string();
  benchmark::RegisterBenchmark("hls_file_disk_save_load", saveAndLoadOnDisk, payload, diskFile);
  benchmark::RegisterBenchmark("hls_file_disk_baseline", plainWriteRead, *file, plainFile);

  orbel::bench::TimeRecorder recorder;
  benchmark::RunSpecifiedBenchmarks(&recorder);
  benchmark::Shutdown();
  std::filesystem::remove_all(folder);

  const orbel::bench::Comparison comparisons[] = {
      {"SAP filter message, 16383 SAPs", "sap_filter_message", "sap_filter_sort_baseline", 3},
      {"HLS filter file save + load, 65535 bytes", "hls_file_save_load", "hls_file_copy_baseline", 10},
      {"HLS filter file save + load through the disk", "hls_file_disk_save_load", "hls_file_disk_baseline", 0},
  };
  orbel::bench::printComparisons(recorder, comparisons);
  return 0;
}
