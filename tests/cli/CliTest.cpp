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

// Expects every part in the run's output; a missing one is named beside the whole output.
void expectShows(const Result& result, const std::vector<std::string>& parts) {
  for (const std::string& part : parts)
    EXPECT_NE(result.output.find(part), std::string::npos) << part << '\n' << result.output;
}

// Runs the CLI and expects its exit status and every part in its output.
Result expectRun(const std::string& arguments, int status, const std::vector<std::string>& parts = {},
                 const std::string& folder = {}) {
  Result result = orbel(arguments, folder);
  EXPECT_EQ(result.status, status) << arguments << '\n' << result.output;
  expectShows(result, parts);
  return result;
}

std::string contents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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
    return path(name);
  }
  std::string path(const std::string& name) const { return (folder_ / name).string(); }

  std::filesystem::path folder_;
};

TEST_F(Cli, RunsAScriptedTimerEnquiryAndPrintsJson) {
  const std::string script = file("s.json", R"({"dialogs":[{"expect":"CDiagEnqTmrDlg","do":[
      {"click":"module.rlc"},{"select":"entry","text":"Timer Poll"},{"set":"instance","text":"5"},{"click":"ok"}]}]})");
  expectRun("run OrbelGetTmrEnqueryBuffer --script " + script + " --json", 0,
            {R"("returned": "1c00ff000101ca3200000e2f00000000000004000021000500000000")", R"("length": 28)",
             R"("messages": [])"});
}

TEST_F(Cli, ReportsMessagesScriptErrorsAndTheUntouchedLength) {
  const std::string script = file("s.json", R"({"dialogs":[{"do":[{"click":"module.mm"},{"set":"instance","text":"1"}]}]})");
  expectRun("run OrbelGetTmrEnqueryBuffer --len 0 --script " + script + " --json", 2,
            {R"("returned": null)", R"("length": 0)", "disabled"});
  const std::string empty = file("e.json", R"({"dialogs":[{"do":[{"click":"module.cc"},{"set":"instance","text":""},{"click":"ok"}]}]})");
  expectShows(orbel("run OrbelGetCountEnqueryBuffer --script " + empty + " --json"), {R"("No instance id")"});
  expectShows(orbel("run OrbelGetCountEnqueryBuffer --null-len --json"), {R"("length": null)"});
}

// The CLI and the library take their version from the one project version.
TEST_F(Cli, ShowsTheLibraryVersion) {
  EXPECT_EQ(expectRun("--version", 0).output, std::string("orbel ") + ORBEL_VERSION_STRING + "\n");
  EXPECT_STREQ(OrbelVersion(), ORBEL_VERSION_STRING);
  EXPECT_EQ(std::to_string(ORBEL_VERSION_MAJOR) + "." + std::to_string(ORBEL_VERSION_MINOR) + "." +
                std::to_string(ORBEL_VERSION_PATCH),
            ORBEL_VERSION_STRING);
}

TEST_F(Cli, DecodesHexAndRefusesBadInput) {
  expectRun("decode --hex '1C 00 FF 00 01 01 CA 32 00 00 0E 2F 00 00 00 00 00 00 04 00 00 21 00 05 00 00 00 00'", 0,
            {"RLC timer enquiry", "\"Timer Poll\""});
  EXPECT_EQ(orbel("decode --hex '1C 00 FF'").status, 3);  // a malformed message is a data error
  EXPECT_EQ(orbel("decode --hex 'zz'").status, 1);
  EXPECT_EQ(orbel("run NoSuchExport").status, 1);
  EXPECT_EQ(orbel("run OrbelGetTmrEnqueryBuffer --arg x=1").status, 1);
  EXPECT_EQ(orbel("run OrbelGetTmrEnqueryBuffer --script " + file("bad.json", "{\"dialogs\":3}")).status, 1);
  // A script number that does not fit is refused, not cut to the item it wraps to.
  const std::string huge = file("huge.json", R"({"dialogs":[{"do":[{"select":"entry","index":4294967297}]}]})");
  expectRun("run OrbelGetTmrEnqueryBuffer --script " + huge, 1, {"\"index\" is out of range"});
}

TEST_F(Cli, DescribeListsTheDialogsControlsAfterTheScript) {
  const std::string script = file("s.json", R"({"dialogs":[{"do":[{"click":"module.rlc"}]}]})");
  expectRun("describe OrbelGetTmrEnqueryBuffer --script " + script, 0,
            {"CDiagEnqTmrDlg", "module.rlc", "10 items, selected 0 \"All Rlc Timers\""});
}

