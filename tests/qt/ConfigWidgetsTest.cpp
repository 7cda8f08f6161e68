// The other-parameter and AMR voice-path dialogs driven through their real
// widgets: each export returns what the scripted run of the same actions
// returns, and the widgets show the model's greyed and closed fields.
#include <gtest/gtest.h>

#include <QDir>

#include "orbel/builders/ParamConfigExports.h"
#include "qt/QtHost.h"
#include "support/ScopedFeatures.h"

namespace {

using namespace orbel::test;

std::string otherParamMessage() {
  int length = 0;
  unsigned char* message = GetOtherParamCfg(1, length);
  return message == nullptr ? "null" : orbel::toHex(takeBuffer(message, static_cast<unsigned int>(length)));
}

TEST(ConfigWidgets, OtherParametersByMouseGiveTheScriptedMessage) {
  std::string qt;
  bool fitsTheScreen = false;
  bool hsdpaGreyed = false;
  {
    QtHost host;
    ScopedFeatures switches({122, 143, 144, 145, 146});
    host.drive([&](tkqt::DialogWindow& window) {
      fitsTheScreen = window.width() <= 1280 && window.height() <= 720;
      hsdpaGreyed = !widget<QCheckBox>(window, "param.b0")->isEnabled();
      clickOn(window, "selectnone");
      EXPECT_FALSE(checked(window, "param.01"));
      clickOn(window, "param.0b");
      clickOn(window, "param.d8");
      clickOn(window, "param.b0");  // greyed: refused
      QTest::keyClick(&window, Qt::Key_Return);
    });
    qt = otherParamMessage();
  }
  EXPECT_TRUE(fitsTheScreen);
  EXPECT_TRUE(hsdpaGreyed);
  EXPECT_NE(qt.find("04 00 03 0B 0D D8 00 00 00 00"), std::string::npos) << qt;

  ScriptedHost scripted(
      dialogScript("COtherParamCfgDlg", {click("selectnone"), click("param.0b"), click("param.d8"), click("ok")}));
  ScopedFeatures switches({122, 143, 144, 145, 146});
  EXPECT_EQ(otherParamMessage(), qt);
}

std::string amrRecord(int result, const SaveAmrVpParam& param) {
  std::string text = std::to_string(result) + ":";
  for (auto flag : param.itemFlags) text += std::to_string(flag);
  return text + " " + std::to_string(param.rangeFlag) + " " + std::to_string(param.firstNumber) + " " +
         std::to_string(param.secondNumber) + " " + param.path;
}

TEST(ConfigWidgets, AmrVoicePathByMouseAndKeyboardGivesTheScriptedRecord) {
  CurrentFolderGuard folderGuard;
  const std::string path = (QDir::tempPath() + "/orbel-qt-amr.AmrVp").toStdString();
  std::string qt;
  {
    QtHost host;
    int fileDialogs = 0;
    host.toolkit().onFileDialog([&](const tk::FileDialogRequest& request) {
      EXPECT_EQ(request.filter, "AMR VP file (*.AmrVp)|*.AmrVp||");
      // The first is cancelled: the dialog stays open.
      return std::optional<std::optional<std::string>>(fileDialogs++ == 0 ? std::nullopt : std::optional(path));
    });
    host.drive([](tkqt::DialogWindow& window) {
      auto* first = widget<QLineEdit>(window, "first");
      EXPECT_FALSE(first->isEnabled());
      clickOn(window, "item.3");
      clickOn(window, "range");
      EXPECT_TRUE(first->isEnabled());
      typeOver(first, "-5");
      typeOver(widget<QLineEdit>(window, "second"), "40");
      clickOn(window, "ok");
      EXPECT_TRUE(window.isVisible());
      QTest::keyClick(&window, Qt::Key_Return);
    });
    SaveAmrVpParam param;
    const int result = GetAmrVpCfg(param);
    qt = amrRecord(result, param);
    EXPECT_EQ(fileDialogs, 2);
  }
  EXPECT_EQ(qt, "1:001000000 1 -5 40 " + path);

  tk::Script script = dialogScript("CSaveAmrVpDlg", {click("item.3"), click("range"), set("first", "-5"),
                                                     set("second", "40"), click("ok"), click("ok")});
  script.files = {std::nullopt, path};
  ScriptedHost scripted(script);
  SaveAmrVpParam param;
  const int result = GetAmrVpCfg(param);
  EXPECT_EQ(amrRecord(result, param), qt);
}

}  // namespace
