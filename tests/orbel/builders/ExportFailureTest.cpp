// Nothing throws out of an entry point the host calls: a failure deep inside
// (here a modal run or a file dialog that throws) gives the result the caller
// already understands for "nothing done" and a message the user can read.
#include <gtest/gtest.h>

#include <exception>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "orbel/builders/ExportGuard.h"
#include "orbel/builders/Exports.h"
#include "orbel/builders/FilterExports.h"
#include "orbel/builders/L2ConfigExports.h"
#include "orbel/builders/ParamConfigExports.h"
#include "orbel/l1filter/PhyFaLoopTest.h"
#include "support/LockCellCall.h"
#include "support/ScopedFeatures.h"
#include "support/ScriptedHost.h"
#include "toolkit/Edit.h"

namespace {

using namespace orbel::test;

struct Fault {
  const char* name;
  std::exception_ptr fault;
  const char* message;
};

const Fault kFaults[] = {
    {"out of memory", std::make_exception_ptr(std::bad_alloc()), orbel::kOutOfMemoryMessage},
    {"a standard exception", std::make_exception_ptr(std::runtime_error("broken")), orbel::kInternalFailureMessage},
    {"anything else", std::make_exception_ptr(42), orbel::kInternalFailureMessage},
};

TEST(ExportFailure, EveryBuilderGivesNullWithItsLengthUntouchedAndTellsTheUser) {
  using Builder = std::function<unsigned char*(unsigned int*)>;
  const std::pair<const char*, Builder> builders[] = {
      {"timer enquiry", OrbelGetTmrEnqueryBuffer},
      {"counter enquiry", OrbelGetCountEnqueryBuffer},
      {"timer setting", OrbelGetTmrSetBuffer},
      {"counter setting", OrbelGetCountSetBuffer},
      {"constant enquiry", OrbelGetConstEnqueryBuffer},
      {"variable enquiry", OrbelGetVariableEnqueryBuffer},
      {"static enquiry", OrbelGetStaticEnqueryBuffer},
      {"state-machine enquiry", OrbelGetFsmEnqueryBuffer},
      {"lock cell", [](unsigned int* len) { return OrbelGetLockCellBuffer(len, 0, 0, 0, false, false, false, false); }},
      {"disable request", DiagCmdDisableReqBuffer},
      {"physical-layer parameters", OrbelGetPhyParamInfoReqBuffer},
      {"measurement interval", GetMeasReportInterval},
      {"SIM command", OrbelGetSimCmdBuffer},
      {"layer-1 info report", GetL1infoReportCfg},
  };
  for (const Fault& f : kFaults)
    for (const auto& [name, builder] : builders) {
      ScriptedHost host;
      host.toolkit().failWith(f.fault);
      const Call call = callExport(builder, 0);
      EXPECT_FALSE(call.returned) << name << ", " << f.name;
      EXPECT_EQ(call.len, 0u) << name << ", " << f.name;
      EXPECT_EQ(host.messages(), std::vector<std::string>{f.message}) << name << ", " << f.name;
    }
}

TEST(ExportFailure, TheOtherEntryPointsGiveTheirCancelResults) {
  for (const Fault& f : kFaults) {
    ScriptedHost host;
    ScopedFeatures messageSwitch({143});
    host.toolkit().failWith(f.fault);

    int length = 99;
    EXPECT_EQ(GetOtherParamCfg(1, length), nullptr) << f.name;
    EXPECT_EQ(length, 0) << f.name;

    SaveAmrVpParam param{};
    EXPECT_EQ(GetAmrVpCfg(param), 0) << f.name;

    unsigned int fullSet = 7, workModeState = 7;
    int workMode = 1, filterType = 2;
    EXPECT_EQ(GetFilterMsgMini(&fullSet, &workModeState, workMode, filterType, true), nullptr) << f.name;
    EXPECT_EQ(fullSet, 7u) << f.name;  // nothing changed, as on Cancel
    EXPECT_EQ(workMode, 1) << f.name;

    unsigned char summary[12] = {7};
    unsigned char state[792] = {7};
    unsigned char* filter = nullptr;
    EXPECT_FALSE(GetL2Config(nullptr, nullptr, filter, summary, state, 0)) << f.name;
    EXPECT_EQ(filter, nullptr) << f.name;
    EXPECT_EQ(summary[0] + state[0], 14) << f.name;

    EXPECT_EQ(host.messages(), std::vector<std::string>(4, f.message)) << f.name;
  }
}

TEST(ExportFailure, AFailingFileDialogLeavesTheLoopTestDialogAsItWas) {
  ScriptedHost host;
  PhyFaLoopTest dialog;
  host.toolkit().failWith(std::make_exception_ptr(std::bad_alloc()));
  dialog.OnBrowse();
  EXPECT_EQ(static_cast<const tk::Edit*>(dialog.findControl("path"))->text(), "");
  EXPECT_EQ(host.messages(), std::vector<std::string>{orbel::kOutOfMemoryMessage});
}

}  // namespace
