// The scenario editor through its real widgets, opened from the Qt host's
// File menu entry: a command is selected in the list, its parameter appears
// in the tree-list, Update rebuilds it and OK ends the editor with 0; the
// tree-list takes no edits once Update has released the variable. A field
// edited in place and a command added through the picker reach the saved
// file as the scripted runs of the same actions write it.
#include <gtest/gtest.h>

#include <QApplication>

#include "MainWindow.h"
#include "host/codec/Psdl.h"
#include "orbel/builders/ScenarioExports.h"
#include "orbel/primitive/KovaScenario.h"
#include "orbel/primitive/PsdlCommand.h"
#include "qt/QtHost.h"

namespace {

using namespace orbel::test;

// A scenario of `count` commands to simulate the RRC primitive `primitive`
// (frame FF 00 02 00) with its default parameter, each named `name`.
std::string writeScenario(const QTemporaryDir& folder, unsigned primitive, const char* name, int count) {
  tVLink link(psdl::builtInDescriptions());
  const std::string type = PsdlQueryParameter(&link, 0xFF, 0, 2, 0, primitive);
  EXPECT_FALSE(type.empty());
  PsdlNewVar(&link, type.c_str(), "V");
  PsdlGenerateMsg(&link, "V");
  unsigned char* block = nullptr;
  unsigned int length = 0;
  PsdlGetVarBuf(&link, "V", &block, &length);
  const orbel::CommandBuffer message =
      orbel::buildPsdlMessage({{0xFF, 0, 2, 0}, 13002, primitive}, {block, length}, {}, 0);
  PsdlFreeVar(&link, "V");
  CKovaScenario scenario;
  for (int sequence = 1; sequence <= count; ++sequence)
    scenario.append(orbel::CreateScenarioCommand(sequence, name, orbel::kScenarioSimulate,
                                                 static_cast<std::int32_t>(message.bytes().size()), message.bytes()));
  const std::string path = folder.filePath("start.kscl").toStdString();
  EXPECT_EQ(scenario.SaveFile(path), 0);
  return path;
}

// The scripted editor on `start` with `editor`'s actions and those of the
// pickers it opens; returns the list it saved as `saved`.
std::string scriptedSave(const std::string& start, std::vector<tk::ScriptAction> editor,
                         std::vector<std::vector<tk::ScriptAction>> pickers, const std::string& saved) {
  tk::Script script = dialogScript("CPrimtiveCtrlDlg", std::move(editor));
  for (auto& picker : pickers) script.dialogs.push_back({"CPrimitivePickerDlg", std::move(picker)});
  script.files = {saved};
  ScriptedHost scripted(std::move(script));
  tVLink link(psdl::builtInDescriptions());
  EXPECT_EQ(ScenarioFileCreate(&link, start.c_str()), 0);
  EXPECT_TRUE(scripted.toolkit().errors().empty()) << scripted.toolkit().errors().front();
  return fileContents(saved);
}

// The host opens the editor on a scenario; the field edited in place reaches
// the saved list, and Update leaves the tree-list closed to edits.
TEST(ScenarioWidgets, TheHostOpensAScenarioAndAFieldEditedInPlaceChangesOnlyItsBytesInTheSavedList) {
  QTemporaryDir folder;
  // Two BCFE connection requests, already named after their variable so that selecting one renames nothing.
  const std::string start = writeScenario(folder, 14001, "RRC_CONNECT", 2);
  const std::string saved = folder.filePath("saved.kscl").toStdString();
  QtHost host;
  orbel::host::MainWindow window(host.toolkit());
  host.toolkit().onFileDialog([&](const tk::FileDialogRequest&) { return std::optional(std::optional(saved)); });
  host.drive([&](tkqt::DialogWindow& dialog) {
    auto* commands = widget<QTreeView>(dialog, "commands");
    commands->setCurrentIndex(commands->model()->index(1, 0));
    QApplication::processEvents();
    auto* params = widget<QTreeView>(dialog, "params");
    EXPECT_TRUE(params->isEnabled());
    const QModelIndex uarfcn = params->model()->index(0, 1);
    ASSERT_EQ(uarfcn.siblingAtColumn(0).data().toString(), "uarfcn");
    auto* editor = editorOn<QLineEdit>(params, uarfcn);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "10080");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    clickOn(dialog, "update");
    QApplication::processEvents();
    EXPECT_FALSE(params->isEnabled());
    clickOn(dialog, "save.list");
    clickOn(dialog, "ok");
  });
  window.openScenario(QString::fromStdString(start));
  expectContains(window.resultText(), {"returned 0"});

