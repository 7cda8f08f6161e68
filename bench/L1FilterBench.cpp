// What encoding and decoding a layer-1 filter configuration costs: a full
// configuration (every primitive row, every task message, every switch and
// option ticked) turned into its 1128 bytes and back, each next to a memcpy
// of 1128 bytes measured in the same run; and showing a configuration in the
// filter dialog's task-message tree (decode, tick the nodes, reload the tree)
// next to a plain decode.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <deque>

#include "RatioReport.h"
#include "orbel/filter/CFilterTreeCtrl.h"
#include "orbel/l1filter/FilterConfigCodec.h"
#include "orbel/l1filter/TaskMessageNodes.h"

namespace {

orbel::PhyFaSelection fullSelection() {
  orbel::PhyFaSelection selection;
  selection.switches.fill(true);
  selection.primitives.set();
  selection.taskMessages.set();
  selection.tdStateTo = orbel::TdL1StateTable.size() - 1;
  selection.gsmStateTo = orbel::GsmL1StateTable.size() - 1;
  selection.tdOptionsA = selection.gsmOptionsA = orbel::kOptionsAMask;
  selection.tdOptionsB = selection.gsmOptionsB = orbel::kOptionsBMask;
  return selection;
}

void encodeConfiguration(benchmark::State& state, const orbel::PhyFaSelection& selection) {
  orbel::PhyFaFilterBytes bytes;
  for (auto _ : state) {
    orbel::writePhyFaFilterConfig(bytes, orbel::encodeFilterSelection(selection));
    benchmark::DoNotOptimize(bytes.data());
    benchmark::ClobberMemory();
  }
}

void decodeConfiguration(benchmark::State& state, const orbel::PhyFaFilterBytes& bytes) {
  for (auto _ : state) {
    orbel::PhyFaSelection selection = orbel::decodeFilterConfig(*orbel::readPhyFaFilterConfig(bytes));
    benchmark::DoNotOptimize(selection);
  }
}

void copyConfiguration(benchmark::State& state, const orbel::PhyFaFilterBytes& bytes) {
  orbel::PhyFaFilterBytes copy;
  for (auto _ : state) {
    std::memcpy(copy.data(), bytes.data(), bytes.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
}

// What the filter dialog does to show a configuration in its tree.
void showConfiguration(benchmark::State& state, const orbel::PhyFaFilterBytes& bytes) {
  std::deque<CFilterNode> nodes = orbel::makeTaskMessageNodes();
  CFilterNodeList list;
  for (CFilterNode& node : nodes) list.push_back(&node);
  CFilterTreeCtrl tree("tree");
  for (auto _ : state) {
    const orbel::PhyFaSelection selection = orbel::decodeFilterConfig(*orbel::readPhyFaFilterConfig(bytes));
    orbel::tickTaskMessages(nodes, selection.taskMessages);
    tree.LoadNodes(&list);
    benchmark::DoNotOptimize(tree.shownList());
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  const orbel::PhyFaSelection selection = fullSelection();
  const orbel::PhyFaFilterBytes bytes = orbel::toBytes(orbel::encodeFilterSelection(selection));
  if (orbel::decodeFilterConfig(*orbel::readPhyFaFilterConfig(bytes)).taskMessages.count() !=
      orbel::kL1TaskMessageCount) {
    std::fprintf(stderr, "the full configuration does not decode to every message\n");
    return 1;
  }

  benchmark::RegisterBenchmark("l1_config_encoding", encodeConfiguration, selection);
  benchmark::RegisterBenchmark("l1_config_decoding", decodeConfiguration, bytes);
  benchmark::RegisterBenchmark("l1_config_baseline", copyConfiguration, bytes);
  benchmark::RegisterBenchmark("l1_config_show", showConfiguration, bytes);

  orbel::bench::TimeRecorder recorder;
  benchmark::RunSpecifiedBenchmarks(&recorder);
  benchmark::Shutdown();

  const orbel::bench::Comparison comparisons[] = {
      {"layer-1 configuration encoding", "l1_config_encoding", "l1_config_baseline", 0, 5},
      {"layer-1 configuration decoding", "l1_config_decoding", "l1_config_baseline", 0, 5},
      {"showing a configuration in the tree", "l1_config_show", "l1_config_decoding", 5, 5000},
  };
  orbel::bench::printComparisons(recorder, comparisons);
  return 0;
}
