// Layer-2 configuration layouts: golden bytes written out from the layout
// tables (not produced by the code), round trips, and the stored file's size
// check.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "orbel/config/L2ConfigLayout.h"
#include "orbel/config/L2ConfigStore.h"
#include "support/ScopedDataDir.h"

namespace {

using orbel::L2ConfigFile;
using orbel::L2ConfigState;
using orbel::L2ConfigSummary;
using orbel::L2SapRecord;
using orbel::L2SelectAllStates;

// A zero block of `size` bytes with the given bytes set.
std::vector<std::uint8_t> bytesWith(std::size_t size, std::initializer_list<std::pair<std::size_t, std::uint8_t>> set) {
  std::vector<std::uint8_t> bytes(size, 0);
  for (auto [at, value] : set) bytes.at(at) = value;
  return bytes;
}

L2ConfigState sampleState() {
  L2ConfigState state;
  state.rlcOn = 0x04030201;  // shows the byte order
  state.macOn = state.pdcpOn = state.bmcOn = state.saveAsDefault = 1;
  state.macSap[0] = state.macSap[66] = state.rlcSap[0] = state.rlcSap[66] = state.pdcpSap[57] = state.bmcSap = 1;
  return state;
}

// macAllA 1, macAllB 2, rlcAllA 0, rlcAllB 1, rlcSubAllA 2, rlcSubAllB 0, pdcpAllA 1, pdcpAllB 2.
constexpr L2SelectAllStates kSampleSelectAll{1, 2, 0, 1, 2, 0, 1, 2};

const std::vector<std::uint8_t> kSampleStateBytes =
    bytesWith(792, {{0, 1}, {4, 0x01}, {5, 0x02}, {6, 0x03}, {7, 0x04}, {8, 1}, {12, 1}, {16, 1},
                    {20, 1} /* macSap[0] */, {284, 1} /* macSap[66] */, {288, 1} /* rlcSap[0] */,
                    {552, 1} /* rlcSap[66] */, {784, 1} /* pdcpSap[57] */, {788, 1} /* bmcSap */});

TEST(L2ConfigLayout, StateBlockMatchesTheGoldenBytesAndReadsBack) {
  std::array<std::uint8_t, orbel::kL2ConfigStateSize> bytes{};
  bytes.fill(0xEE);
  orbel::writeL2ConfigState(sampleState(), bytes);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), kSampleStateBytes);
  EXPECT_EQ(orbel::readL2ConfigState(bytes), sampleState());
}

TEST(L2ConfigLayout, SummaryCarriesLowBytesInItsOwnOrder) {
  L2ConfigState state;
  state.macOn = 0x101;  // only the low byte is carried
  state.pdcpOn = 1;
  state.bmcOn = 1;
  const L2ConfigSummary summary = orbel::summaryOf(state, kSampleSelectAll);
  std::array<std::uint8_t, orbel::kL2ConfigSummarySize> bytes{};
  orbel::writeL2ConfigSummary(summary, bytes);
  const std::array<std::uint8_t, 12> golden{0x01, 0x00, 0x01, 0x01, 0x02, 0x01, 0x00, 0x02, 0x01, 0x00, 0x02, 0x01};
  EXPECT_EQ(bytes, golden);
  EXPECT_EQ(orbel::selectAllOf(orbel::readL2ConfigSummary(bytes)), kSampleSelectAll);
}

TEST(L2ConfigLayout, FileIsTheStateBlockThenTheSelectAllStatesInFileOrder) {
  const L2ConfigFile file{sampleState(), kSampleSelectAll};
  std::vector<std::uint8_t> golden = kSampleStateBytes;
  // macAllB, macAllA, rlcSubAllB, rlcSubAllA, rlcAllA, rlcAllB, pdcpAllB, pdcpAllA: RLC's groups
  // stand in the other order than in the summary.
  for (std::uint8_t state : std::initializer_list<std::uint8_t>{2, 1, 0, 2, 0, 1, 2, 1})
    golden.insert(golden.end(), {state, 0, 0, 0});
  const auto bytes = orbel::encodeL2ConfigFile(file);
  ASSERT_EQ(golden.size(), 824u);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), golden);
  const auto decoded = orbel::decodeL2ConfigFile(golden);
  ASSERT_TRUE(std::holds_alternative<L2ConfigFile>(decoded));
  EXPECT_EQ(std::get<L2ConfigFile>(decoded), file);
}

TEST(L2ConfigLayout, FileOfAnotherSizeIsRefusedAsTruncatedOrMalformed) {
  const std::vector<std::uint8_t> bytes(900, 0);
  for (std::size_t size : {0u, 1u, 791u, 792u, 823u}) {
    const auto decoded = orbel::decodeL2ConfigFile(std::span(bytes).first(size));
    ASSERT_TRUE(std::holds_alternative<orbel::ReadRefusal>(decoded)) << size;
    EXPECT_EQ(std::get<orbel::ReadRefusal>(decoded).fault, orbel::ReadFault::Truncated) << size;
  }
  const auto longer = orbel::decodeL2ConfigFile(std::span(bytes).first(825));
  ASSERT_TRUE(std::holds_alternative<orbel::ReadRefusal>(longer));
  EXPECT_EQ(std::get<orbel::ReadRefusal>(longer).fault, orbel::ReadFault::Malformed);
}

TEST(L2ConfigLayout, RecordHasByteFlagsThenTheTickArrays) {
  L2SapRecord record;
  record.macOn = record.bmcOn = 1;
  record.rlcSap[0] = 0x0201;
  record.macSap[0] = record.pdcpSap[0] = record.pdcpSap[57] = record.bmcSap = 1;
  const std::vector<std::uint8_t> golden = bytesWith(
      776, {{0, 1}, {3, 1}, {4, 1}, {272, 0x01}, {273, 0x02}, {540, 1}, {768, 1} /* pdcpSap[57] */, {772, 1}});
  std::array<std::uint8_t, orbel::kL2SapRecordSize> bytes{};
  orbel::writeL2SapRecord(record, bytes);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), golden);
  EXPECT_EQ(orbel::readL2SapRecord(bytes), record);
}

// The stored file: written whole, read back, and anything but 824 bytes of a
// regular file counts as no stored configuration.
TEST(L2ConfigStore, SavesAndLoadsAndTreatsAWrongSizedFileAsAbsent) {
  orbel::test::ScopedDataDir data;
  EXPECT_FALSE(orbel::loadL2ConfigFile());
  const std::string path = orbel::l2ConfigFilePath();
  EXPECT_EQ(path, data.folder(1) + "L2Config.dat");

  const L2ConfigFile file{sampleState(), kSampleSelectAll};
  ASSERT_EQ(orbel::saveL2ConfigFile(file), "");
  EXPECT_EQ(std::filesystem::file_size(path), 824u);
  EXPECT_EQ(orbel::loadL2ConfigFile(), file);

  for (std::uintmax_t size : {800u, 823u, 825u}) {
    orbel::saveL2ConfigFile(file);
    std::filesystem::resize_file(path, size);
    EXPECT_FALSE(orbel::loadL2ConfigFile()) << size;
  }
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  EXPECT_FALSE(orbel::loadL2ConfigFile());  // a folder of that name
  EXPECT_NE(orbel::saveL2ConfigFile(file), "");
}

}  // namespace
