// `orbel decode` on the layer-1 formats: a filter configuration is named by
// what it ticks, a command frame down to its embedded message and body, and
// inconsistent input is refused.
#include <gtest/gtest.h>

#include <algorithm>

#include "decode/FormatDecoder.h"
#include "orbel/l1filter/DefaultFilterConfig.h"
#include "orbel/l1filter/L1CommandFrame.h"

namespace {

using namespace orbel;

std::string valueOf(const DecodedMessage& message, const std::string& name) {
  for (const DecodedField& field : message.fields)
    if (field.name == name) return field.value;
  return "(missing)";
}

// The fields follow each other and cover the input exactly.
void expectCovered(const DecodedMessage& message, std::size_t size) {
  std::size_t next = 0;
  for (const DecodedField& field : message.fields) {
    EXPECT_EQ(field.offset, next) << field.name;
    next = field.offset + field.width;
  }
  EXPECT_EQ(next, size);
}

std::vector<std::uint8_t> bytesOf(const PhyFaFilterConfig& config) {
  const PhyFaFilterBytes bytes = toBytes(config);
  return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> bytesOf(CommandBuffer frame) { return {frame.bytes().begin(), frame.bytes().end()}; }

TEST(L1Decoder, NamesWhatTheDefaultConfigurationTicks) {
  const std::vector<std::uint8_t> bytes = bytesOf(builtInPhyFaFilterConfig());
  const DecodedMessage message = *decodeAny(bytes);
  ASSERT_EQ(message.error, "");
  EXPECT_EQ(message.title, "layer-1 filter configuration: 10 TD primitives, 4 GSM primitives, 97 task messages");
  EXPECT_EQ(valueOf(message, "TD primitive slot 9"), "1534 P_HLS_L1_NOCELL_REQ (row 22)");
  EXPECT_EQ(valueOf(message, "GSM primitive slot 1"), "211027 MSG_ID_MPAL_RR_CLOSE_TCH_LOOP_CNF (row 147)");
  EXPECT_EQ(valueOf(message, "TD state to"), "0x48 CNNT_RTX_TARGET");
  EXPECT_EQ(valueOf(message, "GSM options A"), "0x007F bits 0 1 2 3 4 5 6");
  EXPECT_EQ(valueOf(message, "common task mask"), "0x00000008 COMMON_PSEUDO_TASK");
  EXPECT_EQ(valueOf(message, "SYS messages (slot 0)"),
            "MSG_L1_PC_ACCESS_CNF, MSG_L1_PC_MEM_DUMP_IND, MSG_L1CC_OAL_MODE_CHANGE_REQ, MSG_L1_PC_MODE_CHANGE_INFO");
  EXPECT_EQ(valueOf(message, "L1CC_MACE messages (slot 29)"), "none");
  EXPECT_TRUE(message.notes.empty());
  expectCovered(message, bytes.size());
}

TEST(L1Decoder, ShowsWhatDecodingIgnoresOrNormalises) {
  PhyFaFilterConfig config = builtInPhyFaFilterConfig();
  config.tdPrimitiveIds[0] = 99999;
  config.tdPrimitiveIds[12] = 1512;  // after the first empty slot
  config.tdReserved = 1;
  config.switches[2] = 2;
  config.taskBitmaps[12][0] = 1;
  config.gsmOptionsB = 0x0100;
  const std::vector<std::uint8_t> bytes = bytesOf(config);
  const DecodedMessage message = *decodeAny(bytes, "l1config");
  EXPECT_EQ(valueOf(message, "TD primitive slot 1"), "99999 (no TD primitive: ignored)");
  EXPECT_EQ(valueOf(message, "TD primitive slot 13"), "1512 (after the end of the list: ignored)");
  EXPECT_EQ(valueOf(message, "TD state to"), "0x48 (read with the reserved bytes as 0x000148: INIT)");
  EXPECT_EQ(valueOf(message, "switch 3"), "0x02 (off: only 1 is on)");
  EXPECT_EQ(valueOf(message, "task 12 messages (slot 12)"), "bit 0 (no message: ignored)");
  const std::vector<std::string> notes{"GSM options B has bits that no option box shows: 0x0100",
                                       "TD task mask disagrees with the task bitmaps, which call for 0x000017F7",
                                       "not in normal form: encoding what it ticks gives different bytes"};
  EXPECT_EQ(message.notes, notes);
  expectCovered(message, bytes.size());
}

TEST(L1Decoder, FollowsACommandFrameIntoItsMessageAndBody) {
  std::vector<std::uint8_t> bytes = bytesOf(buildPortSettingFrame(false));
  DecodedMessage message = *decodeAny(bytes);
  ASSERT_EQ(message.error, "");
  EXPECT_EQ(message.title, "layer-1 port setting command frame");
  EXPECT_EQ(valueOf(message, "primitive"), "0xBB820005 port setting");
  EXPECT_EQ(valueOf(message, "code word"), "0x80820005 port setting (flags 0x80)");
  EXPECT_EQ(valueOf(message, "port option"), "1 (box unticked)");
  EXPECT_EQ(valueOf(message, "padding"), "zero");
  expectCovered(message, bytes.size());

  // The embedded message alone decodes the same way.
  const std::vector<std::uint8_t> embedded(bytes.begin() + 24, bytes.end());
  message = *decodeAny(embedded);
  EXPECT_EQ(message.title, "layer-1 port setting message");
  expectCovered(message, embedded.size());

  bytes.push_back(0xEE);  // the check leaves trailing bytes alone; the decoder shows them
  message = *decodeAny(bytes);
  EXPECT_EQ(valueOf(message, "trailing bytes"), "raw");
  EXPECT_EQ(message.notes, (std::vector<std::string>{"1 bytes follow the embedded message",
                                                      "the total length says 1176 bytes, 1177 are present"}));
  expectCovered(message, bytes.size());
}

TEST(L1Decoder, ShowsALoopTestFileAndAFilterConfigurationMessage) {
  const std::uint8_t file[] = {9, 8, 7};
  std::vector<std::uint8_t> bytes = bytesOf(buildLoopTestFrame(true, file));
  DecodedMessage message = *decodeAny(bytes);
  EXPECT_EQ(message.title, "layer-1 loop test (box ticked) command frame");
  EXPECT_EQ(valueOf(message, "file size"), "3");
  expectCovered(message, bytes.size());

  // A filter-configuration message: header, then the configuration's fields.
  std::vector<std::uint8_t> header{0xF4, 0x64, 0xF3, 0x64, 0x34, 0x02, 0, 0, 0, 0, 0, 0,
                                   0,    0,    0,    0,    0x01, 0,    0x82, 0x80, 0, 0, 0, 0};
  const std::vector<std::uint8_t> config = bytesOf(builtInPhyFaFilterConfig());
  header.insert(header.end(), config.begin(), config.end());
  message = *decodeAny(header);
  EXPECT_EQ(message.title, "layer-1 filter configuration message");
  EXPECT_EQ(valueOf(message, "TD state to"), "0x48 CNNT_RTX_TARGET");
  expectCovered(message, header.size());
}

TEST(L1Decoder, RefusesInconsistentFramesAndMessages) {
  std::vector<std::uint8_t> frame = bytesOf(buildPortSettingFrame(true));
  frame[10] = 0x06;
  EXPECT_EQ(decodeAny(frame)->error,
            "not a well-formed layer-1 command frame: the primitive disagrees with the message's command code");
  EXPECT_EQ(decodeAny(frame)->fault, ReadFault::Malformed);
  frame.resize(30);
  EXPECT_EQ(decodeAny(frame)->error, "not a well-formed layer-1 command frame: truncated");
  EXPECT_EQ(decodeAny(frame)->fault, ReadFault::Truncated);

  const std::vector<std::uint8_t> message(frame.begin() + 24, frame.end());  // sync and 2 bytes
  EXPECT_EQ(decodeAny(message)->error, "truncated: 6 bytes, a layer-1 message header has 24");
  EXPECT_EQ(decodeAny(message)->fault, ReadFault::Truncated);
  std::vector<std::uint8_t> headerOnly = bytesOf(buildPortSettingFrame(true));
  headerOnly.erase(headerOnly.begin(), headerOnly.begin() + 24);
  headerOnly.push_back(0);
  EXPECT_EQ(decodeAny(headerOnly)->error, "inconsistent: the header announces 1152 bytes, 1153 are present");
  EXPECT_EQ(decodeAny(headerOnly)->fault, ReadFault::Malformed);
  headerOnly.resize(1151);
  EXPECT_EQ(decodeAny(headerOnly)->error, "truncated: the header announces 1152 bytes, 1151 are present");
  EXPECT_EQ(decodeAny(headerOnly)->fault, ReadFault::Truncated);
  for (const auto& [length, fault] : {std::pair{1127u, ReadFault::Truncated}, {1129u, ReadFault::Malformed}}) {
    const DecodedMessage config = *decodeAny(std::vector<std::uint8_t>(length, 0), "l1config");
    EXPECT_EQ(config.error, "a layer-1 filter configuration has 1128 bytes, " + std::to_string(length) +
                                " are present");
    EXPECT_EQ(config.fault, fault) << length;
  }
}

TEST(L1Decoder, TellsConfigurationsFromMessagesOfTheSameLength) {
  std::vector<std::uint8_t> diag(1128, 0);
  diag[0] = 0x68;
  diag[1] = 0x04;
  diag[2] = 0xFF;
  diag[18] = 0x50;  // payload length 1104
  diag[19] = 0x04;
  EXPECT_EQ(decodeAny(diag)->title, "task 0 primitive 0");

  // Switch bytes that happen to read as the layer-1 sync word.
  std::vector<std::uint8_t> config = bytesOf(builtInPhyFaFilterConfig());
  const std::uint8_t sync[] = {0xF4, 0x64, 0xF3, 0x64};
  std::copy(std::begin(sync), std::end(sync), config.begin());
  EXPECT_EQ(decodeAny(config)->title.substr(0, 29), "layer-1 filter configuration:");
}

}  // namespace
