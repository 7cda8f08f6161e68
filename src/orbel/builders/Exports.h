// The library's exported entry points. Builders return a malloc'ed message
// that the caller releases with free(), or null when nothing was built; the
// length goes through `len`, which is left as it was on cancel or failure.
// Nothing throws out of an entry point: a failure inside shows the user a
// message and gives the cancel result (orbel/builders/ExportGuard.h).
#pragma once

#include "orbel/Export.h"

// Timer enquiry. A non-zero value in *len on entry is a pre-set value
// (bits 0-15 instance, 16-23 entry, 24-31 module row) and builds the message
// without showing the dialog.
ORBEL_EXPORT unsigned char* OrbelGetTmrEnqueryBuffer(unsigned int* len);
// Counter enquiry; pre-set value as for the timer enquiry.
ORBEL_EXPORT unsigned char* OrbelGetCountEnqueryBuffer(unsigned int* len);

// Timer and counter setting: a module's timer or counter gets a new value.
// *len on entry is ignored by these and every builder below.
ORBEL_EXPORT unsigned char* OrbelGetTmrSetBuffer(unsigned int* len);
ORBEL_EXPORT unsigned char* OrbelGetCountSetBuffer(unsigned int* len);

// Constant, variable, static information and state-machine enquiries.
ORBEL_EXPORT unsigned char* OrbelGetConstEnqueryBuffer(unsigned int* len);
ORBEL_EXPORT unsigned char* OrbelGetVariableEnqueryBuffer(unsigned int* len);
ORBEL_EXPORT unsigned char* OrbelGetStaticEnqueryBuffer(unsigned int* len);
ORBEL_EXPORT unsigned char* OrbelGetFsmEnqueryBuffer(unsigned int* len);

// Lock cell. Bit 0 of `presetFlags` shows `cellId` (0xFF: any cell), bit 1
// shows `frequency`; `b1` offers and selects mode 3, `b2` selects a locking
// mode, `b3` the TD-SCDMA side, `b4` shows an extra caption. The message
// buffer is allocated with calloc.
ORBEL_EXPORT unsigned char* OrbelGetLockCellBuffer(unsigned int* len, unsigned long presetFlags, unsigned char cellId,
                                                   unsigned short frequency, bool b1, bool b2, bool b3, bool b4);
// Disable request for one protocol task.
ORBEL_EXPORT unsigned char* DiagCmdDisableReqBuffer(unsigned int* len);
// Physical-layer parameter request.
ORBEL_EXPORT unsigned char* OrbelGetPhyParamInfoReqBuffer(unsigned int* len);
// Measurement report interval.
ORBEL_EXPORT unsigned char* GetMeasReportInterval(unsigned int* len);

// SIM command: one of the commands the host defines, with its fields
// filled. After OK *len receives the message length, which is 0 (with a
// null result) when the host's definition makes a field unencodable.
ORBEL_EXPORT unsigned char* OrbelGetSimCmdBuffer(unsigned int* len);

// Layer-1 info report configuration: one of three commands to the
// physical layer.
ORBEL_EXPORT unsigned char* GetL1infoReportCfg(unsigned int* len);
