#include "orbel/diag/enquiry/CDiagEnqCntDlg.h"

#include "orbel/builders/ModuleLifetime.h"

// Nothing is chosen until the engineer picks a module; every module starts
// again at all instances, and only CC and PDH let the engineer name one.
CDiagEnqCntDlg::CDiagEnqCntDlg(tk::CWnd* parent)
    : CatalogueEnquiryDlg(orbel::dialogTemplate("CDiagEnqCntDlg", "Counter Enquiry"), parent,
                          {.catalogue = orbel::counterEnquiryCatalogue(),
                           .primitive = orbel::PrimitiveId::CounterEnquiry,
                           .takesPresetValue = true,
                           .modules = {"MAC", "RRC", "MM", "GMM", "CC", "PDH"},
                           .modulesPerRow = 6,
                           .entryCaption = "&Counter:",
                           .instanceRule = InstanceRule::ResetForEveryModule,
                           .instanceRows = {4, 5},
                           .instanceTemplateText = "0xffff",
                           .instanceOpenInTemplate = false,
                           .startUp = StartUp::NothingChosen,
                           .okWaitsForInstance = false,
                           .noInstanceText = "No instance id"}) {}

CDiagEnqCntDlg::~CDiagEnqCntDlg() = default;

unsigned char* CDiagEnqCntDlg::GetDiagCmd(unsigned int* len) { return buildEnquiry(len); }
bool CDiagEnqCntDlg::OnInitDialog() { return CatalogueEnquiryDlg::OnInitDialog(); }
void CDiagEnqCntDlg::OnOK() { CatalogueEnquiryDlg::OnOK(); }
int CDiagEnqCntDlg::UpdateCombox() { return showModule(); }

void CDiagEnqCntDlg::OnDiagCounterEnqMacRadio() { OnModuleRadio(0); }
void CDiagEnqCntDlg::OnDiagCounterEnqRrcRadio() { OnModuleRadio(1); }
void CDiagEnqCntDlg::OnDiagCounterEnqMmRadio() { OnModuleRadio(2); }
void CDiagEnqCntDlg::OnDiagCounterEnqGmmRadio() { OnModuleRadio(3); }
void CDiagEnqCntDlg::OnDiagCounterEnqCcRadio() { OnModuleRadio(4); }
void CDiagEnqCntDlg::OnDiagCounterEnqPdhRadio() { OnModuleRadio(5); }
void CDiagEnqCntDlg::OnSelchangeDiagCounterEnqTimerIdCombx() { OnSelchangeEntry(); }
void CDiagEnqCntDlg::OnChangeDiagCounterEnqInstEdit() { OnChangeInstance(); }
