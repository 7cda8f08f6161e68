// The reportable "other" radio parameters: one row per tick box of the
// other-parameter dialog, in the order the codes appear in a configuration,
// with the feature switch that offers each row and whether it is part of the
// default choice. The decoder names the codes of a configuration by it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace orbel {

struct OtherParamRow {
  std::uint8_t code;
  std::uint8_t secondCode;  // 0: the row has one code
  int featureSwitch;        // the row is offered while this switch is on
  bool inDefault;
  std::string_view caption;
};

// The rows that one feature switch offers, shown together in a group of
// `columns` columns.
struct OtherParamGroup {
  int featureSwitch;
  std::string_view caption;
  int columns;
};

inline constexpr std::size_t kOtherParamRowCount = 66;
// Without this switch no other-parameter message is built at all.
inline constexpr int kOtherParamMessageSwitch = 143;

std::span<const OtherParamRow, kOtherParamRowCount> otherParamRows();
// Every feature switch of the rows once, in the order the dialog shows them.
std::span<const OtherParamGroup> otherParamGroups();

// The caption of the row that carries `code`, empty when no row does.
std::string_view otherParamCaption(std::uint8_t code);

}  // namespace orbel