// A resize of the dialog's window runs its own resize handler; the
// description shows the client size it ends with, and a size below the
// template's is a script that did not run as written.
TEST_F(Cli, AScriptResizesThePlacedHlsFilterDialog) {
  const std::string grown =
      file("grown.json", R"({"dialogs":[{"do":[{"resize":"dialog","width":800,"height":560}]}]})");
  expectRun("describe OrbelGetHlsFilterBuffer --script " + grown, 0,
            {"CFilterHLSDlg \"HLS Filter\"  client 800 x 560\n"});
  const std::string shrunk =
      file("shrunk.json", R"({"dialogs":[{"do":[{"resize":"dialog","width":500,"height":560}]}]})");
  expectRun("run OrbelGetHlsFilterBuffer --script " + shrunk, 2,
            {"resize on 'dialog' refused: the client area is at least 600 x 440"});
  // A dialog laid out in rows has no window size a script sets.
  expectRun("run OrbelGetTmrEnqueryBuffer --script " + grown, 2, {"CDiagEnqTmrDlg arranges its controls in rows"});
}

TEST_F(Cli, RunsTheLockCellWithItsArgumentsAndDecodesTheResult) {
  const std::string script = file("s.json", R"({"dialogs":[{"expect":"CDiagCmdLockCellDlg","do":[{"click":"ok"}]}]})");
  expectRun("run OrbelGetLockCellBuffer --arg presetFlags=3 --arg cellId=0xFF --arg frequency=10055 "
            "--arg b2=true --arg b3=true --script " + script + " --json",
            0, {R"("returned": "1c00ff000900ca320000262f000000000000040001ff274700000000")"});
  expectShows(orbel("decode --hex 1c00ff000900ca320000262f000000000000040001ff274700000000"),
              {"cell parameter id: 0xFF (any cell)", "frequency: 10055 (2011.0 MHz, in a TD-SCDMA band)"});
  // Without host module 25 the GSM modes are closed; with it they are offered.
  expectShows(orbel("describe OrbelGetLockCellBuffer --arg b2=1"),
              {"mode.5           radio      \"Mode &5 (GSM cell)\"  disabled"});
  expectShows(orbel("describe OrbelGetLockCellBuffer --arg b2=1 --modules 25"),
              {"mode.5           radio      \"Mode &5 (GSM cell)\"  enabled   checked"});
}

TEST_F(Cli, RunsTheBarredCellClassAndReportsTheChosenType) {
  const std::string script = file("s.json", R"({"dialogs":[{"do":[{"click":"type.ignore"},{"click":"set"}]}]})");
  expectRun("run IgnoreBarred --arg enableButtons=1 --arg currentType=0 --script " + script + " --json", 0,
            {R"("returned": 1)", R"("currentType": 1)"});
  const std::string query = file("q.json", R"({"dialogs":[{"do":[{"click":"query"}]}]})");
  // The query button is closed.
  expectRun("run IgnoreBarred --arg enableButtons=0 --script " + query + " --json", 2, {R"("returned": null)"});
  expectShows(orbel("describe IgnoreBarred --arg currentType=2"), {"\"Query type\""});
}

