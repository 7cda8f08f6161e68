// The gallery renders every dialog, and the demo host runs an export with
// real dialogs and shows the decoded result.
#include <gtest/gtest.h>

#include <QDir>
#include <QStatusBar>
#include <QProcess>

#include "HostObjectsPanel.h"
#include "MainWindow.h"
#include "qt/QtHost.h"
#include "runner/FilterHost.h"
#include "support/ScopedFeatures.h"

namespace {

using namespace orbel::test;

// One run renders every dialog, each put into its state by the gallery's
// scripts, which stay readable as control ids and dialogs change.
TEST(Gallery, RendersOneNonEmptyPictureForEveryDialogAndItsScriptsParse) {
  QTemporaryDir out;
  QProcess gallery;
  gallery.start(ORBEL_GALLERY, {out.path(), "--scripts", ORBEL_GALLERY_SCRIPTS});
  ASSERT_TRUE(gallery.waitForFinished(60000));
  const QString errors = QString::fromUtf8(gallery.readAllStandardError());
  EXPECT_EQ(gallery.exitCode(), 0) << errors.toStdString();
  EXPECT_FALSE(errors.contains(".json")) << errors.toStdString();
  const QFileInfoList pictures = QDir(out.path()).entryInfoList({"*.png"});
  for (const char* expected : {"OrbelGetTmrEnqueryBuffer-CDiagEnqTmrDlg.png", "OrbelGetCountEnqueryBuffer-CDiagEnqCntDlg.png"})
    EXPECT_TRUE(QFileInfo::exists(out.filePath(expected))) << expected;
  for (const QFileInfo& picture : pictures) EXPECT_GT(picture.size(), 1000) << picture.fileName().toStdString();
  EXPECT_NE(gallery.readAllStandardOutput().indexOf(QString("%1 dialogs rendered").arg(pictures.size()).toUtf8()), -1);
  for (const QFileInfo& script : QDir(ORBEL_GALLERY_SCRIPTS).entryInfoList({"*.json"}))
    EXPECT_FALSE(QDir(out.path()).entryList({script.completeBaseName() + "-*.png"}).isEmpty())
        << script.fileName().toStdString();
}

// --help prints the usage and draws nothing; an unknown option or a missing
// folder is a usage error, for the gallery and the host alike.
TEST(Gallery, AndHostAnswerHelpAndRefuseUnknownOptions) {
  QTemporaryDir folder;
  struct Case {
    const char* program;
    QStringList arguments;
    int exitCode;
    const char* output;
  };
  const Case cases[] = {
      {ORBEL_GALLERY, {"--help"}, 0, "OUTDIR"},
      {ORBEL_GALLERY, {"--bogus", folder.path()}, 1, "bogus"},
      {ORBEL_GALLERY, {}, 1, "OUTDIR"},
      {ORBEL_GALLERY, {folder.path(), "--features", "12x"}, 1, "--features"},
      {ORBEL_HOST, {"--help"}, 0, "--help"},
      {ORBEL_HOST, {"--bogus"}, 1, "bogus"},
  };
  for (const Case& c : cases) {
    QProcess program;
    program.setWorkingDirectory(folder.path());
    program.start(c.program, c.arguments);
    ASSERT_TRUE(program.waitForFinished(30000));
    const QString output = program.readAllStandardOutput() + program.readAllStandardError();
    EXPECT_EQ(program.exitCode(), c.exitCode) << c.arguments.join(' ').toStdString() << '\n' << output.toStdString();
    EXPECT_TRUE(output.contains(c.output)) << output.toStdString();
  }
  EXPECT_TRUE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

// The host runs the chosen export with the form's arguments and real dialogs,
// and decodes what it returned.
TEST(Host, RunsTheChosenExportWithTheFormsArgumentsAndDecodesTheResult) {
  struct Case {
    const char* exportName;
    std::vector<std::pair<const char*, const char*>> edits;
    std::vector<const char*> ticks;
    const char* click;  // in the dialog, before Enter
    std::vector<const char*> shown;
  };
  const Case cases[] = {
      {"OrbelGetTmrEnqueryBuffer", {}, {}, "module.rlc", {"RLC timer enquiry", "\"All Rlc Timers\"", "length: 28"}},
      {"OrbelGetLockCellBuffer",
       {{"presetFlags", "3"}, {"cellId", "0xFF"}, {"frequency", "10055"}},
       {"b2", "b3"},
       nullptr,
       {"01 FF 27 47", "cell parameter id: 0xFF (any cell)"}},
      {"PhyFaComSet",
       {},
       {},
       nullptr,
       {"returned 1176 bytes", "layer-1 port setting command frame", "out DoModal: IDOK"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.exportName);
    QtHost host;
    orbel::host::MainWindow window(host.toolkit());
    ASSERT_TRUE(window.selectExport(c.exportName));
    for (auto [name, value] : c.edits) window.argumentEdit(name)->setText(value);
    for (const char* flag : c.ticks) window.argumentCheck(flag)->setChecked(true);
    host.drive([&c](tkqt::DialogWindow& dialog) {
      if (c.click != nullptr) clickOn(dialog, c.click);
      QTest::keyClick(&dialog, Qt::Key_Return);
    });
    window.runSelected();
    expectContains(window.resultText(), c.shown);
  }
}

// An empty field runs the export with the parameter's default (interactive:
// true); the in/out values the export stores come back into the form, as a
// host's variables passed by reference do. The form keeps each export's
// values for the session, Enter in a field runs the export, the dump shows
// offsets and an armed recording shows.
TEST(Host, ArgumentFormUsesDefaultsKeepsInOutValuesAndEachExportsArgumentsAndRunsOnEnter) {
  QtHost host;
  orbel::host::MainWindow window(host.toolkit());
  window.show();
  ASSERT_TRUE(window.selectExport("OrbelGetLockCellBuffer"));
  window.argumentEdit("frequency")->setText("10055");
  window.argumentCheck("b2")->setChecked(true);
  ASSERT_TRUE(window.selectExport("GetFilterMsgMini"));
  ASSERT_NE(window.argumentCheck("interactive"), nullptr);
  EXPECT_TRUE(window.argumentCheck("interactive")->isChecked());
  EXPECT_TRUE(window.argumentEdit("filterType")->placeholderText().startsWith("default: 0 ("));
  int shown = 0;
  host.drive([&](tkqt::DialogWindow& dialog) {
    ++shown;
    EXPECT_TRUE(checked(dialog, "filter.option2"));
    clickOn(dialog, "filter.option5");
    QTest::keyClick(&dialog, Qt::Key_Return);
  });
  window.argumentEdit("filterType")->setText("2");
  window.runSelected();
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(window.argumentEdit("filterType")->text(), "5");
  expectContains(window.resultText(), {"returned 940 bytes"});  // 228 SAPs

  window.argumentCheck("interactive")->setChecked(false);
  window.runSelected();
  EXPECT_EQ(shown, 1);  // confirmed without a window
  expectContains(window.resultText(), {"out filterType: 5"});
  window.argumentEdit("filterType")->setText("4");
  QTest::keyClick(window.argumentEdit("filterType"), Qt::Key_Return);
  EXPECT_EQ(shown, 1);
  expectContains(window.resultText(), {"returned 1940 bytes", "\n0000  94 07 FF 00", "\n0010  "});

  ASSERT_TRUE(window.selectExport("OrbelGetLockCellBuffer"));
  EXPECT_EQ(window.argumentEdit("frequency")->text(), "10055");
  EXPECT_TRUE(window.argumentCheck("b2")->isChecked());
  ASSERT_TRUE(window.selectExport("GetFilterMsgMini"));
  EXPECT_EQ(window.argumentEdit("filterType")->text(), "4");
  EXPECT_FALSE(window.argumentCheck("interactive")->isChecked());

  QAction* record = nullptr;
  for (QAction* action : window.findChildren<QAction*>())
    if (action->text() == "&Record the next run") record = action;
  ASSERT_NE(record, nullptr);
  QLabel* armed = nullptr;
  for (QLabel* label : window.statusBar()->findChildren<QLabel*>())
    if (label->text() == "Recording the next run") armed = label;
  ASSERT_NE(armed, nullptr);
  EXPECT_TRUE(armed->isHidden());
  record->setChecked(true);
  EXPECT_FALSE(armed->isHidden());
}

// A newcomer's round: build an option, save it, decode the file, load it
// back and send it as the stored message, all in the Qt host.
TEST(Host, CompactFilterSavedDecodedAndLoadedBack) {
  CurrentFolderGuard folderGuard;
  QTemporaryDir folder;
  const QString file = folder.filePath("option2.flt_HLS");
  QtHost host;
  orbel::host::MainWindow window(host.toolkit());
  host.toolkit().onFileDialog([&](const tk::FileDialogRequest&) {
    return std::optional<std::optional<std::string>>(file.toStdString());
  });
  ASSERT_TRUE(window.selectExport("GetFilterMsgMini"));
  host.drive([](tkqt::DialogWindow& dialog) {
    clickOn(dialog, "filter.option2");
    clickOn(dialog, "save");
    QTest::keyClick(&dialog, Qt::Key_Return);
  });
  window.runSelected();
  expectContains(window.resultText(), {"returned 956 bytes"});  // 232 SAPs
  EXPECT_EQ(window.argumentEdit("filterType")->text(), "2");

  window.decodeFile(file);
  expectContains(window.resultText(), {"HLS filter file, 1 frame", "(232 SAPs)"});

  host.drive([](tkqt::DialogWindow& dialog) {
    clickOn(dialog, "load");
    EXPECT_TRUE(checked(dialog, "filter.stored"));
    QTest::keyClick(&dialog, Qt::Key_Return);
  });
  window.runSelected();
  expectContains(window.resultText(), {"returned 956 bytes"});
  EXPECT_EQ(window.argumentEdit("filterType")->text(), "6");
}

// The panel shows and edits the manager that the filter exports receive.
TEST(Host, HostObjectsPanelShowsAndEditsTheSapFilterManagerTheExportsUse) {
  QtHost host;
  ScopedFeatures basicSaps({130});  // five built-in SAPs
  orbel::runner::releaseHostSapFilterManager();
  orbel::host::MainWindow window(host.toolkit());
  orbel::host::HostObjectsPanel& panel = window.hostObjects();
  expectContains(panel.stateText(), {"none yet"});

  using Kind = orbel::host::HostObjectsPanel::SapListKind;
  EXPECT_FALSE(panel.setSapList(Kind::User, "2080 x"));
  EXPECT_EQ(orbel::runner::hostSapFilterManager(), nullptr);  // refused text creates nothing
  ASSERT_TRUE(panel.setSapList(Kind::User, "4200, 2080 9999:off"));
  expectContains(panel.stateText(),
                 {"user SAPs: 3 (2 enabled)", "built-in SAPs in the message: 3", "message SAPs: 5 (2 user only)"});

  panel.setAttributeOn(true);
  panel.buildMessage();
  expectContains(window.resultText(), {"SAP filter message, 5 SAPs", "attribute of SAP 2080: 2"});

  ASSERT_TRUE(window.selectExport("SapFilterManager::CreateMessage"));
  window.argumentCheck("userOnly")->setChecked(true);
  window.runSelected();
  expectContains(window.resultText(), {"SAP filter message, 2 SAPs"});

  panel.reset();
  EXPECT_EQ(orbel::runner::hostSapFilterManager(), nullptr);
  expectContains(panel.stateText(), {"none yet"});
}

}  // namespace
