#include "HostObjectsPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "runner/FilterHost.h"
#include "runner/HostObjects.h"

namespace orbel::host {
namespace {

constexpr char kCreateMessage[] = "SapFilterManager::CreateMessage";

// "2080, 4200 3039:off": identifiers separated by commas or spaces, each
// enabled unless it ends in ":off".
std::optional<SapList> parseSapList(const QString& text) {
  SapList saps;
  for (const QString& entry : text.split(QRegularExpression("[,\\s]+"), Qt::SkipEmptyParts)) {
    QString number = entry;
    const bool off = number.endsWith(":off", Qt::CaseInsensitive);
    if (off) number.chop(4);
    bool ok = false;
    const unsigned int id = number.toUInt(&ok, 0);
    if (!ok) return std::nullopt;
    saps.emplace_back(id, !off);
  }
  return saps;
}

QString formatSapList(const SapList& saps) {
  QStringList entries;
  for (const auto& [id, enabled] : saps) entries << QString::number(id) + (enabled ? "" : ":off");
  return entries.join(", ");
}

}  // namespace

HostObjectsPanel::HostObjectsPanel(QWidget* parent) : QGroupBox("Host objects", parent) {
  state_ = new QTreeWidget;
  state_->setHeaderLabels({"Object and field", "Value"});
  state_->setRootIsDecorated(false);
  state_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  attributeOn_ = new QCheckBox("&Attribute on");
  attributeOn_->setToolTip("m_attributeOn: attribute byte 2 (not 1) for the built-in and user SAPs in the message");
  standardSet_ = new QCheckBox("S&tandard set");
  standardSet_->setToolTip("m_standardSet: whether the HLS filter dialog adds the standard SAP list");
  auto* userSaps = new QPushButton("&User SAPs...");
  auto* layer2Saps = new QPushButton("La&yer-2 SAPs...");
  auto* message = new QPushButton("Build SAP filter &message");
  message->setToolTip("CreateMessage(false) on the host's manager, shown decoded");
  auto* reset = new QPushButton("R&eset manager");
  reset->setToolTip("Delete the manager; the next use creates one whose built-in SAPs follow feature switch 130");

  connect(attributeOn_, &QCheckBox::toggled, this, [this](bool on) { setAttributeOn(on); });
  connect(standardSet_, &QCheckBox::toggled, this, [this](bool on) { setStandardSet(on); });
  connect(userSaps, &QPushButton::clicked, this, [this] { editSapList(SapListKind::User); });
  connect(layer2Saps, &QPushButton::clicked, this, [this] { editSapList(SapListKind::Layer2); });
  connect(message, &QPushButton::clicked, this, [this] { buildMessage(); });
  connect(reset, &QPushButton::clicked, this, [this] { this->reset(); });

  auto* actions = new QGridLayout;
  actions->addWidget(attributeOn_, 0, 0);
  actions->addWidget(standardSet_, 0, 1);
  actions->addWidget(userSaps, 1, 0);
  actions->addWidget(layer2Saps, 1, 1);
  actions->addWidget(message, 2, 0);
  actions->addWidget(reset, 2, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(state_, 1);
  layout->addLayout(actions);
  refresh();
}

void HostObjectsPanel::refresh() {
  state_->clear();
  const std::vector<runner::HostObject> objects = runner::hostObjectState();
  if (runner::hostSapFilterManager() == nullptr)
    new QTreeWidgetItem(state_, {"SAP filter manager", "none yet: created when first needed"});
  for (const runner::HostObject& object : objects) {
    auto* top = new QTreeWidgetItem(state_, {QString::fromStdString(object.name)});
    top->setFirstColumnSpanned(true);
    for (const auto& [field, value] : object.fields)
      new QTreeWidgetItem(state_, {"    " + QString::fromStdString(field), QString::fromStdString(value)});
  }
  const SapFilterManager* manager = runner::hostSapFilterManager();
  const QSignalBlocker attributeBlocker(attributeOn_);
  const QSignalBlocker standardBlocker(standardSet_);
  attributeOn_->setChecked(manager != nullptr && manager->m_attributeOn);
  standardSet_->setChecked(manager == nullptr || manager->m_standardSet);  // a new manager starts with it set
}

QString HostObjectsPanel::stateText() const {
  QStringList lines;
  for (int i = 0; i < state_->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = state_->topLevelItem(i);
    lines << (item->text(1).isEmpty() ? item->text(0) : item->text(0) + ": " + item->text(1));
  }
  return lines.join('\n');
}

bool HostObjectsPanel::setSapList(SapListKind kind, const QString& text) {
  std::optional<SapList> saps = parseSapList(text);
  if (!saps) return false;
  SapFilterManager& manager = runner::ensureHostSapFilterManager();
  if (kind == SapListKind::User)
    manager.UserSap(*saps);
  else
    manager.L2Sap(*saps);
  refresh();
  return true;
}

void HostObjectsPanel::setAttributeOn(bool on) {
  runner::ensureHostSapFilterManager().m_attributeOn = on;
  refresh();
}

void HostObjectsPanel::setStandardSet(bool on) {
  runner::ensureHostSapFilterManager().m_standardSet = on;
  refresh();
}

void HostObjectsPanel::buildMessage() {
  const runner::ExportInfo* info = runner::findExport(kCreateMessage);
  const runner::ExportOutcome outcome = info->run({});
  refresh();
  if (showOutcome) showOutcome(*info, outcome);
}

void HostObjectsPanel::reset() {
  runner::releaseHostSapFilterManager();
  refresh();
}

void HostObjectsPanel::editSapList(SapListKind kind) {
  SapFilterManager* manager = runner::hostSapFilterManager();
  const bool user = kind == SapListKind::User;
  const QString current = manager == nullptr ? QString() : formatSapList(user ? manager->UserSap() : manager->L2Sap());
  bool ok = false;
  const QString text = QInputDialog::getText(this, user ? "User SAPs" : "Layer-2 SAPs",
                                             "SAP identifiers, e.g. \"2080, 4200 3039:off\" (\":off\" lists one "
                                             "disabled):",
                                             QLineEdit::Normal, current, &ok);
  if (ok && !setSapList(kind, text))
    QMessageBox::warning(this, "Host objects", "Not a list of SAP identifiers: " + text);
}

}  // namespace orbel::host
