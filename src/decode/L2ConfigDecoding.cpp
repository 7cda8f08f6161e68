// The layer-2 configuration's blocks, each tick named by its SAP identity as
// the layer-2 dialog's pages show it.
#include <string>

#include "decode/L2Formats.h"
#include "orbel/config/L2ConfigLayout.h"

namespace orbel {
namespace {

struct Page {
  const char* name;
  std::span<const std::uint32_t> saps;
};
constexpr Page kPages[] = {
    {"MAC", l2::kMacSaps}, {"RLC", l2::kRlcSaps}, {"PDCP", l2::kPdcpSaps}, {"BMC", l2::kBmcSaps}};

// Reads the fields of one block, each checked against the bytes present.
class BlockFields {
 public:
  BlockFields(std::span<const std::uint8_t> bytes, DecodedMessage& message) : reader_(bytes), message_(message) {}

  std::uint32_t flag(std::size_t width, const std::string& name) {
    const std::size_t at = reader_.offset();
    const std::uint32_t value = *reader_.uLE(width);
    const std::string meaning = value == 1 ? "on" : value == 0 ? "off" : std::to_string(value) + " (on)";
    message_.fields.push_back({at, width, name, meaning});
    return value;
  }

  // One field per item of `page`: "MAC SAP 1101".
  std::size_t ticks(const Page& page) {
    std::size_t ticked = 0;
    for (std::uint32_t sap : page.saps) {
      const std::size_t at = reader_.offset();
      const std::uint32_t value = *reader_.u32LE();
      ticked += value != 0 ? 1 : 0;
      message_.fields.push_back({at, 4, std::string(page.name) + " SAP " + std::to_string(sap),
                                 value == 1 ? "ticked" : value == 0 ? "-" : std::to_string(value) + " (ticked)"});
    }
    return ticked;
  }

  void selectAll(const std::string& name) {
    const std::size_t at = reader_.offset();
    const std::uint32_t value = *reader_.u32LE();
    const char* meaning = value == 0   ? "unticked"
                          : value == 1 ? "ticked"
                          : value == 2 ? "third state"
                                       : "unticked (not a state)";
    message_.fields.push_back({at, 4, name + " select-all", std::to_string(value) + ' ' + meaning});
  }

 private:
  ByteReader reader_;
  DecodedMessage& message_;
};

// "MAC on (6 ticked), RLC off (0 ticked), ...".
std::string layerSummary(const std::array<std::uint32_t, 4>& on, const std::array<std::size_t, 4>& ticked) {
  std::string text;
  for (std::size_t page = 0; page < 4; ++page)
    text += std::string(text.empty() ? "" : ", ") + kPages[page].name + (on[page] != 0 ? " on" : " off") + " (" +
            std::to_string(ticked[page]) + " ticked)";
  return text;
}

// The state block's fields; its summary line.
std::string addStateFields(std::span<const std::uint8_t> bytes, DecodedMessage& message) {
  BlockFields fields(bytes.first(kL2ConfigStateSize), message);
  std::array<std::uint32_t, 4> on{};
  for (std::size_t page = 0; page < 4; ++page) on[page] = fields.flag(4, std::string(kPages[page].name) + " layer");
  fields.flag(4, "store as default");
  std::array<std::size_t, 4> ticked{};
  for (std::size_t page = 0; page < 4; ++page) ticked[page] = fields.ticks(kPages[page]);
  return layerSummary(on, ticked);
}

DecodedMessage refuse(std::size_t size, std::size_t present, const std::string& what) {
  DecodedMessage message;
  message.fault = sizeFault(size, present);
  message.error = what + " has " + std::to_string(size) + " bytes, " + std::to_string(present) + " are present";
  return message;
}

// A diagnostic message of the same length would start with its length word and 0xFF.
bool notADiagMessage(std::span<const std::uint8_t> bytes) { return bytes[2] != 0xFF; }

}  // namespace

bool looksLikeL2ConfigFile(std::span<const std::uint8_t> bytes) {
  return bytes.size() == kL2ConfigFileSize && notADiagMessage(bytes);
}

DecodedMessage decodeL2ConfigFileFormat(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != kL2ConfigFileSize) return refuse(kL2ConfigFileSize, bytes.size(), "a layer-2 configuration file");
  DecodedMessage message;
  message.title = "layer-2 configuration file: " + addStateFields(bytes, message);
  BlockFields fields(bytes.subspan(kL2ConfigStateSize), message);
  const std::size_t first = message.fields.size();
  for (const char* name : {"MAC group B", "MAC group A", "RLC subgroup B", "RLC subgroup A", "RLC group A",
                           "RLC group B", "PDCP group B", "PDCP group A"})
    fields.selectAll(name);
  for (std::size_t i = first; i < message.fields.size(); ++i) message.fields[i].offset += kL2ConfigStateSize;
  return message;
}

bool looksLikeL2ConfigState(std::span<const std::uint8_t> bytes) {
  return bytes.size() == kL2ConfigStateSize && notADiagMessage(bytes);
}

DecodedMessage decodeL2ConfigStateFormat(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != kL2ConfigStateSize) return refuse(kL2ConfigStateSize, bytes.size(), "a layer-2 state block");
  DecodedMessage message;
  message.title = "layer-2 state block: " + addStateFields(bytes, message);
  return message;
}

bool looksLikeL2SapRecord(std::span<const std::uint8_t> bytes) {
  return bytes.size() == kL2SapRecordSize && notADiagMessage(bytes);
}

DecodedMessage decodeL2SapRecordFormat(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != kL2SapRecordSize) return refuse(kL2SapRecordSize, bytes.size(), "a layer-2 SAP record");
  DecodedMessage message;
  BlockFields fields(bytes, message);
  std::array<std::uint32_t, 4> on{};
  for (std::size_t page = 0; page < 4; ++page) on[page] = fields.flag(1, std::string(kPages[page].name) + " layer");
  std::array<std::size_t, 4> ticked{};
  for (std::size_t page = 0; page < 4; ++page) ticked[page] = fields.ticks(kPages[page]);
  message.title = "layer-2 SAP record: " + layerSummary(on, ticked);
  return message;
}

}  // namespace orbel
