// The Host menu's dialog: tick the feature switches that are on and the host
// modules that are present; other numbers can be typed in; the folder of the
// application folders. The two filter modules are loaded unless their boxes
// are cleared.
#pragma once

#include <QDialog>

#include "HostSettings.h"

class QCheckBox;
class QListWidget;
class QLineEdit;

namespace orbel::host {

class HostSettingsDialog : public QDialog {
 public:
  HostSettingsDialog(const HostSettings& settings, QWidget* parent);
  HostSettings settings() const;

 private:
  QListWidget* features_;
  QListWidget* modules_;
  QLineEdit* otherFeatures_;
  QLineEdit* otherModules_;
  QLineEdit* dataDir_;
  QCheckBox* hlsFilterModule_;
  QCheckBox* saveAsModule_;
};

}  // namespace orbel::host
