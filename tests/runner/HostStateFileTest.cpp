// The host state document: the SAP filter model and the node ticks survive a
// write and a read, and a document with one faulty entry changes nothing.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "host/ScopedHostState.h"
#include "host/SimFilterInfoMan.h"
#include "runner/FilterHost.h"
#include "runner/HostStateFile.h"

namespace {

using namespace orbel::runner;

class HostStateFile : public ::testing::Test {
 protected:
  void TearDown() override { releaseHostSapFilterManager(); }
  HlsNodeStore& store_ = CSimFilterInfoMan::CreateInstance(true)->HlsNodes();
  ScopedHostState<HlsNodeStore> scope_{store_};
};

TEST_F(HostStateFile, TheModelAndTheTicksComeBackAsTheyWere) {
  SapFilterManager& manager = ensureHostSapFilterManager();
  manager.m_attributeOn = true;
  manager.m_standardSet = false;
  manager.L2Sap({{3039, true}, {3039, false}});
  manager.UserSap({{4200, true}, {2080, false}});
  store_.list(0)->at(2)->SetChecked(2);
  store_.list(1)->at(0)->SetChecked(0);
  const std::string text = hostStateText();

  releaseHostSapFilterManager();
  store_.LoadDefaultNodes();
  ASSERT_EQ(applyHostStateText(text), "");
  SapFilterManager* back = hostSapFilterManager();
  ASSERT_NE(back, nullptr);
  EXPECT_TRUE(back->m_attributeOn);
  EXPECT_FALSE(back->m_standardSet);
  EXPECT_EQ(back->L2Sap(), (SapList{{3039, true}, {3039, false}}));
  EXPECT_EQ(back->getSapSet(), (CDWordArray{3039}));
  EXPECT_EQ(back->UserSap(), (SapList{{4200, true}, {2080, false}}));
  EXPECT_EQ(store_.list(0)->at(2)->GetChecked(), 2);
  EXPECT_EQ(store_.list(1)->at(0)->GetChecked(), 0);

  // A null model releases the host's.
  nlohmann::json none = nlohmann::json::parse(text);
  none["objects"]["sapFilterManager"] = nullptr;
  ASSERT_EQ(applyHostStateText(none.dump()), "");
  EXPECT_EQ(hostSapFilterManager(), nullptr);
}

TEST_F(HostStateFile, AFaultyEntryChangesNothing) {
  ensureHostSapFilterManager().UserSap({{1, true}});
  nlohmann::json document = nlohmann::json::parse(hostStateText());
  document["objects"]["sapFilterManager"]["userSaps"] = {{7, true}};
  struct Case {
    std::string where;
    nlohmann::json ticks;
  };
  for (const Case& c : {Case{"objects.hlsNodeTicks[0]: a text of", {"0", "", "", "", ""}},
                        Case{"objects.hlsNodeTicks: five lists", {"0"}}}) {
    document["objects"]["hlsNodeTicks"] = c.ticks;
    const std::string error = applyHostStateText(document.dump());
    EXPECT_EQ(error.rfind(c.where, 0), 0u) << error;
    EXPECT_EQ(hostSapFilterManager()->UserSap(), (SapList{{1, true}}));
  }
  EXPECT_EQ(applyHostStateText(R"({"format": "orbel-host-state", "version": 1, "objects": {"other": 1}})"),
            "objects: unexpected \"other\"");
  EXPECT_EQ(applyHostStateText(R"({"format": "orbel-host-state", "version": 2, "objects": {}})"),
            "file: \"version\" must be 1");
  EXPECT_EQ(loadHostStateFile("/nonexistent/state.json"), "");  // the first call of a session
}

}  // namespace
