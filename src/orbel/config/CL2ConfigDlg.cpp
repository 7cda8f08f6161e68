#include "orbel/config/CL2ConfigDlg.h"

#include <algorithm>
#include <span>

#include "orbel/builders/ModuleLifetime.h"
#include "orbel/config/L2ConfigStore.h"
#include "toolkit/Types.h"

namespace {

template <std::size_t N>
void copyTicks(const std::vector<std::uint32_t>& ticks, std::array<std::uint32_t, N>& into) {
  std::copy_n(ticks.begin(), N, into.begin());
}

void appendPairs(SapList& list, std::span<const std::uint32_t> saps, const std::vector<std::uint32_t>& ticks) {
  for (std::size_t item = 0; item < saps.size(); ++item) list.emplace_back(saps[item], ticks[item] != 0);
}

}  // namespace

CL2ConfigDlg::CL2ConfigDlg(SapFilterManager* filter, const orbel::L2ConfigState& state,
                           const orbel::L2SelectAllStates& selectAll, tk::CWnd* parent)
    : CL2ConfigDlg(filter, nullptr, state, selectAll, parent) {}

CL2ConfigDlg::CL2ConfigDlg(orbel::L2SapRecord& record, tk::CWnd* parent)
    : CL2ConfigDlg(nullptr, &record, {}, {}, parent) {}

CL2ConfigDlg::CL2ConfigDlg(SapFilterManager* filter, orbel::L2SapRecord* record, const orbel::L2ConfigState& state,
                           const orbel::L2SelectAllStates& selectAll, tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CL2ConfigDlg", "Layer 2 Configuration"), parent),
      m_state(state),
      m_selectAll(selectAll),
      m_filter(filter),
      m_record(record) {
  m_macBox.onClicked = [this] { OnLayerBox(kMac); };
  m_rlcBox.onClicked = [this] { OnLayerBox(kRlc); };
  m_pdcpBox.onClicked = [this] { OnLayerBox(kPdcp); };
  m_bmcBox.onClicked = [this] { OnLayerBox(kBmc); };
  m_defaultBox.setTooltip(std::string("Keep this configuration in ") + orbel::kL2ConfigFileName);
  m_sheet.onPageChanged = [this] { OnPageChanged(); };
  for (Layer layer : {kMac, kRlc, kPdcp, kBmc}) m_sheet.addPage(page(layer).table().caption, page(layer).content());
  std::vector<tk::Control*> order{&m_macBox, &m_rlcBox, &m_pdcpBox, &m_bmcBox, &m_defaultBox, &m_sheet};
  for (Layer layer : {kMac, kRlc, kPdcp, kBmc})
    for (tk::Control* control : page(layer).controls()) order.push_back(control);
  setLayout({tk::row({tk::item(m_macBox), tk::item(m_rlcBox), tk::item(m_pdcpBox), tk::item(m_bmcBox), tk::stretch(),
                      tk::item(m_defaultBox)}),
             tk::item(m_sheet)},
            std::move(order));
}

CL2ConfigDlg::~CL2ConfigDlg() = default;

CL2SapPage& CL2ConfigDlg::page(Layer layer) {
  switch (layer) {
    case kMac: return m_macPage;
    case kRlc: return m_rlcPage;
    case kPdcp: return m_pdcpPage;
    default: return m_bmcPage;
  }
}

tk::CheckBox& CL2ConfigDlg::layerBox(Layer layer) {
  switch (layer) {
    case kMac: return m_macBox;
    case kRlc: return m_rlcBox;
    case kPdcp: return m_pdcpBox;
    default: return m_bmcBox;
  }
}

orbel::L2SelectAllStates CL2ConfigDlg::selectAllStates() const { return m_selectAll; }

SapFilterManager* CL2ConfigDlg::TakeFilterManager() {
  m_createdFilter.release();  // the caller owns it from now on
  return m_filter;
}

bool CL2ConfigDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_macBox.setCheck(m_state.macOn != 0 ? 1 : 0);
  m_rlcBox.setCheck(m_state.rlcOn != 0 ? 1 : 0);
  m_pdcpBox.setCheck(m_state.pdcpOn != 0 ? 1 : 0);
  m_bmcBox.setCheck(m_state.bmcOn != 0 ? 1 : 0);
  m_defaultBox.setCheck(0);
  if (m_record == nullptr && m_filter == nullptr) {
    m_createdFilter = std::make_unique<SapFilterManager>();
    m_filter = m_createdFilter.get();
  }
  m_macPage.setItemTicks(m_state.macSap);
  m_rlcPage.setItemTicks(m_state.rlcSap);
  m_pdcpPage.setItemTicks(m_state.pdcpSap);
  m_bmcPage.setItemTicks(std::span(&m_state.bmcSap, 1));
  m_macPage.setSelectAllStates({m_selectAll.macAllA, m_selectAll.macAllB}, {});
  m_rlcPage.setSelectAllStates({m_selectAll.rlcAllA, m_selectAll.rlcAllB},
                               {m_selectAll.rlcSubAllA, m_selectAll.rlcSubAllB});
  m_pdcpPage.setSelectAllStates({m_selectAll.pdcpAllA, m_selectAll.pdcpAllB}, {});
  for (Layer layer : {kMac, kRlc, kPdcp, kBmc}) {
    page(layer).OnInitDialog();
    page(layer).EnablePage(layerBox(layer).check() == 1);
  }
  m_sheet.setActivePage(kMac);
  m_defaultBox.show(m_record == nullptr);
  UpdatePointer();
  return true;
}

