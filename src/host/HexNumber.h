// Hexadecimal numbers of the host's filter-node library, as the SIM command
// dialog reads values written with "0x".
#pragma once

// True when `text` is one or more hexadecimal digits and nothing else.
bool ishex(const char* text);
// The value of the hexadecimal digits of `text` (stops at the first other
// character); a value above 32 bits gives 0xFFFFFFFF.
unsigned int hextoint(const char* text);
