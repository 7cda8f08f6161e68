// orbel-host: a Qt host that loads the library as a real host would and
// runs its exports with real dialogs.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdio>

#include "HostSettings.h"
#include "MainWindow.h"
#include "TraceView.h"
#include "orbel/builders/ModuleLifetime.h"
#include "runner/FilterHost.h"
#include "toolkit-qt/QtToolkit.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("orbel-host");
  QApplication::setOrganizationName("Orbel");
  // --help and --trace: anything else is a usage error.
  QCommandLineParser parser;
  parser.setApplicationDescription("Runs the exports of the Orbel dialog library with real dialogs.");
  const QCommandLineOption help({"h", "help"}, "show this help");
  const QCommandLineOption trace("trace", "open the trace view on this trace file (JSON Lines)", "FILE");
  parser.addOptions({help, trace});
  if (!parser.parse(QApplication::arguments()) || !parser.positionalArguments().isEmpty()) {
    const QString error = parser.errorText().isEmpty() ? "takes no arguments" : parser.errorText();
    std::fprintf(stderr, "orbel-host: %s\n%s", qPrintable(error), qPrintable(parser.helpText()));
    return 1;
  }
  if (parser.isSet(help)) {
    std::printf("%s", qPrintable(parser.helpText()));
    return 0;
  }
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  QDir().mkpath(folder);

  tkqt::QtToolkit toolkit(folder + "/profile.ini");
  if (!toolkit.profileError().empty())
    QMessageBox::critical(nullptr, "orbel-host",
                          QString::fromStdString(toolkit.profileError()) +
                              "\n\nThis session starts with an empty profile and does not save it.");
  tk::ToolkitInstallation installation(toolkit);
  orbel::startModule();
  orbel::host::applyHostSettings(orbel::host::loadHostSettings(toolkit.profile()));

  orbel::host::MainWindow window(toolkit);
  window.show();
  if (parser.isSet(trace)) {
    window.traceView().load(parser.value(trace));
    window.traceView().show();
  }
  const int code = QApplication::exec();
  orbel::runner::releaseHostSapFilterManager();  // the host owns what it kept between calls
  orbel::stopModule();
  return code;
}
