// The host's trace search over 1 000 000 entries against one plain pass over
// the same lines (a look for a byte that no line holds): a string search and
// a message search that find nothing, so that each reads every entry, and a
// string search with a range of times and an extra text. Goal: under 200 ms.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "RatioReport.h"
#include "runner/TraceSearch.h"

namespace {

using namespace orbel::runner;

constexpr std::size_t kEntryCount = 1'000'000;

std::vector<TraceEntry> sampleTrace() {
  const struct {
    const char* family;
    const char* message;
    const char* summary;
  } kinds[] = {
      {"RRC UL-DCCH", "MeasurementReport", "event 1G, cell 17 RSCP -78 dBm, neighbour 25 RSCP -84 dBm"},
      {"RRC BCCH-BCH", "SystemInformationBlockType3", "cell 17, Sintrasearch 6 dB, Qrxlevmin -103 dBm"},
      {"RRC PCCH", "PagingType1", "paging record: TMSI 7F3A0012, cause terminating background call"},
      {"GMM", "ATTACH REQUEST", "combined GPRS/IMSI attach, P-TMSI D4C2A001, RAI 460-00-4301-1"},
      {"CC", "SETUP", "called party 13800138000, bearer speech, AMR 12.2"},
  };
  std::mt19937 random(20);
  std::vector<TraceEntry> entries;
  entries.reserve(kEntryCount);
  std::uint32_t time = 8 * 3600 * 1000;
  for (std::uint32_t i = 0; i < kEntryCount; ++i) {
    const auto& kind = kinds[random() % std::size(kinds)];
    time += static_cast<std::uint32_t>(random() % 20);
    entries.push_back(makeTraceEntry(i + 1, time, i % 2 == 0 ? TraceDirection::Uplink : TraceDirection::Downlink,
                                     kind.family, kind.message, kind.summary));
  }
  return entries;
}

TraceQuery query(bool messageSearch, std::string text) {
  TraceQuery query;
  query.messageSearch = messageSearch;
  query.text = std::move(text);
  return query;
}

void search(benchmark::State& state, const std::vector<TraceEntry>& entries, const TraceQuery& query) {
  for (auto _ : state) benchmark::DoNotOptimize(findNext(entries, query, std::nullopt));
}

void plainPass(benchmark::State& state, const std::vector<TraceEntry>& entries) {
  for (auto _ : state) {
    std::size_t holding = 0;
    for (const TraceEntry& entry : entries) holding += entry.searchText.find('\x7f') != std::string::npos;
    benchmark::DoNotOptimize(holding);
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  const std::vector<TraceEntry> entries = sampleTrace();
  const TraceQuery missingText = query(false, "no such text");
  const TraceQuery missingMessage = query(true, "DETACH ACCEPT");
  TraceQuery rangedText = query(false, "rscp");
  rangedText.ranged = true;
  rangedText.rangeAsTimes = true;
  rangedText.start = 0;
  rangedText.end = 0xFFFFFFFE;
  rangedText.extraTexts = {"no such neighbour"};
  if (findNext(entries, missingText, std::nullopt) || findNext(entries, missingMessage, std::nullopt) ||
      findNext(entries, rangedText, std::nullopt)) {
    std::fprintf(stderr, "a search that should read every entry found one\n");
    return 1;
  }

  benchmark::RegisterBenchmark("trace_string_search", search, entries, missingText)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("trace_message_search", search, entries, missingMessage)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("trace_ranged_search", search, entries, rangedText)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("trace_plain_pass_baseline", plainPass, entries)->Unit(benchmark::kMillisecond);

  orbel::bench::TimeRecorder recorder;
  benchmark::RunSpecifiedBenchmarks(&recorder);
  benchmark::Shutdown();

  const orbel::bench::Comparison comparisons[] = {
      {"string search, 1 000 000 entries", "trace_string_search", "trace_plain_pass_baseline", 0, 200000},
      {"message search, 1 000 000 entries", "trace_message_search", "trace_plain_pass_baseline", 0, 200000},
      {"string search with range and extra text", "trace_ranged_search", "trace_plain_pass_baseline", 0, 200000},
  };
  orbel::bench::printComparisons(recorder, comparisons);
  return 0;
}
