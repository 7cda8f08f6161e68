// The CLI end to end: a scripted run prints the message's bytes as JSON, and
// decode names what they mean.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "orbel/Version.h"

namespace {

struct Result {
  std::string output;
  int status;
};

// Runs the CLI from `folder` (the current one when empty). A run that hangs
// is ended after 30 seconds and fails its test instead of blocking it.
Result orbel(const std::string& arguments, const std::string& folder = {}) {
  Result result{{}, -1};
  const std::string from = folder.empty() ? std::string() : "cd '" + folder + "' && ";
  FILE* pipe = ::popen((from + "timeout 30 '" ORBEL_CLI "' " + arguments + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) result.output.append(buffer, n);
  int status = ::pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

class Cli : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("orbel-cli-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string file(const std::string& name, const std::string& text) {
    std::ofstream(folder_ / name) << text;
    return (folder_ / name).string();
  }

  std::filesystem::path folder_;
};

TEST_F(Cli, RunsAScriptedTimerEnquiryAndPrintsJson) {
  const std::string script = file("s.json", R"({"dialogs":[{"expect":"CDiagEnqTmrDlg","do":[
      {"click":"module.rlc"},{"select":"entry","text":"Timer Poll"},{"set":"instance","text":"5"},{"click":"ok"}]}]})");
  Result result = orbel("run OrbelGetTmrEnqueryBuffer --script " + script + " --json");
  EXPECT_EQ(result.status, 0) << result.output;
  EXPECT_NE(result.output.find(R"("returned": "1c00ff000101ca3200000e2f00000000000004000021000500000000")"),
            std::string::npos)
      << result.output;
  EXPECT_NE(result.output.find(R"("length": 28)"), std::string::npos);
  EXPECT_NE(result.output.find(R"("messages": [])"), std::string::npos);
}

TEST_F(Cli, ReportsMessagesScriptErrorsAndTheUntouchedLength) {
  const std::string script = file("s.json", R"({"dialogs":[{"do":[{"click":"module.mm"},{"set":"instance","text":"1"}]}]})");
  Result result = orbel("run OrbelGetTmrEnqueryBuffer --len 0 --script " + script + " --json");
  EXPECT_EQ(result.status, 2);
  EXPECT_NE(result.output.find(R"("returned": null)"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find(R"("length": 0)"), std::string::npos);
  EXPECT_NE(result.output.find("disabled"), std::string::npos);

  const std::string empty = file("e.json", R"({"dialogs":[{"do":[{"click":"module.cc"},{"set":"instance","text":""},{"click":"ok"}]}]})");
  result = orbel("run OrbelGetCountEnqueryBuffer --script " + empty + " --json");
  EXPECT_NE(result.output.find(R"("No instance id")"), std::string::npos) << result.output;

  result = orbel("run OrbelGetCountEnqueryBuffer --null-len --json");
  EXPECT_NE(result.output.find(R"("length": null)"), std::string::npos) << result.output;
}

// The CLI and the library take their version from the one project version.
TEST_F(Cli, ShowsTheLibraryVersion) {
  Result result = orbel("--version");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.output, std::string("orbel ") + ORBEL_VERSION_STRING + "\n");
  EXPECT_STREQ(OrbelVersion(), ORBEL_VERSION_STRING);
  EXPECT_EQ(std::to_string(ORBEL_VERSION_MAJOR) + "." + std::to_string(ORBEL_VERSION_MINOR) + "." +
                std::to_string(ORBEL_VERSION_PATCH),
            ORBEL_VERSION_STRING);
}

TEST_F(Cli, DecodesHexAndRefusesBadInput) {
  Result result = orbel("decode --hex '1C 00 FF 00 01 01 CA 32 00 00 0E 2F 00 00 00 00 00 00 04 00 00 21 00 05 00 00 00 00'");
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.output.find("RLC timer enquiry"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("\"Timer Poll\""), std::string::npos);

  EXPECT_EQ(orbel("decode --hex '1C 00 FF'").status, 3);  // a malformed message is a data error
  EXPECT_EQ(orbel("decode --hex 'zz'").status, 1);
  EXPECT_EQ(orbel("run NoSuchExport").status, 1);
  EXPECT_EQ(orbel("run OrbelGetTmrEnqueryBuffer --arg x=1").status, 1);
  EXPECT_EQ(orbel("run OrbelGetTmrEnqueryBuffer --script " + file("bad.json", "{\"dialogs\":3}")).status, 1);
}

TEST_F(Cli, DescribeListsTheDialogsControlsAfterTheScript) {
  const std::string script = file("s.json", R"({"dialogs":[{"do":[{"click":"module.rlc"}]}]})");
  Result result = orbel("describe OrbelGetTmrEnqueryBuffer --script " + script);
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.output.find("CDiagEnqTmrDlg"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("module.rlc"), std::string::npos);
  EXPECT_NE(result.output.find("10 items, selected 0 \"All Rlc Timers\""), std::string::npos);
}

// A resize of the dialog's window runs its own resize handler; the
// description shows the client size it ends with, and a size below the
// template's is a script that did not run as written.
TEST_F(Cli, AScriptResizesThePlacedHlsFilterDialog) {
  const std::string grown =
      file("grown.json", R"({"dialogs":[{"do":[{"resize":"dialog","width":800,"height":560}]}]})");
  Result result = orbel("describe OrbelGetHlsFilterBuffer --script " + grown);
  EXPECT_EQ(result.status, 0) << result.output;
  EXPECT_NE(result.output.find("CFilterHLSDlg \"HLS Filter\"  client 800 x 560\n"), std::string::npos) << result.output;

  const std::string shrunk =
      file("shrunk.json", R"({"dialogs":[{"do":[{"resize":"dialog","width":500,"height":560}]}]})");
  result = orbel("run OrbelGetHlsFilterBuffer --script " + shrunk);
  EXPECT_EQ(result.status, 2) << result.output;
  EXPECT_NE(result.output.find("resize on 'dialog' refused: the client area is at least 600 x 440"), std::string::npos)
      << result.output;

  // A dialog laid out in rows has no window size a script sets.
  result = orbel("run OrbelGetTmrEnqueryBuffer --script " + grown);
  EXPECT_EQ(result.status, 2) << result.output;
  EXPECT_NE(result.output.find("CDiagEnqTmrDlg arranges its controls in rows"), std::string::npos) << result.output;
}

