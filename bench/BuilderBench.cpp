// What building a message costs beyond the floor every builder pays: each
// builder is measured next to a baseline that mallocs a block of the same
// size, copies the same bytes into it and frees it, and is reported as a
// multiple of that baseline.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "RatioReport.h"
#include "orbel/builders/Exports.h"
#include "orbel/builders/ModuleLifetime.h"
#include "orbel/wire/ItemEncoder.h"

namespace {

using orbel::bench::mallocCopyFree;

constexpr unsigned kTimerPreset = 0x01010005;  // RLC row, entry 1, instance 5

// A header (routing bytes, module, group, primitive) and twelve payload
// fields: numbers of every width and byte strings of a few lengths.
std::vector<PARAMETER_ITEM_STRUCT> sampleItems() {
  std::vector<PARAMETER_ITEM_STRUCT> items;
  auto number = [&](std::uint32_t value, std::uint16_t width) { items.push_back({0, value, {}, width}); };
  auto bytes = [&](std::uint8_t fill, std::uint16_t width) {
    PARAMETER_ITEM_STRUCT item{1, 0, {}, width};
    std::memset(item.data, fill, width);
    items.push_back(item);
  };
  number(0x00FF, 2);
  number(0x0101, 2);
  number(13002, 4);
  number(12046, 4);
  for (std::uint16_t width = 1; width <= 4; ++width) number(0x12345678, width);
  bytes(0xA5, 8);
  number(7, 1);
  bytes(0x5A, 16);
  number(0xFFFF, 2);
  bytes(0x00, 3);
  number(0xCAFE, 4);
  bytes(0x3C, 32);
  number(1, 2);
  return items;
}

std::vector<std::uint8_t> timerMessage() {
  unsigned int len = kTimerPreset;
  unsigned char* message = OrbelGetTmrEnqueryBuffer(&len);
  if (message == nullptr) return {};
  std::vector<std::uint8_t> bytes(message, message + len);
  std::free(message);
  return bytes;
}

std::vector<std::uint8_t> encodedMessage(const std::vector<PARAMETER_ITEM_STRUCT>& items) {
  const orbel::ItemEncoding encoding = orbel::encodeItemList(items);
  const auto bytes = encoding.message.bytes();
  return {bytes.begin(), bytes.end()};
}

void timerEnquiryPreset(benchmark::State& state) {
  for (auto _ : state) {
    unsigned int len = kTimerPreset;
    unsigned char* message = OrbelGetTmrEnqueryBuffer(&len);
    benchmark::DoNotOptimize(message);
    std::free(message);
  }
}

void itemListEncoding(benchmark::State& state, const std::vector<PARAMETER_ITEM_STRUCT>& items) {
  for (auto _ : state) {
    orbel::ItemEncoding encoding = orbel::encodeItemList(items);
    benchmark::DoNotOptimize(encoding.message.bytes().data());
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (!orbel::startModule()) {
    std::fprintf(stderr, "the library did not start\n");
    return 1;
  }
  const std::vector<PARAMETER_ITEM_STRUCT> items = sampleItems();
  const std::vector<std::uint8_t> timerBytes = timerMessage();
  const std::vector<std::uint8_t> itemBytes = encodedMessage(items);
  if (timerBytes.empty() || itemBytes.empty()) {
    std::fprintf(stderr, "a sample message was not built\n");
    return 1;
  }

  benchmark::RegisterBenchmark("timer_enquiry_preset", timerEnquiryPreset);
  benchmark::RegisterBenchmark("timer_enquiry_baseline", mallocCopyFree, timerBytes);
  benchmark::RegisterBenchmark("item_list_encoding", itemListEncoding, items);
  benchmark::RegisterBenchmark("item_list_baseline", mallocCopyFree, itemBytes);

  orbel::bench::TimeRecorder recorder;
  benchmark::RunSpecifiedBenchmarks(&recorder);
  benchmark::Shutdown();

  const orbel::bench::Comparison comparisons[] = {
      {"timer enquiry preset", "timer_enquiry_preset", "timer_enquiry_baseline", 3},
      {"item list encoding", "item_list_encoding", "item_list_baseline", 3},
  };
  orbel::bench::printComparisons(recorder, comparisons);
  orbel::stopModule();
  return 0;
}
