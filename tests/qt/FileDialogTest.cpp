// The Qt file dialog follows the options its caller gives: overwrite and
// create prompts, read-only files refused or left out of the list, and it
// opens at a size where its columns are readable.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include "qt/QtHost.h"

namespace {

using namespace orbel::test;

// Calls chooseFile while `inspect` gets the first modal window Qt shows; any later one is cancelled.
std::optional<std::string> chooseWith(tkqt::QtToolkit& toolkit, const tk::FileDialogRequest& request,
                                      const std::function<void(QWidget& modal)>& inspect, int& shown) {
  QTimer timer;
  QWidget* handled = nullptr;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == handled) return;
    handled = modal;
    if (shown++ == 0) inspect(*modal);
    else qobject_cast<QDialog*>(modal)->reject();
  });
  timer.start(20);
  return toolkit.chooseFile(request);
}

TEST(FileDialog, TakesTheCallersOptionsAndOpensAtAReadableSize) {
  QtHost host;
  QTemporaryDir folder;
  struct Case {
    bool save;
    tk::FileDialogOptions options;
    bool confirmsOverwrite;
    QFileDialog::FileMode mode;
    bool listsReadOnly;
  };
  for (const Case& c : {Case{true, {true, false, false, false}, true, QFileDialog::AnyFile, true},
                        Case{true, {false, false, false, true}, false, QFileDialog::AnyFile, false},
                        Case{false, {false, true, false, false}, false, QFileDialog::AnyFile, true},
                        Case{false, {false, false, false, true}, false, QFileDialog::ExistingFile, false}}) {
    tk::FileDialogRequest request;
    request.save = c.save;
    request.title = c.save ? "Save As" : "Open";
    request.filter = "HLS filter file(*.flt_HLS)|*.flt_HLS||";
    request.folder = folder.path().toStdString();
    request.options = c.options;
    int shown = 0;
    const auto answer = chooseWith(host.toolkit(), request,
                                   [&](QWidget& modal) {
                                     auto* dialog = qobject_cast<QFileDialog*>(&modal);
                                     ASSERT_NE(dialog, nullptr);
                                     EXPECT_EQ(!dialog->testOption(QFileDialog::DontConfirmOverwrite),
                                               c.confirmsOverwrite);
                                     EXPECT_EQ(dialog->fileMode(), c.mode);
                                     EXPECT_EQ(!(dialog->filter() & QDir::Writable), c.listsReadOnly);
                                     EXPECT_GE(dialog->width(), 760);
                                     EXPECT_GE(dialog->height(), 480);
                                     dialog->reject();
                                   },
                                   shown);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(answer, std::nullopt);
  }
}

}  // namespace