void CL2ConfigDlg::OnLayerBox(Layer layer) {
  m_sheet.setActivePage(layer);
  page(layer).EnablePage(layerBox(layer).check() == 1);
  UpdatePointer();
}

void CL2ConfigDlg::OnPageChanged() { UpdatePointer(); }

void CL2ConfigDlg::PreTranslateKey(tk::Key key, bool down) {
  if (down) {
    page(static_cast<Layer>(m_sheet.activePage())).PreTranslateKey(key, true);
  } else {
    for (Layer layer : {kMac, kRlc, kPdcp, kBmc}) page(layer).PreTranslateKey(key, false);
  }
  UpdatePointer();
}

void CL2ConfigDlg::UpdatePointer() {
  const bool shift = page(static_cast<Layer>(m_sheet.activePage())).shiftHeld();
  setPointer(shift ? tk::Pointer::SizeAll : tk::Pointer::Arrow);
}

void CL2ConfigDlg::OnOK() {
  if (m_record != nullptr)
    OnOKRecordMode();
  else
    OnOKFilterMode();
  CDialog::OnOK();
}

void CL2ConfigDlg::OnOKFilterMode() {
  const std::vector<std::uint32_t> mac = m_macPage.CollectTicks();
  const std::vector<std::uint32_t> rlc = m_rlcPage.CollectTicks();
  const std::vector<std::uint32_t> pdcp = m_pdcpPage.CollectTicks();
  const std::vector<std::uint32_t> bmc = m_bmcPage.CollectTicks();
  const auto [macAllA, macAllB] = m_macPage.GroupStates();
  const auto [rlcAllA, rlcAllB] = m_rlcPage.GroupStates();
  const auto [rlcSubAllA, rlcSubAllB] = m_rlcPage.SubgroupStates();
  const auto [pdcpAllA, pdcpAllB] = m_pdcpPage.GroupStates();
  m_selectAll = {macAllA, macAllB, rlcAllA, rlcAllB, rlcSubAllA, rlcSubAllB, pdcpAllA, pdcpAllB};

  m_state.macOn = static_cast<std::uint32_t>(m_macBox.check());
  m_state.rlcOn = static_cast<std::uint32_t>(m_rlcBox.check());
  m_state.pdcpOn = static_cast<std::uint32_t>(m_pdcpBox.check());
  m_state.bmcOn = static_cast<std::uint32_t>(m_bmcBox.check());
  m_state.saveAsDefault = static_cast<std::uint32_t>(m_defaultBox.check());

  SapList list;
  if (m_state.macOn != 0) appendPairs(list, orbel::l2::kMacSaps, mac);
  if (m_state.rlcOn != 0) appendPairs(list, orbel::l2::kRlcSaps, rlc);
  if (m_state.pdcpOn != 0) appendPairs(list, orbel::l2::kPdcpSaps, pdcp);
  if (m_state.bmcOn != 0) appendPairs(list, orbel::l2::kBmcSaps, bmc);
  m_filter->L2Sap(list);

  copyTicks(mac, m_state.macSap);
  copyTicks(rlc, m_state.rlcSap);
  copyTicks(pdcp, m_state.pdcpSap);
  m_state.bmcSap = bmc[0];
  // A file that cannot be written is not reported: the dialog still ends with OK.
  if (m_state.saveAsDefault == 1) orbel::saveL2ConfigFile({m_state, m_selectAll});
}

void CL2ConfigDlg::OnOKRecordMode() {
  orbel::L2SapRecord& record = *m_record;
  record.macOn = static_cast<std::uint8_t>(m_macBox.check());
  if (record.macOn != 0) copyTicks(m_macPage.CollectTicks(), record.macSap);
  record.rlcOn = static_cast<std::uint8_t>(m_rlcBox.check());
  if (record.rlcOn != 0) copyTicks(m_rlcPage.CollectTicks(), record.rlcSap);
  record.pdcpOn = static_cast<std::uint8_t>(m_pdcpBox.check());
  if (record.pdcpOn != 0) copyTicks(m_pdcpPage.CollectTicks(), record.pdcpSap);
  record.bmcOn = static_cast<std::uint8_t>(m_bmcBox.check());
  if (record.bmcOn != 0) record.bmcSap = m_bmcPage.CollectTicks()[0];
}

namespace orbel {

void RunL2ConfigRecordMode(std::unique_ptr<L2SapRecord>& record, tk::CWnd* parent) {
  if (!record) record = std::make_unique<L2SapRecord>();
  CL2ConfigDlg dialog(*record, parent);
  dialog.DoModal();
}

}  // namespace orbel
