// Layer-1 filter files as reviewable text, compared by name and decoded with
// their prefix: the text gives back every byte, also of files the dialog
// would never write, and refuses what it cannot place.
#include <gtest/gtest.h>

#include "decode/FormatDecoder.h"
#include "decode/L1FilterDiff.h"
#include "decode/L1FilterText.h"
#include "orbel/l1filter/DefaultFilterConfig.h"
#include "orbel/wire/ByteOrder.h"

namespace {

using namespace orbel;

std::vector<std::uint8_t> fileOf(const PhyFaFilterConfig& config, bool prefixed = true) {
  const L1FilterFileBytes file = encodeL1FilterFile(config);
  return {file.begin() + (prefixed ? 0 : 8), file.end()};
}

// Values no catalogue row names, reserved fields set and masks that do not
// match the bitmaps.
PhyFaFilterConfig oddConfig() {
  PhyFaFilterConfig config = builtInPhyFaFilterConfig();
  config.switches = {2, 0, 1, 255};
  config.tdPrimitiveIds[1] = kEmptyPrimitiveSlot;
  config.tdPrimitiveIds[12] = 123456;
  config.gsmPrimitiveIds[15] = 1002;  // a TD identifier in the GSM list
  config.tdStateFrom = 0x99;
  config.tdReserved = 0x0102;
  config.gsmStateTo = 0x21;
  config.tdOptionsA = 0xFFFF;
  config.reserved = {1, 0xDEADBEEF};
  config.gsmTaskMask = 0x80000000;
  config.taskBitmaps[0][7] = 0x80000000;  // bit 255 of task 0
  config.taskBitmaps[29][0] |= 1u << 30;  // task 14
  return config;
}

TEST(L1FilterText, ImportingTheExportedTextGivesBackEveryByte) {
  std::vector<std::vector<std::uint8_t>> files = {fileOf(builtInPhyFaFilterConfig()),
                                                  fileOf(builtInPhyFaFilterConfig(), false), fileOf(oddConfig()),
                                                  fileOf(PhyFaFilterConfig{})};
  std::vector<std::uint8_t> commandFlagClear = fileOf(oddConfig());
  writeU32LE(commandFlagClear, 24, 0x37820001);
  files.push_back(commandFlagClear);
  for (const std::vector<std::uint8_t>& file : files) {
    const std::string text = exportL1FilterText(file);
    EXPECT_EQ(importL1FilterText(text), file) << text;
  }
}

TEST(L1FilterText, NamesWhatTheCataloguesName) {
  const std::string text = exportL1FilterText(fileOf(builtInPhyFaFilterConfig()));
  for (const char* expected :
       {R"("P_HLS_L1_SEARCHNEXT_REQ")", R"("stateTo": "CNNT_RTX_TARGET")", R"("optionsA": "0x03FF")",
        R"("MSG_FCP_CST_NO_NET_CS_REQ")", R"("codeWord": "0x80820001")"})
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
}

TEST(L1FilterText, RefusesTextsItCannotPlace) {
  const std::string good = exportL1FilterText(fileOf(builtInPhyFaFilterConfig()));
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
  };
  const std::string cases[] = {
      "not json",
      "[]",
      replaced("\"layer-1 filter\"", "\"something\""),
      replaced("\"P_HLS_L1_SEARCHNEXT_REQ\"", "\"P_NO_SUCH\""),
      replaced("\"CNNT_RTX_TARGET\"", "\"MANU_TEST\""),                       // a GSM state in the TD field
      replaced("\"MSG_FCP_CST_NO_NET_CS_REQ\"", "\"MSG_L1_PC_ACCESS_CNF\""),  // another task's message
      replaced("\"0x03FF\"", "\"0x1FFFF\""),
      replaced("\"0x03FF\"", "\"1023\""),
      replaced("\"0x80820001\"", "\"0xC0820001\""),  // the reader would refuse the file
      replaced("\"prefixed\": true", "\"prefixed\": 1"),
      replaced("\"taskMasks\"", "\"masks\""),
  };
  for (const std::string& text : cases) EXPECT_THROW(importL1FilterText(text), L1FilterTextError) << text;
  EXPECT_THROW(exportL1FilterText(std::vector<std::uint8_t>(1160, 0)), L1FilterTextError);
}

TEST(L1FilterDiff, NamesWhatOnlyOneSideHas) {
  const PhyFaFilterConfig base = builtInPhyFaFilterConfig();
  EXPECT_TRUE(diffL1FilterFiles(fileOf(base), fileOf(base)).empty());

  PhyFaFilterConfig changed = base;
  changed.switches[1] = 1;
  changed.tdPrimitiveIds[10] = 1505;  // P_HLS_L1_UEINFO_REQ
  changed.gsmStateTo = 0x00;
  EXPECT_EQ(diffL1FilterFiles(fileOf(base), fileOf(changed)),
            (std::vector<std::string>{"- gsm.stateTo = MANU_TEST", "- switches = [0,0,0,0]", "+ gsm.stateTo = INIT",
                                      "+ switches = [0,1,0,0]", "+ tdPrimitives: P_HLS_L1_UEINFO_REQ"}));

  PhyFaFilterConfig reordered = base;
  std::swap(reordered.tdPrimitiveIds[0], reordered.tdPrimitiveIds[1]);
  EXPECT_EQ(diffL1FilterFiles(fileOf(base), fileOf(reordered)),
            std::vector<std::string>{"~ tdPrimitives: the same primitives in another slot order"});
  EXPECT_EQ(diffL1FilterFiles(fileOf(base), fileOf(base, false)),
            (std::vector<std::string>{"- prefixed = true", "+ prefixed = false"}));
}

TEST(L1FilterFileDecoder, ShowsThePrefixThenTheCommand) {
  const std::vector<std::uint8_t> file = fileOf(builtInPhyFaFilterConfig());
  const std::optional<DecodedMessage> decoded = decodeAny(file, "");
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->error, "");
  EXPECT_EQ(decoded->title.rfind("layer-1 filter file: ", 0), 0u) << decoded->title;
  ASSERT_GE(decoded->fields.size(), 4u);
  EXPECT_EQ(decoded->fields[0].name, "file magic");
  EXPECT_EQ(decoded->fields[1].value, "1152");
  EXPECT_EQ(decoded->fields[2].offset, 8u);
  std::size_t covered = 0;
  for (const DecodedField& field : decoded->fields) {
    EXPECT_EQ(field.offset, covered) << field.name;
    covered = field.offset + field.width;
  }
  EXPECT_EQ(covered, 1160u);

  std::vector<std::uint8_t> bad = file;
  writeU32LE(bad, 4, 1151);
  EXPECT_EQ(decodeAny(bad, "")->error, "not a layer-1 filter file: file format error");
}

}  // namespace
