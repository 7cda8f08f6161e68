#include "orbel/config/COtherParamCfgDlg.h"

#include <algorithm>
#include <span>
#include <string>

#include "host/FeatureManager.h"
#include "orbel/builders/ExportGuard.h"
#include "orbel/builders/ModuleLifetime.h"
#include "orbel/config/OtherParamTable.h"
#include "orbel/wire/DiagMessage.h"
#include "orbel/wire/HexText.h"
#include "orbel/wire/StackModules.h"
#include "toolkit/Toolkit.h"

namespace {

constexpr char kSettingsSection[] = "Settings";
constexpr char kConfigKey[] = "OtherParamConfig";
constexpr std::size_t kMaxConfigSize = 256;

bool offered(const orbel::OtherParamRow& row) { return FeatureManager::Instance().GetFeature(row.featureSwitch); }

void appendCodes(std::vector<unsigned char>& config, const orbel::OtherParamRow& row) {
  config.push_back(row.code);
  if (row.secondCode != 0) config.push_back(row.secondCode);
}

// "0B" for captions, "0b" for control ids.
std::string hexCode(std::uint8_t code, bool upper = true) {
  return orbel::toHex(std::span<const std::uint8_t>(&code, 1), upper ? " " : "");
}

std::string tooltipOf(const orbel::OtherParamRow& row) {
  std::string codes = "Parameter code 0x" + hexCode(row.code);
  if (row.secondCode != 0) codes = "Parameter codes 0x" + hexCode(row.code) + " and 0x" + hexCode(row.secondCode);
  return codes + "\nOffered while feature switch " + std::to_string(row.featureSwitch) + " is on" +
         (row.inDefault ? "\nPart of the default selection" : "");
}

}  // namespace

COtherParamCfgDlg::COtherParamCfgDlg(tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("COtherParamCfgDlg", "Other Radio Parameters"), parent), m_config(LoadConfig()) {
  const auto rows = orbel::otherParamRows();
  for (const orbel::OtherParamRow& row : rows) {
    tk::CheckBox& box = m_paramChecks.emplace_back("param." + hexCode(row.code, false), std::string(row.caption));
    box.setTooltip(tooltipOf(row));
  }

  m_selectAllButton.onClicked = [this] { OnSelectAll(); };
  m_selectNoneButton.onClicked = [this] { OnSelectNone(); };
  m_selectDefaultButton.onClicked = [this] { OnSelectDefault(); };
  m_restoreButton.onClicked = [this] { OnRestore(); };
  m_selectDefaultButton.setTooltip("Tick the parameters of the default selection");
  m_restoreButton.setTooltip("Tick the parameters of the stored selection again");

  // One group per feature switch, its boxes in table order down columns
  // that differ in height by one box at most.
  auto groupOf = [&](int featureSwitch) {
    const auto groups = orbel::otherParamGroups();
    const auto found = std::find_if(groups.begin(), groups.end(), [&](const orbel::OtherParamGroup& group) {
      return group.featureSwitch == featureSwitch;
    });
    std::vector<tk::CheckBox*> boxes;
    for (std::size_t i = 0; i < rows.size(); ++i)
      if (rows[i].featureSwitch == featureSwitch) boxes.push_back(&m_paramChecks[i]);
    const std::size_t columns = static_cast<std::size_t>(found->columns);
    std::vector<tk::LayoutNode> columnNodes;
    for (std::size_t column = 0, next = 0; column < columns; ++column) {
      const std::size_t height = boxes.size() / columns + (column < boxes.size() % columns ? 1 : 0);
      std::vector<tk::LayoutNode> items;
      for (std::size_t i = 0; i < height; ++i) items.push_back(tk::item(*boxes[next++]));
      items.push_back(tk::stretch());
      columnNodes.push_back(tk::column(std::move(items)));
    }
    return tk::group(std::string(found->caption), {tk::row(std::move(columnNodes))});
  };
  // Scripts and descriptions list the boxes in table order, then the buttons.
  std::vector<tk::Control*> order;
  for (tk::CheckBox& box : m_paramChecks) order.push_back(&box);
  order.insert(order.end(), {&m_selectAllButton, &m_selectNoneButton, &m_selectDefaultButton, &m_restoreButton});
  setLayout(
      {
          groupOf(122),
          tk::row({tk::column({groupOf(147), groupOf(146)}), groupOf(144), groupOf(145)}),
          tk::row({tk::item(m_selectAllButton), tk::item(m_selectNoneButton), tk::item(m_selectDefaultButton),
                   tk::item(m_restoreButton), tk::stretch()}),
      },
      std::move(order));
}

