#include "orbel/config/OtherParamTable.h"

#include <array>

namespace orbel {
namespace {

constexpr int kTdScdma = 122;
constexpr int kHsupa = 144;
constexpr int kGsm = 145;
constexpr int kPowerControl = 146;
constexpr int kHsdpa = 147;

constexpr std::array<OtherParamRow, kOtherParamRowCount> kRows{{
    {0x01, 0, kTdScdma, true, "Serving cell identity"},
    {0x02, 0, kTdScdma, true, "Working frequency (UARFCN)"},
    {0x04, 0, kTdScdma, true, "Cell parameter ID"},
    {0x06, 0, kTdScdma, true, "P-CCPCH RSCP"},
    {0x08, 0, kTdScdma, true, "UpPTS transmit power"},
    {0x09, 0, kTdScdma, true, "Timeslot ISCP"},
    {0x10, 0, kTdScdma, true, "UE transmit power"},
    {0x20, 0, kTdScdma, true, "Uplink SIR target"},
    {0x30, 0, kTdScdma, true, "Downlink SIR"},
    {0x31, 0, kTdScdma, true, "Path loss"},
    {0x40, 0, kTdScdma, true, "Transport channel BLER"},
    {0x50, 0, kTdScdma, true, "Timing advance"},
    {0x51, 0, kTdScdma, false, "RLC uplink throughput"},
    {0x52, 0, kTdScdma, false, "RLC downlink throughput"},
    {0x53, 0, kTdScdma, false, "MAC uplink throughput"},
    {0x54, 0, kTdScdma, false, "MAC downlink throughput"},
    {0x21, 0, kTdScdma, true, "DPCH RSCP"},
    {0x41, 0, kTdScdma, true, "Transport format (TFCI)"},
    {0x60, 0, kTdScdma, true, "Intra-frequency cells"},
    {0x70, 0, kTdScdma, true, "Inter-frequency cells"},
    {0x80, 0, kTdScdma, true, "GSM neighbour cells"},
    {0x90, 0, kTdScdma, true, "RRC state"},
    {0xA0, 0, kTdScdma, true, "Active radio bearers"},
    {0x05, 0, kTdScdma, true, "Carrier RSSI"},
    {0x0A, 0, kTdScdma, true, "Frequency offset"},
    {0x0B, 0x0D, kTdScdma, true, "DPCH timeslots (UL and DL)"},
    {0xE1, 0, kTdScdma, false, "Cell reselection count"},
    {0xE2, 0, kTdScdma, false, "Handover count"},
    {0xE3, 0, kTdScdma, false, "Call drop count"},
    {0xE4, 0, kTdScdma, false, "Random access count"},
    {0x0C, 0, kTdScdma, true, "Midamble configuration"},
    {0xB0, 0, kHsdpa, true, "HS-SCCH decode rate"},
    {0xB1, 0, kHsdpa, true, "CQI report"},
    {0xB2, 0, kHsdpa, true, "HS-DSCH throughput"},
    {0xB3, 0, kHsdpa, true, "HS-PDSCH code use"},
    {0xB4, 0, kHsdpa, true, "HARQ retransmissions"},
    {0xB5, 0, kHsdpa, true, "HS-DSCH BLER"},
    {0xB6, 0, kHsdpa, true, "HS-SICH transmit power"},
    {0xB7, 0, kHsdpa, true, "Modulation (QPSK/16QAM)"},
    {0xC0, 0, kHsupa, false, "E-AGCH grants"},
    {0xC1, 0, kHsupa, false, "E-RUCCH access"},
    {0xC2, 0, kHsupa, false, "E-HICH ACK/NACK"},
    {0xC3, 0, kHsupa, true, "E-PUCH transmit power"},
    {0xC4, 0, kHsupa, true, "E-TFC selection"},
    {0xC6, 0, kHsupa, true, "Serving grant"},
    {0xC7, 0, kHsupa, true, "E-DCH throughput"},
    {0xC8, 0, kHsupa, true, "E-DCH retransmissions"},
    {0xC9, 0, kHsupa, true, "E-PUCH timeslots"},
    {0xCA, 0, kHsupa, true, "E-DCH BLER"},
    {0xCB, 0, kHsupa, true, "Scheduling information"},
    {0xC5, 0, kPowerControl, true, "E-PUCH power headroom"},
    {0x42, 0, kPowerControl, true, "Uplink TPC commands"},
    {0x43, 0, kPowerControl, true, "Downlink TPC commands"},
    {0xDA, 0, kGsm, true, "GSM serving cell"},
    {0xDB, 0, kGsm, true, "RXLEV and RXQUAL"},
    {0xDC, 0, kGsm, true, "GSM timing advance"},
    {0xDD, 0, kGsm, true, "GSM neighbour cells (BA)"},
    {0xD0, 0, kGsm, true, "GSM channel description"},
    {0xD1, 0, kGsm, false, "C1/C2 reselection values"},
    {0xD2, 0, kGsm, false, "GSM handover events"},
    {0xD3, 0, kGsm, false, "GPRS coding scheme"},
    {0xD4, 0, kGsm, false, "EGPRS modulation and coding"},
    {0xD5, 0, kGsm, false, "GSM transmit power level"},
    {0xD6, 0, kGsm, true, "BSIC decoding"},
    {0xD7, 0, kGsm, true, "GSM measurement reports"},
    {0xD8, 0, kGsm, true, "GSM cell reselection"},
}};

constexpr std::array<OtherParamGroup, 5> kGroups{{
    {kTdScdma, "TD-SCDMA cell and link", 5},
    {kHsdpa, "HSDPA", 1},
    {kPowerControl, "Uplink power control", 1},
    {kHsupa, "HSUPA", 2},
    {kGsm, "GSM", 2},
}};

constexpr std::size_t defaultCodeCount() {
  std::size_t count = 0;
  for (const OtherParamRow& row : kRows)
    if (row.inDefault) count += row.secondCode == 0 ? 1 : 2;
  return count;
}

// Every code names one parameter; 0 is never a code (it marks "no second code").
constexpr bool codesAreDistinct() {
  std::array<bool, 256> seen{};
  for (const OtherParamRow& row : kRows)
    for (std::uint8_t code : {row.code, row.secondCode}) {
      if (code == 0) continue;
      if (seen[code]) return false;
      seen[code] = true;
    }
  for (const OtherParamRow& row : kRows)
    if (row.code == 0) return false;
  return true;
}

constexpr bool everyRowHasItsGroup() {
  for (const OtherParamRow& row : kRows) {
    int groups = 0;
    for (const OtherParamGroup& group : kGroups) groups += group.featureSwitch == row.featureSwitch ? 1 : 0;
    if (groups != 1) return false;
  }
  return true;
}

static_assert(defaultCodeCount() == 51, "the default configuration holds 51 codes");
static_assert(codesAreDistinct());
static_assert(everyRowHasItsGroup());

}  // namespace

std::span<const OtherParamRow, kOtherParamRowCount> otherParamRows() { return kRows; }

std::span<const OtherParamGroup> otherParamGroups() { return kGroups; }

std::string_view otherParamCaption(std::uint8_t code) {
  if (code == 0) return {};
  for (const OtherParamRow& row : kRows)
    if (row.code == code || row.secondCode == code) return row.caption;
  return {};
}

}  // namespace orbel
