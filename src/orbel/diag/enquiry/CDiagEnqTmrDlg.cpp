#include "orbel/diag/enquiry/CDiagEnqTmrDlg.h"

#include "orbel/builders/ModuleLifetime.h"

// OK waits for the instance field, which only RLC and CC open; the other
// modules show all instances.
CDiagEnqTmrDlg::CDiagEnqTmrDlg(tk::CWnd* parent)
    : CatalogueEnquiryDlg(orbel::dialogTemplate("CDiagEnqTmrDlg", "Timer Enquiry"), parent,
                          {.catalogue = orbel::timerEnquiryCatalogue(),
                           .primitive = orbel::PrimitiveId::TimerEnquiry,
                           .takesPresetValue = true,
                           .modules = {"MAC", "RLC", "RRC", "MM", "GMM", "CC", "SM", "GSMS", "SS"},
                           .modulesPerRow = 5,
                           .entryCaption = "&Timer:",
                           .instanceRule = InstanceRule::ResetWhenClosed,
                           .instanceRows = {1, 5},
                           .instanceTemplateText = "",
                           .instanceOpenInTemplate = true,
                           .startUp = StartUp::FirstModuleAndInstance,
                           .okWaitsForInstance = true,
                           .noInstanceText = "No Instance id"}) {}

CDiagEnqTmrDlg::~CDiagEnqTmrDlg() = default;

unsigned char* CDiagEnqTmrDlg::GetDiagCmd(unsigned int* len) { return buildEnquiry(len); }
bool CDiagEnqTmrDlg::OkIsAvailable() { return CatalogueEnquiryDlg::OkIsAvailable(); }
bool CDiagEnqTmrDlg::OnInitDialog() { return CatalogueEnquiryDlg::OnInitDialog(); }
void CDiagEnqTmrDlg::OnOK() { CatalogueEnquiryDlg::OnOK(); }
int CDiagEnqTmrDlg::UpdateComBox() { return showModule(); }

void CDiagEnqTmrDlg::OnDiagTimerEnqueryModuleIdMacRadio() { OnModuleRadio(0); }
void CDiagEnqTmrDlg::OnModuleIdRlcRadio() { OnModuleRadio(1); }
void CDiagEnqTmrDlg::OnModuleIdRrcRadio() { OnModuleRadio(2); }
void CDiagEnqTmrDlg::OnModuleIdMmRadio() { OnModuleRadio(3); }
void CDiagEnqTmrDlg::OnModuleIdGmmRadio() { OnModuleRadio(4); }
void CDiagEnqTmrDlg::OnModuleIdCcRadio() { OnModuleRadio(5); }
void CDiagEnqTmrDlg::OnModuleIdSmRadio() { OnModuleRadio(6); }
void CDiagEnqTmrDlg::OnModuleIdGsmsRadio() { OnModuleRadio(7); }
void CDiagEnqTmrDlg::OnModuleIdSsRadio() { OnModuleRadio(8); }
void CDiagEnqTmrDlg::OnSelchangeDiagTimerEnqueryTimerIdCombx() { OnSelchangeEntry(); }
void CDiagEnqTmrDlg::OnChangeDiagTimerEnqueryInstIdEdit() { OnChangeInstance(); }