TEST_F(Cli, RunsTheLockCellWithItsArgumentsAndDecodesTheResult) {
  const std::string script = file("s.json", R"({"dialogs":[{"expect":"CDiagCmdLockCellDlg","do":[{"click":"ok"}]}]})");
  Result result = orbel("run OrbelGetLockCellBuffer --arg presetFlags=3 --arg cellId=0xFF --arg frequency=10055 "
                        "--arg b2=true --arg b3=true --script " + script + " --json");
  EXPECT_EQ(result.status, 0) << result.output;
  EXPECT_NE(result.output.find(R"("returned": "1c00ff000900ca320000262f000000000000040001ff274700000000")"),
            std::string::npos)
      << result.output;

  result = orbel("decode --hex 1c00ff000900ca320000262f000000000000040001ff274700000000");
  EXPECT_NE(result.output.find("cell parameter id: 0xFF (any cell)"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("frequency: 10055 (2011.0 MHz, in a TD-SCDMA band)"), std::string::npos);

  // Without host module 25 the GSM modes are closed; with it they are offered.
  result = orbel("describe OrbelGetLockCellBuffer --arg b2=1");
  EXPECT_NE(result.output.find("mode.5           radio      \"Mode &5 (GSM cell)\"  disabled"), std::string::npos)
      << result.output;
  result = orbel("describe OrbelGetLockCellBuffer --arg b2=1 --modules 25");
  EXPECT_NE(result.output.find("mode.5           radio      \"Mode &5 (GSM cell)\"  enabled   checked"),
            std::string::npos)
      << result.output;
}

TEST_F(Cli, RunsTheBarredCellClassAndReportsTheChosenType) {
  const std::string script = file("s.json", R"({"dialogs":[{"do":[{"click":"type.ignore"},{"click":"set"}]}]})");
  Result result = orbel("run IgnoreBarred --arg enableButtons=1 --arg currentType=0 --script " + script + " --json");
  EXPECT_EQ(result.status, 0) << result.output;
  EXPECT_NE(result.output.find(R"("returned": 1)"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find(R"("currentType": 1)"), std::string::npos);

  const std::string query = file("q.json", R"({"dialogs":[{"do":[{"click":"query"}]}]})");
  result = orbel("run IgnoreBarred --arg enableButtons=0 --script " + query + " --json");
  EXPECT_EQ(result.status, 2);  // the query button is closed
  EXPECT_NE(result.output.find(R"("returned": null)"), std::string::npos) << result.output;

  result = orbel("describe IgnoreBarred --arg currentType=2");
  EXPECT_NE(result.output.find("\"Query type\""), std::string::npos) << result.output;
}

TEST_F(Cli, BuildsACompactFilterSavesItAndDecodesTheFile) {
  Result full = orbel("run GetFilterMsgMini --arg filterType=4 --arg interactive=false --json");
  EXPECT_EQ(full.status, 0) << full.output;
  EXPECT_NE(full.output.find(R"("returned": "9407ff000900ca320000ff2e000000000000)"), std::string::npos)
      << full.output;  // 28 + 4 x 478 bytes
  EXPECT_NE(full.output.find(R"("fullSet": 1)"), std::string::npos);

  const std::string path = (folder_ / "opt2.flt_HLS").string();
  const std::string script = file("s.json", R"({"dialogs":[{"do":[{"click":"filter.option2"},{"click":"save"},)"
                                            R"({"click":"ok"}]}],"files":[")" + path + R"("]})");
  Result saved = orbel("run GetFilterMsgMini --script " + script + " --features 124 --arg workMode=1");
  EXPECT_EQ(saved.status, 0) << saved.output;
  EXPECT_NE(saved.output.find("profile Settings/FilterType = 2"), std::string::npos) << saved.output;
  EXPECT_NE(saved.output.find("out workModeState: 1"), std::string::npos);

  Result decoded = orbel("decode " + path);
  EXPECT_EQ(decoded.status, 0) << decoded.output;
  EXPECT_NE(decoded.output.find("HLS filter file, 1 frame: task 9 HLS trace filter"), std::string::npos)
      << decoded.output;
  EXPECT_NE(decoded.output.find("identifier list length: 928 (232 SAPs)"), std::string::npos);

  Result sap = orbel("run SapFilterManager::CreateMessage --features 130 --arg userOnly=false --json");
  EXPECT_NE(sap.output.find(R"("returned": "33000014000008200000)"), std::string::npos) << sap.output;
  EXPECT_NE(orbel("decode --hex 33000004000008200A").output.find("attribute of SAP 2080: 10 (unknown attribute)"),
            std::string::npos);
}

// Arguments are checked against their parameter's type and their defaults
// are listed; the host's SAP filter manager is reported after the run.
TEST_F(Cli, ChecksArgumentsListsDefaultsAndReportsTheHostsSapFilterManager) {
  Result result = orbel("run OrbelGetLockCellBuffer --arg cellId=256");
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.output.find("cellId: from 0 to 255"), std::string::npos) << result.output;
  EXPECT_EQ(orbel("run GetFilterMsgMini --arg interactive=2").status, 1);

  result = orbel("exports");
  EXPECT_NE(result.output.find("--arg interactive (default true): false confirms the dialog at once"),
            std::string::npos)
      << result.output;

  result = orbel("run SapFilterManager::CreateMessage --features 130 --json");
  EXPECT_NE(result.output.find(R"("built-in SAPs in the message": "5")"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find(R"x("user SAPs": "0 (0 enabled)")x"), std::string::npos);
  // A run that needs no host object reports none.
  EXPECT_NE(orbel("run GetFilterMsgMini --arg interactive=false --json").output.find(R"("host": {})"),
            std::string::npos);
}

// Every gallery script names its export and acts on controls that exist; the
// files it opens are named from its folder.
TEST_F(Cli, GalleryScriptsRunOnTheirExportsWithoutScriptErrors) {
  int scripts = 0;
  for (const auto& entry : std::filesystem::directory_iterator(ORBEL_GALLERY_SCRIPTS)) {
    if (entry.path().extension() != ".json") continue;
    ++scripts;
    Result result = orbel("describe " + entry.path().stem().string() + " --script " + entry.path().string(),
                          ORBEL_GALLERY_SCRIPTS);
    EXPECT_EQ(result.status, 0) << entry.path() << '\n' << result.output;
  }
  EXPECT_GT(scripts, 0);
}

// The save-as block printed field by field, with the layer-2 dialog and the
// text panel each taking the next script entry when they open.
TEST_F(Cli, RunsThePeerSaveAsDialogWithItsSubDialogsAndPanel) {
  const std::string target = (folder_ / "peer").string();
  const std::string binary = file("b.json", R"({"dialogs":[
      {"expect":"CPeerSaveAsDlg","do":[{"click":"range"},{"set":"range.first","text":"-3"},{"click":"l2.edit"},
                                       {"click":"ok"}]},
      {"expect":"CL2ConfigDlg","do":[{"click":"layer.mac"},{"click":"mac.0"},{"click":"ok"}]}],
      "files":[")" + target + R"("]})");
  Result result = orbel("run OrbelGetSaveAsInfo --features 113,114,116 --script " + binary);
  EXPECT_EQ(result.status, 0) << result.output;
  const std::vector<std::string> lines = {"returned: 1",       "out path: " + target + ".save", "out rangeFirst: -3",
                                          "out l2EditFlag: 1", "out l2MacSap: 1010",            "out textFlag: 0"};
  for (const std::string& line : lines)
    EXPECT_NE(result.output.find(line + "\n"), std::string::npos) << line << '\n' << result.output;

  const std::string text = file("t.json", R"({"dialogs":[
      {"expect":"CPeerSaveAsDlg","do":[{"click":"text"},{"click":"ok"}]},
      {"expect":"CSaveCfgDlg","do":[{"click":"content.5"},{"click":"z"}]}],
      "files":[")" + target + R"(2"]})");
  result = orbel("run OrbelGetSaveAsInfo --features 113,114,116 --script " + text);
  EXPECT_EQ(result.status, 0) << result.output;
  for (const std::string line : {"out textFlag: 1", "out textZ: 1", "out contentFlags: 0 0 0 0 0 0 0 0"})
    EXPECT_NE(result.output.find(line + "\n"), std::string::npos) << line << '\n' << result.output;
}