COtherParamCfgDlg::~COtherParamCfgDlg() = default;

void COtherParamCfgDlg::checkConfig(std::vector<unsigned char>& config) {
  if (config.empty()) {
    config.push_back(0);
    return;
  }
  if (config.size() > kMaxConfigSize) config.resize(kMaxConfigSize);
  config[0] = static_cast<unsigned char>(config.size() - 1);
}

std::vector<unsigned char> COtherParamCfgDlg::LoadConfig() {
  std::optional<std::vector<std::uint8_t>> stored;
  if (tk::Toolkit* toolkit = tk::installedToolkit())
    stored = toolkit->profile().getBinary(kSettingsSection, kConfigKey);
  // A value that is not whole hex bytes reads as absent: the default is sent
  // rather than bytes the profile never held.
  std::vector<unsigned char> config =
      stored ? std::vector<unsigned char>(stored->begin(), stored->end()) : GetDefaultConfig();
  checkConfig(config);
  return config;
}

void COtherParamCfgDlg::SaveConfig(const std::vector<unsigned char>& config) {
  orbel::guardExport([&] {
    if (tk::Toolkit* toolkit = tk::installedToolkit())
      toolkit->profile().writeBinary(kSettingsSection, kConfigKey, {config.begin(), config.end()});
  });
}

std::vector<unsigned char> COtherParamCfgDlg::GetDefaultConfig() {
  std::vector<unsigned char> config{0};
  for (const orbel::OtherParamRow& row : orbel::otherParamRows())
    if (row.inDefault) appendCodes(config, row);
  checkConfig(config);
  return config;
}

void COtherParamCfgDlg::UpdateUi(const std::vector<unsigned char>& config, bool all) {
  const std::span<const unsigned char> codes =
      config.empty() ? std::span<const unsigned char>() : std::span(config).subspan(1);
  // 0 stands for a row's missing second code, so a zero byte in a
  // configuration must not tick every one-code row.
  auto holds = [&](std::uint8_t code) {
    return code != 0 && std::find(codes.begin(), codes.end(), code) != codes.end();
  };
  orbel::guardExport([&] {
    const auto rows = orbel::otherParamRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const bool available = offered(rows[i]);
      const bool ticked = available && (all || holds(rows[i].code) || holds(rows[i].secondCode));
      m_paramChecks[i].setCheck(ticked ? 1 : 0);
      m_paramChecks[i].enable(available);
    }
  });
}

unsigned char* COtherParamCfgDlg::GetFullMsg(int showDialog, int& length) {
  unsigned char* message = orbel::guardExport<unsigned char*>(nullptr, [&]() -> unsigned char* {
    if (showDialog != 0 && DoModal() != tk::IDOK) return nullptr;
    return generateMag(length);
  });
  if (message == nullptr) length = 0;
  return message;
}

bool COtherParamCfgDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  UpdateUi(m_config, false);
  return true;
}

void COtherParamCfgDlg::OnOK() {
  std::vector<unsigned char> config{0};
  const auto rows = orbel::otherParamRows();
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (offered(rows[i]) && m_paramChecks[i].check() == 1) appendCodes(config, rows[i]);
  checkConfig(config);
  m_config = std::move(config);
  SaveConfig(m_config);
  CDialog::OnOK();
}

unsigned char* COtherParamCfgDlg::generateMag(int& length) {
  length = 0;
  if (!FeatureManager::Instance().GetFeature(orbel::kOtherParamMessageSwitch)) return nullptr;
  return orbel::guardExport<unsigned char*>(nullptr, [&] {
    checkConfig(m_config);
    orbel::CommandBuffer message = orbel::frameMessage(orbel::modules::kTask9, orbel::MessageGroup::PhysicalLayer,
                                                       orbel::PrimitiveId::OtherParamConfig, m_config, true);
    unsigned int built = 0;
    unsigned char* bytes = message.handOver(&built);
    length = static_cast<int>(built);
    return bytes;
  });
}

void COtherParamCfgDlg::OnSelectAll() { UpdateUi({0}, true); }
void COtherParamCfgDlg::OnSelectNone() { UpdateUi({0}, false); }
void COtherParamCfgDlg::OnSelectDefault() { UpdateUi(GetDefaultConfig(), false); }
void COtherParamCfgDlg::OnRestore() { UpdateUi(m_config, false); }
