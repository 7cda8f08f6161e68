// orbel-gallery OUTDIR [--scripts DIR]: renders every dialog the exports
// open to a PNG at its default size, on the offscreen platform, so that
// anyone can look at all dialogs without a display. A script DIR/EXPORT.json
// (the CLI's format; DIR defaults to the repository's examples/gallery, or
// share/orbel/gallery beside an installed gallery) puts
// a dialog into a state worth showing first; its actions are applied up to,
// not including, a click on OK or Cancel.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "host/FeatureManager.h"
#include "orbel/builders/ModuleLifetime.h"
#include "runner/ExportTable.h"
#include "script/ScriptJson.h"
#include "toolkit-qt/DialogWindow.h"
#include "toolkit-qt/QtToolkit.h"
#include "toolkit/FileRead.h"

namespace {

tk::Script loadScript(const QString& path) {
  const tk::FileRead read = tk::readRegularFile(path.toStdString(), orbel::script::kScriptSizeLimit);
  if (read.status == tk::FileRead::Status::Missing) return {};
  if (!read.ok()) {
    std::fprintf(stderr, "%s\n", tk::describeRefusal(read, path.toStdString(), "script").c_str());
    return {};
  }
  auto parsed = orbel::script::parseScript(read.bytes);
  if (auto* script = std::get_if<tk::Script>(&parsed)) return *script;
  std::fprintf(stderr, "%s: %s\n", qPrintable(path), std::get<std::string>(parsed).c_str());
  return {};
}

bool closes(const tk::ScriptAction& action) {
  return action.verb == tk::ScriptAction::Verb::Click && (action.control == "ok" || action.control == "cancel");
}

// The scripts of the build tree, else those installed with the program.
QString defaultScriptFolder() {
  if (QDir(ORBEL_GALLERY_SCRIPTS).exists()) return ORBEL_GALLERY_SCRIPTS;
  return QDir(QCoreApplication::applicationDirPath()).filePath("../share/orbel/gallery");
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() < 2) {
    std::fprintf(stderr, "usage: orbel-gallery OUTDIR [--scripts DIR] [--features LIST]\n");
    return 1;
  }
  const QString out = arguments[1];
  const qsizetype scriptsAt = arguments.indexOf("--scripts");
  const QString scripts =
      scriptsAt > 0 && scriptsAt + 1 < arguments.size() ? arguments[scriptsAt + 1] : defaultScriptFolder();
  QDir().mkpath(out);

  QTemporaryDir profileFolder;
  tkqt::QtToolkit toolkit(profileFolder.filePath("profile.ini"));
  tk::ToolkitInstallation installation(toolkit);
  orbel::startModule();
  // --features LIST: the feature switches that are on (as the CLI's), for
  // dialogs whose fields they offer; without it every switch is off.
  const qsizetype featuresAt = arguments.indexOf("--features");
  if (featuresAt > 0 && featuresAt + 1 < arguments.size())
    for (const QString& number : arguments[featuresAt + 1].split(',', Qt::SkipEmptyParts))
      FeatureManager::Instance().SetFeature(number.toInt(), true);
  toolkit.onMessageBox([](const std::string&, unsigned) { return std::optional<int>(tk::IDCANCEL); });
  toolkit.onFileDialog([](const tk::FileDialogRequest&) { return std::optional<std::optional<std::string>>(std::nullopt); });

  int written = 0;
  int failed = 0;
  for (const orbel::runner::ExportInfo& info : orbel::runner::exportTable()) {
    const QString name = QString::fromUtf8(info.name.data(), static_cast<qsizetype>(info.name.size()));
    const tk::Script script = scripts.isEmpty() ? tk::Script{} : loadScript(scripts + "/" + name + ".json");
    std::size_t opened = 0;
    toolkit.onDialogShown([&](tkqt::DialogWindow& window) {
      const std::size_t number = opened++;
      if (number < script.dialogs.size())
        for (const tk::ScriptAction& action : script.dialogs[number].actions)
          if (!closes(action)) window.apply(action, nullptr);
      QApplication::processEvents();
      const QString file = QString("%1/%2-%3.png").arg(out, name, QString::fromStdString(window.dialog().className()));
      if (window.grab().save(file)) {
        std::printf("%s\n", qPrintable(file));
        ++written;
      } else {
        ++failed;
      }
      window.reject();
    });
    info.run({});
  }
  orbel::stopModule();
  std::printf("%d dialogs rendered\n", written);
  return failed == 0 && written > 0 ? 0 : 1;
}