TEST_F(Cli, RunsTheLayer1ExportsAsTheirHostDoes) {
  const std::string untick = file("c.json", R"({"dialogs":[{"expect":"PhyFaComSet","do":[
      {"click":"option"},{"click":"ok"}]}]})");
  Result result = orbel("run PhyFaComSet --script " + untick + " --json");
  EXPECT_EQ(result.status, 0) << result.output;
  // Frame header, message header, then the body's first word: 1 for an unticked box.
  EXPECT_NE(result.output.find("\"returned\": \"9804ff00bb004b710000050082bb00000000000080040000"
                               "f464f364340200000000000000000000050082800000000001000000"),
            std::string::npos)
      << result.output.substr(0, 400);
  EXPECT_NE(result.output.find(R"("DoModal": "IDOK")"), std::string::npos);

  const std::string data = file("data.bin", std::string(1125, 'x'));
  const std::string loop = file("l.json", R"({"dialogs":[{"expect":"PhyFaLoopTest","do":[
      {"set":"path","text":")" + data + R"("},{"click":"ok"}]}]})");
  result = orbel("run PhyFaLoopTest --script " + loop);
  EXPECT_EQ(result.status, 0) << result.output;
  EXPECT_NE(result.output.find("returned: 2328 bytes"), std::string::npos) << result.output.substr(0, 400);
  EXPECT_NE(result.output.find("layer-1 loop test (box ticked) command frame"), std::string::npos);
  EXPECT_NE(result.output.find("file size: 1125"), std::string::npos);

  const std::string noPath = file("x.json", R"({"dialogs":[{"do":[{"click":"ok"}]}]})");
  result = orbel("run PhyFaLoopTest --script " + noPath + " --json");
  EXPECT_NE(result.output.find(R"("messages": [
    "open file fail"
  ])"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find(R"("DoModal": "IDCANCEL")"), std::string::npos);
}

TEST_F(Cli, HandsOutTheStoredLayer1ConfigurationAndDecodesIt) {
  std::string stored;
  for (int i = 0; i < 1128; ++i) stored += "01";
  const std::string profile = file("p.ini", "[Settings]\nLastPhyFaConfig=" + stored + "\n");
  Result result = orbel("run GetPhyFaFilterDefault --profile " + profile + " --json");
  EXPECT_NE(result.output.find(R"("returned": ")" + stored + '"'), std::string::npos) << result.output.substr(0, 300);
  EXPECT_NE(result.output.find(R"("length": 1128)"), std::string::npos);

  result = orbel("run GetPhyFaFilterDefault");
  EXPECT_NE(result.output.find("layer-1 filter configuration: 10 TD primitives, 4 GSM primitives, 97 task messages"),
            std::string::npos)
      << result.output.substr(0, 300);
  result = orbel("decode --as l1config " + file("one.bin", std::string(1128, '\1')));
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.output.find("switch 1: on"), std::string::npos) << result.output.substr(0, 300);
}

TEST_F(Cli, ComposesASimCommandByTreePathAndRowIdsAndDecodesIt) {
  const std::string script = file("s.json", R"({"dialogs":[{"expect":"CDiagSimCmdDlg","do":[
      {"selectItem":"commands","path":["PIN","VERIFY PIN"]},{"select":"row.0.list","text":"PIN2 / CHV2"},
      {"set":"row.1.value","text":"4"},{"set":"row.2.value","text":"12"},{"click":"ok"}]}]})");
  Result result = orbel("run OrbelGetSimCmdBuffer --script " + script + " --json");
  EXPECT_EQ(result.status, 0) << result.output;
  EXPECT_NE(result.output.find(R"("returned": "1e00ff000700ca3200007630000000000000060002043132202000000000")"),
            std::string::npos)
      << result.output;
  EXPECT_NE(result.output.find(R"("length": 30)"), std::string::npos);

  result = orbel("decode --hex 1e00ff000700ca3200007630000000000000060002043132202000000000");
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.output.find("SIM VERIFY PIN"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("PIN digits: \"12  \" (4 characters)"), std::string::npos) << result.output;

  // describe shows the rows' tips, every line of them.
  result = orbel("describe OrbelGetSimCmdBuffer --script " +
                 file("d.json", R"({"dialogs":[{"do":[{"selectItem":"commands","path":["PIN","VERIFY PIN"]}]}]})"));
  EXPECT_NE(result.output.find("tip: Number of PIN digits sent, 4 to 8.\n"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("     A shorter PIN below is padded with blanks."), std::string::npos);
}

