// The main window's view of what the host keeps between export calls: the
// SAP filter manager's lists and flags, with the host's own edits of it
// (user and layer-2 SAPs, the two flags), its SAP filter message and a
// reset. It reads and changes the same object the filter exports receive.
#pragma once

#include <QGroupBox>
#include <functional>

#include "runner/ExportTable.h"

class QCheckBox;
class QTreeWidget;

namespace orbel::host {

class HostObjectsPanel : public QGroupBox {
 public:
  explicit HostObjectsPanel(QWidget* parent = nullptr);

  // Shows the objects as they are now (after every run, and after each edit here).
  void refresh();

  enum class SapListKind { User, Layer2 };
  // Replaces a list of the host's manager, creating the manager when there
  // is none, from "2080, 4200 3039:off" (a SAP ":off" is listed disabled).
  // False, changing nothing, for text that is not such a list.
  bool setSapList(SapListKind kind, const QString& text);
  void setAttributeOn(bool on);
  void setStandardSet(bool on);
  // Builds the manager's SAP filter message through its export, which hands
  // the outcome to `showOutcome`.
  void buildMessage();
  // Deletes the manager; the next use creates a new one.
  void reset();

  QString stateText() const;

  std::function<void(const runner::ExportInfo&, const runner::ExportOutcome&)> showOutcome;

 private:
  void editSapList(SapListKind kind);

  QTreeWidget* state_;
  QCheckBox* attributeOn_;
  QCheckBox* standardSet_;
};

}  // namespace orbel::host
