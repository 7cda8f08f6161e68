// The filter tree's operations on a generated list of 100 010 nodes (10
// top-level nodes, 100 under each, 99 leaves under each of those) against one
// plain pass over the same nodes in the same run: loading the list again
// (the tree refreshes its items), loading it cold (two equal lists in turn, so
// every load builds the items anew), a click on a top-level item (10 001
// items follow it), and ticking the leaves that carry one of the 165 standard
// SAP values (which reloads the list).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <deque>
#include <utility>

#include "RatioReport.h"
#include "orbel/catalogue/StandardSapList.h"
#include "orbel/filter/CFilterTreeCtrl.h"

namespace {

struct GeneratedList {
  std::deque<CFilterNode> nodes;
  CFilterNodeList list;
};

GeneratedList generatedList() {
  GeneratedList made;
  unsigned id = 0;
  unsigned value = 1000;
  for (int top = 0; top < 10; ++top) {
    const unsigned topId = ++id;
    made.nodes.emplace_back(topId, "top " + std::to_string(top), 0xFFFFFFFF, 0, 0, 0);
    for (int middle = 0; middle < 100; ++middle) {
      const unsigned middleId = ++id;
      made.nodes.emplace_back(middleId, "task " + std::to_string(middle), 0xFFFFFFFF, topId, 0, 0);
      for (int leaf = 0; leaf < 99; ++leaf) {
        made.nodes.emplace_back(++id, "SAP " + std::to_string(value), value, middleId, 0, 1);
        value = value == 31000 ? 1000 : value + 1;
      }
    }
  }
  for (CFilterNode& node : made.nodes) made.list.push_back(&node);
  return made;
}

void plainPass(benchmark::State& state, CFilterNodeList* list) {
  for (auto _ : state) {
    unsigned sum = 0;
    for (const CFilterNode* node : *list) sum += node->GetValue() + static_cast<unsigned>(node->GetChecked());
    benchmark::DoNotOptimize(sum);
  }
}

void loadNodes(benchmark::State& state, CFilterNodeList* list) {
  CFilterTreeCtrl tree("tree");
  for (auto _ : state) tree.LoadNodes(list);
}

void loadNodesCold(benchmark::State& state, CFilterNodeList* list, CFilterNodeList* other) {
  CFilterTreeCtrl tree("tree");
  for (auto _ : state) {
    tree.LoadNodes(list);
    std::swap(list, other);
  }
}

void clickTopLevel(benchmark::State& state, CFilterNodeList* list) {
  CFilterTreeCtrl tree("tree");
  tree.LoadNodes(list);
  const tk::TreeItem top = tree.children(tk::kTreeRoot).front();
  for (auto _ : state) tree.OnLButtonDown(top, CFilterTreeCtrl::HitZone::StateImage);
}

void setLeavesByValue(benchmark::State& state, CFilterNodeList* list) {
  CFilterTreeCtrl tree("tree");
  tree.LoadNodes(list);
  bool on = true;
  for (auto _ : state) {
    tree.SetLeavesByValue(orbel::StandardSapList.data(), orbel::kStandardSapCount, on);
    on = !on;
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  GeneratedList generated = generatedList();
  GeneratedList second = generatedList();
  if (generated.list.size() != 100010) {
    std::fprintf(stderr, "the generated list is not 100 010 nodes long\n");
    return 1;
  }
  benchmark::RegisterBenchmark("filter_tree_plain_pass", plainPass, &generated.list);
  benchmark::RegisterBenchmark("filter_tree_load", loadNodes, &generated.list)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("filter_tree_load_cold", loadNodesCold, &generated.list, &second.list)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("filter_tree_click_top", clickTopLevel, &generated.list)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("filter_tree_set_by_value", setLeavesByValue, &generated.list)
      ->Unit(benchmark::kMillisecond);

  orbel::bench::TimeRecorder recorder;
  benchmark::RunSpecifiedBenchmarks(&recorder);
  benchmark::Shutdown();

  const orbel::bench::Comparison comparisons[] = {
      {"LoadNodes, 100 010 nodes", "filter_tree_load", "filter_tree_plain_pass", 10, 20000},
      {"LoadNodes cold, 100 010 nodes", "filter_tree_load_cold", "filter_tree_plain_pass", 0, 20000},
      {"click on a top-level item", "filter_tree_click_top", "filter_tree_plain_pass", 10, 5000},
      {"SetLeavesByValue, 165 values", "filter_tree_set_by_value", "filter_tree_plain_pass", 10, 20000},
  };
  orbel::bench::printComparisons(recorder, comparisons);
  return 0;
}