TEST_F(Cli, BuildsACompactFilterSavesItAndDecodesTheFile) {
  // 28 + 4 x 478 bytes.
  expectRun("run GetFilterMsgMini --arg filterType=4 --arg interactive=false --json", 0,
            {R"("returned": "9407ff000900ca320000ff2e000000000000)", R"("fullSet": 1)"});

  const std::string saved = path("opt2.flt_HLS");
  const std::string script = file("s.json", R"({"dialogs":[{"do":[{"click":"filter.option2"},{"click":"save"},)"
                                            R"({"click":"ok"}]}],"files":[")" + saved + R"("]})");
  expectRun("run GetFilterMsgMini --script " + script + " --features 124 --arg workMode=1", 0,
            {"profile Settings/FilterType = 2", "out workModeState: 1"});
  expectRun("decode " + saved, 0,
            {"HLS filter file, 1 frame: task 9 HLS trace filter", "identifier list length: 928 (232 SAPs)"});

  expectShows(orbel("run SapFilterManager::CreateMessage --features 130 --arg userOnly=false --json"),
              {R"("returned": "33000014000008200000)"});
  expectShows(orbel("decode --hex 33000004000008200A"), {"attribute of SAP 2080: 10 (unknown attribute)"});
}

// Arguments are checked against their parameter's type and their defaults
// are listed; the host's SAP filter manager is reported after the run.
TEST_F(Cli, ChecksArgumentsListsDefaultsAndReportsTheHostsSapFilterManager) {
  expectRun("run OrbelGetLockCellBuffer --arg cellId=256", 1, {"cellId: from 0 to 255"});
  EXPECT_EQ(orbel("run GetFilterMsgMini --arg interactive=2").status, 1);
  expectShows(orbel("exports"), {"--arg interactive (default true): false confirms the dialog at once"});
  expectShows(orbel("run SapFilterManager::CreateMessage --features 130 --json"),
              {R"("built-in SAPs in the message": "5")", R"x("user SAPs": "0 (0 enabled)")x"});
  // A run that needs no host object reports none.
  expectShows(orbel("run GetFilterMsgMini --arg interactive=false --json"), {R"("host": {})"});
}

// Every gallery script names its export and acts on controls that exist; the
// files it opens are named from its folder.
TEST_F(Cli, GalleryScriptsRunOnTheirExportsWithoutScriptErrors) {
  int scripts = 0;
  for (const auto& entry : std::filesystem::directory_iterator(ORBEL_GALLERY_SCRIPTS)) {
    if (entry.path().extension() != ".json") continue;
    ++scripts;
    expectRun("describe " + entry.path().stem().string() + " --script " + entry.path().string(), 0, {},
              ORBEL_GALLERY_SCRIPTS);
  }
  EXPECT_GT(scripts, 0);
}

// The save-as block printed field by field, with the layer-2 dialog and the
// text panel each taking the next script entry when they open.
TEST_F(Cli, RunsThePeerSaveAsDialogWithItsSubDialogsAndPanel) {
  const std::string target = path("peer");
  const std::string binary = file("b.json", R"({"dialogs":[
      {"expect":"CPeerSaveAsDlg","do":[{"click":"range"},{"set":"range.first","text":"-3"},{"click":"l2.edit"},
                                       {"click":"ok"}]},
      {"expect":"CL2ConfigDlg","do":[{"click":"layer.mac"},{"click":"mac.0"},{"click":"ok"}]}],
      "files":[")" + target + R"("]})");
  expectRun("run OrbelGetSaveAsInfo --features 113,114,116 --script " + binary, 0,
            {"returned: 1\n", "out path: " + target + ".save\n", "out rangeFirst: -3\n", "out l2EditFlag: 1\n",
             "out l2MacSap: 1010\n", "out textFlag: 0\n"});

  const std::string text = file("t.json", R"({"dialogs":[
      {"expect":"CPeerSaveAsDlg","do":[{"click":"text"},{"click":"ok"}]},
      {"expect":"CSaveCfgDlg","do":[{"click":"content.5"},{"click":"z"}]}],
      "files":[")" + target + R"(2"]})");
  expectRun("run OrbelGetSaveAsInfo --features 113,114,116 --script " + text, 0,
            {"out textFlag: 1\n", "out textZ: 1\n", "out contentFlags: 0 0 0 0 0 0 0 0\n"});
}

TEST_F(Cli, RunsTheLayer1ExportsAsTheirHostDoes) {
  const std::string untick = file("c.json", R"({"dialogs":[{"expect":"PhyFaComSet","do":[
      {"click":"option"},{"click":"ok"}]}]})");
  // Frame header, message header, then the body's first word: 1 for an unticked box.
  expectRun("run PhyFaComSet --script " + untick + " --json", 0,
            {"\"returned\": \"9804ff00bb004b710000050082bb00000000000080040000"
             "f464f364340200000000000000000000050082800000000001000000",
             R"("DoModal": "IDOK")"});

  const std::string data = file("data.bin", std::string(1125, 'x'));
  const std::string loop = file("l.json", R"({"dialogs":[{"expect":"PhyFaLoopTest","do":[
      {"set":"path","text":")" + data + R"("},{"click":"ok"}]}]})");
  expectRun("run PhyFaLoopTest --script " + loop, 0,
            {"returned: 2328 bytes", "layer-1 loop test (box ticked) command frame", "file size: 1125"});

  const std::string noPath = file("x.json", R"({"dialogs":[{"do":[{"click":"ok"}]}]})");
  expectShows(orbel("run PhyFaLoopTest --script " + noPath + " --json"),
              {"\"messages\": [\n    \"open file fail\"\n  ]", R"("DoModal": "IDCANCEL")"});
}

