// Scenario commands and scenario files: golden records at D = 1, 256 and 257
// and a three-command list (bytes written out by hand from the record
// layout), every refusal of a load, and the load and save rules.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "orbel/primitive/KovaScenario.h"

namespace {

using orbel::ByteReader;
using orbel::ScenarioCommandPtr;

std::string goldenBytes(const std::string& name) {
  std::ifstream in(std::string(ORBEL_PRIMITIVE_GOLDEN) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::span<const std::uint8_t> asBytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::vector<std::uint8_t> pattern(std::size_t size, unsigned step) {
  std::vector<std::uint8_t> bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * step);
  return bytes;
}

// The commands the golden files hold.
struct Golden {
  const char* file;
  std::int32_t sequence;
  const char* name;
  std::int32_t kind;
  std::vector<std::uint8_t> data;
};
const Golden kGolden[] = {
    {"d1.ksc", 1, "RRC_CONNECT", orbel::kScenarioSimulate, {0x5A}},
    {"d256.ksc", 2, "A", orbel::kScenarioWait, pattern(256, 1)},
    {"d257.ksc", 3, "B", orbel::kScenarioSimulate, pattern(257, 7)},
};

ScenarioCommandPtr create(const Golden& golden) {
  return orbel::CreateScenarioCommand(golden.sequence, golden.name, golden.kind,
                                      static_cast<std::int32_t>(golden.data.size()), golden.data);
}

void expectCommand(const TAG_KOVA_SCENARIO_COMMAND_ITEM& command, const Golden& golden) {
  EXPECT_EQ(command.sequence, golden.sequence);
  EXPECT_EQ(orbel::scenarioName(command), golden.name);
  EXPECT_EQ(command.kind, golden.kind);
  const auto data = orbel::scenarioData(command);
  EXPECT_EQ(std::vector<std::uint8_t>(data.begin(), data.end()), golden.data);
}

class ScenarioFile : public ::testing::Test {
 protected:
  ScenarioFile() {
    folder_ = std::filesystem::temp_directory_path() / ("orbel-scenario-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  ~ScenarioFile() override { std::filesystem::remove_all(folder_); }
  std::string path(const std::string& name) const { return (folder_ / name).string(); }
  std::string writeFile(const std::string& name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
    return path(name);
  }
  std::filesystem::path folder_;
};

TEST(ScenarioCommand, RecordsMatchTheGoldenFilesBothWays) {
  for (const Golden& golden : kGolden) {
    SCOPED_TRACE(golden.file);
    const std::string expected = goldenBytes(golden.file);
    ASSERT_FALSE(expected.empty());
    std::string written;
    orbel::WriteScenarioCommand(written, *create(golden));
    EXPECT_EQ(written, expected);

    ByteReader in(asBytes(expected));
    auto read = orbel::ReadScenarioCommand(in);
    ASSERT_TRUE(std::holds_alternative<ScenarioCommandPtr>(read));
    expectCommand(*std::get<ScenarioCommandPtr>(read), golden);
    EXPECT_TRUE(in.atEnd());
  }
}

TEST(ScenarioCommand, CreationRefusesWhatARecordCannotHold) {
  const std::string longest(255, 'n');
  EXPECT_NE(orbel::CreateScenarioCommand(1, longest, 0, 1), nullptr);
  EXPECT_EQ(orbel::CreateScenarioCommand(1, longest + "n", 0, 1), nullptr);
  EXPECT_EQ(orbel::CreateScenarioCommand(1, "n", 2, 1), nullptr);
  EXPECT_EQ(orbel::CreateScenarioCommand(1, "n", -1, 1), nullptr);
  EXPECT_EQ(orbel::CreateScenarioCommand(1, "n", 0, 0), nullptr);
  EXPECT_EQ(orbel::CreateScenarioCommand(1, "n", 0, 0x10000), nullptr);
  const auto zeroed = orbel::CreateScenarioCommand(1, "n", 1, 300);
  ASSERT_NE(zeroed, nullptr);
  for (std::uint8_t byte : orbel::scenarioData(*zeroed)) ASSERT_EQ(byte, 0);
}

TEST(ScenarioCommand, ReadRefusesEveryBrokenRecord) {
  const std::string good = goldenBytes("d257.ksc");
  auto withWord = [&](std::size_t offset, std::uint32_t value) {
    std::string bytes = good;
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>(value >> (8 * i) & 0xFF);
    return bytes;
  };
  std::string unterminated = good;
  std::fill(unterminated.begin() + 4, unterminated.begin() + 260, 'x');
  const struct {
    const char* what;
    std::string bytes;
    orbel::ReadFault fault;
  } cases[] = {
      {"head cut off", good.substr(0, 267), orbel::ReadFault::Truncated},
      // A failed read does not move the reader: the name must not be skipped.
      {"shorter than the name", good.substr(0, 26), orbel::ReadFault::Truncated},
      {"data cut off", good.substr(0, 524), orbel::ReadFault::Truncated},
      {"padding cut off", goldenBytes("d1.ksc").substr(0, 523), orbel::ReadFault::Truncated},
      {"kind 2", withWord(260, 2), orbel::ReadFault::Malformed},
      {"D 0", withWord(264, 0), orbel::ReadFault::Malformed},
      {"D negative", withWord(264, 0xFFFFFFFF), orbel::ReadFault::Malformed},
      {"D beyond a message", withWord(264, 0x10000), orbel::ReadFault::Malformed},
      {"name without terminator", unterminated, orbel::ReadFault::Malformed},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ByteReader in(asBytes(c.bytes));
    const auto read = orbel::ReadScenarioCommand(in);
    ASSERT_TRUE(std::holds_alternative<orbel::ReadRefusal>(read));
    EXPECT_EQ(std::get<orbel::ReadRefusal>(read).fault, c.fault);
  }
}

TEST_F(ScenarioFile, SaveWritesTheGoldenListAndLoadReadsItBack) {
  CKovaScenario scenario;
  for (const Golden& golden : kGolden) scenario.append(create(golden));
  ASSERT_EQ(scenario.SaveFile(path("three.kscl")), 0);
  std::ifstream in(path("three.kscl"), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), goldenBytes("three.kscl"));

  CKovaScenario loaded;
  ASSERT_EQ(loaded.LoadFile(path("three.kscl")), 0);
  ASSERT_EQ(loaded.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) expectCommand(loaded.at(i), kGolden[i]);
  // Loading appends: a second load lists every command twice.
  ASSERT_EQ(loaded.LoadFile(path("three.kscl")), 0);
  ASSERT_EQ(loaded.size(), 6u);
  expectCommand(loaded.at(5), kGolden[2]);
}

TEST_F(ScenarioFile, LoadRefusalsKeepTheCommandsReadBefore) {
  const std::string three = goldenBytes("three.kscl");
  std::string otherVersion = three;
  otherVersion[13] = '6';
  std::string secondKind2 = three;
  secondKind2[24 + 524 + 260] = 2;
  std::string countZero = three.substr(0, 24);
  countZero[16] = 0;
  std::string countNegative = three;
  std::fill(countNegative.begin() + 16, countNegative.begin() + 20, '\xFF');
  const struct {
    const char* what;
    std::string bytes;
    int result;
    std::size_t kept;
  } cases[] = {
      {"short header", three.substr(0, 23), -1, 0},
      {"another version", otherVersion, -1, 0},
      {"count 0", countZero, 0, 0},
      {"count negative", countNegative, 0, 0},
      {"second record of kind 2", secondKind2, -1, 1},
      {"last record cut off", three.substr(0, three.size() - 1), -1, 2},
      {"count beyond the records", three.substr(0, 24 + 524), -1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CKovaScenario scenario;
    EXPECT_EQ(scenario.LoadFile(writeFile("case.kscl", c.bytes)), c.result);
    EXPECT_EQ(scenario.size(), c.kept);
  }
  CKovaScenario scenario;
  EXPECT_EQ(scenario.LoadFile(""), -1);
  EXPECT_EQ(scenario.LoadFile(path("missing.kscl")), -1);
  EXPECT_EQ(scenario.LoadFile(folder_.string()), -1);
}

TEST_F(ScenarioFile, SavingAnEmptyListOrToNowhereWritesNothing) {
  CKovaScenario scenario;
  EXPECT_EQ(scenario.SaveFile(path("empty.kscl")), -1);
  EXPECT_FALSE(std::filesystem::exists(path("empty.kscl")));
  scenario.append(create(kGolden[0]));
  EXPECT_EQ(scenario.SaveFile(""), -1);
  EXPECT_EQ(scenario.SaveFile(path("no-such-folder/list.kscl")), -1);
  EXPECT_EQ(scenario.SaveFile(folder_.string()), -1);
}

// 100 000 commands load and save in well under a second; a load that copied
// the list per command would take minutes.
TEST_F(ScenarioFile, ALargeListLoadsInLinearTime) {
  CKovaScenario scenario;
  for (int i = 0; i < 100000; ++i) scenario.append(create(kGolden[i % 3]));
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(scenario.SaveFile(path("large.kscl")), 0);
  CKovaScenario loaded;
  ASSERT_EQ(loaded.LoadFile(path("large.kscl")), 0);
  EXPECT_EQ(loaded.size(), 100000u);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

}  // namespace
