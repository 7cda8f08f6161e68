// The SIM command builder.
#include "orbel/builders/DialogBuilder.h"
#include "orbel/builders/Exports.h"
#include "orbel/diag/sim/CDiagSimCmdDlg.h"

unsigned char* OrbelGetSimCmdBuffer(unsigned int* len) { return orbel::buildWithDialog<CDiagSimCmdDlg>(len); }
