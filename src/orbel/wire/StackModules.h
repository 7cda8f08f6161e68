// The routing bytes of the stack modules that the library's commands go to,
// named once for the dialogs that address them and the decoder that names them.
#pragma once

#include <array>
#include <string_view>

#include "orbel/wire/DiagMessage.h"

namespace orbel::modules {

inline constexpr ModuleId kMac{1, 0};
inline constexpr ModuleId kRlc{1, 1};
inline constexpr ModuleId kRrc{2, 0};
inline constexpr ModuleId kPdh{4, 0};       // its catalogue entries name RABM, PDCP and HC
inline constexpr ModuleId kPdhSub1{4, 1};   // static information enquiry of type 0x21
inline constexpr ModuleId kMm{5, 0};
inline constexpr ModuleId kGmm{5, 1};
inline constexpr ModuleId kCc{6, 0};
inline constexpr ModuleId kSs{6, 1};
inline constexpr ModuleId kSm{6, 2};
inline constexpr ModuleId kGsms{6, 4};
// Task 9 takes lock cell, the measurement report interval, the trace
// filter messages and the other-parameter configuration.
inline constexpr ModuleId kTask9{9, 0};
// Task 0 takes the physical-layer parameter request and the layer-1 info
// report configuration.
inline constexpr ModuleId kTask0{0, 0};
// Layer-1 command frames.
inline constexpr ModuleId kLayer1{0xBB, 0};

struct NamedModule {
  ModuleId module;
  std::string_view name;
};

// The names a decoder shows; modules without a name of their own show as
// "task N".
inline constexpr std::array<NamedModule, 11> kNamedModules{{
    {kMac, "MAC"},
    {kRlc, "RLC"},
    {kRrc, "RRC"},
    {kPdh, "PDH"},
    {kMm, "MM"},
    {kGmm, "GMM"},
    {kCc, "CC"},
    {kSs, "SS"},
    {kSm, "SM"},
    {kGsms, "GSMS"},
    {kLayer1, "layer 1"},
}};

}  // namespace orbel::modules
