#include "host/TdBand.h"

#include <array>

namespace {

struct Band {
  char name;
  unsigned lowMHz;
  unsigned highMHz;
};

constexpr std::array<Band, 3> kBands{{{'A', 2010, 2025}, {'E', 2300, 2400}, {'F', 1880, 1920}}};

// Channels per MHz, and the channels between a band edge and the nearest
// carrier centre (half of the 1.6 MHz channel).
constexpr unsigned kRasterPerMHz = 5;
constexpr unsigned kHalfChannel = 4;

constexpr unsigned lowestUarfcn(const Band& band) { return band.lowMHz * kRasterPerMHz + kHalfChannel; }
constexpr unsigned highestUarfcn(const Band& band) { return band.highMHz * kRasterPerMHz - kHalfChannel; }

static_assert(lowestUarfcn(kBands[0]) == 10054 && highestUarfcn(kBands[0]) == 10121);
static_assert(lowestUarfcn(kBands[2]) == 9404 && highestUarfcn(kBands[2]) == 9596);

}  // namespace

bool TdBand::CheckUarfcn(unsigned int uarfcn) {
  for (const Band& band : kBands)
    if (uarfcn >= lowestUarfcn(band) && uarfcn <= highestUarfcn(band)) return true;
  return false;
}

std::string TdBand::GetAllBandStr() {
  std::string text;
  for (const Band& band : kBands) {
    if (!text.empty()) text += ", ";
    text += std::string(1, band.name) + ": " + std::to_string(band.lowMHz) + '-' + std::to_string(band.highMHz) +
            " MHz (UARFCN " + std::to_string(lowestUarfcn(band)) + '-' + std::to_string(highestUarfcn(band)) + ')';
  }
  return text;
}
