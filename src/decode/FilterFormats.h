// Decoders of the trace filter formats: the SAP filter message on its own
// (full form 0x33 or compact form 3) and the HLS filter file with its
// frames and embedded filter message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "decode/MessageDecoder.h"

namespace orbel {

// Adds the fields of the SAP filter message in `body`, whose first byte
// lies at `base` in the decoded input; notes why when it cannot.
void addSapFilterFields(std::span<const std::uint8_t> body, std::size_t base, std::vector<DecodedField>& fields,
                        std::vector<std::string>& notes);

// The display-filter message of the HLS filter dialog (types 1, 2, 4, 5, or
// type 3 without values), and its fields.
bool isDisplayFilterPayload(std::span<const std::uint8_t> body);
void addDisplayFilterFields(std::span<const std::uint8_t> body, std::size_t base, std::vector<DecodedField>& fields,
                            std::vector<std::string>& notes);

bool looksLikeSapFilterMessage(std::span<const std::uint8_t> bytes);
DecodedMessage decodeSapFilterMessage(std::span<const std::uint8_t> bytes);

// "HLSF" at the start, or a first frame (F3 64, numbered 1) without the file header.
bool looksLikeHlsFilterFile(std::span<const std::uint8_t> bytes);
DecodedMessage decodeHlsFilterFile(std::span<const std::uint8_t> bytes);

}  // namespace orbel