TEST_F(Cli, TakesTheHostsOwnSimDefinitionsAndRefusesAFaultyFile) {
  const std::string own = file("own.json", R"({"format": "orbel-sim-definitions", "version": 1,
      "tasks": [{"key": 0, "task": "0xFF", "subModule": 0}, {"key": 1, "name": "SIM test task", "task": 7, "subModule": 3}],
      "groups": [{"id": 9, "name": "Lab", "records": [{"name": "PING", "primitive": 40000, "startTask": 0,
        "moduleTask": 1, "fields": [{"name": "Token", "kind": "number", "width": 4}]}]}]})");
  const std::string script = file("s.json", R"({"dialogs":[{"do":[{"selectItem":"commands","path":["Lab","PING"]},
      {"set":"row.0.value","text":"0x01020304"},{"click":"ok"}]}]})");
  const std::string expected = R"("returned": "1c00ff000703ca320000409c00000000000004000102030400000000")";
  Result result = orbel("run OrbelGetSimCmdBuffer --sim-definitions " + own + " --script " + script + " --json");
  EXPECT_NE(result.output.find(expected), std::string::npos) << result.output;
  result = orbel("decode --sim-definitions " + own + " --hex 1c00ff000703ca320000409c00000000000004000102030400000000");
  EXPECT_NE(result.output.find("SIM test task PING"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("Token: 16909060 (0x01020304)"), std::string::npos);

  // The same file through the environment variable a host may set.
  result = orbel("run OrbelGetSimCmdBuffer --script " + script + " --json");
  EXPECT_EQ(result.output.find(expected), std::string::npos);
  ::setenv("ORBEL_SIM_DEFINITIONS", own.c_str(), 1);
  Result fromEnvironment = orbel("run OrbelGetSimCmdBuffer --script " + script + " --json");
  ::unsetenv("ORBEL_SIM_DEFINITIONS");
  EXPECT_NE(fromEnvironment.output.find(expected), std::string::npos) << fromEnvironment.output;

  const std::string broken = file("broken.json", R"({"format": "orbel-sim-definitions", "version": 1, "tasks": [],
      "groups": [{"id": 1, "name": "G", "records": [{"name": "A", "primitive": 1, "startTask": 4, "moduleTask": 4,
      "fields": []}]}]})");
  result = orbel("run OrbelGetSimCmdBuffer --sim-definitions " + broken);
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.output.find("groups[0].records[0]: \"startTask\" names task key 4, which \"tasks\" does not hold"),
            std::string::npos)
      << result.output;

  // A host whose variable names a faulty file sees why its dialog is empty.
  ::setenv("ORBEL_SIM_DEFINITIONS", broken.c_str(), 1);
  result = orbel("run OrbelGetSimCmdBuffer --json");
  ::unsetenv("ORBEL_SIM_DEFINITIONS");
  EXPECT_NE(result.output.find("The SIM command definitions could not be read: " + broken), std::string::npos)
      << result.output;
}

// The layer-2 configuration: keys in a script, the stored default under a
// relative --data-dir (taken from the folder the CLI started in), and the
// next run opening from it.
TEST_F(Cli, RunsTheLayer2ConfigurationAndKeepsItsDefaultUnderTheDataFolder) {
  file("s.json", R"({"dialogs":[{"expect":"CL2ConfigDlg","do":[{"click":"layer.mac"},{"click":"mac.5"},
      {"keyDown":"shift"},{"click":"mac.8"},{"keyUp":"shift"},{"click":"default"},{"click":"ok"}]}]})");
  Result result = orbel("run GetL2Config --script s.json --data-dir data --json", folder_.string());
  EXPECT_EQ(result.status, 0) << result.output;
  EXPECT_NE(result.output.find(R"("summary": "010000000002000000000000")"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find(R"("macSap": "1103 1104 1105 1106")"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find(R"x("layer-2 SAPs": "67 (4 enabled)")x"), std::string::npos) << result.output;
  const std::filesystem::path stored = folder_ / "data" / "layer2" / "L2Config.dat";
  ASSERT_TRUE(std::filesystem::exists(stored)) << result.output;
  EXPECT_EQ(std::filesystem::file_size(stored), 824u);

  file("ok.json", R"({"dialogs":[{"do":[{"click":"ok"}]}]})");
  result = orbel("run GetL2Config --arg fromFile=1 --script ok.json --data-dir data", folder_.string());
  EXPECT_NE(result.output.find("out macSap: 1103 1104 1105 1106"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("out saveAsDefault: 0"), std::string::npos) << result.output;

  file("bad.json", R"({"dialogs":[{"do":[{"keyDown":"ctrl"}]}]})");
  EXPECT_EQ(orbel("run GetL2Config --script bad.json", folder_.string()).status, 1);
  file("off.json", R"({"dialogs":[{"do":[{"click":"mac.5"}]}]})");  // the MAC layer is off: its boxes refuse
  EXPECT_EQ(orbel("run GetL2Config --script off.json --data-dir data", folder_.string()).status, 2);
}

TEST_F(Cli, BuildsTheOtherParameterCommandAndPrintsTheAmrRecord) {
  Result result = orbel("run GetOtherParamCfg --arg showDialog=0 --features 143 --json");
  EXPECT_EQ(result.status, 0) << result.output;
  EXPECT_NE(result.output.find(R"("returned": "4c00ff000900cb320000a82f00000000000034003301020406)"), std::string::npos)
      << result.output;
  EXPECT_NE(result.output.find(R"("length": 76)"), std::string::npos);

  const std::string profile = file("p.ini", "[Settings]\nOtherParamConfig=0102\n");
  const std::string script = file("s.json", R"({"dialogs":[{"do":[{"click":"param.0b"},{"click":"ok"}]}]})");
  result = orbel("run GetOtherParamCfg --features 122,143 --profile " + profile + " --script " + script);
  EXPECT_NE(result.output.find("parameter 3: 0x0D DPCH timeslots (UL and DL)"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("profile Settings/OtherParamConfig = 03020B0D"), std::string::npos);
  result = orbel("decode --hex '1A 00 FF 00 09 00 CB 32 00 00 A8 2F 00 00 00 00 00 00 02 00 01 77 00 00 00 00'");
  EXPECT_NE(result.output.find("parameter 1: 0x77 (unknown code)"), std::string::npos) << result.output;

  const std::string amr = file("a.json", R"({"dialogs":[{"do":[{"click":"item.2"},{"click":"range"},
      {"set":"first","text":"-5"},{"click":"ok"}]}],"files":[")" + (folder_ / "voice").string() + R"("]})");
  result = orbel("run GetAmrVpCfg --script " + amr + " --json");
  EXPECT_NE(result.output.find(R"("returned": 1)"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find(R"("itemFlags": "000100000000000000")"), std::string::npos);
  EXPECT_NE(result.output.find(R"("firstNumber": -5)"), std::string::npos);
  EXPECT_NE(result.output.find(R"("path": ")" + (folder_ / "voice.AmrVp").string() + '"'), std::string::npos);
}

// A relative profile is read and written in the folder the CLI started in,
// whatever folder a file dialog confirmed in between.
TEST_F(Cli, RelativeProfileStaysInTheStartingFolder) {
  std::filesystem::create_directories(folder_ / "filters");
  file("s.json", R"({"dialogs":[{"do":[{"click":"filter.option2"},{"click":"save"},{"click":"ok"}]}],)"
                 R"("files":["filters/opt2.flt_HLS"]})");
  file("p.ini", "[Other]\nkept=1\n");
  Result saved = orbel("run GetFilterMsgMini --script s.json --profile p.ini --features 124", folder_.string());
  EXPECT_EQ(saved.status, 0) << saved.output;
  EXPECT_TRUE(std::filesystem::exists(folder_ / "filters" / "opt2.flt_HLS"));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "filters" / "p.ini"));
  std::ifstream profile(folder_ / "p.ini");
  const std::string text{std::istreambuf_iterator<char>(profile), std::istreambuf_iterator<char>()};
  EXPECT_NE(text.find("kept=1"), std::string::npos) << text;
  EXPECT_NE(text.find("FilterType=2"), std::string::npos) << text;
}

