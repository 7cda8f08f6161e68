// How fast dialogs come up in the Qt backend and how much a click redraws:
// the time from constructing the dialog (which fills its controls) to the
// window being shown, for the enquiry dialogs and for a synthetic dialog with
// a 100 000-item tree and a 10 000-row list next to a plain pass building the
// same texts, and the time one click in that tree takes up to the repaint of
// the changed item, with the number of controls and items the click refreshed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeView>
#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "RatioReport.h"
#include "orbel/builders/ModuleLifetime.h"
#include "orbel/diag/enquiry/CDiagEnqCntDlg.h"
#include "orbel/diag/enquiry/CDiagEnqTmrDlg.h"
#include "toolkit-qt/DialogWindow.h"
#include "toolkit-qt/QtToolkit.h"
#include "toolkit/ListControl.h"
#include "toolkit/ResourceChain.h"
#include "toolkit/TreeControl.h"

namespace {

using Clock = std::chrono::steady_clock;

tkqt::QtToolkit* toolkit = nullptr;

// 1 000 groups of 100 tickable items under them, and a 10 000-row list.
class LargeDialog : public tk::CDialog {
 public:
  LargeDialog() : CDialog({"bench", "LargeDlg", "Large"}, nullptr) {
    for (int g = 0; g < 1000; ++g) {
      const tk::TreeItem group = tree.insertItem("group " + std::to_string(g));
      tree.setStateImage(group, 1);
      for (int i = 0; i < 100; ++i) tree.setStateImage(tree.insertItem("item " + std::to_string(i), group), 1);
    }
    tree.expand(tree.children(tk::kTreeRoot).front(), true);
    tree.onStateImageClick = [this](tk::TreeItem item) {
      tree.setStateImage(item, tree.stateImage(item) == 2 ? 1 : 2);
      tree.setStateImage(tree.parent(item), 3);
    };
    list.insertColumn("No.", 60);
    list.insertColumn("Command", 200);
    for (int r = 0; r < 10000; ++r) list.setItemText(list.insertItem(std::to_string(r)), 1, "command " + std::to_string(r));
    setLayout({tk::row({tk::item(tree), tk::item(list)})});
  }
  tk::TreeControl tree{"tree"};
  tk::ListControl list{"list", true};
};

// Runs `dialog` modally and returns the seconds from `start` to shown; `whileShown` runs before it closes.
template <typename WhileShown>
double openAndClose(tk::CDialog& dialog, Clock::time_point start, WhileShown whileShown) {
  double seconds = 0;
  toolkit->onDialogShown([&](tkqt::DialogWindow& window) {
    seconds = std::chrono::duration<double>(Clock::now() - start).count();
    whileShown(window);
    window.reject();
  });
  dialog.DoModal();
  return seconds;
}

// From the constructor, which fills the controls, to the window shown.
template <typename Dialog>
void dialogOpens(benchmark::State& state) {
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    Dialog dialog;
    state.SetIterationTime(openAndClose(dialog, start, [](tkqt::DialogWindow&) {}));
  }
}

// The floor for the large dialog: the same item and row texts built into plain vectors.
void largeDialogPlainPass(benchmark::State& state) {
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    std::vector<std::pair<std::string, int>> treeItems;
    for (int g = 0; g < 1000; ++g) {
      treeItems.emplace_back("group " + std::to_string(g), 1);
      for (int i = 0; i < 100; ++i) treeItems.emplace_back("item " + std::to_string(i), 1);
    }
    std::vector<std::pair<std::string, std::string>> rows;
    for (int r = 0; r < 10000; ++r) rows.emplace_back(std::to_string(r), "command " + std::to_string(r));
    benchmark::DoNotOptimize(treeItems.data());
    benchmark::DoNotOptimize(rows.data());
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
  }
}

std::size_t controlsPerClick = 0;
std::size_t itemsPerClick = 0;

void largeTreeClick(benchmark::State& state) {
  LargeDialog dialog;
  openAndClose(dialog, Clock::now(), [&](tkqt::DialogWindow& window) {
    auto* view = qobject_cast<QTreeView*>(window.widgetFor("tree"));
    QAbstractItemModel* model = view->model();
    const QModelIndex group = model->index(0, 0);
    int row = 0;
    for (auto _ : state) {
      const QModelIndex item = model->index(row++ % 100, 0, group);
      view->scrollTo(item);  // the user clicks an item in sight, so its repaint is not clipped away
      QCoreApplication::processEvents();
      const std::size_t controls = window.refreshCount();
      const std::size_t items = window.itemRefreshCount();
      const Clock::time_point start = Clock::now();
      model->setData(item, Qt::Checked, Qt::CheckStateRole);  // what the view does on a click on the tick box
      view->viewport()->repaint(view->visualRect(item));      // the user sees the click once it is painted
      state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
      controlsPerClick = window.refreshCount() - controls;
      itemsPerClick = window.itemRefreshCount() - items;
    }
  });
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir profile;
  tkqt::QtToolkit qt(profile.filePath("profile.ini"));
  toolkit = &qt;
  tk::ToolkitInstallation installation(qt);
  orbel::startModule();
  tk::joinResourceChain("bench");

  benchmark::RegisterBenchmark("timer_enquiry_opens", dialogOpens<CDiagEnqTmrDlg>)->UseManualTime()->Iterations(50);
  benchmark::RegisterBenchmark("counter_enquiry_opens", dialogOpens<CDiagEnqCntDlg>)->UseManualTime()->Iterations(50);
  benchmark::RegisterBenchmark("large_dialog_opens", dialogOpens<LargeDialog>)->UseManualTime()->Iterations(3);
  benchmark::RegisterBenchmark("large_dialog_plain_pass", largeDialogPlainPass)->UseManualTime()->Iterations(3);
  benchmark::RegisterBenchmark("large_tree_click", largeTreeClick)->UseManualTime()->Iterations(200);
  benchmark::Initialize(&argc, argv);
  orbel::bench::TimeRecorder recorder;
  benchmark::RunSpecifiedBenchmarks(&recorder);

  std::printf("\n");
  for (const auto& [name, goalMs] : {std::pair{"timer_enquiry_opens/iterations:50/manual_time", 30.0},
                                     std::pair{"counter_enquiry_opens/iterations:50/manual_time", 30.0},
                                     std::pair{"large_dialog_opens/iterations:3/manual_time", 0.0},
                                     std::pair{"large_tree_click/iterations:200/manual_time", 5.0}}) {
    const double ms = recorder.secondsPerIteration(name) * 1e3;
    if (goalMs > 0)
      std::printf("%s: %.3f ms (goal: under %.0f ms)\n", name, ms, goalMs);
    else
      std::printf("%s: %.3f ms\n", name, ms);
  }
  const orbel::bench::Comparison comparisons[] = {
      {"large dialog, fill and show", "large_dialog_opens/iterations:3/manual_time",
       "large_dialog_plain_pass/iterations:3/manual_time", 0},
  };
  orbel::bench::printComparisons(recorder, comparisons);
  std::printf("one click in the large tree refreshed %zu control(s) and %zu item(s)\n", controlsPerClick, itemsPerClick);
  benchmark::Shutdown();
  return 0;
}
