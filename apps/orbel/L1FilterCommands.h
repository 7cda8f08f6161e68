// `orbel diff`, `orbel export-text` and `orbel import-text`: layer-1 filter
// files compared by name and turned into a reviewable text and back.
#pragma once

#include <ostream>
#include <string>

namespace orbel::cli {

// Prints the differences of two filter files; 0 when they are equal, 1 when
// they differ. Throws DataError for a file that cannot be read or is no
// layer-1 filter file.
int diffL1Filters(const std::string& first, const std::string& second, std::ostream& out);
// Prints the text form of a filter file. Throws DataError as above.
void exportL1FilterTextCommand(const std::string& file, std::ostream& out);
// Writes the filter file that the text at `textPath` describes to `outPath`
// (atomically). Throws DataError for a text that cannot be read or imported
// and for a file that cannot be written.
void importL1FilterTextCommand(const std::string& textPath, const std::string& outPath);

}  // namespace orbel::cli
