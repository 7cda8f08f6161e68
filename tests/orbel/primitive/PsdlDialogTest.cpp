// The primitive command dialog through its export, driven as a user drives
// it: the message layout with and without peer data (bytes written out by
// hand from the frame layout), the peer-data and spare-bit edits, field
// edits through the tree-list, and ".pcf" save and load with every refusal.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "host/codec/Psdl.h"
#include "host/codec/PsdlDescriptionFile.h"
#include "orbel/builders/PrimitiveExports.h"
#include "orbel/wire/HexText.h"
#include "support/ScriptedHost.h"

namespace {

using namespace orbel::test;

// T: a 16-bit integer a (default 0x1234) and an 8-bit enumeration b
// (default one = 1): the parameter encodes to 12 34 01.
constexpr const char* kDescriptions = R"({"format": "orbel-primitive-descriptions", "version": 1,
  "types": [{"name": "T", "fields": [
    {"name": "a", "kind": "integer", "bits": 16, "max": 60000, "default": 4660, "comment": "a number"},
    {"name": "b", "kind": "enumeration", "bits": 8, "default": "one",
     "values": [{"name": "zero", "value": 0}, {"name": "one", "value": 1}]}]}],
  "primitives": [{"name": "T_REQ", "frame": [255, 0, 2, 0], "primitive": 100, "parameter": "T"},
                 {"name": "BARE", "frame": [255, 0, 2, 0], "primitive": 101}]})";

// The frame of T_REQ up to its payload: length word first (filled per case).
constexpr const char* kHeaderAfterLength = "FF 00 02 00 CA 32 00 00 64 00 00 00 00 00 00 00 03 00";

std::shared_ptr<const psdl::DescriptionSet> descriptions() {
  static const auto set = std::make_shared<const psdl::DescriptionSet>(
      std::get<psdl::DescriptionSet>(psdl::readDescriptions(kDescriptions)));
  return set;
}

