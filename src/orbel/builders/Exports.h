// The library's exported entry points. Builders return a malloc'ed message
// that the caller releases with free(), or null when nothing was built; the
// length goes through `len`, which is left as it was on cancel or failure.
#pragma once

#include "orbel/Export.h"

// Timer enquiry. A non-zero value in *len on entry is a pre-set value
// (bits 0-15 instance, 16-23 entry, 24-31 module row) and builds the message
// without showing the dialog.
ORBEL_EXPORT unsigned char* OrbelGetTmrEnqueryBuffer(unsigned int* len);
// Counter enquiry; pre-set value as for the timer enquiry.
ORBEL_EXPORT unsigned char* OrbelGetCountEnqueryBuffer(unsigned int* len);
