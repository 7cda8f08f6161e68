// Decoding the layer-2 configuration's blocks: each is recognised by its
// size, names every tick by its SAP identity and refuses other sizes.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "decode/FormatDecoder.h"
#include "orbel/config/L2ConfigLayout.h"

namespace {

// The value of the field named `name`, or "(none)".
std::string field(const orbel::DecodedMessage& message, const std::string& name) {
  for (const orbel::DecodedField& f : message.fields)
    if (f.name == name) return f.value;
  return "(none)";
}

TEST(L2Decoder, NamesEveryTickBySapIdentityInEachBlock) {
  orbel::L2ConfigState state;
  state.rlcOn = 1;
  state.rlcSap[66] = 1;
  state.pdcpSap[29] = 3;  // not 0 or 1: counts as ticked
  const orbel::L2ConfigFile file{state, {0, 0, 0, 2, 0, 0, 0, 0}};
  const auto fileBytes = orbel::encodeL2ConfigFile(file);
  std::array<std::uint8_t, orbel::kL2ConfigStateSize> stateBytes{};
  orbel::writeL2ConfigState(state, stateBytes);
  orbel::L2SapRecord record;
  record.bmcOn = 1;
  record.macSap[3] = 1;
  std::array<std::uint8_t, orbel::kL2SapRecordSize> recordBytes{};
  orbel::writeL2SapRecord(record, recordBytes);

  const auto decodedFile = orbel::decodeAny(fileBytes);
  ASSERT_TRUE(decodedFile);
  EXPECT_EQ(decodedFile->title,
            "layer-2 configuration file: MAC off (0 ticked), RLC on (1 ticked), PDCP off (1 ticked), "
            "BMC off (0 ticked)");
  EXPECT_EQ(field(*decodedFile, "RLC SAP 2235"), "ticked");
  EXPECT_EQ(field(*decodedFile, "PDCP SAP 3044"), "3 (ticked)");
  EXPECT_EQ(field(*decodedFile, "RLC group B select-all"), "2 third state");  // file order: A before B

  const auto decodedState = orbel::decodeAny(stateBytes);
  ASSERT_TRUE(decodedState);
  EXPECT_EQ(decodedState->title.rfind("layer-2 state block: ", 0), 0u) << decodedState->title;
  EXPECT_EQ(decodedState->fields.size(), 5u + 67 + 67 + 58 + 1);

  const auto decodedRecord = orbel::decodeAny(recordBytes);
  ASSERT_TRUE(decodedRecord);
  EXPECT_EQ(field(*decodedRecord, "BMC layer"), "on");
  EXPECT_EQ(field(*decodedRecord, "MAC SAP 1101"), "ticked");
  EXPECT_EQ(decodedRecord->fields[4].offset, 4u);
}

TEST(L2Decoder, OtherSizesAndDiagnosticMessagesAreNotTakenForBlocks) {
  // 824 bytes that start as a diagnostic message of that length.
  std::vector<std::uint8_t> diag(824, 0);
  diag[0] = 0x38;
  diag[1] = 0x03;
  diag[2] = 0xFF;
  EXPECT_EQ(orbel::decodeAny(diag)->title.find("layer-2"), std::string::npos);
  for (const char* format : {"l2file", "l2state", "l2record"}) {
    const auto refused = orbel::decodeAny(std::vector<std::uint8_t>(700, 0), format);
    ASSERT_TRUE(refused) << format;
    EXPECT_EQ(refused->fault, orbel::ReadFault::Truncated) << format;
    EXPECT_TRUE(refused->fields.empty()) << format;
  }
}

}  // namespace
