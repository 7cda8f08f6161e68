// The gallery renders every dialog, and the demo host runs an export with
// real dialogs and shows the decoded result.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "MainWindow.h"
#include "qt/QtHost.h"

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

}  // namespace
