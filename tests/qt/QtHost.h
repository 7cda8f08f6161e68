// Test support: the Qt toolkit installed for one test, with the library
// started, message boxes answered and logged instead of shown.
#pragma once

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "host/FeatureManager.h"
#include "orbel/builders/ModuleLifetime.h"
#include "toolkit-qt/DialogWindow.h"
#include "toolkit-qt/QtToolkit.h"

namespace orbel::test {

class QtHost {
 public:
  QtHost() : toolkit_(profileFolder_.filePath("profile.ini")), installation_(toolkit_) {
    FeatureManager::Instance().Reset();
    startModule();
    toolkit_.onMessageBox([this](const std::string& text, unsigned) {
      messages_.push_back(text);
      return std::optional<int>(tk::IDOK);
    });
  }
  ~QtHost() { stopModule(); }

  tkqt::QtToolkit& toolkit() { return toolkit_; }
  const std::vector<std::string>& messages() const { return messages_; }

  // Runs `drive` on each dialog window once it is up.
  void drive(std::function<void(tkqt::DialogWindow&)> drive) { toolkit_.onDialogShown(std::move(drive)); }

 private:
  QTemporaryDir profileFolder_;
  tkqt::QtToolkit toolkit_;
  tk::ToolkitInstallation installation_;
  std::vector<std::string> messages_;
};

template <typename Widget>
Widget* widget(tkqt::DialogWindow& window, const char* id) {
  return qobject_cast<Widget*>(window.widgetFor(id));
}

}  // namespace orbel::test