TEST_F(Cli, HandsOutTheStoredLayer1ConfigurationAndDecodesIt) {
  std::string stored;
  for (int i = 0; i < 1128; ++i) stored += "01";
  const std::string profile = file("p.ini", "[Settings]\nLastPhyFaConfig=" + stored + "\n");
  expectShows(orbel("run GetPhyFaFilterDefault --profile " + profile + " --json"),
              {R"("returned": ")" + stored + '"', R"("length": 1128)"});
  expectShows(orbel("run GetPhyFaFilterDefault"),
              {"layer-1 filter configuration: 10 TD primitives, 4 GSM primitives, 97 task messages"});
  expectRun("decode --as l1config " + file("one.bin", std::string(1128, '\1')), 0, {"switch 1: on"});
}

TEST_F(Cli, ComposesASimCommandByTreePathAndRowIdsAndDecodesIt) {
  const std::string script = file("s.json", R"({"dialogs":[{"expect":"CDiagSimCmdDlg","do":[
      {"selectItem":"commands","path":["PIN","VERIFY PIN"]},{"select":"row.0.list","text":"PIN2 / CHV2"},
      {"set":"row.1.value","text":"4"},{"set":"row.2.value","text":"12"},{"click":"ok"}]}]})");
  expectRun("run OrbelGetSimCmdBuffer --script " + script + " --json", 0,
            {R"("returned": "1e00ff000700ca3200007630000000000000060002043132202000000000")", R"("length": 30)"});
  expectRun("decode --hex 1e00ff000700ca3200007630000000000000060002043132202000000000", 0,
            {"SIM VERIFY PIN", "PIN digits: \"12  \" (4 characters)"});

  // describe shows the rows' tips, every line of them.
  const std::string pick =
      file("d.json", R"({"dialogs":[{"do":[{"selectItem":"commands","path":["PIN","VERIFY PIN"]}]}]})");
  expectShows(orbel("describe OrbelGetSimCmdBuffer --script " + pick),
              {"tip: Number of PIN digits sent, 4 to 8.\n", "     A shorter PIN below is padded with blanks."});
}

TEST_F(Cli, TakesTheHostsOwnSimDefinitionsAndRefusesAFaultyFile) {
  const std::string own = file("own.json", R"({"format": "orbel-sim-definitions", "version": 1,
      "tasks": [{"key": 0, "task": "0xFF", "subModule": 0}, {"key": 1, "name": "SIM test task", "task": 7, "subModule": 3}],
      "groups": [{"id": 9, "name": "Lab", "records": [{"name": "PING", "primitive": 40000, "startTask": 0,
        "moduleTask": 1, "fields": [{"name": "Token", "kind": "number", "width": 4}]}]}]})");
  const std::string script = file("s.json", R"({"dialogs":[{"do":[{"selectItem":"commands","path":["Lab","PING"]},
      {"set":"row.0.value","text":"0x01020304"},{"click":"ok"}]}]})");
  const std::string ping = "1c00ff000703ca320000409c00000000000004000102030400000000";
  const std::string expected = R"("returned": ")" + ping + '"';
  expectShows(orbel("run OrbelGetSimCmdBuffer --sim-definitions " + own + " --script " + script + " --json"),
              {expected});
  expectShows(orbel("decode --sim-definitions " + own + " --hex " + ping),
              {"SIM test task PING", "Token: 16909060 (0x01020304)"});

  // The same file through the environment variable a host may set.
  EXPECT_EQ(orbel("run OrbelGetSimCmdBuffer --script " + script + " --json").output.find(expected), std::string::npos);
  ::setenv("ORBEL_SIM_DEFINITIONS", own.c_str(), 1);
  const Result fromEnvironment = orbel("run OrbelGetSimCmdBuffer --script " + script + " --json");
  ::unsetenv("ORBEL_SIM_DEFINITIONS");
  expectShows(fromEnvironment, {expected});

  const std::string broken = file("broken.json", R"({"format": "orbel-sim-definitions", "version": 1, "tasks": [],
      "groups": [{"id": 1, "name": "G", "records": [{"name": "A", "primitive": 1, "startTask": 4, "moduleTask": 4,
      "fields": []}]}]})");
  expectRun("run OrbelGetSimCmdBuffer --sim-definitions " + broken, 1,
            {"groups[0].records[0]: \"startTask\" names task key 4, which \"tasks\" does not hold"});

  // A host whose variable names a faulty file sees why its dialog is empty.
  ::setenv("ORBEL_SIM_DEFINITIONS", broken.c_str(), 1);
  const Result faulty = orbel("run OrbelGetSimCmdBuffer --json");
  ::unsetenv("ORBEL_SIM_DEFINITIONS");
  expectShows(faulty, {"The SIM command definitions could not be read: " + broken});
}