  const std::string before = fileContents(start);
  const std::string after = fileContents(saved);
  ASSERT_EQ(after.size(), before.size());
  // The second record's parameter: after the file header, one record and the second record's
  // head, 20 bytes into its message.
  const std::size_t parameter = 24 + 524 + 268 + 20;
  std::vector<std::size_t> changed;
  for (std::size_t i = 0; i < before.size(); ++i)
    if (before[i] != after[i]) changed.push_back(i);
  ASSERT_FALSE(changed.empty()) << "the edit reached the file";
  EXPECT_GE(changed.front(), parameter);
  EXPECT_LT(changed.back(), parameter + 2) << "uarfcn fills the first 16 bits of the parameter";
  EXPECT_EQ(after, scriptedSave(start,
                                {selectItem("commands", {"2"}), setValue("params", {"uarfcn"}, "10080"),
                                 click("update"), click("save.list"), click("ok")},
                                {}, folder.filePath("scripted.kscl").toStdString()));
}

// The picker narrows as the filter is typed; Enter takes the selected row
// and a double-click the row clicked, each added to the editor's list.
TEST(ScenarioWidgets, PrimitivesChosenInThePickerWithEnterOrADoubleClickAreAdded) {
  QTemporaryDir folder;
  const std::string start = folder.filePath("none.kscl").toStdString();
  const std::string saved = folder.filePath("saved.kscl").toStdString();
  QtHost host;
  host.toolkit().onFileDialog([&](const tk::FileDialogRequest&) { return std::optional(std::optional(saved)); });
  int picked = 0;
  int rowsLeft = -1;
  int commandsAfter = -1;
  host.drive([&](tkqt::DialogWindow& dialog) {
    if (dialog.dialog().className() == "CPrimitivePickerDlg") {
      QTest::keyClicks(widget<QLineEdit>(dialog, "filter"), "setup");
      auto* primitives = widget<QTreeView>(dialog, "primitives");
      rowsLeft = primitives->model()->rowCount();
      const QRect row = primitives->visualRect(primitives->model()->index(picked, 0));
      if (picked++ == 0) {
        EXPECT_TRUE(enterKeepsOpen(dialog)) << "Enter chooses nothing before a primitive is selected";
        QTest::mouseClick(primitives->viewport(), Qt::LeftButton, {}, row.center());
        EXPECT_FALSE(enterKeepsOpen(dialog));
      } else {
        // A double-click: a first click, then the second one that the view reports as a double-click.
        QTest::mouseClick(primitives->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(primitives->viewport(), Qt::LeftButton, {}, row.center());
      }
      return;
    }
    clickOn(dialog, "add");
    clickOn(dialog, "add");
    QApplication::processEvents();
    commandsAfter = widget<QTreeView>(dialog, "commands")->model()->rowCount();
    clickOn(dialog, "save.list");
    clickOn(dialog, "ok");
  });
  tVLink link(psdl::builtInDescriptions());
  ASSERT_EQ(ScenarioFileCreate(&link, start.c_str()), 0);
  EXPECT_EQ(rowsLeft, 2) << "RRC_CONNECTION_SETUP and CC_SETUP";
  EXPECT_EQ(commandsAfter, 2);
  EXPECT_EQ(fileContents(saved), scriptedSave(start, {click("add"), click("add"), click("save.list"), click("ok")},
                                           {{selectItem("primitives", {"RRC_CONNECTION_SETUP"}), click("ok")},
                                            {selectItem("primitives", {"CC_SETUP"}), click("ok")}},
                                           folder.filePath("scripted.kscl").toStdString()));
}

}  // namespace
