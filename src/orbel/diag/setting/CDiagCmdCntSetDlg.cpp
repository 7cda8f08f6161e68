#include "orbel/diag/setting/CDiagCmdCntSetDlg.h"

#include "orbel/builders/ModuleLifetime.h"

// Counter texts are read as the enquiries read an instance (7 characters
// kept, 6 parsed); the dialog opens on MAC's counters with both fields empty,
// as the template shows them.
CDiagCmdCntSetDlg::CDiagCmdCntSetDlg(tk::CWnd* parent)
    : CatalogueSettingDlg(orbel::dialogTemplate("CDiagCmdCntSetDlg", "Counter Setting"), parent,
                          {.catalogue = orbel::counterSettingCatalogue(),
                           .primitive = orbel::PrimitiveId::CounterSet,
                           .bounds = {7, 6},
                           .modules = {"MAC", "RRC", "MM", "GMM", "CC", "PDH"},
                           .modulesPerRow = 6,
                           .entryCaption = "&Counter:",
                           .noValueText = "No New Value",
                           .instanceStartText = nullptr}) {}

CDiagCmdCntSetDlg::~CDiagCmdCntSetDlg() = default;
