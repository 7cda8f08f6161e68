// The layer-2 selection of a configuration state block or a save-as record
// as out-values: the four layer flags and the ticked SAP identities of each
// page, under names with an optional prefix ("macOn", or "l2MacOn").
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "orbel/config/L2SapTables.h"
#include "runner/ExportTable.h"

namespace orbel::runner {

// "1101 1102 2300" for the ticked items, "none" when none is.
template <std::size_t N>
std::string tickedSaps(std::span<const std::uint32_t> saps, const std::array<std::uint32_t, N>& ticks) {
  std::string text;
  for (std::size_t item = 0; item < N; ++item)
    if (ticks[item] != 0) text += (text.empty() ? "" : " ") + std::to_string(saps[item]);
  return text.empty() ? "none" : text;
}

// `Selection` has the members macOn, rlcOn, pdcpOn, bmcOn, macSap, rlcSap,
// pdcpSap and bmcSap.
template <typename Selection>
void appendL2Selection(std::vector<std::pair<std::string, OutValue>>& out, const std::string& prefix,
                       const Selection& selection) {
  const auto name = [&](std::string field) {
    if (!prefix.empty()) field[0] = static_cast<char>(field[0] - 'a' + 'A');
    return prefix + field;
  };
  const auto number = [](std::uint32_t value) { return OutValue(std::int64_t{value}); };
  out.emplace_back(name("macOn"), number(selection.macOn));
  out.emplace_back(name("rlcOn"), number(selection.rlcOn));
  out.emplace_back(name("pdcpOn"), number(selection.pdcpOn));
  out.emplace_back(name("bmcOn"), number(selection.bmcOn));
  out.emplace_back(name("macSap"), tickedSaps(l2::kMacSaps, selection.macSap));
  out.emplace_back(name("rlcSap"), tickedSaps(l2::kRlcSaps, selection.rlcSap));
  out.emplace_back(name("pdcpSap"), tickedSaps(l2::kPdcpSaps, selection.pdcpSap));
  out.emplace_back(name("bmcSap"), number(selection.bmcSap));
}

}  // namespace orbel::runner
