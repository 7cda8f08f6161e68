// The HLS filter file: the bytes written for payloads around the frame
// size, every refusal of the reader, and save and load through real files.
#include <gtest/gtest.h>

#include <functional>

#include "FilterTestSupport.h"
#include "orbel/filter/HlsFilterFile.h"
#include "orbel/filter/HlsFilterFormat.h"
#include "orbel/wire/ByteOrder.h"
#include "orbel/wire/HexText.h"
#include "support/GuardedFifo.h"
#include "support/ScriptedHost.h"

namespace {

using namespace orbel;
using namespace orbel::test;

TEST(HlsFilterFormat, FramesCarry2048BytesEachAndTheRestInTheLast) {
  const std::uint8_t four[] = {0x33, 0x00, 0x00, 0x00};
  EXPECT_EQ(toHex(*encodeHlsFilterFile(four)),
            "48 4C 53 46 23 00 00 00 F3 64 00 21 01 01 02 00 1C FF 00 09 00 00 00 32 CA 00 00 2E FF 00 00 00 00 00 "
            "04 33 00 00 00 00 00 00 00");
  // The message is the payload + 24 bytes: 2024 fills one frame, 2025 spills one byte. Each frame
  // header: mark, length of its data + 5, frame count, frame number, kind.
  const std::pair<std::size_t, std::vector<std::string>> cases[] = {
      {2024, {"F3 64 08 05 01 01 02"}},
      {2025, {"F3 64 08 05 02 01 02", "F3 64 00 06 02 02 02"}},
      {4073, {"F3 64 08 05 03 01 02", "F3 64 08 05 03 02 02", "F3 64 00 06 03 03 02"}}};
  for (const auto& [length, headers] : cases) {
    const std::vector<std::uint8_t> file = *encodeHlsFilterFile(patternPayload(length));
    ASSERT_EQ(file.size(), 8 + 7 * headers.size() + length + 24) << length;
    EXPECT_EQ(readU32LE(file, 4), file.size() - 8);
    for (std::size_t i = 0; i < headers.size(); ++i)
      EXPECT_EQ(toHex(std::span(file).subspan(8 + i * (7 + 2048), 7)), headers[i]) << length << " frame " << i + 1;
  }
  EXPECT_EQ(*encodeHlsFilterFile(patternPayload(2025)), readBytes(goldenPath("pattern_2025.flt_HLS")));
  EXPECT_FALSE(encodeHlsFilterFile({}));
  EXPECT_TRUE(encodeHlsFilterFile(patternPayload(65504)));
  EXPECT_FALSE(encodeHlsFilterFile(patternPayload(65505)));  // its length words would wrap
}

TEST(HlsFilterFormat, ReadsTheMessageBackInHostOrderWithOrWithoutTheFileHeader) {
  // The compact base filter as the dialog builds it, and its file.
  const std::vector<std::uint8_t> compact = readBytes(goldenPath("compact_base.msg"));
  EXPECT_EQ(*encodeHlsFilterFile(std::span(compact).subspan(20, 652)), readBytes(goldenPath("compact_base.flt_HLS")));
  EXPECT_EQ(parseHlsFilterFile(readBytes(goldenPath("compact_base.flt_HLS"))).message, compact);

  const HlsFileContents bare = parseHlsFilterFile(readBytes(goldenPath("pattern_2025_no_header.flt_HLS")));
  EXPECT_FALSE(bare.fileHeader);
  ASSERT_EQ(bare.message.size(), 2049u) << bare.reason;
  EXPECT_EQ(toHex(std::span(bare.message).first(20)), "01 08 FF 00 09 00 CA 32 00 00 FF 2E 00 00 00 00 00 00 E9 07");
  EXPECT_EQ(std::vector(bare.message.begin() + 20, bare.message.end() - 4), patternPayload(2025));
}

TEST(HlsFilterFormat, RefusesEveryInconsistencyAndEveryTruncation) {
  const std::vector<std::uint8_t> good = readBytes(goldenPath("pattern_2025.flt_HLS"));
  // Frame 1 at 8, its data (the message) from 15; frame 2 at 2063, its one byte at 2070.
  constexpr std::size_t kMessage = 15, kFrame2 = 2063;
  using File = std::vector<std::uint8_t>;
  auto set = [](std::size_t at, int value) { return [=](File& f) { f[at] = static_cast<std::uint8_t>(value); }; };
  auto add16 = [](std::size_t at, int delta) {
    return [=](File& f) { writeU16BE(f, at, static_cast<std::uint16_t>(readU16BE(f, at) + delta)); };
  };
  auto both = [](auto a, auto b) { return [=](std::vector<std::uint8_t>& f) { a(f), b(f); }; };
  const auto grow = [](std::vector<std::uint8_t>& f) { f.push_back(0); };
  const auto headerPlus1 = [](std::vector<std::uint8_t>& f) { writeU32LE(f, 4, readU32LE(f, 4) + 1); };
  constexpr auto kTruncated = ReadFault::Truncated, kMalformed = ReadFault::Malformed;
  struct Case {
    const char* name;
    std::function<void(std::vector<std::uint8_t>&)> edit;
    ReadFault fault;
  };
  const Case cases[] = {
      {"header length one too large", headerPlus1, kTruncated},
      {"header length one too small", [](auto& f) { writeU32LE(f, 4, readU32LE(f, 4) - 1); }, kMalformed},
      {"extra byte", grow, kMalformed},
      {"extra byte counted by the header", both(grow, headerPlus1), kMalformed},
      {"first frame mark", set(9, 0x65), kMalformed},
      {"second frame mark", set(kFrame2, 0xF4), kMalformed},
      {"no frames announced", set(12, 0), kMalformed},
      {"first frame numbered 2", set(13, 2), kMalformed},
      {"second frame numbered 3", set(kFrame2 + 5, 3), kMalformed},
      {"frame counts differ", set(kFrame2 + 4, 3), kMalformed},
      {"three frames announced, two present", both(set(12, 3), set(kFrame2 + 4, 3)), kTruncated},
      {"frame kinds differ", set(kFrame2 + 6, 1), kMalformed},
      {"frame length below 5", set(kFrame2 + 3, 4), kMalformed},
      {"second frame longer than the file", add16(kFrame2 + 2, 1), kTruncated},
      {"first frame one byte short", add16(10, -1), kMalformed},
      {"message length off by one", add16(kMessage, 1), kMalformed},
      {"payload length off by one", add16(kMessage + 18, -1), kMalformed},
      {"start mark", set(kMessage + 2, 0xFE), kMalformed},
      {"routing bytes 09 01", set(kMessage + 5, 0x01), kMalformed},
      {"group", set(kMessage + 9, 0xCB), kMalformed},
      {"primitive", set(kMessage + 13, 0x00), kMalformed},
      {"reserved word", set(kMessage + 17, 1), kMalformed},
      {"peer-data length", set(kFrame2 - 2, 1), kMalformed},
      {"spare bits, split over the frames", set(kFrame2 + 7, 1), kMalformed},
      {"longer than 65535 bytes", [](auto& f) { f.resize(65536); }, kMalformed},
  };
  for (const auto& [name, edit, fault] : cases) {
    std::vector<std::uint8_t> file = good;
    edit(file);
    const HlsFileContents read = parseHlsFilterFile(file);
    EXPECT_EQ(read.fault, fault) << name << ": " << read.reason;
    EXPECT_TRUE(read.message.empty() && read.frames.empty()) << name;
  }
  for (const char* name : {"empty_sap_filter.flt_HLS", "pattern_2025_no_header.flt_HLS"}) {
    const std::vector<std::uint8_t> whole = readBytes(goldenPath(name));
    for (std::size_t size = 0; size < whole.size(); ++size)
      EXPECT_EQ(parseHlsFilterFile(std::span(whole).first(size)).fault, ReadFault::Truncated)
          << name << " cut to " << size;
  }
}

class HlsFilterFileTest : public ScratchFolder {};

TEST_F(HlsFilterFileTest, SavesLoadsAndTellsTheUserWhatWentWrong) {
  ScriptedHost host;
  const std::vector<std::uint8_t> payload = patternPayload(65505);
  SaveHlsFilterFile(path("f.flt_HLS"), payload.data(), 5000);
  const std::vector<unsigned char> message = LoadHlsFilterFile(path("f.flt_HLS"));
  ASSERT_EQ(message.size(), 5024u);
  EXPECT_EQ(toHex(std::span(message).first(20)), "A0 13 FF 00 09 00 CA 32 00 00 FF 2E 00 00 00 00 00 00 88 13");
  EXPECT_TRUE(std::equal(message.begin() + 20, message.end() - 4, payload.begin()));
  // Saving again replaces the file whole and leaves no temporary file beside it.
  SaveHlsFilterFile(path("f.flt_HLS"), payload.data(), 4);
  EXPECT_EQ(readBytes(path("f.flt_HLS")).size(), 43u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1);
  EXPECT_TRUE(host.messages().empty());

  for (int length : {0, -1, 65505}) SaveHlsFilterFile(path("a.flt_HLS"), payload.data(), length);
  SaveHlsFilterFile(path("a.flt_HLS"), nullptr, 4);
  EXPECT_FALSE(std::filesystem::exists(path("a.flt_HLS")));
  SaveHlsFilterFile(path("no/folder.flt_HLS"), payload.data(), 4);
  ASSERT_EQ(host.toolkit().fileErrors().size(), 1u);  // the host learns of the lost save too
  EXPECT_NE(host.toolkit().fileErrors()[0].find(path("no/folder.flt_HLS")), std::string::npos);
  EXPECT_TRUE(LoadHlsFilterFile(path("missing.flt_HLS")).empty());
  EXPECT_TRUE(LoadHlsFilterFile(folder_.string()).empty());
  {
    GuardedFifo pipe(path("pipe.flt_HLS"));
    EXPECT_TRUE(LoadHlsFilterFile(pipe.path()).empty());
    EXPECT_FALSE(pipe.blocked());
  }
  std::vector<std::uint8_t> big(65536);  // not read modulo 65536 as the 43 bytes after it
  const std::vector<std::uint8_t> small = readBytes(goldenPath("empty_sap_filter.flt_HLS"));
  big.insert(big.end(), small.begin(), small.end());
  writeBytes(path("big.flt_HLS"), big);
  EXPECT_TRUE(LoadHlsFilterFile(path("big.flt_HLS")).empty());

  const std::string fail = "Save config fail";
  EXPECT_EQ(host.messages(), (std::vector<std::string>{fail, fail, fail, fail,
                                                       "Can not open the file " + path("no/folder.flt_HLS"),
                                                       "Can not open the file " + path("missing.flt_HLS"),
                                                       "Can not open the file " + folder_.string(),
                                                       "Can not open the file " + path("pipe.flt_HLS"),
                                                       "File format error: " + path("big.flt_HLS")}));
}

}  // namespace
