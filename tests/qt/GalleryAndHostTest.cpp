// The gallery renders every dialog, and the demo host runs an export with
// real dialogs and shows the decoded result.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QStatusBar>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "HostObjectsPanel.h"
#include "MainWindow.h"
#include "qt/QtHost.h"
#include "runner/FilterHost.h"
#include "support/ScopedFeatures.h"

namespace {

using namespace orbel::test;

TEST(Gallery, RendersOneNonEmptyPictureForEveryDialog) {
  QTemporaryDir out;
  QProcess gallery;
  gallery.start(ORBEL_GALLERY, {out.path()});
  ASSERT_TRUE(gallery.waitForFinished(60000));
  EXPECT_EQ(gallery.exitCode(), 0) << gallery.readAllStandardError().toStdString();
  const QFileInfoList pictures = QDir(out.path()).entryInfoList({"*.png"});
  for (const char* expected : {"OrbelGetTmrEnqueryBuffer-CDiagEnqTmrDlg.png", "OrbelGetCountEnqueryBuffer-CDiagEnqCntDlg.png"})
    EXPECT_TRUE(QFileInfo::exists(out.filePath(expected))) << expected;
  for (const QFileInfo& picture : pictures) EXPECT_GT(picture.size(), 1000) << picture.fileName().toStdString();
  EXPECT_NE(gallery.readAllStandardOutput().indexOf(QString("%1 dialogs rendered").arg(pictures.size()).toUtf8()), -1);
}

// The gallery's scripts stay readable as control ids and dialogs change.
TEST(Gallery, ItsScriptsParseAndTheirDialogsRender) {
  QTemporaryDir out;
  QProcess gallery;
  gallery.start(ORBEL_GALLERY, {out.path(), "--scripts", ORBEL_GALLERY_SCRIPTS});
  ASSERT_TRUE(gallery.waitForFinished(60000));
  EXPECT_EQ(gallery.exitCode(), 0);
  const QString errors = QString::fromUtf8(gallery.readAllStandardError());
  EXPECT_FALSE(errors.contains(".json")) << errors.toStdString();
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

TEST(Host, RunsTheChosenExportWithRealDialogsAndDecodesTheResult) {
  QtHost host;
  orbel::host::MainWindow window(host.toolkit());
  host.drive([](tkqt::DialogWindow& dialog) {
    QTest::mouseClick(widget<QRadioButton>(dialog, "module.rlc"), Qt::LeftButton);
    QTest::keyClick(&dialog, Qt::Key_Return);
  });
  ASSERT_TRUE(window.selectExport("OrbelGetTmrEnqueryBuffer"));
  window.runSelected();
  const QString text = window.resultText();
  EXPECT_TRUE(text.contains("RLC timer enquiry")) << text.toStdString();
  EXPECT_TRUE(text.contains("\"All Rlc Timers\"")) << text.toStdString();
  EXPECT_TRUE(text.contains("length: 28"));
}

// An empty field runs the export with the parameter's default (interactive:
// true); the in/out values the export stores come back into the form, as a
// host's variables passed by reference do.
TEST(Host, ArgumentFormUsesDefaultsAndKeepsInOutValues) {
  QtHost host;
  orbel::host::MainWindow window(host.toolkit());
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
  EXPECT_TRUE(window.resultText().contains("returned 940 bytes")) << window.resultText().toStdString();  // 228 SAPs

  window.argumentCheck("interactive")->setChecked(false);
  window.runSelected();
  EXPECT_EQ(shown, 1);  // confirmed without a window
  EXPECT_TRUE(window.resultText().contains("out filterType: 5")) << window.resultText().toStdString();
}

TEST(Host, LockCellRunsWithTheArgumentsOfTheForm) {
  QtHost host;
  orbel::host::MainWindow window(host.toolkit());
  ASSERT_TRUE(window.selectExport("OrbelGetLockCellBuffer"));
  for (auto [name, value] : {std::pair{"presetFlags", "3"}, {"cellId", "0xFF"}, {"frequency", "10055"}})
    window.argumentEdit(name)->setText(value);
  for (const char* flag : {"b2", "b3"}) window.argumentCheck(flag)->setChecked(true);
  host.drive([](tkqt::DialogWindow& dialog) {
    EXPECT_TRUE(checked(dialog, "mode.1"));
    EXPECT_EQ(text(dialog, "cell"), "-");
    EXPECT_EQ(text(dialog, "frequency"), "10055");
    QTest::keyClick(&dialog, Qt::Key_Return);
  });
  window.runSelected();
  const QString result = window.resultText();
  EXPECT_TRUE(result.contains("01 FF 27 47")) << result.toStdString();
  EXPECT_TRUE(result.contains("cell parameter id: 0xFF (any cell)")) << result.toStdString();
}

// The form keeps each export's values for the session, Enter in a field
// runs the export, the dump shows offsets and an armed recording shows.
TEST(Host, KeepsEachExportsArgumentsAndRunsOnEnter) {
  QtHost host;
  orbel::host::MainWindow window(host.toolkit());
  window.show();
  ASSERT_TRUE(window.selectExport("OrbelGetLockCellBuffer"));
  window.argumentEdit("frequency")->setText("10055");
  window.argumentCheck("b2")->setChecked(true);
  ASSERT_TRUE(window.selectExport("GetFilterMsgMini"));
  window.argumentEdit("filterType")->setText("4");
  window.argumentCheck("interactive")->setChecked(false);
  QTest::keyClick(window.argumentEdit("filterType"), Qt::Key_Return);  // runs without a dialog
  const QString result = window.resultText();
  EXPECT_TRUE(result.contains("returned 1940 bytes")) << result.toStdString();
  EXPECT_TRUE(result.contains("\n0000  94 07 FF 00")) << result.toStdString();
  EXPECT_TRUE(result.contains("\n0010  ")) << result.toStdString();

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
  EXPECT_TRUE(window.resultText().contains("returned 956 bytes")) << window.resultText().toStdString();  // 232 SAPs
  EXPECT_EQ(window.argumentEdit("filterType")->text(), "2");

  window.decodeFile(file);
  EXPECT_TRUE(window.resultText().contains("HLS filter file, 1 frame")) << window.resultText().toStdString();
  EXPECT_TRUE(window.resultText().contains("(232 SAPs)"));

  host.drive([](tkqt::DialogWindow& dialog) {
    clickOn(dialog, "load");
    EXPECT_TRUE(checked(dialog, "filter.stored"));
    QTest::keyClick(&dialog, Qt::Key_Return);
  });
  window.runSelected();
  EXPECT_TRUE(window.resultText().contains("returned 956 bytes")) << window.resultText().toStdString();
  EXPECT_EQ(window.argumentEdit("filterType")->text(), "6");
}

TEST(Host, PortSettingClassRunsAsItsHostRunsItAndItsFrameIsDecoded) {
  QtHost host;
  orbel::host::MainWindow window(host.toolkit());
  ASSERT_TRUE(window.selectExport("PhyFaComSet"));
  host.drive([](tkqt::DialogWindow& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
  window.runSelected();
  const QString result = window.resultText();
  EXPECT_TRUE(result.contains("returned 1176 bytes")) << result.toStdString();
  EXPECT_TRUE(result.contains("layer-1 port setting command frame")) << result.toStdString();
  EXPECT_TRUE(result.contains("out DoModal: IDOK"));
}

// The panel shows and edits the manager that the filter exports receive.
TEST(Host, HostObjectsPanelShowsAndEditsTheSapFilterManagerTheExportsUse) {
  QtHost host;
  ScopedFeatures basicSaps({130});  // five built-in SAPs
  orbel::runner::releaseHostSapFilterManager();
  orbel::host::MainWindow window(host.toolkit());
  orbel::host::HostObjectsPanel& panel = window.hostObjects();
  EXPECT_TRUE(panel.stateText().contains("none yet")) << panel.stateText().toStdString();

  using Kind = orbel::host::HostObjectsPanel::SapListKind;
  EXPECT_FALSE(panel.setSapList(Kind::User, "2080 x"));
  EXPECT_EQ(orbel::runner::hostSapFilterManager(), nullptr);  // refused text creates nothing
  ASSERT_TRUE(panel.setSapList(Kind::User, "4200, 2080 9999:off"));
  const QString state = panel.stateText();
  EXPECT_TRUE(state.contains("user SAPs: 3 (2 enabled)")) << state.toStdString();
  EXPECT_TRUE(state.contains("built-in SAPs in the message: 3")) << state.toStdString();
  EXPECT_TRUE(state.contains("message SAPs: 5 (2 user only)")) << state.toStdString();

  panel.setAttributeOn(true);
  panel.buildMessage();
  EXPECT_TRUE(window.resultText().contains("SAP filter message, 5 SAPs")) << window.resultText().toStdString();
  EXPECT_TRUE(window.resultText().contains("attribute of SAP 2080: 2")) << window.resultText().toStdString();

  ASSERT_TRUE(window.selectExport("SapFilterManager::CreateMessage"));
  window.argumentCheck("userOnly")->setChecked(true);
  window.runSelected();
  EXPECT_TRUE(window.resultText().contains("SAP filter message, 2 SAPs")) << window.resultText().toStdString();

  panel.reset();
  EXPECT_EQ(orbel::runner::hostSapFilterManager(), nullptr);
  EXPECT_TRUE(panel.stateText().contains("none yet"));
}

}  // namespace
