// The primitive command dialog through its real widgets: an enumeration's
// value picked from the tree-list's drop-down editor (and one left as it
// was with Escape), peer data typed with the box ticked; the export returns the
// bytes of the scripted run of the same actions.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>

#include "MainWindow.h"
#include "host/codec/Psdl.h"
#include "orbel/builders/PrimitiveExports.h"
#include "qt/QtHost.h"

namespace {

using namespace orbel::test;

// The RRC primitive `primitive` (frame FF 00 02 00) built through the dialog; its bytes in hex.
std::string rrcPrimitive(unsigned primitive) {
  tVLink link(psdl::builtInDescriptions());
  return builtHex(
      [&](unsigned int* len) { return OrbelGetPsdlCmdBuffer(&link, 0xFF, 0, 2, 0, 13002, primitive, len); });
}
std::string callConnectionRequest() { return rrcPrimitive(14002); }

// The value cell of the row named `name` under `parent`'s row.
QModelIndex valueOf(const QAbstractItemModel& model, const QModelIndex& parent, const QString& name) {
  return childNamed(model, parent, name, 1);
}

// Picks `choice` in the drop-down editor of `value` and ends the editor with `key`; the choices offered.
QStringList pickInPlace(QTreeView* tree, const QModelIndex& value, const QString& choice, Qt::Key key) {
  auto* combo = editorOn<QComboBox>(tree, value);
  if (combo == nullptr) {
    ADD_FAILURE() << "an enumeration is edited in a drop-down: " << choice.toStdString();
    return {};
  }
  QStringList offered;
  for (int i = 0; i < combo->count(); ++i) offered << combo->itemText(i);
  combo->setCurrentText(choice);
  QTest::keyClick(combo, key);
  QApplication::processEvents();
  return offered;
}

TEST(PrimitiveWidgets, EnumerationsArePickedFromTheDropDownEditor) {
  QtHost host;
  QStringList offered;
  host.drive([&](tkqt::DialogWindow& window) {
    auto* tree = widget<QTreeView>(window, "params");
    offered = pickInPlace(tree, valueOf(*tree->model(), {}, "establishmentCause"), "emergencyCall", Qt::Key_Return);
    const QModelIndex identity = childNamed(*tree->model(), {}, "initialUeIdentity");
    pickInPlace(tree, valueOf(*tree->model(), identity, "identityType"), "imei", Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible()) << "Escape closes the editor, not the dialog";
    pickInPlace(tree, valueOf(*tree->model(), {}, "domainIndicator"), "psDomain", Qt::Key_Return);
    EXPECT_TRUE(window.isVisible()) << "Return commits the editor, not the dialog";
    clickOn(window, "peer.on");
    QTest::keyClicks(widget<QLineEdit>(window, "peer"), "9,8");
    clickOn(window, "ok");
  });
  const std::string qt = callConnectionRequest();
  EXPECT_EQ(offered.size(), 20);
  EXPECT_EQ(offered.value(0), "originatingConversationalCall");
  EXPECT_NE(qt.find(" 02 00 00 00 09 08"), std::string::npos) << qt;
  EXPECT_EQ(scriptedRun(dialogScript("CDiagCmdPsdlDlg", {setValue("params", {"establishmentCause"}, "emergencyCall"),
                                                          setValue("params", {"domainIndicator"}, "psDomain"),
                                                          click("peer.on"), set("peer", "9,8"), click("ok")}),
                        callConnectionRequest),
            qt);
}

// The host's picker fills the six numbers of the chosen primitive; the run
// shows the parameter decoded field by field.
TEST(PrimitiveWidgets, TheHostPicksAPrimitiveAndShowsItsFieldsDecoded) {
  QtHost host;
  orbel::host::MainWindow window(host.toolkit());
  ASSERT_TRUE(window.selectExport("OrbelGetPsdlCmdBuffer"));
  auto* picker = window.findChild<QComboBox*>("primitivePicker");
  ASSERT_NE(picker, nullptr);
  const int setup = picker->findText("CC_SETUP  P_CC_SETUP_PARAM");
  ASSERT_GT(setup, 0);
  picker->setCurrentIndex(setup);
  emit picker->activated(setup);
  EXPECT_EQ(window.argumentEdit("h4")->text(), "6");
  EXPECT_EQ(window.argumentEdit("primitive")->text(), "16001");
  host.drive([](tkqt::DialogWindow& dialog) { clickOn(dialog, "ok"); });
  window.runSelected();
  expectContains(window.resultText(), {"parameter: P_CC_SETUP_PARAM", "numberingPlan: isdnTelephony"});
}

// A list's count typed in the line editor rebuilds the rows under it while
// the editor commits; the new rows are there and editable.
TEST(PrimitiveWidgets, ACountTypedInPlaceAddsRows) {
  QtHost host;
  int rows = 0;
  host.drive([&](tkqt::DialogWindow& window) {
    auto* tree = widget<QTreeView>(window, "params");
    const QModelIndex count = valueOf(*tree->model(), {}, "sibTypes");
    ASSERT_TRUE(count.isValid());
    auto* editor = editorOn<QLineEdit>(tree, count);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "3");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    const QModelIndex list = valueOf(*tree->model(), {}, "sibTypes").siblingAtColumn(0);
    rows = tree->model()->rowCount(list);
    EXPECT_EQ(valueOf(*tree->model(), list, "[2]").data().toString(), "masterInformationBlock");
    clickOn(window, "ok");
  });
  EXPECT_NE(rrcPrimitive(14001), "null");
  EXPECT_EQ(rows, 3);
}

}  // namespace
