#include "HostSettingsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace orbel::host {
namespace {

struct Known {
  int number;
  const char* meaning;
};

// The switches and modules the library asks about.
constexpr Known kFeatures[] = {
    {113, "save-as options"},          {114, "save-as options"},           {116, "save-as options"},
    {122, "other-parameter options"},  {124, "basic layer-1 filter, work mode"}, {130, "basic SAP set"},
    {143, "other-parameter configuration"}, {144, "other-parameter options"}, {145, "other-parameter options"},
    {146, "other-parameter options"},  {147, "other-parameter rows 31 to 38"},
};
constexpr Known kModules[] = {
    {25, "lock cell: BSIC modes"}, {41, "basic layer-1 filter"}, {42, "basic layer-1 filter"}, {47, "basic layer-1 filter"}};

QListWidget* tickList(const Known* known, std::size_t count, const std::set<int>& on, std::set<int>& rest) {
  auto* list = new QListWidget;
  rest = on;
  for (std::size_t i = 0; i < count; ++i) {
    auto* item = new QListWidgetItem(QString("%1  %2").arg(known[i].number).arg(known[i].meaning), list);
    item->setData(Qt::UserRole, known[i].number);
    item->setCheckState(on.contains(known[i].number) ? Qt::Checked : Qt::Unchecked);
    rest.erase(known[i].number);
  }
  return list;
}

std::set<int> ticked(const QListWidget& list, const QLineEdit& other) {
  std::set<int> numbers = splitNumbers(other.text().toStdString());
  for (int row = 0; row < list.count(); ++row)
    if (list.item(row)->checkState() == Qt::Checked) numbers.insert(list.item(row)->data(Qt::UserRole).toInt());
  return numbers;
}

}  // namespace

HostSettingsDialog::HostSettingsDialog(const HostSettings& settings, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Host settings");
  std::set<int> extraFeatures, extraModules;
  features_ = tickList(kFeatures, std::size(kFeatures), settings.features, extraFeatures);
  modules_ = tickList(kModules, std::size(kModules), settings.modules, extraModules);
  otherFeatures_ = new QLineEdit(QString::fromStdString(joinNumbers(extraFeatures)));
  otherModules_ = new QLineEdit(QString::fromStdString(joinNumbers(extraModules)));

  auto* columns = new QHBoxLayout;
  for (auto [title, list, other] : {std::tuple{"&Feature switches on", features_, otherFeatures_},
                                    std::tuple{"Host &modules present", modules_, otherModules_}}) {
    auto* group = new QGroupBox(title);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(list);
    auto* form = new QFormLayout;
    form->addRow("Others:", other);
    layout->addLayout(form);
    columns->addWidget(group);
  }
  dataDir_ = new QLineEdit(QString::fromStdString(settings.dataDir));
  dataDir_->setPlaceholderText("the user's data folder");
  auto* folders = new QFormLayout;
  folders->addRow("&Data folder:", dataDir_);
  hlsFilterModule_ = new QCheckBox("&HLS-filter module loaded (fills the HLS filter dialog's types)");
  hlsFilterModule_->setChecked(settings.hlsFilterModule);
  saveAsModule_ = new QCheckBox("Save-&as module loaded (fills them when the HLS-filter module is not)");
  saveAsModule_->setChecked(settings.saveAsModule);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(folders);
  layout->addWidget(hlsFilterModule_);
  layout->addWidget(saveAsModule_);
  layout->addWidget(buttons);
}

HostSettings HostSettingsDialog::settings() const {
  return {ticked(*features_, *otherFeatures_), ticked(*modules_, *otherModules_),
          dataDir_->text().trimmed().toStdString(), hlsFilterModule_->isChecked(), saveAsModule_->isChecked()};
}

}  // namespace orbel::host
