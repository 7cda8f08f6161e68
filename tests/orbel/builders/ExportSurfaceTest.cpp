// The shared library shows the host its exports and exported classes and
// nothing of its internals (toolkit, catalogues, helpers).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <string_view>

#include "runner/ExportTable.h"

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

std::string definedSymbols() { return run("nm -DC --defined-only '" ORBEL_SHARED_LIBRARY "' 2>&1"); }

// Every row of the export table names a symbol of the shared library; a
// row whose function lost its export macro, or whose library build dropped
// it, fails here.
TEST(SharedLibrary, ShowsEveryExportOfTheTable) {
  const std::string symbols = definedSymbols();
  ASSERT_FALSE(orbel::runner::exportTable().empty());
  for (const orbel::runner::ExportInfo& info : orbel::runner::exportTable())
    EXPECT_NE(symbols.find(info.symbol), std::string::npos) << info.symbol << " is not exported";
}

// A parameter a caller sets by name must be a parameter of the function.
TEST(ExportTable, ParametersAreTheFunctionsOwn) {
  for (const orbel::runner::ExportInfo& info : orbel::runner::exportTable())
    for (const orbel::runner::Parameter& parameter : info.parameters)
      EXPECT_NE(std::find(info.signatureParameters.begin(), info.signatureParameters.end(), parameter.name),
                info.signatureParameters.end())
          << info.name << " has no parameter " << parameter.name;
}

// The exported dialog classes' methods a host calls or overrides, and the
// toolkit model they are built on (a host installs a toolkit of its own, such
// as liborbel-qt, and runs the dialogs through their base class), are shown;
// the internals (toolkit helpers, catalogues, codecs) are not.
TEST(SharedLibrary, ShowsTheClassesAndToolkitAHostUsesAndHidesTheInternals) {
  const std::string symbols = definedSymbols();
  for (const char* exported :
       {"CDiagEnqTmrDlg::GetDiagCmd(unsigned int*)", "CDiagEnqCntDlg::CDiagEnqCntDlg",
        "IgnoreBarred::GetBarredType(unsigned char)", "SapFilterManager::L2Sap(std::", "tk::installToolkit(tk::Toolkit*)",
        "tk::installedToolkit()", "tk::ScriptedToolkit::ScriptedToolkit(", "tk::CDialog::DoModal()",
        "vtable for tk::Toolkit", "tk::ProfileStore::getInt(", "OrbelVersion()", "PhyFaComSet::~PhyFaComSet",
        "PhyFaComSet::OnOK()", "PhyFaComSet::OnInitDialog()", "PhyFaLoopTest::~PhyFaLoopTest",
        "PhyFaLoopTest::OnBrowse()", "PhyFaLoopTest::OnOK()", "PhyFaLoopTest::OnInitDialog()",
        "COtherParamCfgDlg::COtherParamCfgDlg", "COtherParamCfgDlg::LoadConfig()", "COtherParamCfgDlg::SaveConfig(",
        "COtherParamCfgDlg::GetDefaultConfig()", "COtherParamCfgDlg::checkConfig(", "COtherParamCfgDlg::UpdateUi(",
        "COtherParamCfgDlg::GetFullMsg(int, int&)", "COtherParamCfgDlg::generateMag(int&)",
        "COtherParamCfgDlg::OnSelectAll()", "COtherParamCfgDlg::OnRestore()"})
    EXPECT_NE(symbols.find(exported), std::string::npos) << exported << " is not exported";
  // The compact filter dialog is not exported either.
  for (const char* internal : {"orbel::", "PsdlStrToInt", "FeatureManager", "encodeItemList", "CSimFilterInfoMan",
                               "CDiagSimCmdDlg", "decodeDiagMessage", "CMsgFilterDlg_MINI", "ValidateL1CommandFrame",
                               "L1PrimitiveTable", "encodeFilterSelection", "CSaveAmrVpDlg", "otherParamRows",
                               "otherParamCaption"})
    EXPECT_EQ(symbols.find(internal), std::string::npos) << internal << " is visible";
  // Standard-library code the exports instantiate is the library's own
  // (a std:: name may appear only inside an export's parameter list).
  std::istringstream lines(symbols);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t name = line.find(' ', line.find(' ') + 1) + 1;
    const std::string_view symbol = std::string_view(line).substr(name);
    EXPECT_FALSE(symbol.starts_with("std::") || symbol.starts_with("__gnu_cxx::") ||
                 symbol.find(" std::") < symbol.find('('))
        << line;
  }
}

}  // namespace
