// The exported layer-1 command dialogs run as their host runs them, driven
// through their real widgets: the frame they hold after OK is the one the
// scripted run of the same actions builds.
#include <gtest/gtest.h>

#include "orbel/builders/L1FilterExports.h"
#include "orbel/l1filter/PhyFaComSet.h"
#include "orbel/l1filter/PhyFaLoopTest.h"
#include "orbel/wire/ByteOrder.h"
#include "qt/QtHost.h"
#include "support/ScopedDataDir.h"

namespace {

using namespace orbel::test;

struct HostRun {
  int code = 0;
  std::vector<std::uint8_t> frame;  // copied from the frame pointer after OK
  bool operator==(const HostRun&) const = default;
};

// Construct, run modally, read the frame pointer: what a host does.
template <class Dialog>
HostRun runAsHost() {
  Dialog dialog;
  HostRun run;
  run.code = dialog.DoModal();
  if (dialog.m_pFrame != nullptr)
    run.frame.assign(dialog.m_pFrame, dialog.m_pFrame + orbel::readU16LE({dialog.m_pFrame, 2}, 0));
  return run;
}

TEST(PortSettingWidgets, UntickingTheBoxByMouseSendsOneAndEscapeLeavesNoFrame) {
  QtHost host;
  host.drive([](tkqt::DialogWindow& window) {
    EXPECT_TRUE(checked(window, "option"));  // ticked when it opens
    clickOn(window, "option");
    EXPECT_FALSE(checked(window, "option"));
    QTest::keyClick(&window, Qt::Key_Return);
  });
  const HostRun qt = runAsHost<PhyFaComSet>();
  ASSERT_EQ(qt.code, tk::IDOK);
  ASSERT_EQ(qt.frame.size(), 1176u);
  EXPECT_EQ(orbel::readU32LE(qt.frame, 48), 1u);
  host.drive([](tkqt::DialogWindow& window) { QTest::keyClick(&window, Qt::Key_Escape); });
  EXPECT_EQ(runAsHost<PhyFaComSet>(), (HostRun{tk::IDCANCEL, {}}));

  ScriptedHost scripted(dialogScript("PhyFaComSet", {click("option"), click("ok")}));
  EXPECT_EQ(runAsHost<PhyFaComSet>(), qt);
}

// A typed path that does not exist is refused and the dialog stays open;
// Browse then fills the path field from the file dialog.
TEST(LoopTestWidgets, AMissingFileIsRefusedThenBrowseFillsThePath) {
  CurrentFolderGuard folderGuard;
  QTemporaryDir folder;
  const std::string file = folder.filePath("loop.bin").toStdString();
  {
    std::ofstream out(file, std::ios::binary);
    for (int i = 0; i < 1125; ++i) out.put(static_cast<char>(i));
  }
  const std::string missing = folder.filePath("missing.bin").toStdString();

  QtHost host;
  std::vector<tk::FileDialogRequest> requests;
  host.toolkit().onFileDialog([&](const tk::FileDialogRequest& request) {
    requests.push_back(request);
    return std::optional<std::optional<std::string>>(file);
  });
  std::vector<bool> keptOpen;
  host.drive([&](tkqt::DialogWindow& window) {
    EXPECT_TRUE(checked(window, "option"));
    typeOver(widget<QLineEdit>(window, "path"), missing.c_str());
    keptOpen.push_back(enterKeepsOpen(window));
    clickOn(window, "browse");
    EXPECT_EQ(text(window, "path").toStdString(), file);
    clickOn(window, "option");
    keptOpen.push_back(enterKeepsOpen(window));
  });
  const HostRun qt = runAsHost<PhyFaLoopTest>();
  EXPECT_EQ(keptOpen, (std::vector<bool>{true, false}));
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_FALSE(requests[0].save);
  EXPECT_EQ(requests[0].filter, "all file(*.*)|*.*||");
  ASSERT_EQ(qt.frame.size(), 2328u);                       // 1125 bytes need two blocks of 1152
  EXPECT_EQ(orbel::readU32LE(qt.frame, 10), 0xBB820004u);  // unticked
  EXPECT_EQ(orbel::readU32LE(qt.frame, 48), 1125u);
  EXPECT_EQ(host.messages(), std::vector<std::string>{"open file fail"});

  tk::Script script =
      dialogScript("PhyFaLoopTest", {set("path", missing), click("ok"), click("browse"), click("option"), click("ok")});
  script.files = {file};
  ScriptedHost scripted(script);
  EXPECT_EQ(runAsHost<PhyFaLoopTest>(), qt);
  EXPECT_EQ(scripted.messages(), host.messages());
}

std::vector<std::uint8_t> layer1Filter() {
  unsigned int length = 0;
  unsigned char* block = GetPhyFaFilter(&length);
  return takeBuffer(block, length);
}

// Ticks in the tree and in both primitive lists, the counters beside the
// lists and the refused 17th tick, against the scripted run of the same acts.
// Untick all reloads the tree in place: the view redraws only the items whose
// look changed, here one message and its task, and shows their ticks.
TEST(L1FilterWidgets, TicksInTheTreeAndBothListsCountAndStopAtSixteenAndUntickAllRedrawsOnlyWhatChanged) {
  ScopedDataDir data;
  QtHost host;
  host.drive([](tkqt::DialogWindow& window) {
    clickOn(window, "tree.none");
    auto* tree = widget<QTreeView>(window, "tree");
    ASSERT_NE(tree, nullptr);
    const QModelIndex fcp = tree->model()->index(0, 0);
    const QModelIndex message = tree->model()->index(0, 0, fcp);
    tickWithSpace(tree, message);
    EXPECT_EQ(fcp.data(Qt::CheckStateRole).toInt(), Qt::PartiallyChecked);
    const std::size_t before = window.itemRefreshCount();
    clickOn(window, "tree.none");
    EXPECT_EQ(window.itemRefreshCount() - before, 2u);
    EXPECT_EQ(fcp.data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_EQ(message.data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_TRUE(tree->isExpanded(fcp));
    tickWithSpace(tree, message);

    auto* td = widget<QTreeView>(window, "td.list");
    auto* tdCount = widget<QLabel>(window, "td.count");
    EXPECT_EQ(tdCount->text(), "10");  // the built-in default's TD rows
    for (int row : {1, 3, 4, 5, 6, 7}) tickWithSpace(td, td->model()->index(row, 0));
    EXPECT_EQ(tdCount->text(), "16");
    tickWithSpace(td, td->model()->index(8, 0));
    EXPECT_EQ(tdCount->text(), "16");
    EXPECT_EQ(td->model()->index(8, 0).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);

    auto* gsm = widget<QTreeView>(window, "gsm.list");
    tickWithSpace(gsm, gsm->model()->index(0, 0));
    EXPECT_EQ(text(window, "gsm.count"), "5");
    QTest::keyClick(&window, Qt::Key_Return);
  });
  const std::vector<std::uint8_t> qt = layer1Filter();
  ASSERT_EQ(qt.size(), 1128u);

  const tk::ScriptAction tickMessage = clickItem("tree", {"FCP", "MSG_FCP_UPCCT_DATA_ENC_REQ"});
  std::vector<tk::ScriptAction> actions = {click("tree.none"), tickMessage, click("tree.none"), tickMessage};
  for (int row : {1, 3, 4, 5, 6, 7, 8}) actions.push_back(clickRow("td.list", row));
  actions.push_back(clickRow("gsm.list", 0));
  actions.push_back(click("ok"));
  EXPECT_EQ(scriptedRun(dialogScript("CPhyFaFilterDlg", actions), layer1Filter), qt);
}

}  // namespace
