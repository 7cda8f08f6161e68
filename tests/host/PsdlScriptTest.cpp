// The Tcl the codec writes: every word survives Tcl's parser as the value
// it stands for (checked by running the text through tclsh, where it is
// installed, with the orbel commands defined to echo their arguments), in
// both the variable and the message form.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "host/CPsdlMBTree.h"
#include "host/codec/Psdl.h"
#include "host/codec/PsdlScript.h"
#include "orbel/primitive/PsdlCommand.h"

namespace {

// Runs `script` after a prelude that prints each orbel command and its
// arguments, one per line, as Tcl sees them. Nothing when tclsh is missing.
std::optional<std::string> runTcl(const std::string& script) {
  if (std::system("command -v tclsh >/dev/null 2>&1") != 0) return std::nullopt;
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("orbel-tcl-" + std::to_string(::getpid()) + ".tcl");
  std::ofstream(file) << "namespace eval orbel {}\n"
                         "foreach command {variable field send await} {\n"
                         "  proc orbel::$command args \"puts \\[join \\[concat $command \\$args\\] |\\]\"\n"
                         "}\n"
                      << script;
  std::string output;
  FILE* pipe = ::popen(("tclsh '" + file.string() + "' 2>&1").c_str(), "r");
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
  const int status = ::pclose(pipe);
  std::filesystem::remove(file);
  if (status != 0) output += "(tclsh failed)";
  return output;
}

TEST(PsdlScript, WordsNeedingQuotesAreBracedOrEscaped) {
  const struct {
    const char* text;
    const char* word;
  } cases[] = {{"abc_1", "abc_1"}, {"-3", "-3"},     {"", "{}"},       {"01 02", "{01 02}"}, {"[0]", "{[0]}"},
               {"$x", "{$x}"},     {"a}b", "a\\}b"}, {"a\\", "a\\\\"}, {"{a", "\\{a"}};
  for (const auto& c : cases) EXPECT_EQ(psdl::tclWord(c.text), c.word) << c.text;
}

TEST(PsdlScript, GeneratedScriptsAreValidTclWithTheirValuesIntact) {
  tVLink link(psdl::builtInDescriptions());
  const char* var = "SIM_P_RRC_MEASUREMENT_CONTROL_PARAM";
  ASSERT_EQ(PsdlNewVar(&link, "P_RRC_MEASUREMENT_CONTROL_PARAM", var), 0);
  CPsdlMBTree tree("params");
  ASSERT_EQ(PsdlDisplayToMBTree(&link, var, &tree), 0);
  ASSERT_TRUE(tree.editValue(tree.find({"cells"}), "2"));
  ASSERT_TRUE(tree.editValue(tree.find({"cells", "[1]", "cellIndividualOffset"}), "-7"));
  std::string text;
  ASSERT_EQ(PsdlVarGenerateScript(&link, var, kPsdlScriptCompose | kPsdlScriptVariableForm, text), 0);
  ASSERT_EQ(PsdlVarGenerateScript(&link, var, kPsdlScriptPlay | kPsdlScriptVariableForm, text), 0);
  EXPECT_NE(text.find("orbel::field SIM_P_RRC_MEASUREMENT_CONTROL_PARAM {cells {[1]} cellIndividualOffset} -7\n"),
            std::string::npos)
      << text;

  // The message form of a whole command, as the scenario files play it.
  const char* request = "SIM_P_MM_CM_SERVICE_REQUEST_PARAM";
  ASSERT_EQ(PsdlNewVar(&link, "P_MM_CM_SERVICE_REQUEST_PARAM", request), 0);
  unsigned char* parameter = nullptr;
  unsigned int length = 0;
  ASSERT_EQ(PsdlGenerateMsg(&link, request), 0);
  ASSERT_EQ(PsdlGetVarBuf(&link, request, &parameter, &length), 0);
  const orbel::CommandBuffer command =
      orbel::buildPsdlMessage({{0xFF, 0, 5, 0}, 13002, 15002}, {parameter, length}, {}, 0);
  std::string played;
  ASSERT_EQ(
      PsdlVarGenerateScript(&link, command.bytes().data(), kPsdlScriptPlay | kPsdlScriptMessageForm, played, 0, 1), 0)
      << link.lastError;
  EXPECT_EQ(played.substr(played.rfind("orbel::")), "orbel::await MM_CM_SERVICE_REQUEST MSG_MM_CM_SERVICE_REQUEST\n");
  std::vector<std::uint8_t> unknown(command.bytes().begin(), command.bytes().end());
  unknown[10] = 0x01;  // no primitive has this identifier
  EXPECT_NE(PsdlVarGenerateScript(&link, unknown.data(), kPsdlScriptCompose | kPsdlScriptMessageForm, played, 0, 1), 0);
  text += played;

  const std::optional<std::string> output = runTcl(text);
  if (!output) GTEST_SKIP() << "tclsh is not installed (scripts/install-deps.sh installs it)";
  EXPECT_EQ(output->find("(tclsh failed)"), std::string::npos) << *output;
  for (const char* line : {"variable|SIM_P_RRC_MEASUREMENT_CONTROL_PARAM|P_RRC_MEASUREMENT_CONTROL_PARAM\n",
                           "field|SIM_P_RRC_MEASUREMENT_CONTROL_PARAM|cells {[1]} cellIndividualOffset|-7\n",
                           "send|RRC_MEASUREMENT_CONTROL|SIM_P_RRC_MEASUREMENT_CONTROL_PARAM\n",
                           "field|MSG_MM_CM_SERVICE_REQUEST|mobileIdentity digits|64 00 21 43 65 87 09 F1\n",
                           "await|MM_CM_SERVICE_REQUEST|MSG_MM_CM_SERVICE_REQUEST\n"})
    EXPECT_NE(output->find(line), std::string::npos) << line << *output;
}

}  // namespace
