#include "orbel/primitive/ScenarioMessage.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "orbel/wire/ByteReader.h"

namespace orbel {
namespace {

void removeAll(std::string& text, std::string_view piece) {
  for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at))
    text.erase(at, piece.size());
}

}  // namespace

std::optional<ScenarioMessage> readScenarioMessage(std::span<const std::uint8_t> data) {
  ByteReader in(data);
  ScenarioMessage message;
  if (!in.skip(2)) return std::nullopt;
  const auto frame = in.bytes(4);
  if (!frame || !in.skip(4)) return std::nullopt;
  std::copy(frame->begin(), frame->end(), message.frame.begin());
  const auto primitive = in.u32LE();
  if (!primitive || !in.skip(4)) return std::nullopt;
  message.primitive = *primitive;
  const auto length = in.u16LE();
  if (!length) return std::nullopt;
  const auto parameter = in.bytes(*length);
  const auto peerLength = in.u16LE();
  const auto spareBits = in.u16LE();
  if (!parameter || !peerLength || !spareBits) return std::nullopt;
  const auto peer = in.bytes(*peerLength);
  if (!peer) return std::nullopt;
  message.parameter = *parameter;
  message.spareBits = *spareBits;
  message.peer = *peer;
  return message;
}

std::string scenarioVariableName(std::string_view typeName) {
  std::string name(typeName);
  std::transform(name.begin(), name.end(), name.begin(),
                 [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
  for (std::string_view piece : {"P_", "_PARAM", "GCFE", "MCFE", "DCFE", "BCFE"}) removeAll(name, piece);
  // One left-to-right pass: "___" gives "__".
  for (std::size_t at = name.find("__"); at != std::string::npos; at = name.find("__", at + 1)) name.erase(at, 1);
  return name;
}

std::string peerBytesText(std::span<const std::uint8_t> peer) {
  std::string text;
  for (std::uint8_t byte : peer) {
    char number[8];
    std::snprintf(number, sizeof number, "0x%x", byte);
    if (!text.empty()) text += ',';
    text += number;
  }
  return text;
}

}  // namespace orbel
