// The HLS filter-node lists of the filter-information manager: the built-in
// lists, the node file reader with its refusals, and the filter modules that
// fill a filter dialog's type list.
#include <gtest/gtest.h>

#include <set>

#include "host/HlsNodeFile.h"
#include "host/HostModules.h"
#include "host/ScopedHostState.h"
#include "host/SimFilterInfoMan.h"
#include "orbel/catalogue/StandardSapList.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Dialog.h"

namespace {

HlsNodeLists read(std::string_view text) {
  auto read = readHlsNodeLists(text);
  if (auto* error = std::get_if<std::string>(&read)) ADD_FAILURE() << *error;
  return std::holds_alternative<HlsNodeLists>(read) ? std::get<HlsNodeLists>(read) : HlsNodeLists{};
}

int depthOf(const HlsNodeLists::Nodes& nodes, const CFilterNode& node) {
  int depth = 1;
  for (unsigned parent = node.GetParentId(); parent != 0; parent = nodes[parent - 1].GetParentId()) ++depth;
  return depth;
}

TEST(HlsNodeLists, TheBuiltInListsCarryEveryStandardSapAndTheSendersStartTicked) {
  const HlsNodeLists lists = read(builtInHlsNodeText());
  std::set<unsigned> leafValues;
  int deepest = 0;
  for (const CFilterNode& node : lists.nodes(0)) {
    if (node.IsLeaf()) leafValues.insert(node.GetValue());
    deepest = std::max(deepest, depthOf(lists.nodes(0), node));
    EXPECT_EQ(node.GetChecked(), 0);
  }
  for (unsigned sap : orbel::StandardSapList) EXPECT_TRUE(leafValues.contains(sap)) << sap;
  EXPECT_GT(deepest, 3);
  for (int sender : {1, 2}) {
    const HlsNodeLists::Nodes& nodes = lists.nodes(sender);
    ASSERT_GT(nodes.size(), 2u);
    EXPECT_STREQ(nodes[0].GetLabel_cstr(), "All senders");
    for (std::size_t i = 1; i < nodes.size(); ++i) EXPECT_EQ(nodes[i].GetParentId(), nodes[0].GetId());
    for (const CFilterNode& node : nodes) EXPECT_EQ(node.GetChecked(), 1);
  }
  for (int tree : {3, 4}) EXPECT_FALSE(lists.nodes(tree).empty());
}

TEST(HlsNodeLists, IdentitiesFollowListOrderAndValuesFlagsAndDefaultsAreRead) {
  const HlsNodeLists lists = read(R"({"format": "orbel-hls-filter-nodes", "version": 1, "lists": [
      {"nodes": [{"label": "a", "children": [{"label": "b", "value": "0x10"}, {"label": "c", "value": 7,
                  "ticked": true}]}, {"label": "d", "value": 4294967295}]},
      {"ticked": true, "nodes": [{"label": "s", "children": [{"label": "t", "ticked": false}]}]},
      {"nodes": []}, {"nodes": []}, {"name": "x", "nodes": []}]})");
  const HlsNodeLists::Nodes& first = lists.nodes(0);
  ASSERT_EQ(first.size(), 4u);
  EXPECT_EQ(first[0].GetValue(), 0xFFFFFFFFu);  // a parent without a value
  EXPECT_FALSE(first[0].IsLeaf());
  EXPECT_EQ(first[1].GetValue(), 0x10u);
  EXPECT_EQ(first[2].GetParentId(), 1u);
  EXPECT_EQ(first[2].GetChecked(), 1);
  EXPECT_EQ(first[3].GetId(), 4u);
  EXPECT_EQ(first[3].GetParentId(), 0u);
  EXPECT_EQ(lists.nodes(1)[0].GetChecked(), 1);
  EXPECT_EQ(lists.nodes(1)[1].GetChecked(), 0);
}

TEST(HlsNodeLists, AFaultyFileIsRefusedWithThePlaceOfItsFault) {
  const std::string head = R"({"format": "orbel-hls-filter-nodes", "version": 1, "lists": [)";
  const std::string rest = R"(, {"nodes": []}, {"nodes": []}, {"nodes": []}, {"nodes": []}]})";
  std::string deep = R"({"nodes": [)";
  for (int level = 0; level < 40; ++level) deep += R"({"label": "x", "children": [)";
  for (int level = 0; level < 40; ++level) deep += "]}";
  deep += "]}";
  struct Case {
    std::string text;
    std::string error;
  };
  for (const Case& c : {
           Case{"[", "not a JSON document"},
           Case{R"({"format": "other", "version": 1, "lists": []})", "file: \"format\" must be"},
           Case{head + R"({"nodes": []}]})", "lists: must hold 5 lists"},
           Case{head + R"({"nodes": [{"value": 1}]})" + rest, "lists[0].nodes[0]: \"label\" must be a text"},
           Case{head + R"({"nodes": [{"label": "a", "value": -1}]})" + rest, "lists[0].nodes[0]: \"value\" must be"},
           Case{head + R"({"nodes": [{"label": "a", "children": [{"label": "b", "colour": 1}]}]})" + rest,
                "lists[0].nodes[0].children[0]: unexpected \"colour\""},
           Case{head + R"({"nodes": [{"label": "a", "ticked": 1}]})" + rest, "\"ticked\" must be true or false"},
           Case{head + deep + rest, "nested deeper than 32 levels"},
       }) {
    auto result = readHlsNodeLists(c.text);
    ASSERT_TRUE(std::holds_alternative<std::string>(result)) << c.text;
    EXPECT_NE(std::get<std::string>(result).find(c.error), std::string::npos) << std::get<std::string>(result);
  }
}

TEST(HlsNodeLists, ARefusedFileLeavesTheListsAsTheyWereAndACopyOwnsItsNodes) {
  HlsNodeStore& store = CSimFilterInfoMan::CreateInstance(true)->HlsNodes();
  ScopedHostState scope(store);
  const std::size_t before = store.lists().nodes(0).size();
  EXPECT_NE(store.LoadNodeText("{}", "mine.json").find("mine.json: "), std::string::npos);
  EXPECT_EQ(store.lists().nodes(0).size(), before);

  HlsNodeLists copy = store.lists();
  copy.list(0)->front()->SetChecked(1);
  EXPECT_EQ(store.list(0)->front()->GetChecked(), 0);
  EXPECT_EQ(copy.list(5), nullptr);
}

class TypeListDialog : public tk::CDialog {
 public:
  TypeListDialog() : CDialog({"orbel", "TypeListDialog", "t"}, nullptr) { setLayout({tk::item(types)}); }
  tk::ComboBox types{"type"};
};

TEST(HostModules, EitherModuleFillsTheFilterTypesAndEachCanBeAbsent) {
  ScopedHostState scope(HostModules::Instance());
  ASSERT_NE(ModuleLib<IKovaFilterHLS>::sm_Instance, nullptr) << "present by default";
  TypeListDialog dialog;
  ModuleLib<IKovaSaveAs>::sm_Instance->InitFilterDialog(dialog);
  ASSERT_EQ(dialog.types.count(), 6);
  for (int index = 0; index < 6; ++index) EXPECT_EQ(dialog.types.item(index).data, static_cast<unsigned>(index));
  EXPECT_EQ(dialog.types.curSel(), 1);

  EXPECT_TRUE(HostModules::Instance().SetPresent("hls-filter", false));
  EXPECT_EQ(ModuleLib<IKovaFilterHLS>::sm_Instance, nullptr);
  EXPECT_FALSE(HostModules::Instance().SetPresent("primitive-view", false));
}

}  // namespace