// Files that cannot be used as data end the run with exit code 3 and a
// message naming the file, before anything runs or is saved; none blocks.
TEST_F(Cli, RefusesFoldersFifosDevicesAndUnreadableProfilesAsDataErrors) {
  struct Case {
    std::string arguments;
    std::string message;
  };
  std::filesystem::create_directories(folder_ / "dir");
  const std::string dir = (folder_ / "dir").string();
  const std::string pipe = (folder_ / "pipe").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::string broken = file("broken.ini", "[Settings]\nFilterType=3\n[]\nlost=1\n");
  const std::string run = "run GetFilterMsgMini --arg filterType=4 --arg interactive=false ";
  for (const Case& c : {Case{run + "--profile " + dir, "profile " + dir + " is a folder"},
                        Case{run + "--profile " + pipe, "profile " + pipe + " is not a regular file"},
                        Case{run + "--profile " + broken, broken + ":3: empty section name"},
                        Case{run + "--script " + dir, "script " + dir + " is a folder"},
                        Case{run + "--script /dev/zero", "script /dev/zero is not a regular file"},
                        Case{"decode " + dir, dir + " is a folder"},
                        Case{"decode " + pipe, pipe + " is not a regular file"},
                        Case{"decode /dev/zero", "/dev/zero is not a regular file"}}) {
    Result result = orbel(c.arguments);
    EXPECT_EQ(result.status, 3) << c.arguments << '\n' << result.output;
    EXPECT_NE(result.output.find(c.message), std::string::npos) << result.output;
    EXPECT_EQ(result.output.find("returned"), std::string::npos) << result.output;
  }
  std::ifstream profile(broken);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(profile), std::istreambuf_iterator<char>()),
            "[Settings]\nFilterType=3\n[]\nlost=1\n");
}

