// The HLS filter file: its header, each frame's header, and the fields of
// the embedded filter message laid over the frames' data (a field that runs
// into the next frame is shown in two parts).
#include <algorithm>

#include "decode/FilterFormats.h"
#include "decode/PayloadDecoding.h"
#include "orbel/filter/HlsFilterFormat.h"
#include "orbel/wire/ByteReader.h"

namespace orbel {
namespace {

struct Chunk {
  std::size_t messageStart;
  std::size_t fileStart;
  std::size_t length;
};

// The pieces of the message field `field` that lie in `chunk`, at their file offsets.
void addPieces(const DecodedField& field, const Chunk& chunk, std::vector<DecodedField>& out) {
  const std::size_t begin = std::max(field.offset, chunk.messageStart);
  const std::size_t end = std::min(field.offset + field.width, chunk.messageStart + chunk.length);
  if (begin >= end) return;
  std::string name = field.name;
  if (begin > field.offset) name += " (continued)";
  out.push_back({chunk.fileStart + begin - chunk.messageStart, end - begin, std::move(name), field.value});
}

}  // namespace

bool looksLikeHlsFilterFile(std::span<const std::uint8_t> bytes) {
  ByteReader reader(bytes);
  const std::optional<std::span<const std::uint8_t>> magic = reader.bytes(std::size(kHlsFileMagic));
  if (magic && std::equal(magic->begin(), magic->end(), std::begin(kHlsFileMagic))) return true;
  // Or the header of a first frame.
  ByteReader frame(bytes);
  const std::optional<std::span<const std::uint8_t>> mark = frame.bytes(2);
  const std::optional<std::uint8_t> number = frame.skip(3) ? frame.u8() : std::nullopt;
  return mark && number && frame.remaining() >= 1 &&
         std::equal(mark->begin(), mark->end(), std::begin(kHlsFrameMark)) && *number == 1;
}

DecodedMessage decodeHlsFilterFile(std::span<const std::uint8_t> bytes) {
  DecodedMessage decoded;
  const HlsFileContents contents = parseHlsFilterFile(bytes);
  if (contents.fault) {
    decoded.fault = contents.fault;
    const bool truncated = contents.fault == ReadFault::Truncated;
    decoded.error = std::string(truncated ? "truncated" : "not an HLS filter file") + ": " +
                    contents.reason;
    return decoded;
  }
  // The embedded message as a diagnostic message (its header words already in host order).
  const DecodedMessage message = decodeDiagMessage(contents.message);
  if (!message.error.empty()) {
    decoded.fault = message.fault;
    decoded.error = "embedded message: " + message.error;
    return decoded;
  }
  decoded.title = "HLS filter file, " + std::to_string(contents.frames.size()) + " frame" +
                  (contents.frames.size() == 1 ? "" : "s") + ": " + message.title;
  decoded.notes = message.notes;
  auto& fields = decoded.fields;
  if (contents.fileHeader) {
    fields.push_back({0, 4, "file magic", "\"HLSF\""});
    ByteReader header(bytes);
    const std::optional<std::uint32_t> length = header.skip(4) ? header.u32LE() : std::nullopt;
    fields.push_back({4, 4, "length after the file header", std::to_string(length.value_or(0)) + " (little-endian)"});
  } else {
    decoded.notes.push_back("no \"HLSF\" file header: the file starts with its first frame");
  }
  std::size_t messageStart = 0;
  for (const HlsFrame& frame : contents.frames) {
    const std::size_t at = frame.offset;
    const std::string which = "frame " + std::to_string(frame.number) + ' ';
    fields.push_back({at, 2, which + "mark", "F3 64"});
    fields.push_back(
        {at + 2, 2, which + "length",
         std::to_string(frame.chunkLength + 5) + " (" + std::to_string(frame.chunkLength) + " bytes of the message)"});
    fields.push_back({at + 4, 1, which + "count", std::to_string(frame.count)});
    fields.push_back({at + 5, 1, which + "number", std::to_string(frame.number)});
    fields.push_back({at + 6, 1, which + "kind", std::to_string(frame.kind)});
    const Chunk chunk{messageStart, at + kHlsFrameHeaderSize, frame.chunkLength};
    for (const DecodedField& field : message.fields) addPieces(field, chunk, fields);
    messageStart += frame.chunkLength;
  }
  decoded.notes.push_back("the embedded message stores every multi-byte header field big-endian");
  return decoded;
}

}  // namespace orbel
