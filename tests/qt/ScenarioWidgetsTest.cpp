// The scenario editor through its real widgets, opened from the Qt host's
// File menu entry: a command is selected in the list, its parameter appears
// in the tree-list, Update rebuilds it and OK ends the editor with 0; the
// tree-list takes no edits once Update has released the variable.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeView>

#include "MainWindow.h"
#include "host/codec/Psdl.h"
#include "orbel/primitive/KovaScenario.h"
#include "orbel/primitive/PsdlCommand.h"
#include "qt/QtHost.h"

namespace {

using namespace orbel::test;

// A scenario of one RRC connection request to simulate, with its default parameter.
std::string writeScenario(const QTemporaryDir& folder) {
  tVLink link(psdl::builtInDescriptions());
  const std::string type = PsdlQueryParameter(&link, 0xFF, 0, 2, 0, 14002);
  EXPECT_FALSE(type.empty());
  PsdlNewVar(&link, type.c_str(), "V");
  PsdlGenerateMsg(&link, "V");
  unsigned char* block = nullptr;
  unsigned int length = 0;
  PsdlGetVarBuf(&link, "V", &block, &length);
  const orbel::CommandBuffer message =
      orbel::buildPsdlMessage({{0xFF, 0, 2, 0}, 13002, 14002}, {block, length}, {}, 0);
  PsdlFreeVar(&link, "V");
  CKovaScenario scenario;
  scenario.append(orbel::CreateScenarioCommand(1, "request", orbel::kScenarioSimulate,
                                               static_cast<std::int32_t>(message.bytes().size()), message.bytes()));
  const std::string path = folder.filePath("one.kscl").toStdString();
  EXPECT_EQ(scenario.SaveFile(path), 0);
  return path;
}

TEST(ScenarioWidgets, TheHostOpensAScenarioAndTheEditorUpdatesACommand) {
  QTemporaryDir folder;
  const std::string path = writeScenario(folder);
  QtHost host;
  orbel::host::MainWindow window(host.toolkit());
  bool editableBefore = false;
  bool editableAfter = true;
  host.drive([&](tkqt::DialogWindow& dialog) {
    auto* commands = widget<QTreeView>(dialog, "commands");
    ASSERT_NE(commands, nullptr);
    commands->setCurrentIndex(commands->model()->index(0, 0));
    QApplication::processEvents();
    auto* params = widget<QTreeView>(dialog, "params");
    ASSERT_NE(params, nullptr);
    EXPECT_GT(params->model()->rowCount(), 0) << "the parameter is shown field by field";
    editableBefore = params->isEnabled();
    clickOn(dialog, "update");
    QApplication::processEvents();
    editableAfter = params->isEnabled();
    clickOn(dialog, "ok");
  });
  window.openScenario(QString::fromStdString(path));
  EXPECT_TRUE(editableBefore);
  EXPECT_FALSE(editableAfter);
  EXPECT_TRUE(window.resultText().contains("returned 0")) << window.resultText().toStdString();
}

}  // namespace