// A file that cannot be written, by a dialog or as the profile, still shows
// what the run did, lists the failure among the errors and exits with 3.
TEST_F(Cli, ReportsFailedSavesBesideTheRunsResult) {
  const std::string missing = (folder_ / "no" / "such").string();
  const std::string script = file("s.json", R"({"dialogs":[{"do":[{"click":"filter.option2"},{"click":"save"},)"
                                            R"({"click":"ok"}]}],"files":[")" + missing + R"(/f.flt_HLS"]})");
  Result result = orbel("run GetFilterMsgMini --script " + script + " --features 124 --json --profile " + missing +
                        "/p.ini");
  EXPECT_EQ(result.status, 3) << result.output;
  EXPECT_NE(result.output.find(R"("returned": ")"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("cannot create a temporary file beside " + missing + "/f.flt_HLS"), std::string::npos);
  EXPECT_NE(result.output.find("the profile was not saved: cannot create a temporary file beside " + missing),
            std::string::npos);
}

// Script entries left over at the end did not happen: the script did not run
// as written.
TEST_F(Cli, ScriptEntriesThatWereNeverUsedAreScriptErrors) {
  struct Case {
    std::string script;
    std::string error;
  };
  const std::string ok = R"({"do":[{"click":"module.rlc"},{"click":"ok"}]})";
  for (const Case& c : {Case{R"({"dialogs":[)" + ok + R"(,{"expect":"Other","do":[]}]})",
                             "dialog 2 (Other) of the script never opened"},
                        Case{R"({"dialogs":[)" + ok + R"(],"files":["a","b"]})",
                             "2 file answer(s) of the script were never asked for"},
                        Case{R"({"dialogs":[)" + ok + R"(],"answers":["yes"]})",
                             "1 question answer(s) of the script were never asked for"}}) {
    Result result = orbel("run OrbelGetTmrEnqueryBuffer --json --script " + file("s.json", c.script));
    EXPECT_EQ(result.status, 2) << c.script << '\n' << result.output;
    EXPECT_NE(result.output.find(c.error), std::string::npos) << result.output;
  }
}

// Every number the CLI reads has one notation: --len, --arg and the switch lists alike.
TEST_F(Cli, ReadsEveryNumberInOneNotationAndNamesTheRangeOfARefusedOne) {
  const std::string script = file("cancel.json", R"({"dialogs":[{"do":[{"click":"cancel"}]}]})");
  EXPECT_EQ(orbel("run OrbelGetTmrEnqueryBuffer --len 017 --json").output,
            orbel("run OrbelGetTmrEnqueryBuffer --len 17 --json").output);  // a leading 0 is decimal
  EXPECT_EQ(orbel("run OrbelGetLockCellBuffer --arg presetFlags=18446744073709551615 --script " + script).status, 0);
  struct Refusal {
    const char* arguments;
    const char* message;
  };
  const Refusal refusals[] = {
      {"run GetFilterMsgMini --arg workMode=--5", "workMode: from -2147483648 to 2147483647"},
      {"run GetFilterMsgMini --arg workMode=-0x-5", "workMode: from -2147483648 to 2147483647"},
      {"run OrbelGetLockCellBuffer --arg presetFlags=-1", "presetFlags: from 0 to 18446744073709551615"},
      {"run OrbelGetTmrEnqueryBuffer --len=-1", "--len: from 0 to 4294967295"},
      {"run OrbelGetTmrEnqueryBuffer --len 4294967296", "--len: from 0 to 4294967295"},
      {"describe GetFilterMsgMini --features=--5", "--features: from 0 to 65535"},
      {"describe GetFilterMsgMini --modules 0x-5", "--modules: from 0 to 65535"},
  };
  for (const Refusal& refusal : refusals) {
    Result result = orbel(refusal.arguments);
    EXPECT_EQ(result.status, 1) << refusal.arguments << ": " << result.output;
    EXPECT_NE(result.output.find(refusal.message), std::string::npos) << refusal.arguments << ": " << result.output;
  }
}

// A script number that does not fit is refused, not cut to the item it wraps to.
TEST_F(Cli, RefusesAScriptIndexBeyondTheIntRange) {
  const std::string script = file("huge.json", R"({"dialogs":[{"do":[{"select":"entry","index":4294967297}]}]})");
  Result result = orbel("run OrbelGetTmrEnqueryBuffer --script " + script);
  EXPECT_NE(result.status, 0) << result.output;
  EXPECT_NE(result.output.find("\"index\" is out of range"), std::string::npos) << result.output;
}

// `out` in --json is typed as the variable the export stored into: numbers
// as numbers, buffers as hex digits, texts (paths, end codes) as texts; the
// text output prints the same values. File dialogs list the options their
// caller gave.
TEST_F(Cli, OutValuesAreTypedInJsonAndReadableInText) {
  struct Case {
    std::string command;
    std::vector<std::string> json;
    std::vector<std::string> text;
  };
  const std::string amr =
      file("a.json", R"({"dialogs":[{"do":[{"click":"item.1"},{"click":"item.9"},{"click":"ok"}]}],)"
                     R"("files":[")" + (folder_ / "v").string() + R"("]})");
  const std::string port = file("p.json", R"({"dialogs":[{"do":[{"click":"ok"}]}]})");
  const Case cases[] = {
      {"run GetFilterMsgMini --arg filterType=3 --arg interactive=false",
       {R"("filterType": 3)", R"("workMode": 0)", R"("workModeState": 0)"},
       {"out filterType: 3"}},
      {"run GetAmrVpCfg --script " + amr,
       {R"("itemFlags": "010000000000000001")", R"("rangeFlag": 0)", R"("path": ")" + (folder_ / "v.AmrVp").string(),
        R"("save": true)", R"("promptOverwrite")", R"("hideReadOnly")"},
       {"out itemFlags: 01 00 00 00 00 00 00 00 01", "out rangeFlag: 0"}},
      {"run PhyFaComSet --script " + port, {R"("DoModal": "IDOK")"}, {"out DoModal: IDOK"}},
  };
  for (const Case& c : cases) {
    Result json = orbel(c.command + " --json");
    EXPECT_EQ(json.status, 0) << c.command << '\n' << json.output;
    for (const std::string& expected : c.json) EXPECT_NE(json.output.find(expected), std::string::npos) << expected;
    Result text = orbel(c.command);
    for (const std::string& expected : c.text) EXPECT_NE(text.output.find(expected), std::string::npos) << expected;
  }
}

// The search dialog's notifications, printed by field, feed the host's search
// over a trace file: the CLI reproduces each notification and each result.
TEST_F(Cli, SearchDialogNotificationsDriveTheTraceSearch) {
  const std::string script = file("s.json", R"({"dialogs":[{"expect":"CTrcSrchDlg","do":[
      {"set":"history","text":"cmnet"},{"click":"find"},
      {"select":"tabs","index":1},{"select":"family","text":"GMM"},{"select":"message","text":"\"ATTACH ACCEPT\""},
      {"click":"range"},{"set":"start","text":"1"},{"set":"end","text":"20"},{"click":"find"},
      {"click":"range"},{"click":"direction.0"},{"click":"find.close"}]}]})");
  Result run = orbel("run SrchDlgGetSearchMethod --script " + script + " --json");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find(R"("method": 1,)"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find(R"("options": 80,)"), std::string::npos);  // the range the second Find had
  EXPECT_NE(run.output.find(R"("direction": 255,)"), std::string::npos);
  const std::string records = file("n.json", run.output);

  Result search = orbel("search " ORBEL_SAMPLE_TRACE " --record \"$(cat " + records + ")\"");
  EXPECT_EQ(search.status, 0) << search.output;
  EXPECT_NE(search.output.find("search 1: entry"), std::string::npos) << search.output;
  EXPECT_NE(search.output.find("ACTIVATE PDP CONTEXT REQUEST"), std::string::npos);
  EXPECT_NE(search.output.find("search 2: nothing was found"), std::string::npos);  // the attach lies past 20
  EXPECT_NE(search.output.find("search 3: entry"), std::string::npos);
  EXPECT_NE(search.output.find("GMM: ATTACH ACCEPT"), std::string::npos);
}

TEST_F(Cli, SearchRefusesBadRecordsAndMalformedTraces) {
  const std::string record = R"('{"method":1,"text":"x"}')";
  EXPECT_EQ(orbel("search " ORBEL_SAMPLE_TRACE " --record '{\"method\":-1}'").status, 1);
  EXPECT_EQ(orbel("search " ORBEL_SAMPLE_TRACE " --record 'not json'").status, 1);
  EXPECT_EQ(orbel("search " + (folder_ / "missing.jsonl").string() + " --record " + record).status, 1);
  Result malformed = orbel("search " + file("t.jsonl", "{\"seq\":1}\n") + " --record " + record);
  EXPECT_EQ(malformed.status, 3);
  EXPECT_NE(malformed.output.find("line 1: "), std::string::npos) << malformed.output;
  EXPECT_EQ(orbel("search " + folder_.string() + " --record " + record).status, 3);  // a folder
}