class PsdlDialog : public ::testing::Test {
 protected:
  PsdlDialog() {
    folder_ = std::filesystem::temp_directory_path() / ("orbel-psdl-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    start_ = std::filesystem::current_path();
  }
  ~PsdlDialog() override {
    std::filesystem::current_path(start_);
    std::filesystem::remove_all(folder_);
  }
  std::string path(const std::string& name) const { return (folder_ / name).string(); }
  void writeFile(const std::string& name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
  }
  std::string readFile(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  struct Outcome {
    Call call;
    std::vector<std::string> messages;
    std::vector<std::string> errors;
    std::string clipboard;
  };
  // Runs T_REQ (or `primitive`) with `actions`, then OK unless told otherwise.
  Outcome run(std::vector<tk::ScriptAction> actions, std::vector<std::optional<std::string>> files = {}, bool ok = true,
              unsigned primitive = 100) {
    if (ok) actions.push_back(click("ok"));
    tk::Script script = dialogScript("CDiagCmdPsdlDlg", std::move(actions));
    script.files = std::move(files);
    ScriptedHost host(std::move(script));
    Call call = callExport(
        [&](unsigned int* len) { return OrbelGetPsdlCmdBuffer(&link_, 0xFF, 0, 2, 0, 13002, primitive, len); }, 7);
    EXPECT_TRUE(link_.variables.empty()) << "the variable is freed on every path";
    return {call, host.messages(), host.toolkit().errors(), host.toolkit().clipboard()};
  }

  tVLink link_{descriptions()};
  std::filesystem::path folder_, start_;
};

TEST_F(PsdlDialog, MessagesWithAndWithoutPeerDataFollowTheFrame) {
  struct Case {
    const char* what;
    std::vector<tk::ScriptAction> actions;
    std::string bytes;
  };
  const std::string header = kHeaderAfterLength;
  const Case cases[] = {
      {"defaults", {}, "1B 00 " + header + " 12 34 01 00 00 00 00"},
      // The flag without peer data leaves both trailer words zero.
      {"flag, no peer data", {click("peer.on"), set("sparebits", "9")}, "1B 00 " + header + " 12 34 01 00 00 00 00"},
      {"peer data, flag off", {type("peer", "1,2,3")}, "1B 00 " + header + " 12 34 01 00 00 00 00"},
      {"peer 1,2,3 with spare bits 0x10",
       {click("peer.on"), type("peer", "1,2,3"), set("sparebits", "0x10")},
       "1E 00 " + header + " 12 34 01 03 00 10 00 01 02 03"},
      // -1 is value 1 with sign -1: the byte FF. An unreadable spare-bit text resets to 0x00.
      {"negative byte, bad spare bits",
       {click("peer.on"), set("peer", "-1"), set("sparebits", "zz")},
       "1C 00 " + header + " 12 34 01 01 00 00 00 FF"},
      // A 256, a blank inside a number and a trailing comma keep the earlier peer data.
      {"refused texts keep the earlier bytes",
       {click("peer.on"), set("peer", "1,2"), set("peer", "1,256"), set("peer", "1, 2"), set("peer", "3,")},
       "1D 00 " + header + " 12 34 01 02 00 00 00 01 02"},
      // Two clicks turn the flag off again.
      {"flag toggled twice",
       {click("peer.on"), type("peer", "7"), click("peer.on")},
       "1B 00 " + header + " 12 34 01 00 00 00 00"},
      {"field edits",
       {setValue("params", {"a"}, "0x0102"), setValue("params", {"b"}, "zero")},
       "1B 00 FF 00 02 00 CA 32 00 00 64 00 00 00 00 00 00 00 03 00 01 02 00 00 00 00 00"},
  };
  for (const Case& c : cases) {
    Outcome out = run(c.actions);
    EXPECT_EQ(orbel::toHex(out.call.bytes), c.bytes) << c.what;
    EXPECT_EQ(out.call.len, out.call.bytes.size()) << c.what;
    EXPECT_TRUE(out.errors.empty()) << c.what << ": " << (out.errors.empty() ? "" : out.errors.front());
  }
}

TEST_F(PsdlDialog, NothingIsReturnedWithoutAParameterOrAfterCancel) {
  // No parameter: no dialog at all (the script's dialog stays unused).
  Outcome bare = run({}, {}, false, 101);
  EXPECT_FALSE(bare.call.returned);
  EXPECT_EQ(bare.call.len, 7u);
  Outcome unknown = run({}, {}, false, 999);
  EXPECT_FALSE(unknown.call.returned);
  Outcome cancelled = run({click("peer.on"), type("peer", "1"), click("cancel")}, {}, false);
  EXPECT_FALSE(cancelled.call.returned);
  EXPECT_EQ(cancelled.call.len, 7u);
  unsigned char* none = OrbelGetPsdlCmdBuffer(&link_, 0xFF, 0, 2, 0, 13002, 100, nullptr);
  EXPECT_EQ(none, nullptr);
}

// An out-of-range field edit is refused with its range in the CLI test of a
// composed primitive.
TEST_F(PsdlDialog, OverlongPeerTextIsRefusedWithAReasonAndKeepsTheEarlierBytes) {
  Outcome number = run({click("peer.on"), set("peer", "5"), set("peer", "1," + std::string(31, '0') + "1")});
  ASSERT_EQ(number.messages.size(), 1u);
  EXPECT_NE(number.messages[0].find("at most 31 characters"), std::string::npos);
  EXPECT_EQ(orbel::toHex(number.call.bytes).substr(69), "01 00 00 00 05");

  std::string list;
  for (int i = 0; i < 64; ++i) list += "0x01,";
  Outcome longList = run({click("peer.on"), set("peer", "5"), set("peer", list + "1")});
  ASSERT_EQ(longList.messages.size(), 1u);
  EXPECT_NE(longList.messages[0].find("at most 255 characters"), std::string::npos);
  // 31 characters of a number still read.
  Outcome fits = run({click("peer.on"), set("peer", "0x" + std::string(28, '0') + "7")});
  EXPECT_TRUE(fits.messages.empty());
  EXPECT_EQ(orbel::toHex(fits.call.bytes).substr(69), "01 00 00 00 07");
}

// The magic, N = 2 with "T" and its zero, L = 3, the parameter.
const std::string kMagic = "\xD4\xAD\xD3\xEF\xD7\xD6\xBD\xDA\xC1\xF7\xBC\xC7\xC2\xBC";
const std::string kPcfOfT = kMagic + std::string("\x02\x00\x00\x00T\x00\x03\x00\x00\x00\x01\x02\x00", 13);

TEST_F(PsdlDialog, SaveWritesThePcfLayout) {
  Outcome out =
      run({setValue("params", {"a"}, "258"), setValue("params", {"b"}, "zero"), click("save")}, {path("t.pcf")}, false);
  EXPECT_EQ(readFile("t.pcf"), kPcfOfT);
  EXPECT_FALSE(out.call.returned);
  // Cancelling the file dialog writes nothing.
  run({click("save")}, {std::nullopt}, false);
  EXPECT_FALSE(std::filesystem::exists(path("u.pcf")));
}

TEST_F(PsdlDialog, LoadShowsTheStoredValuesAndPutsTheirScriptOnTheClipboard) {
  // A name of another type is accepted as long as the codec takes the bytes.
  writeFile("other.pcf", kMagic + std::string("\x04\x00\x00\x00XYZ\x00\x03\x00\x00\x00\x01\x02\x00", 15));
  Outcome out = run({click("load")}, {path("other.pcf")});
  EXPECT_TRUE(out.messages.empty());
  EXPECT_EQ(orbel::toHex(out.call.bytes).substr(60), "01 02 00 00 00 00 00");
  EXPECT_EQ(out.clipboard,
            "orbel::variable SIM_T T\n"
            "orbel::field SIM_T a 258\n"
            "orbel::field SIM_T b zero\n"
            "orbel::send T_REQ SIM_T\n");
}

TEST_F(PsdlDialog, LoadRefusesFilesItCannotUseAndChangesNothing) {
  const struct {
    const char* name;
    std::string bytes;
    std::string message;
  } cases[] = {
      {"magic.pcf", "X" + kPcfOfT.substr(1), "!"},
      {"short.pcf", kMagic.substr(0, 5), "!"},
      {"longname.pcf",
       kMagic + std::string("\x81\x00\x00\x00", 4) + std::string(128, 'n') + '\0' +
           std::string("\x03\x00\x00\x00\x01\x02\x00", 7),
       "1 to 128 fit"},
      {"cut.pcf", kPcfOfT.substr(0, kPcfOfT.size() - 1), "cut off"},
      {"trailing.pcf", kPcfOfT + "x", "follow the parameter"},
      // The codec refuses four bytes for T: the message 11446 with its reason.
      {"codec.pcf", kMagic + std::string("\x02\x00\x00\x00T\x00\x04\x00\x00\x00\x01\x02\x00\x00", 14), "follow the T"},
      {"missing.pcf", "", "does not exist"},
  };
  for (const auto& c : cases) {
    if (std::string(c.name) != "missing.pcf") writeFile(c.name, c.bytes);
    Outcome out = run({click("load")}, {path(c.name)});
    ASSERT_EQ(out.messages.size(), 1u) << c.name;
    EXPECT_NE(out.messages[0].find(c.message), std::string::npos) << c.name << ": " << out.messages[0];
    EXPECT_TRUE(c.message == "!" || out.messages[0].starts_with("The primitive could not be")) << c.name;
    EXPECT_EQ(orbel::toHex(out.call.bytes).substr(60), "12 34 01 00 00 00 00") << c.name;
    EXPECT_TRUE(out.clipboard.empty()) << c.name;
  }
}

}  // namespace
