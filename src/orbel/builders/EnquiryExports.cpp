#include "orbel/builders/DialogBuilder.h"
#include "orbel/builders/ExportGuard.h"
#include "orbel/builders/Exports.h"
#include "orbel/diag/enquiry/CDiagCmdFsmEnqDlg.h"
#include "orbel/diag/enquiry/CDiagCmdStaticEnqDlg.h"
#include "orbel/diag/enquiry/CDiagConstEnqDlg.h"
#include "orbel/diag/enquiry/CDiagEnqCntDlg.h"
#include "orbel/diag/enquiry/CDiagEnqTmrDlg.h"
#include "orbel/diag/enquiry/CDiagVarEnqDlg.h"
#include "orbel/diag/enquiry/EnquiryCommand.h"

// The enquiry builders. A pre-set value (timer and counter enquiries only)
// shows nothing, so the pre-set path builds the message without constructing
// a dialog the user would never see.

unsigned char* OrbelGetTmrEnqueryBuffer(unsigned int* len) {
  if (len != nullptr && *len != 0)
    return orbel::guardExport<unsigned char*>(nullptr, [&] {
      return orbel::buildPresetEnquiry(len, orbel::timerEnquiryCatalogue(), orbel::PrimitiveId::TimerEnquiry);
    });
  return orbel::buildWithDialog<CDiagEnqTmrDlg>(len);
}

unsigned char* OrbelGetCountEnqueryBuffer(unsigned int* len) {
  if (len != nullptr && *len != 0)
    return orbel::guardExport<unsigned char*>(nullptr, [&] {
      return orbel::buildPresetEnquiry(len, orbel::counterEnquiryCatalogue(), orbel::PrimitiveId::CounterEnquiry);
    });
  return orbel::buildWithDialog<CDiagEnqCntDlg>(len);
}

unsigned char* OrbelGetConstEnqueryBuffer(unsigned int* len) {
  return orbel::buildWithDialog<CDiagConstEnqDlg>(len);
}

unsigned char* OrbelGetVariableEnqueryBuffer(unsigned int* len) {
  return orbel::buildWithDialog<CDiagVarEnqDlg>(len);
}

unsigned char* OrbelGetStaticEnqueryBuffer(unsigned int* len) {
  return orbel::buildWithDialog<CDiagCmdStaticEnqDlg>(len);
}

unsigned char* OrbelGetFsmEnqueryBuffer(unsigned int* len) {
  return orbel::buildWithDialog<CDiagCmdFsmEnqDlg>(len);
}