// A primitive from the list to a saved ".pcf" and back through decode, as a
// newcomer would go; a refused field edit and an unusable description file
// end with their exit codes.
TEST_F(Cli, ListsComposesSavesAndDecodesAPrimitive) {
  Result list = orbel("primitives");
  EXPECT_EQ(list.status, 0);
  EXPECT_NE(list.output.find("CC_SETUP  P_CC_SETUP_PARAM\n  --arg h2=255 --arg h3=0 --arg h4=6 --arg h5=0 "
                             "--arg group=13002 --arg primitive=16001"),
            std::string::npos)
      << list.output;

  const std::string pcf = (folder_ / "setup.pcf").string();
  const std::string script = file("s.json", R"({"dialogs":[{"expect":"CDiagCmdPsdlDlg","do":[
      {"setValue":"params","path":["calledPartyNumber","digits"],"text":"31 21 43 65"},
      {"setValue":"params","path":["bearerCapability","speechVersions"],"text":"1"},
      {"click":"peer.on"},{"set":"peer","text":"1,2"},{"click":"save"},{"click":"ok"}]}],
      "files":[")" + pcf + R"("]})");
  Result run = orbel("run OrbelGetPsdlCmdBuffer --arg h4=6 --arg primitive=16001 --script " + script);
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("digits: 31 21 43 65"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("peer data: raw"), std::string::npos) << run.output;
  Result decoded = orbel("decode " + pcf);
  EXPECT_EQ(decoded.status, 0) << decoded.output;
  EXPECT_NE(decoded.output.find("primitive content file of P_CC_SETUP_PARAM"), std::string::npos) << decoded.output;
  EXPECT_NE(decoded.output.find("[0]: fullRateV1"), std::string::npos) << decoded.output;

  const std::string refused = file("r.json", R"({"dialogs":[{"expect":"CDiagCmdPsdlDlg","do":[
      {"setValue":"params","path":["transactionIdentifier"],"text":"7"},{"click":"ok"}]}]})");
  Result range = orbel("run OrbelGetPsdlCmdBuffer --arg h4=6 --arg primitive=16001 --script " + refused);
  EXPECT_EQ(range.status, 2) << range.output;
  EXPECT_NE(range.output.find("outside transactionIdentifier's range 0 to 6"), std::string::npos) << range.output;

  const std::string broken = file("broken.json", R"({"format": "orbel-primitive-descriptions"})");
  ::setenv("ORBEL_PRIMITIVE_DESCRIPTIONS", broken.c_str(), 1);
  Result unusable = orbel("primitives");
  ::unsetenv("ORBEL_PRIMITIVE_DESCRIPTIONS");
  EXPECT_EQ(unusable.status, 3) << unusable.output;
  EXPECT_NE(unusable.output.find("\"version\" is missing"), std::string::npos) << unusable.output;
}

// A sequence of runs sharing a state file behaves like one host session: the
// ticks and the SAP filter model of one run are there in the next.
TEST_F(Cli, RunsSharingAStateFileActAsOneHostSession) {
  const std::string state = (folder_ / "host.json").string();
  const std::string tick = file("tick.json", R"({"dialogs":[{"expect":"CFilterHLSDlg","do":[
      {"select":"type","index":3},{"check":"standard","state":0},
      {"clickItem":"tree.a","path":["Layer 3","Non-access stratum","CC"]},{"click":"ok"}]}]})");
  Result first = orbel("run OrbelGetHlsFilterBuffer --script " + tick + " --state " + state + " --json");
  EXPECT_EQ(first.status, 0) << first.output;
  EXPECT_NE(first.output.find(R"x("user SAPs": "2 (2 enabled)")x"), std::string::npos) << first.output;

  Result message = orbel("run SapFilterManager::CreateMessage --arg userOnly=true --state " + state + " --json");
  EXPECT_NE(message.output.find(R"("returned": "3300000800001f4100001f420101")"), std::string::npos) << message.output;

  // The next opening shows the confirmed ticks: a second click on CC unticks it.
  Result second = orbel("run OrbelGetHlsFilterBuffer --script " + tick + " --state " + state + " --json");
  EXPECT_NE(second.output.find(R"x("user SAPs": "0 (0 enabled)")x"), std::string::npos) << second.output;

  // Without the state file each run starts afresh.
  const Result fresh = orbel("run SapFilterManager::CreateMessage --arg userOnly=true --json");
  EXPECT_NE(fresh.output.find(R"("returned": "33000000")"), std::string::npos) << fresh.output;

  file("bad.json", R"({"format":"orbel-host-state","version":1,"objects":{"hlsNodeTicks":["0"]}})");
  Result bad = orbel("run SapFilterManager::CreateMessage --state " + (folder_ / "bad.json").string());
  EXPECT_EQ(bad.status, 3) << bad.output;
  EXPECT_NE(bad.output.find("objects.hlsNodeTicks: five lists of tick states are expected"), std::string::npos)
      << bad.output;
}

TEST_F(Cli, BuildsDisplayFiltersAndRunsWithoutTheFilterModules) {
  const std::string script = file("d.json", R"({"dialogs":[{"do":[{"select":"type","index":4},
      {"clickItem":"tree.a","path":["Message classes","Internal","Timers"]},{"click":"ok"}]}]})");
  Result display = orbel("run OrbelGetDisplayFilterBuffer --script " + script + " --json");
  EXPECT_EQ(display.status, 0) << display.output;
  // Timers and its partly ticked ancestors give the values A.
  EXPECT_NE(display.output.find(
                R"("returned": "2800ff000900ca320000ff2e00000000000010000400000cffffffffffffffff0000030400000000")"),
            std::string::npos)
      << display.output;

  // Without a module to fill the filter types the trees stay empty; OK stores nothing.
  const std::string confirm = file("ok.json", R"({"dialogs":[{"do":[{"click":"ok"}]}]})");
  Result absent = orbel("run OrbelGetHlsFilterBuffer --script " + confirm +
                        " --absent-module hls-filter --absent-module save-as --json");
  EXPECT_EQ(absent.status, 0) << absent.output;
  EXPECT_NE(absent.output.find(R"("returned": true)"), std::string::npos) << absent.output;
  EXPECT_EQ(absent.output.find("FilterType"), std::string::npos) << absent.output;
  EXPECT_EQ(orbel("run OrbelGetHlsFilterBuffer --absent-module primitive-view").status, 1);
}