// The layer-2 configuration: keys in a script, the stored default under a
// relative --data-dir (taken from the folder the CLI started in), and the
// next run opening from it.
TEST_F(Cli, RunsTheLayer2ConfigurationAndKeepsItsDefaultUnderTheDataFolder) {
  const std::string from = folder_.string();
  file("s.json", R"({"dialogs":[{"expect":"CL2ConfigDlg","do":[{"click":"layer.mac"},{"click":"mac.5"},
      {"keyDown":"shift"},{"click":"mac.8"},{"keyUp":"shift"},{"click":"default"},{"click":"ok"}]}]})");
  const Result result = expectRun("run GetL2Config --script s.json --data-dir data --json", 0,
                                  {R"("summary": "010000000002000000000000")", R"("macSap": "1103 1104 1105 1106")",
                                   R"x("layer-2 SAPs": "67 (4 enabled)")x"},
                                  from);
  const std::filesystem::path stored = folder_ / "data" / "layer2" / "L2Config.dat";
  ASSERT_TRUE(std::filesystem::exists(stored)) << result.output;
  EXPECT_EQ(std::filesystem::file_size(stored), 824u);

  file("ok.json", R"({"dialogs":[{"do":[{"click":"ok"}]}]})");
  expectShows(orbel("run GetL2Config --arg fromFile=1 --script ok.json --data-dir data", from),
              {"out macSap: 1103 1104 1105 1106", "out saveAsDefault: 0"});

  file("bad.json", R"({"dialogs":[{"do":[{"keyDown":"ctrl"}]}]})");
  EXPECT_EQ(orbel("run GetL2Config --script bad.json", from).status, 1);
  file("off.json", R"({"dialogs":[{"do":[{"click":"mac.5"}]}]})");  // the MAC layer is off: its boxes refuse
  EXPECT_EQ(orbel("run GetL2Config --script off.json --data-dir data", from).status, 2);
}

TEST_F(Cli, BuildsTheOtherParameterCommandAndPrintsTheAmrRecord) {
  expectRun("run GetOtherParamCfg --arg showDialog=0 --features 143 --json", 0,
            {R"("returned": "4c00ff000900cb320000a82f00000000000034003301020406)", R"("length": 76)"});

  const std::string profile = file("p.ini", "[Settings]\nOtherParamConfig=0102\n");
  const std::string script = file("s.json", R"({"dialogs":[{"do":[{"click":"param.0b"},{"click":"ok"}]}]})");
  expectShows(orbel("run GetOtherParamCfg --features 122,143 --profile " + profile + " --script " + script),
              {"parameter 3: 0x0D DPCH timeslots (UL and DL)", "profile Settings/OtherParamConfig = 03020B0D"});
  expectShows(orbel("decode --hex '1A 00 FF 00 09 00 CB 32 00 00 A8 2F 00 00 00 00 00 00 02 00 01 77 00 00 00 00'"),
              {"parameter 1: 0x77 (unknown code)"});

  const std::string amr = file("a.json", R"({"dialogs":[{"do":[{"click":"item.2"},{"click":"range"},
      {"set":"first","text":"-5"},{"click":"ok"}]}],"files":[")" + path("voice") + R"("]})");
  expectShows(orbel("run GetAmrVpCfg --script " + amr + " --json"),
              {R"("returned": 1)", R"("itemFlags": "000100000000000000")", R"("firstNumber": -5)",
               R"("path": ")" + path("voice.AmrVp") + '"'});
}

// A relative profile is read and written in the folder the CLI started in,
// whatever folder a file dialog confirmed in between.
TEST_F(Cli, RelativeProfileStaysInTheStartingFolder) {
  std::filesystem::create_directories(folder_ / "filters");
  file("s.json", R"({"dialogs":[{"do":[{"click":"filter.option2"},{"click":"save"},{"click":"ok"}]}],)"
                 R"("files":["filters/opt2.flt_HLS"]})");
  file("p.ini", "[Other]\nkept=1\n");
  expectRun("run GetFilterMsgMini --script s.json --profile p.ini --features 124", 0, {}, folder_.string());
  EXPECT_TRUE(std::filesystem::exists(folder_ / "filters" / "opt2.flt_HLS"));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "filters" / "p.ini"));
  const std::string text = contents(folder_ / "p.ini");
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
  const std::string dir = path("dir");
  const std::string pipe = path("pipe");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::string brokenText = "[Settings]\nFilterType=3\n[]\nlost=1\n";
  const std::string broken = file("broken.ini", brokenText);
  const std::string run = "run GetFilterMsgMini --arg filterType=4 --arg interactive=false ";
  for (const Case& c : {Case{run + "--profile " + dir, "profile " + dir + " is a folder"},
                        Case{run + "--profile " + pipe, "profile " + pipe + " is not a regular file"},
                        Case{run + "--profile " + broken, broken + ":3: empty section name"},
                        Case{run + "--script " + dir, "script " + dir + " is a folder"},
                        Case{run + "--script /dev/zero", "script /dev/zero is not a regular file"},
                        Case{"decode " + dir, dir + " is a folder"},
                        Case{"decode " + pipe, pipe + " is not a regular file"},
                        Case{"decode /dev/zero", "/dev/zero is not a regular file"}}) {
    const Result result = expectRun(c.arguments, 3, {c.message});
    EXPECT_EQ(result.output.find("returned"), std::string::npos) << result.output;
  }
  EXPECT_EQ(contents(broken), brokenText);
}

