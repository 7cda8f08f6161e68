// The layer-1 filter file: the bytes written, every check of the reader with
// the reason it names, and the last-configuration store that a load updates.
#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>
#include <variant>

#include "orbel/filter/FilterTestSupport.h"
#include "orbel/l1filter/DefaultFilterConfig.h"
#include "orbel/l1filter/L1FilterFile.h"
#include "orbel/l1filter/PhyFaFilterBase.h"
#include "orbel/wire/ByteOrder.h"
#include "orbel/wire/HexText.h"
#include "support/ScopedDataDir.h"
#include "support/ScriptedHost.h"

namespace {

using namespace orbel;
namespace fs = std::filesystem;

// Written out by hand: "TPCF", 1152; sync, 564 body words, three zero
// fields, code word 0x80820001, a zero field.
constexpr char kPrefixAndHeader[] =
    "54 50 43 46 80 04 00 00 "
    "F4 64 F3 64 34 02 00 00 00 00 00 00 00 00 00 00 01 00 82 80 00 00 00 00";

PhyFaFilterConfig sampleConfig() {
  PhyFaFilterConfig config = builtInPhyFaFilterConfig();
  config.switches = {1, 0, 1, 0};
  config.gsmOptionsB = 0x0055;
  return config;
}

std::vector<std::uint8_t> fileBytes(const PhyFaFilterConfig& config) {
  const L1FilterFileBytes file = encodeL1FilterFile(config);
  return {file.begin(), file.end()};
}

std::vector<std::uint8_t> bare(std::vector<std::uint8_t> file) {
  file.erase(file.begin(), file.begin() + 8);
  return file;
}

TEST(L1FilterFile, WritesThePrefixTheHeaderAndTheConfiguration) {
  const std::vector<std::uint8_t> file = fileBytes(sampleConfig());
  ASSERT_EQ(file.size(), 1160u);
  EXPECT_EQ(toHex(std::span(file).first(32)), kPrefixAndHeader);
  const PhyFaFilterBytes body = toBytes(sampleConfig());
  EXPECT_TRUE(std::equal(body.begin(), body.end(), file.begin() + 32));
}

TEST(L1FilterFile, ReaderChecksEachFieldAndNamesTheReason) {
  using Fault = L1FilterFileFault;
  const std::vector<std::uint8_t> good = fileBytes(sampleConfig());
  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;
    std::optional<Fault> fault;  // none: it loads
  };
  const auto patched = [&](std::size_t at, std::uint32_t value, bool prefixed = true) {
    std::vector<std::uint8_t> bytes = prefixed ? good : bare(good);
    writeU32LE(bytes, at, value);
    return bytes;
  };
  const auto patched16 = [&](std::size_t at, std::uint16_t value) {
    std::vector<std::uint8_t> bytes = good;
    writeU16LE(bytes, at, value);
    return bytes;
  };
  const auto plusByte = [](std::vector<std::uint8_t> bytes) {
    bytes.push_back(0);
    return bytes;
  };
  std::vector<std::uint8_t> otherMagic = good, longer = plusByte(good);
  otherMagic[0] = 'X';
  writeU32LE(longer, 4, 1153);
  const Case cases[] = {
      {"the 1160-byte file", good, std::nullopt},
      {"the bare message", bare(good), std::nullopt},
      {"command flag clear", patched(24, 0x00820001), std::nullopt},
      {"other flag bits", patched(24, 0x3F820001), std::nullopt},
      {"no-body flag", patched(24, 0xC0820001), Fault::Format},
      {"no-body flag, bare", patched(16, 0xC0820001, false), Fault::Format},
      {"prefix announces 1151", patched(4, 1151), Fault::Format},
      {"prefix announces 1153 with a byte more", longer, Fault::Length},
      {"1160 bytes without the magic", otherMagic, Fault::Length},
      {"a byte too many, unprefixed", plusByte(bare(good)), Fault::Length},
      {"seven bytes", std::vector<std::uint8_t>(good.begin(), good.begin() + 7), Fault::Length},
      {"empty", {}, Fault::Length},
      {"another command code", patched(24, 0x80820002), Fault::Format},
      {"other sync", patched(8, 0x64F364F5), Fault::Format},
      {"565 body words", patched16(12, 565), Fault::Format},
      {"reserved u16 at 6", patched16(14, 1), Fault::Format},
      {"reserved u32 at 8", patched(16, 1), Fault::Format},
      {"reserved u32 at 12", patched(20, 1), Fault::Format},
      {"reserved u32 at 20", patched(28, 1), Fault::Format},
  };
  for (const Case& c : cases) {
    const auto parsed = parseL1FilterFile(c.bytes);
    if (c.fault) {
      ASSERT_TRUE(std::holds_alternative<Fault>(parsed)) << c.what;
      EXPECT_EQ(std::get<Fault>(parsed), *c.fault) << c.what;
    } else {
      ASSERT_TRUE(std::holds_alternative<L1FilterFileContents>(parsed)) << c.what;
      EXPECT_EQ(std::get<L1FilterFileContents>(parsed).config, sampleConfig()) << c.what;
    }
  }
}