// Layer-1 filter files saved from the dialog, compared, and taken through
// their text form and back.
TEST_F(Cli, Layer1FilterFilesCompareAndRoundTripThroughText) {
  const std::string saved = file("a.flt_L1", "");
  const std::string save = file("s.json", R"({"dialogs":[{"expect":"CPhyFaFilterDlg","do":[
      {"check":"switch.1","state":1},{"click":"save"},{"click":"ok"}]}],"files":[")" + saved + R"("]})");
  ASSERT_EQ(orbel("run GetPhyFaFilter --data-dir " + (folder_ / "data").string() + " --script " + save).status, 0);

  Result text = orbel("export-text " + saved);
  ASSERT_EQ(text.status, 0) << text.output;
  EXPECT_NE(text.output.find(R"("P_HLS_L1_SEARCHNEXT_REQ")"), std::string::npos);
  const std::string copy = file("b.flt_L1", "");
  ASSERT_EQ(orbel("import-text " + file("a.json", text.output) + " " + copy).status, 0);
  EXPECT_EQ(orbel("diff " + saved + " " + copy).status, 0);

  std::string edited = text.output;
  edited.replace(edited.find("\"switches\": [\n    0,\n    1"), 26, "\"switches\": [\n    0,\n    0");
  ASSERT_EQ(orbel("import-text " + file("c.json", edited) + " " + copy).status, 0);
  const Result diff = orbel("diff " + saved + " " + copy);
  EXPECT_EQ(diff.status, 1);
  EXPECT_EQ(diff.output, "- switches = [0,1,0,0]\n+ switches = [0,0,0,0]\n");

  EXPECT_EQ(orbel("diff " + saved + " " + file("bad.flt_L1", "TPCF")).status, 3);
  EXPECT_EQ(orbel("import-text " + file("bad.json", "{}") + " " + copy).status, 3);
  EXPECT_EQ(orbel("diff " + saved).status, 1);  // one file: a usage error
}

}  // namespace

// A newcomer's scenario round: a command selected, peer data added, updated,
// the list saved and exported as a script, and the saved file decoded.
TEST_F(Cli, EditsSavesExportsAndDecodesAScenario) {
  // RRC_CONNECTION_REQUEST with its default parameter, once to simulate and once to wait for.
  const unsigned char request[] = {0x22, 0x00, 0xFF, 0x00, 0x02, 0x00, 0xCA, 0x32, 0x00, 0x00, 0xB2, 0x36,
                                   0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0A, 0x00, 0x61, 0x0C, 0x80, 0x04,
                                   0x28, 0x6C, 0xB0, 0xE1, 0x3E, 0x20, 0x00, 0x00, 0x00, 0x00};
  std::string list("KSCO file 0.75\0\0\2\0\0\0\0\0\0\0", 24);
  for (char kind : {'\0', '\1'}) {
    std::string record(524, '\0');
    record[0] = 1;
    record.replace(4, 7, "request");
    record[260] = kind;
    record[264] = sizeof request;
    record.replace(268, sizeof request, reinterpret_cast<const char*>(request), sizeof request);
    list += record;
  }
  const std::string start = file("start.kscl", list);
  const std::string saved = (folder_ / "saved.kscl").string();
  const std::string script = (folder_ / "play.tcl").string();
  const std::string edit = file("edit.json", R"({"dialogs":[{"expect":"CPrimtiveCtrlDlg","do":[
      {"selectItem":"commands","row":0},{"click":"peer.on"},{"set":"peer","text":"1,2"},{"click":"update"},
      {"click":"save.list"},{"click":"export"},{"click":"ok"}]}],
      "files":[")" + saved + R"(",")" + script + R"("]})");
  Result result = orbel("run ScenarioFileCreate --arg path=" + start + " --script " + edit);
  EXPECT_EQ(result.status, 0) << result.output;
  EXPECT_NE(result.output.find("returned: 0"), std::string::npos) << result.output;
  std::ifstream in(script, std::ios::binary);
  const std::string tcl(std::istreambuf_iterator<char>(in), {});
  EXPECT_EQ(tcl.rfind("NewBuffer your_peer 0x1,0x2\n", 0), 0u) << tcl;

  result = orbel("decode " + saved);
  EXPECT_EQ(result.status, 0) << result.output;
  for (const char* part : {"scenario file of 2 commands", "[1] name", "[2] kind", "[1] peer-data length: 2"})
    EXPECT_NE(result.output.find(part), std::string::npos) << part << '\n' << result.output;
}

// A scenario built from nothing: a primitive picked by name and one by
// double-click after filtering, each added with its default parameter.
TEST_F(Cli, AddsPickedPrimitivesToAScenario) {
  const std::string saved = (folder_ / "built.kscl").string();
  const std::string build = file("build.json", R"({"dialogs":[
      {"expect":"CPrimtiveCtrlDlg","do":[{"click":"add"},{"click":"add"},{"click":"save.list"},{"click":"ok"}]},
      {"expect":"CPrimitivePickerDlg","do":[{"selectItem":"primitives","path":["CC_SETUP"]},{"click":"ok"}]},
      {"expect":"CPrimitivePickerDlg","do":[{"type":"filter","text":"16004"},{"activateItem":"primitives","row":0}]}],
      "files":[")" + saved + R"("]})");
  Result result = orbel("run ScenarioFileCreate --arg path=" + (folder_ / "new.kscl").string() + " --script " + build);
  EXPECT_EQ(result.status, 0) << result.output;
  EXPECT_NE(result.output.find("returned: 0"), std::string::npos) << result.output;

  // CC_SETUP is named by the variable rule, which takes "P_" out inside words too.
  result = orbel("decode " + saved);
  EXPECT_EQ(result.status, 0) << result.output;
  for (const char* part : {"scenario file of 2 commands", "[1] name: CC_SETUPARAM", "[1] message: CC CC_SETUP",
                           "[2] sequence: 2", "[2] name: CC_CONNECT_ACKNOWLEDGE", "[2] payload length: 0"})
    EXPECT_NE(result.output.find(part), std::string::npos) << part << '\n' << result.output;
}
