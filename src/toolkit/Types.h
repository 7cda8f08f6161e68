// Platform types and constants that the dialog interfaces name, as thin
// aliases of our own so that dialog code reads like the toolkit it models.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tk {

using CString = std::string;
// A growable array of 32-bit words.
using CDWordArray = std::vector<std::uint32_t>;

// Results of a modal run and of message boxes.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
// DoModal's result when the dialog could not be created at all.
inline constexpr int kDialogNotCreated = -1;

// Message box styles: the button set in the low nibble, the icon above it.
inline constexpr unsigned MB_OK = 0x0000;
inline constexpr unsigned MB_OKCANCEL = 0x0001;
inline constexpr unsigned MB_YESNOCANCEL = 0x0003;
inline constexpr unsigned MB_YESNO = 0x0004;
inline constexpr unsigned MB_ICONERROR = 0x0010;
inline constexpr unsigned MB_ICONQUESTION = 0x0020;
inline constexpr unsigned MB_ICONWARNING = 0x0030;
inline constexpr unsigned MB_ICONINFORMATION = 0x0040;

}  // namespace tk