class Loader : public PhyFaFilterBase {
 public:
  using PhyFaFilterBase::m_config;
  using PhyFaFilterBase::WriteConfig;
};

class L1FilterLoad : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return (data_.root() / name).string(); }
  void write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    test::writeBytes(path(name), bytes);
  }
  test::ScopedDataDir data_;
};

// An empty path takes the store, else the default, and writes nothing; a file
// that loads becomes the stored last configuration.
TEST_F(L1FilterLoad, AnEmptyPathTakesTheStoreAndAFileThatLoadsBecomesIt) {
  write("a.flt_L1", fileBytes(sampleConfig()));
  write("b.flt_L1", bare(fileBytes(builtInPhyFaFilterConfig())));
  test::ScriptedHost host;
  Loader loader;
  loader.m_config = sampleConfig();
  ASSERT_TRUE(loader.LoadPhyFaFilterConfig(""));
  EXPECT_EQ(loader.Config(), builtInPhyFaFilterConfig());
  EXPECT_FALSE(host.profile().getBinary(kLastPhyFaConfigSection, kLastPhyFaConfigKey));
  ASSERT_TRUE(loader.LoadPhyFaFilterConfig(path("a.flt_L1")));
  EXPECT_EQ(loader.Config(), sampleConfig());
  EXPECT_EQ(lastOrDefaultPhyFaFilterConfig(), sampleConfig());
  ASSERT_TRUE(loader.LoadPhyFaFilterConfig(path("b.flt_L1")));
  EXPECT_EQ(lastOrDefaultPhyFaFilterConfig(), builtInPhyFaFilterConfig());
  EXPECT_TRUE(host.messages().empty());
  storeLastPhyFaFilterConfig(sampleConfig());
  ASSERT_TRUE(loader.LoadPhyFaFilterConfig(""));
  EXPECT_EQ(loader.Config(), sampleConfig());
}

TEST_F(L1FilterLoad, AFailedLoadSaysWhyAndChangesNeitherTheConfigurationNorTheStore) {
  std::vector<std::uint8_t> badLength = fileBytes(sampleConfig());
  writeU32LE(badLength, 4, 1151);
  write("prefix.flt_L1", badLength);
  write("short.flt_L1", std::vector<std::uint8_t>(100, 0));
  write("huge.flt_L1", std::vector<std::uint8_t>(5000, 0));
  fs::create_directory(path("folder.flt_L1"));
  const struct {
    std::string name;
    std::string message;
  } cases[] = {
      {"prefix.flt_L1", "Load L1 config file fail: file format error"},
      {"short.flt_L1", "Load L1 config file fail: file length error"},
      {"huge.flt_L1", "Load L1 config file fail: file length error"},
      {"missing.flt_L1", "Open L1 config file fail: " + path("missing.flt_L1")},
      {"folder.flt_L1", "Open L1 config file fail: " + path("folder.flt_L1")},
  };
  for (const auto& c : cases) {
    test::ScriptedHost host;
    Loader loader;
    loader.m_config = sampleConfig();
    EXPECT_FALSE(loader.LoadPhyFaFilterConfig(path(c.name))) << c.name;
    EXPECT_EQ(host.messages(), std::vector<std::string>{c.message});
    EXPECT_EQ(loader.Config(), sampleConfig());
    EXPECT_FALSE(host.profile().getBinary(kLastPhyFaConfigSection, kLastPhyFaConfigKey)) << c.name;
  }
}

TEST_F(L1FilterLoad, WritingToAFileLeavesTheStoreAndAnUnwritablePathIsTold) {
  test::ScriptedHost host;
  Loader writer;
  writer.m_config = sampleConfig();
  ASSERT_TRUE(writer.WriteConfig(path("out.flt_L1")));
  EXPECT_EQ(fs::file_size(path("out.flt_L1")), 1160u);
  EXPECT_FALSE(host.profile().getBinary(kLastPhyFaConfigSection, kLastPhyFaConfigKey));
  Loader reader;
  ASSERT_TRUE(reader.LoadPhyFaFilterConfig(path("out.flt_L1")));
  EXPECT_EQ(reader.Config(), sampleConfig());

  const std::string unwritable = path("no-such-folder/out.flt_L1");
  EXPECT_FALSE(writer.WriteConfig(unwritable));
  EXPECT_EQ(host.messages(), std::vector<std::string>{"Open file for write fail: " + unwritable});
  EXPECT_FALSE(fs::exists(unwritable));
}

}  // namespace
