// Saving a trace filter to an HLS filter file and loading it back, with the
// file dialog settings both filter dialogs use. Failures are told to the
// user in a message box.
#pragma once

#include <vector>

#include "toolkit/Dialog.h"
#include "toolkit/Types.h"

namespace orbel {

inline constexpr char kHlsFilterExtension[] = "flt_HLS";
inline constexpr char kHlsFilterFileFilter[] = "HLS filter file(*.flt_HLS)|*.flt_HLS||";

// Writes `payload` (`length` bytes) as the filter message of an HLS filter
// file. The file is written beside `path` and renamed over it, so a failure
// leaves an existing file as it was. Shows "Save config fail" for a null or
// empty payload or one above 65504 bytes, and "Can not open the file " and
// the path when the file cannot be written.
void SaveHlsFilterFile(const tk::CString& path, const unsigned char* payload, int length, tk::CWnd* owner = nullptr);

// The filter message of the file at `path` (24 + payload bytes, header words
// in host order), or an empty vector after showing "Can not open the file "
// or "File format error: " and the path.
std::vector<unsigned char> LoadHlsFilterFile(const tk::CString& path, tk::CWnd* owner = nullptr);

}  // namespace orbel
