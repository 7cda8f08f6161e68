#include "orbel/diag/enquiry/CDiagVarEnqDlg.h"

#include "orbel/builders/ModuleLifetime.h"

// No pre-set value. MAC is chosen when the dialog opens; the instance field
// is open and keeps its text for every module.
CDiagVarEnqDlg::CDiagVarEnqDlg(tk::CWnd* parent)
    : CatalogueEnquiryDlg(orbel::dialogTemplate("CDiagVarEnqDlg", "Variable Enquiry"), parent,
                          {.catalogue = orbel::variableEnquiryCatalogue(),
                           .primitive = orbel::PrimitiveId::VariableEnquiry,
                           .takesPresetValue = false,
                           .modules = {"MAC", "RLC", "RRC", "PDH", "MM", "SM"},
                           .modulesPerRow = 6,
                           .entryCaption = "&Variable:",
                           .instanceRule = InstanceRule::KeptForEveryModule,
                           .instanceRows = {},
                           .instanceTemplateText = "0xffff",
                           .instanceOpenInTemplate = true,
                           .startUp = StartUp::FirstModule,
                           .okWaitsForInstance = false,
                           .noInstanceText = "No instance id"}) {}

CDiagVarEnqDlg::~CDiagVarEnqDlg() = default;

unsigned char* CDiagVarEnqDlg::GetDiagCmd(unsigned int* len) { return buildEnquiry(len); }
int CDiagVarEnqDlg::UpdateCombox() { return showModule(); }

void CDiagVarEnqDlg::OnDiagVarEnqMacRadio() { OnModuleRadio(0); }
void CDiagVarEnqDlg::OnDiagVarEnqRlcRadio() { OnModuleRadio(1); }
void CDiagVarEnqDlg::OnDiagVarEnqRrcRadio() { OnModuleRadio(2); }
void CDiagVarEnqDlg::OnDiagVarEnqPdhRadio() { OnModuleRadio(3); }
void CDiagVarEnqDlg::OnDiagVarEnqMmRadio() { OnModuleRadio(4); }
void CDiagVarEnqDlg::OnDiagVarEnqSmRadio() { OnModuleRadio(5); }
void CDiagVarEnqDlg::OnSelchangeDiagVarEnqVarIdCombx() { OnSelchangeEntry(); }
void CDiagVarEnqDlg::OnChangeDiagVarEnqInstEdit() { OnChangeInstance(); }
