#include "host/StringTable.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr auto kStrings = std::to_array<std::pair<unsigned, const char*>>({
    {157, "The number after \"0x\" is not a hexadecimal number."},
    {160, "The value is outside its allowed range."},
    {1240, "Only for a dual-mode terminal"},
    {11444, "The cell parameter ID is invalid: enter a number from 0 to 127, or \"-\" for any cell."},
    {11445, "The frequency is invalid: enter a number from 0 to 65535."},
    {11446, "The primitive could not be encoded, decoded, saved or loaded."},
    {12362, "Choose a filter type: the first entry builds no display filter."},
    {12363, "This field or check kind is not supported."},
    {12560, "String"},
    {12561, "Message"},
    {12723, "The BSIC is invalid: enter a number from 0 to 63, or \"-\" for any cell."},
    {12767, "The file already exists. Choose another name."},
    {12768, "The path is too long: it must be shorter than 200 characters."},
    {12930, "The frequency is not a valid TD-SCDMA UARFCN. Supported bands: %s"},
});

static_assert(std::is_sorted(kStrings.begin(), kStrings.end()), "string table must stay sorted by number");

}  // namespace

const char* getResourceStringComm(unsigned int id) {
  auto found = std::lower_bound(kStrings.begin(), kStrings.end(), id,
                                [](const auto& entry, unsigned number) { return entry.first < number; });
  return found != kStrings.end() && found->first == id ? found->second : "";
}
