// The HLS filter file: the bytes written for payloads around the frame
// size, every refusal of the reader, and save and load through real files.
#include <gtest/gtest.h>

#include <functional>

#include "FilterTestSupport.h"
#include "orbel/builders/ByteOrder.h"
#include "orbel/decode/HexText.h"
#include "orbel/filter/HlsFilterFile.h"
#include "orbel/filter/HlsFilterFormat.h"
#include "support/ScriptedHost.h"

namespace {

using namespace orbel;
using namespace orbel::test;

std::vector<std::uint8_t> encoded(std::span<const std::uint8_t> payload) {
  return encodeHlsFilterFile(payload).value_or(std::vector<std::uint8_t>{});
}

TEST(HlsFilterFormat, AFourBytePayloadIsThe43ByteReferenceFile) {
  const std::uint8_t payload[] = {0x33, 0x00, 0x00, 0x00};
  EXPECT_EQ(toHex(encoded(payload)),
            "48 4C 53 46 23 00 00 00 F3 64 00 21 01 01 02 00 1C FF 00 09 00 00 00 32 CA 00 00 2E FF 00 00 00 00 00 "
            "04 33 00 00 00 00 00 00 00");
}

TEST(HlsFilterFormat, FramesCarry2048BytesEachAndTheRestInTheLast) {
  // Message length = payload + 24; 2024 fills one frame exactly, 2025 spills one byte.
  struct Case {
    std::size_t payload;
    std::vector<std::size_t> chunks;
  };
  const Case cases[] = {
      {4, {28}},
      {2024, {2048}},
      {2025, {2048, 1}},
      {4072, {2048, 2048}},
      {4073, {2048, 2048, 1}},
      {65279, std::vector<std::size_t>(31, 2048)},  // the largest file a reader takes back: 65535 bytes
  };
  for (Case c : cases) {
    if (c.payload == 65279) c.chunks.push_back(65279 + 24 - 31 * 2048);
    const std::vector<std::uint8_t> payload = patternPayload(c.payload);
    const std::vector<std::uint8_t> file = encoded(payload);
    const std::size_t n = c.chunks.size();
    ASSERT_EQ(file.size(), 8 + 7 * n + c.payload + 24) << c.payload;
    EXPECT_EQ(readU32LE(file, 4), file.size() - 8);
    std::size_t at = 8;
    for (std::size_t i = 0; i < n; ++i) {
      EXPECT_EQ(toHex(std::span(file).subspan(at, 2)), "F3 64");
      EXPECT_EQ(readU16BE(file, at + 2), c.chunks[i] + 5) << c.payload << " frame " << i + 1;
      EXPECT_EQ(file[at + 4], n);
      EXPECT_EQ(file[at + 5], i + 1);
      EXPECT_EQ(file[at + 6], 2);
      at += 7 + c.chunks[i];
    }
    const HlsFileContents back = parseHlsFilterFile(file);
    ASSERT_EQ(back.fault, HlsFault::None) << c.payload << ": " << back.reason;
    EXPECT_EQ(back.message.size(), c.payload + 24);
    EXPECT_TRUE(std::equal(payload.begin(), payload.end(), back.message.begin() + 20)) << "payload changed";
  }
}

TEST(HlsFilterFormat, MatchesTheGoldenFilesAndReadsThemBackInHostOrder) {
  EXPECT_EQ(encoded(patternPayload(2025)), readBytes(goldenPath("pattern_2025.flt_HLS")));
  const std::vector<std::uint8_t> compact = readBytes(goldenPath("compact_base.msg"));
  ASSERT_EQ(compact.size(), 676u);
  const std::span<const std::uint8_t> payload = std::span(compact).subspan(20, 652);
  EXPECT_EQ(encoded(payload), readBytes(goldenPath("compact_base.flt_HLS")));

  // Loading turns the big-endian header words little-endian: the message as the dialog built it.
  EXPECT_EQ(parseHlsFilterFile(readBytes(goldenPath("compact_base.flt_HLS"))).message, compact);
  // Frames without the "HLSF" header are accepted and give the same message.
  const HlsFileContents bare = parseHlsFilterFile(readBytes(goldenPath("pattern_2025_no_header.flt_HLS")));
  EXPECT_EQ(bare.fault, HlsFault::None) << bare.reason;
  EXPECT_FALSE(bare.fileHeader);
  EXPECT_EQ(bare.message, parseHlsFilterFile(readBytes(goldenPath("pattern_2025.flt_HLS"))).message);
}

TEST(HlsFilterFormat, RefusesEveryInconsistency) {
  const std::vector<std::uint8_t> good = readBytes(goldenPath("pattern_2025.flt_HLS"));
  ASSERT_EQ(good.size(), 2071u);
  // Offsets in the file: frame 1 at 8, its data (the message) at 15; frame 2 at 2063.
  constexpr std::size_t kMessage = 15, kFrame2 = 2063;
  using Edit = std::function<void(std::vector<std::uint8_t>&)>;
  struct Case {
    const char* name;
    Edit edit;
    HlsFault fault;
  };
  auto setByte = [](std::size_t at, std::uint8_t value) { return [=](std::vector<std::uint8_t>& f) { f[at] = value; }; };
  auto addToU16BE = [](std::size_t at, int delta) {
    return [=](std::vector<std::uint8_t>& f) {
      writeU16BE(f, at, static_cast<std::uint16_t>(readU16BE(f, at) + delta));
    };
  };
  const Case cases[] = {
      {"header length one too large", [](auto& f) { writeU32LE(f, 4, readU32LE(f, 4) + 1); }, HlsFault::Truncated},
      {"header length one too small", [](auto& f) { writeU32LE(f, 4, readU32LE(f, 4) - 1); }, HlsFault::Malformed},
      {"extra byte, header unchanged", [](auto& f) { f.push_back(0); }, HlsFault::Malformed},
      {"extra byte counted by the header",
       [](auto& f) {
         f.push_back(0);
         writeU32LE(f, 4, readU32LE(f, 4) + 1);
       },
       HlsFault::Malformed},
      {"first frame mark", setByte(9, 0x65), HlsFault::Malformed},
      {"second frame mark", setByte(kFrame2, 0xF4), HlsFault::Malformed},
      {"no frames announced", setByte(12, 0), HlsFault::Malformed},
      {"first frame numbered 2", setByte(13, 2), HlsFault::Malformed},
      {"second frame numbered 3", setByte(kFrame2 + 5, 3), HlsFault::Malformed},
      {"second frame announces 3 frames", setByte(kFrame2 + 4, 3), HlsFault::Malformed},
      {"first frame announces 3 frames", setByte(12, 3), HlsFault::Malformed},
      {"both frames announce 3 frames",
       [](auto& f) {
         f[12] = 3;
         f[kFrame2 + 4] = 3;
       },
       HlsFault::Truncated},
      {"second frame of another kind", setByte(kFrame2 + 6, 1), HlsFault::Malformed},
      {"frame length below 5", [](auto& f) { writeU16BE(f, kFrame2 + 2, 4); }, HlsFault::Malformed},
      {"second frame longer than the file", addToU16BE(kFrame2 + 2, 1), HlsFault::Truncated},
      {"first frame one byte short", addToU16BE(10, -1), HlsFault::Malformed},
      {"message length off by one", addToU16BE(kMessage, 1), HlsFault::Malformed},
      {"payload length off by one", addToU16BE(kMessage + 18, -1), HlsFault::Malformed},
      {"start mark", setByte(kMessage + 2, 0xFE), HlsFault::Malformed},
      {"routing bytes 09 01", setByte(kMessage + 5, 0x01), HlsFault::Malformed},
      {"group", setByte(kMessage + 9, 0xCB), HlsFault::Malformed},
      {"another primitive", setByte(kMessage + 13, 0x00), HlsFault::Malformed},
      {"reserved word", setByte(kMessage + 17, 1), HlsFault::Malformed},
      {"peer-data length", setByte(kFrame2 - 2, 1), HlsFault::Malformed},
      {"spare bits (its last byte is all frame 2 carries)", setByte(kFrame2 + 7, 1), HlsFault::Malformed},
      {"too long to be read", [](auto& f) { f.resize(65536); }, HlsFault::Malformed},
  };
  for (const Case& c : cases) {
    std::vector<std::uint8_t> file = good;
    c.edit(file);
    const HlsFileContents read = parseHlsFilterFile(file);
    EXPECT_EQ(read.fault, c.fault) << c.name << ": " << read.reason;
    EXPECT_TRUE(read.message.empty() && read.frames.empty()) << c.name;
  }
  EXPECT_EQ(parseHlsFilterFile(good).fault, HlsFault::None);
}

TEST(HlsFilterFormat, RefusesEveryTruncation) {
  for (const char* name : {"empty_sap_filter.flt_HLS", "pattern_2025_no_header.flt_HLS"}) {
    const std::vector<std::uint8_t> good = readBytes(goldenPath(name));
    for (std::size_t size = 0; size < good.size(); ++size) {
      const HlsFileContents read = parseHlsFilterFile(std::span(good).first(size));
      EXPECT_NE(read.fault, HlsFault::None) << name << " cut to " << size;
    }
  }
}

TEST(HlsFilterFormat, WritesNothingForPayloadsItCannotFrame) {
  EXPECT_FALSE(encodeHlsFilterFile({}));
  EXPECT_TRUE(encodeHlsFilterFile(patternPayload(65504)));
  EXPECT_FALSE(encodeHlsFilterFile(patternPayload(65505)));
}

class HlsFilterFileTest : public ScratchFolder {};

TEST_F(HlsFilterFileTest, SavesAndLoadsBackThroughFiles) {
  ScriptedHost host;
  const std::vector<std::uint8_t> payload = patternPayload(5000);
  SaveHlsFilterFile(path("f.flt_HLS"), payload.data(), static_cast<int>(payload.size()));
  const std::vector<unsigned char> message = LoadHlsFilterFile(path("f.flt_HLS"));
  ASSERT_EQ(message.size(), 5024u);
  EXPECT_EQ(toHex(std::span(message).first(20)), "A0 13 FF 00 09 00 CA 32 00 00 FF 2E 00 00 00 00 00 00 88 13");
  EXPECT_TRUE(std::equal(payload.begin(), payload.end(), message.begin() + 20));
  EXPECT_TRUE(host.messages().empty());

  // Saving again replaces the file whole and leaves no temporary file beside it.
  SaveHlsFilterFile(path("f.flt_HLS"), payload.data(), 4);
  EXPECT_EQ(readBytes(path("f.flt_HLS")).size(), 43u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1);
}

TEST_F(HlsFilterFileTest, TellsTheUserWhatWentWrong) {
  ScriptedHost host;
  const std::vector<std::uint8_t> payload = patternPayload(65505);
  SaveHlsFilterFile(path("a.flt_HLS"), nullptr, 4);
  SaveHlsFilterFile(path("a.flt_HLS"), payload.data(), 0);
  SaveHlsFilterFile(path("a.flt_HLS"), payload.data(), -1);
  SaveHlsFilterFile(path("a.flt_HLS"), payload.data(), 65505);
  EXPECT_FALSE(std::filesystem::exists(path("a.flt_HLS")));
  SaveHlsFilterFile(path("no/such/folder.flt_HLS"), payload.data(), 4);
  EXPECT_TRUE(LoadHlsFilterFile(path("missing.flt_HLS")).empty());
  EXPECT_TRUE(LoadHlsFilterFile(folder_.string()).empty());  // a folder cannot be read as a file

  std::vector<std::uint8_t> broken = readBytes(goldenPath("empty_sap_filter.flt_HLS"));
  broken[20] = 0x01;  // routing 09 01
  writeBytes(path("broken.flt_HLS"), broken);
  EXPECT_TRUE(LoadHlsFilterFile(path("broken.flt_HLS")).empty());
  // A file past 64 KiB is refused, not read modulo 65536 as its first bytes.
  std::vector<std::uint8_t> padded(65536);
  const std::vector<std::uint8_t> small = readBytes(goldenPath("empty_sap_filter.flt_HLS"));
  padded.insert(padded.end(), small.begin(), small.end());
  writeBytes(path("big.flt_HLS"), padded);
  EXPECT_TRUE(LoadHlsFilterFile(path("big.flt_HLS")).empty());

  EXPECT_EQ(host.messages(), (std::vector<std::string>{
                                 "Save config fail", "Save config fail", "Save config fail", "Save config fail",
                                 "Can not open the file " + path("no/such/folder.flt_HLS"),
                                 "Can not open the file " + path("missing.flt_HLS"),
                                 "Can not open the file " + folder_.string(),
                                 "File format error: " + path("broken.flt_HLS"),
                                 "File format error: " + path("big.flt_HLS"),
                             }));
}

}  // namespace
