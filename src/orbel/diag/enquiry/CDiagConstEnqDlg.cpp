#include "orbel/diag/enquiry/CDiagConstEnqDlg.h"

#include "orbel/builders/ModuleLifetime.h"

// No pre-set value. Nothing is chosen until the engineer picks a module;
// every module starts again at all instances, and only RLC and PDH let the
// engineer name one.
CDiagConstEnqDlg::CDiagConstEnqDlg(tk::CWnd* parent)
    : CatalogueEnquiryDlg(orbel::dialogTemplate("CDiagConstEnqDlg", "Constant Enquiry"), parent,
                          {.catalogue = orbel::constantEnquiryCatalogue(),
                           .primitive = orbel::PrimitiveId::ConstantEnquiry,
                           .takesPresetValue = false,
                           .modules = {"MAC", "RLC", "RRC", "PDH"},
                           .modulesPerRow = 4,
                           .entryCaption = "&Constants:",
                           .instanceRule = InstanceRule::ResetForEveryModule,
                           .instanceRows = {1, 3},
                           .instanceTemplateText = "0xffff",
                           .instanceOpenInTemplate = false,
                           .startUp = StartUp::NothingChosen,
                           .okWaitsForInstance = false,
                           .noInstanceText = "No instance id"}) {}

CDiagConstEnqDlg::~CDiagConstEnqDlg() = default;

unsigned char* CDiagConstEnqDlg::GetDiagCmd(unsigned int* len) { return buildEnquiry(len); }
int CDiagConstEnqDlg::UpdateCombox() { return showModule(); }

void CDiagConstEnqDlg::OnDiagConstEnqMacRadio() { OnModuleRadio(0); }
void CDiagConstEnqDlg::OnDiagConstEnqRlcRadio() { OnModuleRadio(1); }
void CDiagConstEnqDlg::OnDiagConstEnqRrcRadio() { OnModuleRadio(2); }
void CDiagConstEnqDlg::OnDiagConstEnqPdhRadio() { OnModuleRadio(3); }
void CDiagConstEnqDlg::OnSelchangeDiagConstEnqConstIdCombx() { OnSelchangeEntry(); }
void CDiagConstEnqDlg::OnChangeDiagConstEnqInstEdit() { OnChangeInstance(); }
