// The primitive picker: which primitives a typed filter keeps, the list and
// OK following the filter and the selection, what OK and Cancel hand back,
// and the dialog without readable descriptions.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "host/codec/PrimitiveChoices.h"
#include "host/codec/PsdlDescriptionFile.h"
#include "host/codec/PsdlLink.h"
#include "orbel/primitive/CPrimitivePickerDlg.h"
#include "support/ScriptedHost.h"

namespace {

using namespace orbel::test;

constexpr const char* kDescriptions = R"({"format": "orbel-primitive-descriptions", "version": 1,
  "types": [{"name": "P_RRC_CONNECT_PARAM", "fields": [{"name": "a", "kind": "integer", "bits": 8}]},
            {"name": "P_MM_ATTACH_PARAM", "fields": [{"name": "a", "kind": "integer", "bits": 8}]}],
  "primitives": [
    {"name": "RRC_CONNECT_REQ", "frame": [255, 0, 2, 0], "primitive": 14001, "parameter": "P_RRC_CONNECT_PARAM"},
    {"name": "RRC_RELEASE_IND", "frame": [255, 0, 2, 0], "primitive": 14002},
    {"name": "MM_ATTACH_REQ", "frame": [255, 0, 3, 0], "primitive": 15001, "parameter": "P_MM_ATTACH_PARAM"},
    {"name": "CC_SETUP_REQ", "frame": [255, 0, 4, 0], "primitive": 16001, "group": 13100}]})";

std::shared_ptr<const psdl::DescriptionSet> descriptions() {
  static const auto set = std::make_shared<const psdl::DescriptionSet>(
      std::get<psdl::DescriptionSet>(psdl::readDescriptions(kDescriptions)));
  return set;
}

tk::ScriptAction choose(const std::string& name) { return selectItem("primitives", {name}); }
tk::ScriptAction chooseRow(int row) {
  tk::ScriptAction action = act(Verb::SelectItem, "primitives");
  action.row = row;
  return action;
}

struct Picked {
  int result;
  std::string chosen;  // the chosen primitive's name, "-" for none
  std::vector<std::string> rows;
  std::string status;
  bool okEnabled;
  std::vector<std::string> errors;
};

Picked pick(CPrimitivePickerDlg::Descriptions source, std::vector<tk::ScriptAction> actions) {
  ScriptedHost host(dialogScript("CPrimitivePickerDlg", std::move(actions)));
  CPrimitivePickerDlg picker(std::move(source));
  Picked picked{};
  host.toolkit().onActionsDone([&](const tk::CDialog& dialog) {
    const auto& list = static_cast<const tk::ListControl&>(*dialog.findControl("primitives"));
    for (int row = 0; row < list.rowCount(); ++row) picked.rows.push_back(list.itemText(row, 0));
    picked.status = dialog.findControl("status")->caption();
    picked.okEnabled = dialog.findControl("ok")->enabled();
  });
  picked.result = picker.DoModal();
  picked.chosen = picker.chosen() != nullptr ? picker.chosen()->name : "-";
  picked.errors = host.toolkit().errors();
  return picked;
}

TEST(PrimitiveChoices, EveryWordOfTheFilterMustMatchIgnoringCase) {
  const struct {
    const char* filter;
    std::vector<std::size_t> kept;
  } cases[] = {
      {"", {0, 1, 2, 3}},
      {" \t ", {0, 1, 2, 3}},
      {"rrc", {0, 1}},
      {"REQ rrc", {0}},            // both words, in any order
      {"attach_param", {2}},       // the parameter type
      {"1400", {0, 1}},            // part of the identifier
      {"13100", {}},               // the group is shown, not searched
      {"no parameter", {}},        // nor the text shown for a missing type
      {"rrc  release", {1}},       // blanks between words collapse
      {"rrc missing", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(psdl::matchingPrimitives(*descriptions(), c.filter), c.kept) << c.filter;
  EXPECT_EQ(psdl::choiceText(descriptions()->primitives[0]), "RRC_CONNECT_REQ  P_RRC_CONNECT_PARAM");
  EXPECT_EQ(psdl::choiceText(descriptions()->primitives[1]), "RRC_RELEASE_IND  (no parameter)");
}

TEST(PrimitivePickerDialog, TheFilterNarrowsTheListAndKeepsAKeptSelection) {
  Picked all = pick(descriptions(), {});
  EXPECT_EQ(all.rows.size(), 4u);
  EXPECT_EQ(all.status, "4 primitives");
  EXPECT_FALSE(all.okEnabled) << "nothing is chosen yet";

  // A selection the filter keeps stays selected, so OK still takes it.
  Picked kept = pick(descriptions(), {choose("RRC_RELEASE_IND"), type("filter", "rrc"), click("ok")});
  EXPECT_EQ(kept.rows, (std::vector<std::string>{"RRC_CONNECT_REQ", "RRC_RELEASE_IND"}));
  EXPECT_EQ(kept.status, "2 of 4 primitives");
  EXPECT_EQ(kept.result, tk::IDOK);
  EXPECT_EQ(kept.chosen, "RRC_RELEASE_IND");

  // A selection the filter hides is dropped: OK refuses until a row is selected again.
  Picked hidden = pick(descriptions(), {choose("MM_ATTACH_REQ"), type("filter", "rrc"), click("ok")});
  EXPECT_FALSE(hidden.errors.empty());
  EXPECT_EQ(hidden.chosen, "-");
  Picked again = pick(descriptions(), {choose("MM_ATTACH_REQ"), type("filter", "rrc"), type("filter", "\b\b\b"),
                                       chooseRow(2), click("ok")});
  EXPECT_TRUE(again.errors.empty()) << again.errors.front();
  EXPECT_EQ(again.chosen, "MM_ATTACH_REQ");
}

TEST(PrimitivePickerDialog, CancelChoosesNothing) {
  Picked cancelled = pick(descriptions(), {choose("CC_SETUP_REQ"), click("cancel")});
  EXPECT_EQ(cancelled.result, tk::IDCANCEL);
  EXPECT_EQ(cancelled.chosen, "-");
}

TEST(PrimitivePickerDialog, UnreadableDescriptionsAreExplainedAndOfferNothing) {
  ::setenv("ORBEL_PRIMITIVE_DESCRIPTIONS", "/nonexistent/primitives.json", 1);
  const CPrimitivePickerDlg::Descriptions unreadable = psdl::hostDescriptions();
  ::unsetenv("ORBEL_PRIMITIVE_DESCRIPTIONS");
  Picked picked = pick(unreadable, {});
  EXPECT_TRUE(picked.rows.empty());
  EXPECT_FALSE(picked.okEnabled);
  EXPECT_EQ(picked.status.rfind("The primitive descriptions cannot be read: ", 0), 0u) << picked.status;
  EXPECT_NE(picked.status.find("/nonexistent/primitives.json"), std::string::npos) << picked.status;
  EXPECT_FALSE(pick(unreadable, {type("filter", "r")}).errors.empty()) << "the filter is off";
}

}  // namespace
