// The shared library shows the host its exports and exported classes and
// nothing of its internals (toolkit, catalogues, helpers).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string run(const std::string& command) {
  std::string output;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
  ::pclose(pipe);
  return output;
}

TEST(SharedLibrary, ExportsTheEntryPointsAndDialogClassesOnly) {
  const std::string symbols = run("nm -DC --defined-only '" ORBEL_SHARED_LIBRARY "' 2>&1");
  ASSERT_NE(symbols.find("OrbelGetTmrEnqueryBuffer(unsigned int*)"), std::string::npos) << symbols;
  EXPECT_NE(symbols.find("OrbelGetCountEnqueryBuffer(unsigned int*)"), std::string::npos);
  EXPECT_NE(symbols.find("CDiagEnqTmrDlg::GetDiagCmd(unsigned int*)"), std::string::npos);
  EXPECT_NE(symbols.find("CDiagEnqCntDlg::CDiagEnqCntDlg"), std::string::npos);
  for (const char* entry :
       {"OrbelGetTmrSetBuffer(unsigned int*)", "OrbelGetCountSetBuffer(unsigned int*)",
        "OrbelGetConstEnqueryBuffer(unsigned int*)", "OrbelGetVariableEnqueryBuffer(unsigned int*)",
        "OrbelGetStaticEnqueryBuffer(unsigned int*)", "OrbelGetFsmEnqueryBuffer(unsigned int*)",
        "OrbelGetLockCellBuffer(unsigned int*, unsigned long, unsigned char, unsigned short, bool, bool, bool, bool)",
        "DiagCmdDisableReqBuffer(unsigned int*)", "OrbelGetPhyParamInfoReqBuffer(unsigned int*)",
        "GetMeasReportInterval(unsigned int*)", "GetL1infoReportCfg(unsigned int*)", "OrbelGetSimCmdBuffer(unsigned int*)",
        "IgnoreBarred::IgnoreBarred(int, unsigned char, tk::CDialog*)", "IgnoreBarred::GetBarredType(unsigned char)"})
    EXPECT_NE(symbols.find(entry), std::string::npos) << entry;
  EXPECT_NE(symbols.find("GetFilterMsgMini(unsigned int*, unsigned int*, int&, int&, bool)"), std::string::npos);
  EXPECT_NE(symbols.find("SapFilterManager::CreateMessage(bool)"), std::string::npos);
  EXPECT_NE(symbols.find("SapFilterManager::L2Sap(std::"), std::string::npos);
  EXPECT_EQ(symbols.find("CMsgFilterDlg_MINI"), std::string::npos) << "the compact dialog is not exported";
  for (const char* internal : {"orbel::", "PsdlStrToInt", "FeatureManager", "tk::ScriptedToolkit", "encodeItemList",
                               "CSimFilterInfoMan", "CDiagSimCmdDlg"})
    EXPECT_EQ(symbols.find(internal), std::string::npos) << internal << " is visible";
}

TEST(SharedLibrary, ExportsTheLayer1FilterEntryPointAndCommandDialogs) {
  const std::string symbols = run("nm -DC --defined-only '" ORBEL_SHARED_LIBRARY "' 2>&1");
  for (const char* exported : {"GetPhyFaFilterDefault(unsigned int*)", "PhyFaComSet::PhyFaComSet",
                               "PhyFaComSet::~PhyFaComSet", "PhyFaComSet::OnOK()", "PhyFaComSet::OnInitDialog()",
                               "PhyFaLoopTest::PhyFaLoopTest", "PhyFaLoopTest::~PhyFaLoopTest",
                               "PhyFaLoopTest::OnBrowse()", "PhyFaLoopTest::OnOK()", "PhyFaLoopTest::OnInitDialog()"})
    EXPECT_NE(symbols.find(exported), std::string::npos) << exported << " is not exported";
  for (const char* internal : {"ValidateL1CommandFrame", "L1PrimitiveTable", "encodeFilterSelection"})
    EXPECT_EQ(symbols.find(internal), std::string::npos) << internal << " is visible";
}

TEST(SharedLibrary, ExportsTheConfigurationEntryPointsAndTheOtherParameterDialog) {
  const std::string symbols = run("nm -DC --defined-only '" ORBEL_SHARED_LIBRARY "' 2>&1");
  for (const char* exported :
       {"GetOtherParamCfg(unsigned char, int&)", "GetAmrVpCfg(SaveAmrVpParam&)", "COtherParamCfgDlg::COtherParamCfgDlg",
        "COtherParamCfgDlg::LoadConfig()", "COtherParamCfgDlg::SaveConfig(", "COtherParamCfgDlg::GetDefaultConfig()",
        "COtherParamCfgDlg::checkConfig(", "COtherParamCfgDlg::UpdateUi(", "COtherParamCfgDlg::GetFullMsg(int, int&)",
        "COtherParamCfgDlg::generateMag(int&)", "COtherParamCfgDlg::OnSelectAll()", "COtherParamCfgDlg::OnRestore()"})
    EXPECT_NE(symbols.find(exported), std::string::npos) << exported << " is not exported";
  for (const char* internal : {"CSaveAmrVpDlg", "otherParamRows", "otherParamCaption"})
    EXPECT_EQ(symbols.find(internal), std::string::npos) << internal << " is visible";
}

}  // namespace
