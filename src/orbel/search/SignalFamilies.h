// The signal families and message names the trace search offers, read from
// the codec library's signal-name tables, and the filter that keeps
// placeholder names out of the message list.
#pragma once

#include <string>
#include <vector>

namespace orbel {

// The RRC families, then the NAS families, then "GSM" while the GSM codec is present.
std::vector<std::string> signalFamilyNames();
// The message names of the family at `position` of that list, unfiltered;
// none for a position outside it.
std::vector<std::string> messageNamesOfFamily(int position);
// The names a user may search for, in order: placeholders ("Reserv...",
// "Unknow...", "spare..." in any case, "Invalid", names containing "NULL")
// dropped, a name with a blank enclosed in double quotes.
std::vector<std::string> offeredMessageNames(const std::vector<std::string>& names);

}  // namespace orbel
