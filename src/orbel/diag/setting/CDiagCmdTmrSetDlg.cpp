#include "orbel/diag/setting/CDiagCmdTmrSetDlg.h"

#include "orbel/builders/ModuleLifetime.h"

// The timer dialog reads long values (up to 31 characters, all of them
// parsed) and opens on MAC's timers, all instances, no new value yet.
CDiagCmdTmrSetDlg::CDiagCmdTmrSetDlg(tk::CWnd* parent)
    : CatalogueSettingDlg(orbel::dialogTemplate("CDiagCmdTmrSetDlg", "Timer Setting"), parent,
                          {.catalogue = orbel::timerSettingCatalogue(),
                           .primitive = orbel::PrimitiveId::TimerSet,
                           .bounds = {31, 32},
                           .modules = {"MAC", "RLC", "RRC", "MM", "GMM", "CC", "SM", "GSMS", "SS"},
                           .modulesPerRow = 5,
                           .entryCaption = "&Timer:",
                           .noValueText = "No Timer Interval",
                           .instanceStartText = "0xffff"}) {}

CDiagCmdTmrSetDlg::~CDiagCmdTmrSetDlg() = default;
