// The primitive command dialog through its real widgets: an enumeration's
// value picked from the tree-list's drop-down editor (and one left as it
// was with Escape), peer data typed with the box ticked; the export returns the
// bytes of the scripted run of the same actions.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>

#include "MainWindow.h"
#include "host/codec/Psdl.h"
#include "orbel/builders/PrimitiveExports.h"
#include "orbel/wire/HexText.h"
#include "qt/QtHost.h"
#include "support/ScriptedHost.h"

namespace {

using namespace orbel::test;

std::string callConnectionRequest() {
  tVLink link(psdl::builtInDescriptions());
  unsigned int len = 0;
  unsigned char* buffer = OrbelGetPsdlCmdBuffer(&link, 0xFF, 0, 2, 0, 13002, 14002, &len);
  return buffer == nullptr ? "null" : orbel::toHex(takeBuffer(buffer, len));
}

QModelIndex valueOf(const QAbstractItemModel& model, const QModelIndex& parent, const QString& name) {
  for (int row = 0; row < model.rowCount(parent); ++row)
    if (model.index(row, 0, parent).data().toString() == name) return model.index(row, 1, parent);
  return {};
}

TEST(PrimitiveWidgets, EnumerationsArePickedFromTheDropDownEditor) {
  QtHost host;
  QStringList offered;
  host.drive([&](tkqt::DialogWindow& window) {
    auto* tree = widget<QTreeView>(window, "params");
    const QModelIndex cause = valueOf(*tree->model(), {}, "establishmentCause");
    ASSERT_TRUE(cause.isValid());
    tree->setCurrentIndex(cause);
    tree->edit(cause);
    auto* combo = qobject_cast<QComboBox*>(tree->indexWidget(cause));
    ASSERT_NE(combo, nullptr) << "an enumeration is edited in a drop-down";
    for (int i = 0; i < combo->count(); ++i) offered << combo->itemText(i);
    combo->setCurrentText("emergencyCall");
    QTest::keyClick(combo, Qt::Key_Return);
    QApplication::processEvents();

    const QModelIndex identity =
        valueOf(*tree->model(), valueOf(*tree->model(), {}, "initialUeIdentity").siblingAtColumn(0), "identityType");
    ASSERT_TRUE(identity.isValid());
    tree->setCurrentIndex(identity);
    tree->edit(identity);
    auto* identities = qobject_cast<QComboBox*>(tree->indexWidget(identity));
    ASSERT_NE(identities, nullptr);
    identities->setCurrentText("imei");
    QTest::keyClick(identities, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible()) << "Escape closes the editor, not the dialog";

    const QModelIndex domain = valueOf(*tree->model(), {}, "domainIndicator");
    tree->setCurrentIndex(domain);
    tree->edit(domain);
    auto* domains = qobject_cast<QComboBox*>(tree->indexWidget(domain));
    ASSERT_NE(domains, nullptr);
    domains->setCurrentText("psDomain");
    QTest::keyClick(domains, Qt::Key_Return);
    QApplication::processEvents();

    EXPECT_TRUE(window.isVisible()) << "Return commits the editor, not the dialog";
    clickOn(window, "peer.on");
    QTest::keyClicks(widget<QLineEdit>(window, "peer"), "9,8");
    clickOn(window, "ok");
  });
  const std::string qt = callConnectionRequest();
  EXPECT_EQ(offered.size(), 20);
  EXPECT_EQ(offered.front(), "originatingConversationalCall");
  ScriptedHost scripted(dialogScript("CDiagCmdPsdlDlg", {setValue("params", {"establishmentCause"}, "emergencyCall"),
                                                         setValue("params", {"domainIndicator"}, "psDomain"),
                                                         click("peer.on"), set("peer", "9,8"), click("ok")}));
  EXPECT_EQ(callConnectionRequest(), qt);
  EXPECT_NE(qt.find(" 02 00 00 00 09 08"), std::string::npos) << qt;
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
  const QString text = window.resultText();
  EXPECT_TRUE(text.contains("parameter: P_CC_SETUP_PARAM")) << text.toStdString();
  EXPECT_TRUE(text.contains("numberingPlan: isdnTelephony")) << text.toStdString();
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
    tree->setCurrentIndex(count);
    tree->edit(count);
    auto* editor = qobject_cast<QLineEdit*>(tree->indexWidget(count));
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
  tVLink link(psdl::builtInDescriptions());
  unsigned int len = 0;
  unsigned char* buffer = OrbelGetPsdlCmdBuffer(&link, 0xFF, 0, 2, 0, 13002, 14001, &len);
  EXPECT_EQ(rows, 3);
  EXPECT_NE(buffer, nullptr);
  takeBuffer(buffer, len);
}

}  // namespace