// A file that cannot be written, by a dialog or as the profile, still shows
// what the run did, lists the failure among the errors and exits with 3.
TEST_F(Cli, ReportsFailedSavesBesideTheRunsResult) {
  const std::string missing = path("no/such");
  const std::string script = file("s.json", R"({"dialogs":[{"do":[{"click":"filter.option2"},{"click":"save"},)"
                                            R"({"click":"ok"}]}],"files":[")" + missing + R"(/f.flt_HLS"]})");
  expectRun("run GetFilterMsgMini --script " + script + " --features 124 --json --profile " + missing + "/p.ini", 3,
            {R"("returned": ")", "cannot create a temporary file beside " + missing + "/f.flt_HLS",
             "the profile was not saved: cannot create a temporary file beside " + missing});
}

// Script entries left over at the end did not happen: the script did not run
// as written.
TEST_F(Cli, ScriptEntriesThatWereNeverUsedAreScriptErrors) {
  const std::string ok = R"({"do":[{"click":"module.rlc"},{"click":"ok"}]})";
  for (const auto& [script, error] : std::vector<std::pair<std::string, std::string>>{
           {R"({"dialogs":[)" + ok + R"(,{"expect":"Other","do":[]}]})", "dialog 2 (Other) of the script never opened"},
           {R"({"dialogs":[)" + ok + R"(],"files":["a","b"]})", "2 file answer(s) of the script were never asked for"},
           {R"({"dialogs":[)" + ok + R"(],"answers":["yes"]})",
            "1 question answer(s) of the script were never asked for"}})
    expectRun("run OrbelGetTmrEnqueryBuffer --json --script " + file("s.json", script), 2, {error});
}

// Every number the CLI reads has one notation: --len, --arg and the switch lists alike.
TEST_F(Cli, ReadsEveryNumberInOneNotationAndNamesTheRangeOfARefusedOne) {
  const std::string script = file("cancel.json", R"({"dialogs":[{"do":[{"click":"cancel"}]}]})");
  EXPECT_EQ(orbel("run OrbelGetTmrEnqueryBuffer --len 017 --json").output,
            orbel("run OrbelGetTmrEnqueryBuffer --len 17 --json").output);  // a leading 0 is decimal
  EXPECT_EQ(orbel("run OrbelGetLockCellBuffer --arg presetFlags=18446744073709551615 --script " + script).status, 0);
  for (const auto& [arguments, message] : std::vector<std::pair<std::string, std::string>>{
           {"run GetFilterMsgMini --arg workMode=--5", "workMode: from -2147483648 to 2147483647"},
           {"run OrbelGetLockCellBuffer --arg presetFlags=-1", "presetFlags: from 0 to 18446744073709551615"},
           {"run OrbelGetTmrEnqueryBuffer --len=-1", "--len: from 0 to 4294967295"},
           {"run OrbelGetTmrEnqueryBuffer --len 4294967296", "--len: from 0 to 4294967295"},
           {"describe GetFilterMsgMini --features=--5", "--features: from 0 to 65535"},
           {"describe GetFilterMsgMini --modules 0x-5", "--modules: from 0 to 65535"}})
    expectRun(arguments, 1, {message});
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
                     R"("files":[")" + path("v") + R"("]})");
  const std::string port = file("p.json", R"({"dialogs":[{"do":[{"click":"ok"}]}]})");
  const Case cases[] = {
      {"run GetFilterMsgMini --arg filterType=3 --arg interactive=false",
       {R"("filterType": 3)", R"("workMode": 0)", R"("workModeState": 0)"},
       {"out filterType: 3"}},
      {"run GetAmrVpCfg --script " + amr,
       {R"("itemFlags": "010000000000000001")", R"("rangeFlag": 0)", R"("path": ")" + path("v.AmrVp"),
        R"("save": true)", R"("promptOverwrite")", R"("hideReadOnly")"},
       {"out itemFlags: 01 00 00 00 00 00 00 00 01", "out rangeFlag: 0"}},
      {"run PhyFaComSet --script " + port, {R"("DoModal": "IDOK")"}, {"out DoModal: IDOK"}},
  };
  for (const Case& c : cases) {
    expectRun(c.command + " --json", 0, c.json);
    expectShows(orbel(c.command), c.text);
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
  const Result run = orbel("run SrchDlgGetSearchMethod --script " + script + " --json");
  ASSERT_EQ(run.status, 0) << run.output;
  // The options are those of the range the second Find had.
  expectShows(run, {R"("method": 1,)", R"("options": 80,)", R"("direction": 255,)"});
  const std::string records = file("n.json", run.output);

  // The attach lies past 20: the second search finds nothing.
  expectRun("search " ORBEL_SAMPLE_TRACE " --record \"$(cat " + records + ")\"", 0,
            {"search 1: entry", "ACTIVATE PDP CONTEXT REQUEST", "search 2: nothing was found", "search 3: entry",
             "GMM: ATTACH ACCEPT"});
}

