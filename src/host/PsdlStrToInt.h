// Number parsing of the primitive-description runtime.
#pragma once

// Reads a number from at most `limit` characters of `text` (fewer when a NUL
// comes first). Accepted: decimal digits, "0x" followed by hexadecimal
// digits, or "0" followed by octal digits, each optionally after one "-".
// On success returns 0, stores the magnitude in `value` and +1 or -1 in
// `sign`. Anything else, including a magnitude above 32 bits, returns
// non-zero and leaves both outputs untouched.
int PsdlStrToInt(const char* text, int limit, unsigned int* value, int* sign);
