// The SIM command dialog through its real widgets: a command picked with the
// mouse in the tree, its rows filled from the keyboard, the fields pane
// scrolled by the dialog's own steps, and a row's multi-line tip shown;
// the export returns the bytes of the scripted run of the same actions.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

#include "orbel/builders/Exports.h"
#include "orbel/ui/CDlgScrollable.h"
#include "qt/QtHost.h"
#include "support/SimDefinitionsOverride.h"
#include "toolkit/ScrollPane.h"

namespace {

using namespace orbel::test;

std::string callSim() { return builtHex(OrbelGetSimCmdBuffer); }

void clickCommand(QTreeView* tree, const QString& group, const QString& command) {
  const QModelIndex item = childNamed(*tree->model(), childNamed(*tree->model(), {}, group), command);
  ASSERT_TRUE(item.isValid()) << command.toStdString();
  tree->scrollTo(item);
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(item).center());
}

TEST(SimCommandWidgets, PickFillScrollAndReadATipThenTheBytesMatchTheScriptedRun) {
  QtHost host;
  std::string tip;
  host.drive([&](tkqt::DialogWindow& window) {
    clickCommand(widget<QTreeView>(window, "commands"), "SIM toolkit", "TERMINAL RESPONSE");
    QTest::keyClicks(widget<QLineEdit>(window, "row.0.value"), "7");
    for (const char* list : {"row.1.list", "row.2.list"}) {
      auto* combo = widget<QComboBox>(window, list);
      combo->setFocus();
      QTest::keyClick(combo, Qt::Key_Down);  // the first choice
    }
    QTest::keyClicks(widget<QLineEdit>(window, "row.3.value"), "4");
    QTest::keyClicks(widget<QLineEdit>(window, "row.4.value"), "ok");

    // Five rows fit the pane: no scroll bar, nothing to scroll.
    auto* area = widget<QScrollArea>(window, "fields");
    const auto& pane = static_cast<const tk::ScrollPane&>(*window.dialog().findControl("fields"));
    QApplication::processEvents();
    EXPECT_EQ(pane.page(), area->viewport()->height());
    EXPECT_EQ(pane.hidden(), 0);
    EXPECT_FALSE(area->verticalScrollBar()->isVisible());

    // The tip over the text row is the field's comment, line for line.
    QLineEdit* text = widget<QLineEdit>(window, "row.4.value");
    QHelpEvent help(QEvent::ToolTip, QPoint(4, 4), text->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(text, &help);
    EXPECT_TRUE(QToolTip::isVisible());
    tip = QToolTip::text().toStdString();
    QToolTip::hideText();

    QTest::keyClick(&window, Qt::Key_Return);
  });
  const std::string qt = callSim();
  EXPECT_EQ(tip, "Text string of the response,\ne.g. the input typed for GET INPUT.");
  EXPECT_EQ(qt, "20 00 FF 00 07 01 CA 32 00 00 7C 30 00 00 00 00 00 00 08 00 07 01 00 04 6F 6B 20 20 00 00 00 00");

  EXPECT_EQ(scriptedRun(dialogScript("CDiagSimCmdDlg", {selectItem("commands", {"SIM toolkit", "TERMINAL RESPONSE"}),
                                                         set("row.0.value", "7"), select("row.1.list", 0),
                                                         select("row.2.list", 0), set("row.3.value", "4"),
                                                         set("row.4.value", "ok"), click("ok")}),
                        callSim),
            qt);
}

TEST(SimCommandWidgets, FourteenRowsScrollByTheDialogsLineStepAndTheWheelStopsAtTheLastRow) {
  std::string fields;
  for (int i = 0; i < 14; ++i)
    fields += std::string(i ? "," : "") + R"({"name": "Field )" + std::to_string(i) +
              R"(", "kind": "number", "width": 1, "comment": "Line one\nline two"})";
  SimDefinitionsOverride fourteen(simDefinitionText(
      R"({"name": "FOURTEEN", "primitive": 1, "startTask": 0, "moduleTask": 1, "fields": [)" + fields + "]}"));
  ASSERT_EQ(fourteen.error(), "");
  QtHost host;
  host.drive([&](tkqt::DialogWindow& window) {
    clickCommand(widget<QTreeView>(window, "commands"), "G", "FOURTEEN");
    QApplication::processEvents();
    auto* area = widget<QScrollArea>(window, "fields");
    const auto& pane = static_cast<const tk::ScrollPane&>(*window.dialog().findControl("fields"));
    QScrollBar* bar = area->verticalScrollBar();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->maximum(), pane.hidden()) << "Qt content taller than the designed height";
    EXPECT_LE(area->widget()->sizeHint().height(), CDlgScrollable::kDesignedHeight);

    // A click on the scroll bar's lower arrow moves the pane one line step.
    CDlgScrollable sameSize;  // the dialog's line step for this page
    sameSize.Create(pane.page());
    sameSize.FitToRows(CDlgScrollable::kRowCount);
    const int expected = std::min(pane.position() + sameSize.LineStep(), pane.hidden());
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 4));
    EXPECT_EQ(pane.position(), expected);
    EXPECT_EQ(bar->value(), expected);
    EXPECT_GT(expected, 0);

    // The wheel once scrolled every row out of view; it stops with the last row shown.
    for (int turn = 0; turn < 40; ++turn) {
      const QPoint at = area->viewport()->rect().center();
      QWheelEvent wheel(at, area->viewport()->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
      QApplication::sendEvent(area->viewport(), &wheel);
    }
    EXPECT_EQ(pane.position(), pane.hidden());
    QWidget* last = widget<QLineEdit>(window, "row.13.value");
    const QRect shown = QRect(last->mapTo(area->viewport(), QPoint(0, 0)), last->size());
    EXPECT_TRUE(area->viewport()->rect().contains(shown)) << shown.y() << " in " << area->viewport()->height();
    window.reject();
  });
  EXPECT_EQ(callSim(), "null");
}

}  // namespace
