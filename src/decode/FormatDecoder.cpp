#include "decode/FormatDecoder.h"

#include <array>

#include "decode/FilterFormats.h"
#include "decode/L1Formats.h"
#include "decode/L2Formats.h"
#include "decode/PrimitiveFormats.h"
#include "decode/ScenarioFormats.h"

namespace orbel {
namespace {

bool always(std::span<const std::uint8_t>) { return true; }

// Most specific first; the diagnostic message takes whatever is left.
constexpr std::array kFormats{
    FormatDecoder{"hls-file", looksLikeHlsFilterFile, decodeHlsFilterFile},
    FormatDecoder{"l1file", looksLikeL1FilterFile, decodeL1FilterFileFormat},
    FormatDecoder{"sap-filter", looksLikeSapFilterMessage, decodeSapFilterMessage},
    FormatDecoder{"l1frame", looksLikeL1CommandFrame, decodeL1CommandFrameFormat},
    FormatDecoder{"l1message", looksLikeL1Message, decodeL1MessageFormat},
    FormatDecoder{"l1config", looksLikeL1FilterConfig, decodeL1FilterConfigFormat},
    FormatDecoder{"l2file", looksLikeL2ConfigFile, decodeL2ConfigFileFormat},
    FormatDecoder{"l2state", looksLikeL2ConfigState, decodeL2ConfigStateFormat},
    FormatDecoder{"l2record", looksLikeL2SapRecord, decodeL2SapRecordFormat},
    FormatDecoder{"pcf", looksLikePcfFile, decodePcfFile},
    FormatDecoder{"kscl", looksLikeScenarioFile, decodeScenarioFile},
    FormatDecoder{"ksc", looksLikeScenarioCommandFile, decodeScenarioCommandFile},
    FormatDecoder{"diag", always, decodeDiagMessage},
};

}  // namespace

std::span<const FormatDecoder> formatDecoders() { return kFormats; }

std::optional<DecodedMessage> decodeAny(std::span<const std::uint8_t> bytes, std::string_view format) {
  for (const FormatDecoder& decoder : kFormats)
    if (format.empty() ? decoder.recognises(bytes) : decoder.name == format) return decoder.decode(bytes);
  return std::nullopt;
}

}  // namespace orbel