TEST_F(Cli, SearchRefusesBadRecordsAndMalformedTraces) {
  const std::string record = R"('{"method":1,"text":"x"}')";
  EXPECT_EQ(orbel("search " ORBEL_SAMPLE_TRACE " --record '{\"method\":-1}'").status, 1);
  EXPECT_EQ(orbel("search " ORBEL_SAMPLE_TRACE " --record 'not json'").status, 1);
  EXPECT_EQ(orbel("search " + path("missing.jsonl") + " --record " + record).status, 1);
  expectRun("search " + file("t.jsonl", "{\"seq\":1}\n") + " --record " + record, 3, {"line 1: "});
  EXPECT_EQ(orbel("search " + folder_.string() + " --record " + record).status, 3);  // a folder
}

// A primitive from the list to a saved ".pcf" and back through decode, as a
// newcomer would go; a refused field edit and an unusable description file
// end with their exit codes.
TEST_F(Cli, ListsComposesSavesAndDecodesAPrimitive) {
  expectRun("primitives", 0,
            {"CC_SETUP  P_CC_SETUP_PARAM\n  --arg h2=255 --arg h3=0 --arg h4=6 --arg h5=0 "
             "--arg group=13002 --arg primitive=16001"});

  const std::string pcf = path("setup.pcf");
  const std::string script = file("s.json", R"({"dialogs":[{"expect":"CDiagCmdPsdlDlg","do":[
      {"setValue":"params","path":["calledPartyNumber","digits"],"text":"31 21 43 65"},
      {"setValue":"params","path":["bearerCapability","speechVersions"],"text":"1"},
      {"click":"peer.on"},{"set":"peer","text":"1,2"},{"click":"save"},{"click":"ok"}]}],
      "files":[")" + pcf + R"("]})");
  const std::string setup = "run OrbelGetPsdlCmdBuffer --arg h4=6 --arg primitive=16001 --script ";
  expectRun(setup + script, 0, {"digits: 31 21 43 65", "peer data: raw"});
  expectRun("decode " + pcf, 0, {"primitive content file of P_CC_SETUP_PARAM", "[0]: fullRateV1"});

  const std::string refused = file("r.json", R"({"dialogs":[{"expect":"CDiagCmdPsdlDlg","do":[
      {"setValue":"params","path":["transactionIdentifier"],"text":"7"},{"click":"ok"}]}]})");
  expectRun(setup + refused, 2, {"outside transactionIdentifier's range 0 to 6"});

  const std::string broken = file("broken.json", R"({"format": "orbel-primitive-descriptions"})");
  ::setenv("ORBEL_PRIMITIVE_DESCRIPTIONS", broken.c_str(), 1);
  const Result unusable = orbel("primitives");
  ::unsetenv("ORBEL_PRIMITIVE_DESCRIPTIONS");
  EXPECT_EQ(unusable.status, 3) << unusable.output;
  expectShows(unusable, {"\"version\" is missing"});
}

// A sequence of runs sharing a state file behaves like one host session: the
// ticks and the SAP filter model of one run are there in the next.
TEST_F(Cli, RunsSharingAStateFileActAsOneHostSession) {
  const std::string state = " --state " + path("host.json");
  const std::string tick = file("tick.json", R"({"dialogs":[{"expect":"CFilterHLSDlg","do":[
      {"select":"type","index":3},{"check":"standard","state":0},
      {"clickItem":"tree.a","path":["Layer 3","Non-access stratum","CC"]},{"click":"ok"}]}]})");
  expectRun("run OrbelGetHlsFilterBuffer --script " + tick + state + " --json", 0,
            {R"x("user SAPs": "2 (2 enabled)")x"});
  expectShows(orbel("run SapFilterManager::CreateMessage --arg userOnly=true" + state + " --json"),
              {R"("returned": "3300000800001f4100001f420101")"});
  // The next opening shows the confirmed ticks: a second click on CC unticks it.
  expectShows(orbel("run OrbelGetHlsFilterBuffer --script " + tick + state + " --json"),
              {R"x("user SAPs": "0 (0 enabled)")x"});
  // Without the state file each run starts afresh.
  expectShows(orbel("run SapFilterManager::CreateMessage --arg userOnly=true --json"), {R"("returned": "33000000")"});

  file("bad.json", R"({"format":"orbel-host-state","version":1,"objects":{"hlsNodeTicks":["0"]}})");
  expectRun("run SapFilterManager::CreateMessage --state " + path("bad.json"), 3,
            {"objects.hlsNodeTicks: five lists of tick states are expected"});
}

