// orbel-gallery OUTDIR [--scripts DIR] [--features LIST] [--modules LIST]:
// renders every dialog the exports open to a PNG at its default size, on the
// offscreen platform, so that anyone can look at all dialogs without a
// display. A script DIR/EXPORT.json (the CLI's format; DIR defaults to the
// repository's examples/gallery, or share/orbel/gallery beside an installed
// gallery) puts a dialog into a state worth showing first: its host state (switches, modules, profile values) is set
// for the run, and its actions are applied up to, not including, a click on OK or Cancel. Its `files` answer the
// dialogs that open a file, a relative path taken from the script's folder; the gallery saves no file.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <optional>
#include <set>
#include <utility>
#include <variant>

#include "host/FeatureManager.h"
#include "host/ScopedHostState.h"
#include "orbel/builders/ModuleLifetime.h"
#include "runner/ExportTable.h"
#include "script/ScriptJson.h"
#include "toolkit-qt/DialogWindow.h"
#include "toolkit-qt/QtToolkit.h"
#include "toolkit/FileRead.h"

namespace {

tk::Script loadScript(const QString &path) {
  const tk::FileRead read = tk::readRegularFile(path.toStdString(), orbel::script::kScriptSizeLimit);
  if (read.status == tk::FileRead::Status::Missing) return {};
  if (!read.ok()) {
    std::fprintf(stderr, "%s\n", tk::describeRefusal(read, path.toStdString(), "script").c_str());
    return {};
  }
  auto parsed = orbel::script::parseScript(read.bytes);
  if (auto *script = std::get_if<tk::Script>(&parsed)) return *script;
  std::fprintf(stderr, "%s: %s\n", qPrintable(path), std::get<std::string>(parsed).c_str());
  return {};
}

bool closes(const tk::ScriptAction &action) {
  return action.verb == tk::ScriptAction::Verb::Click && (action.control == "ok" || action.control == "cancel");
}

// The scripts of the build tree, else those installed with the program.
QString defaultScriptFolder() {
  if (QDir(ORBEL_GALLERY_SCRIPTS).exists()) return ORBEL_GALLERY_SCRIPTS;
  return QDir(QCoreApplication::applicationDirPath()).filePath("../share/orbel/gallery");
}

struct Options {
  QString out;
  QString scripts;
  std::optional<std::set<int>> features;  // given: replaces what the scripts set
  std::optional<std::set<int>> modules;
};

// The options, or the exit code: 0 after --help, 1 for a usage error.
std::variant<Options, int> parseOptions(const QStringList &arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription("Renders every dialog of the exports to a PNG in OUTDIR.");
  parser.addPositionalArgument("OUTDIR", "folder the pictures are written to");
  const QCommandLineOption help({"h", "help"}, "show this help");
  const QCommandLineOption scripts("scripts", "scripts that put the dialogs into a telling state", "DIR",
                                   defaultScriptFolder());
  const QCommandLineOption features("features", "feature switches that are on, e.g. 124,130 (default: the script's)",
                                    "LIST");
  const QCommandLineOption modules("modules", "host modules that are present, e.g. 25 (default: the script's)", "LIST");
  parser.addOptions({help, scripts, features, modules});
  const auto usageError = [&](const QString &text) {
    std::fprintf(stderr, "orbel-gallery: %s\n%s", qPrintable(text), qPrintable(parser.helpText()));
    return 1;
  };
  if (!parser.parse(arguments)) return usageError(parser.errorText());
  if (parser.isSet(help)) {
    std::printf("%s", qPrintable(parser.helpText()));
    return 0;
  }
  if (parser.positionalArguments().size() != 1) return usageError("give one OUTDIR");
  Options options{parser.positionalArguments().front(), parser.value(scripts), {}, {}};
  for (auto [option, target] : {std::pair{&features, &options.features}, {&modules, &options.modules}}) {
    if (!parser.isSet(*option)) continue;
    orbel::runner::SwitchList list = orbel::runner::parseSwitchList(parser.value(*option).toStdString());
    *target = std::move(list.numbers);
    if (list.refused) return usageError("--" + option->names().front() + ": a list of numbers such as 124,130");
  }
  return options;
}

}  // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const std::variant<Options, int> parsed = parseOptions(QApplication::arguments());
  if (const int *exitCode = std::get_if<int>(&parsed)) return *exitCode;
  const Options &options = std::get<Options>(parsed);
  QDir().mkpath(options.out);

  QTemporaryDir profileFolder;
  tkqt::QtToolkit toolkit(profileFolder.filePath("profile.ini"));
  tk::ToolkitInstallation installation(toolkit);
  orbel::startModule();
  toolkit.onMessageBox([](const std::string &, unsigned) { return std::optional<int>(tk::IDCANCEL); });
  const tk::Script *current = nullptr;  // the script of the export being rendered
  std::size_t nextFile = 0;
  toolkit.onFileDialog([&](const tk::FileDialogRequest &request) {
    std::optional<std::string> answer;
    if (!request.save && current != nullptr && nextFile < current->files.size()) answer = current->files[nextFile++];
    if (answer) answer = QDir(options.scripts).absoluteFilePath(QString::fromStdString(*answer)).toStdString();
    return std::optional<std::optional<std::string>>(answer);
  });

  int written = 0;
  int failed = 0;
  for (const orbel::runner::ExportInfo &info : orbel::runner::exportTable()) {
    const QString name = QString::fromUtf8(info.name.data(), static_cast<qsizetype>(info.name.size()));
    const tk::Script script =
        options.scripts.isEmpty() ? tk::Script{} : loadScript(options.scripts + "/" + name + ".json");
    current = &script;
    nextFile = 0;
    // The host state of the script for this export's run only, as `orbel run`
    // sets it.
    ScopedHostState<FeatureManager> host(FeatureManager::Instance(),
                                         {options.features.value_or(script.host.features.value_or(std::set<int>{})),
                                          options.modules.value_or(script.host.modules.value_or(std::set<int>{}))});
    for (const tk::ProfileValue &value : script.host.profile)
      toolkit.profile().restore(value.section, value.key, value.value);
    std::size_t opened = 0;
    toolkit.onDialogShown([&](tkqt::DialogWindow &window) {
      const std::size_t number = opened++;
      if (number < script.dialogs.size())
        for (const tk::ScriptAction &action : script.dialogs[number].actions)
          if (!closes(action)) window.apply(action, nullptr);
      QApplication::processEvents();
      const QString file =
          QString("%1/%2-%3.png").arg(options.out, name, QString::fromStdString(window.dialog().className()));
      if (window.grab().save(file)) {
        std::printf("%s\n", qPrintable(file));
        ++written;
      } else {
        ++failed;
      }
      window.reject();
    });
    info.run({});
    current = nullptr;
  }
  orbel::stopModule();
  std::printf("%d dialogs rendered\n", written);
  return failed == 0 && written > 0 ? 0 : 1;
}
