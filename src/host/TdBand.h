// The TD-SCDMA frequency bands the terminal supports, and the check that a
// UARFCN names a carrier inside one of them.
//
// A UARFCN is five times the carrier's centre frequency in MHz (a 200 kHz
// raster). A carrier is valid when its whole 1.6 MHz channel lies inside a
// band, so its centre is at least 0.8 MHz from either band edge: band A
// (2010-2025 MHz) takes UARFCN 10054 to 10121, band E (2300-2400 MHz) 11504
// to 11996 and band F (1880-1920 MHz) 9404 to 9596.
#pragma once

#include <string>

class TdBand {
 public:
  // True when `uarfcn` is the centre of a carrier that fits one of the bands.
  static bool CheckUarfcn(unsigned int uarfcn);
  // The supported bands for a message, e.g. "A: 2010-2025 MHz (UARFCN
  // 10054-10121), E: ...".
  static std::string GetAllBandStr();
};