TEST_F(Cli, BuildsDisplayFiltersAndRunsWithoutTheFilterModules) {
  const std::string script = file("d.json", R"({"dialogs":[{"do":[{"select":"type","index":4},
      {"clickItem":"tree.a","path":["Message classes","Internal","Timers"]},{"click":"ok"}]}]})");
  // Timers and its partly ticked ancestors give the values A.
  expectRun("run OrbelGetDisplayFilterBuffer --script " + script + " --json", 0,
            {R"("returned": "2800ff000900ca320000ff2e00000000000010000400000cffffffffffffffff0000030400000000")"});

  // Without a module to fill the filter types the trees stay empty; OK stores nothing.
  const std::string confirm = file("ok.json", R"({"dialogs":[{"do":[{"click":"ok"}]}]})");
  const Result absent = expectRun("run OrbelGetHlsFilterBuffer --script " + confirm +
                                      " --absent-module hls-filter --absent-module save-as --json",
                                  0, {R"("returned": true)"});
  EXPECT_EQ(absent.output.find("FilterType"), std::string::npos) << absent.output;
  EXPECT_EQ(orbel("run OrbelGetHlsFilterBuffer --absent-module primitive-view").status, 1);
}

// Layer-1 filter files saved from the dialog, compared, and taken through
// their text form and back.
TEST_F(Cli, Layer1FilterFilesCompareAndRoundTripThroughText) {
  const std::string saved = file("a.flt_L1", "");
  const std::string save = file("s.json", R"({"dialogs":[{"expect":"CPhyFaFilterDlg","do":[
      {"check":"switch.1","state":1},{"click":"save"},{"click":"ok"}]}],"files":[")" + saved + R"("]})");
  ASSERT_EQ(orbel("run GetPhyFaFilter --data-dir " + path("data") + " --script " + save).status, 0);

  const Result text = orbel("export-text " + saved);
  ASSERT_EQ(text.status, 0) << text.output;
  expectShows(text, {R"("P_HLS_L1_SEARCHNEXT_REQ")"});
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
  const std::string saved = path("saved.kscl");
  const std::string script = path("play.tcl");
  const std::string edit = file("edit.json", R"({"dialogs":[{"expect":"CPrimtiveCtrlDlg","do":[
      {"selectItem":"commands","row":0},{"click":"peer.on"},{"set":"peer","text":"1,2"},{"click":"update"},
      {"click":"save.list"},{"click":"export"},{"click":"ok"}]}],
      "files":[")" + saved + R"(",")" + script + R"("]})");
  expectRun("run ScenarioFileCreate --arg path=" + start + " --script " + edit, 0, {"returned: 0"});
  const std::string tcl = contents(script);
  EXPECT_EQ(tcl.rfind("NewBuffer your_peer 0x1,0x2\n", 0), 0u) << tcl;
  expectRun("decode " + saved, 0,
            {"scenario file of 2 commands", "[1] name", "[2] kind", "[1] peer-data length: 2"});
}

// A scenario built from nothing: a primitive picked by name and one by
// double-click after filtering, each added with its default parameter.
TEST_F(Cli, AddsPickedPrimitivesToAScenario) {
  const std::string saved = path("built.kscl");
  const std::string build = file("build.json", R"({"dialogs":[
      {"expect":"CPrimtiveCtrlDlg","do":[{"click":"add"},{"click":"add"},{"click":"save.list"},{"click":"ok"}]},
      {"expect":"CPrimitivePickerDlg","do":[{"selectItem":"primitives","path":["CC_SETUP"]},{"click":"ok"}]},
      {"expect":"CPrimitivePickerDlg","do":[{"type":"filter","text":"16004"},{"activateItem":"primitives","row":0}]}],
      "files":[")" + saved + R"("]})");
  expectRun("run ScenarioFileCreate --arg path=" + path("new.kscl") + " --script " + build, 0, {"returned: 0"});
  // CC_SETUP is named by the variable rule, which takes "P_" out inside words too.
  expectRun("decode " + saved, 0,
            {"scenario file of 2 commands", "[1] name: CC_SETUPARAM", "[1] message: CC CC_SETUP", "[2] sequence: 2",
             "[2] name: CC_CONNECT_ACKNOWLEDGE", "[2] payload length: 0"});
}

}  // namespace
