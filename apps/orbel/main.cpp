// orbel: the headless host. Lists the exports, runs them through the
// scripted toolkit, describes their dialogs and decodes what they build.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <limits>
#include <stdexcept>

#include "HostSession.h"
#include "PrimitiveList.h"
#include "Reports.h"
#include "L1FilterCommands.h"
#include "TraceSearchCommand.h"
#include "decode/FormatDecoder.h"
#include "orbel/Version.h"
#include "orbel/wire/HexText.h"
#include "toolkit/FileRead.h"

namespace {

using namespace orbel;

constexpr int kUsageError = 1;
constexpr int kScriptError = 2;
constexpr int kDataError = 3;

// A file or message that cannot be decoded or read as data.
struct DecodeDataError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

const runner::ExportInfo& exportNamed(const std::string& name) {
  const runner::ExportInfo* info = runner::findExport(name);
  if (info == nullptr) throw CLI::ValidationError("EXPORT", "no export named " + name + " (see: orbel exports)");
  return *info;
}

// *len on entry, in the notation of every number the CLI reads.
std::optional<std::uint32_t> lengthOnEntry(const std::optional<std::string>& text) {
  if (!text) return std::nullopt;
  constexpr auto kLargest = std::numeric_limits<std::uint32_t>::max();
  std::optional<runner::ArgValue> value = runner::parseWholeNumber(*text, false);
  if (!value || *value > runner::ArgValue::fromUnsigned(kLargest))
    throw CLI::ValidationError("--len", "from 0 to " + std::to_string(kLargest) + " (not \"" + *text + "\")");
  return static_cast<std::uint32_t>(*value);
}

runner::ExportCall makeCall(const runner::ExportInfo& info, const std::vector<std::string>& args,
                            std::optional<std::uint32_t> len, bool nullLen) {
  runner::ExportCall call;
  for (const std::string& arg : args) {
    auto equals = arg.find('=');
    std::string name = arg.substr(0, equals);
    if (equals == std::string::npos) throw CLI::ValidationError("--arg", "expected NAME=VALUE, got " + arg);
    const runner::Parameter* parameter = runner::findParameter(info, name);
    if (parameter == nullptr) throw CLI::ValidationError("--arg", std::string(info.name) + " has no parameter " + name);
    if (parameter->text) {
      call.texts[name] = arg.substr(equals + 1);
      continue;
    }
    std::string wrong;
    std::optional<runner::ArgValue> value = runner::readArgument(*parameter, arg.substr(equals + 1), wrong);
    if (!value) throw CLI::ValidationError("--arg", wrong);
    call.args[name] = *value;
  }
  if ((len || nullLen) && !info.takesLength)
    throw CLI::ValidationError("--len", std::string(info.name) + " takes no length pointer");
  call.initialLength = len.value_or(0);
  call.nullLength = nullLen;
  return call;
}

int decodeCommand(const std::string& file, const std::string& hex, const std::string& format) {
  std::vector<std::uint8_t> bytes;
  if (!hex.empty()) {
    std::optional<std::vector<std::uint8_t>> parsed = parseHex(hex);
    if (!parsed) throw CLI::ValidationError("--hex", "not a string of hex byte pairs");
    bytes = std::move(*parsed);
  } else {
    const tk::FileRead read = tk::readRegularFile(file, kDecodeFileLimit);
    if (read.status == tk::FileRead::Status::Missing) throw CLI::ValidationError("FILE", "cannot read " + file);
    if (!read.ok()) throw DecodeDataError(tk::describeRefusal(read, file, "file"));
    bytes.assign(read.bytes.begin(), read.bytes.end());
  }
  std::optional<DecodedMessage> message = decodeAny(bytes, format);
  if (!message) throw CLI::ValidationError("--as", "no format named " + format);
  std::cout << formatDecoded(*message, bytes);
  return message->error.empty() ? 0 : kDataError;
}

void addHostOptions(CLI::App& command, cli::HostOptions& host) {
  command.add_option("--script", host.scriptPath, "JSON script of user actions (- for standard input)");
  command.add_option("--profile", host.profilePath, "INI file used as the application profile (read, then written)");
  command.add_option("--features", host.features, "feature switches that are on, e.g. 124,130 (default: none)");
  command.add_option("--modules", host.modules, "host modules that are present, e.g. 25 (default: none)");
  command.add_option("--sim-definitions", host.simDefinitions,
                     "SIM command definition file (default: $ORBEL_SIM_DEFINITIONS, else the built-in set)");
  command.add_option("--data-dir", host.dataDir,
                     "folder of the application folders (default: $XDG_DATA_HOME/orbel, else ~/.local/share/orbel)");
  command.add_flag("--without-gsm-codec", host.withoutGsmCodec, "the host's GSM codec is absent (no \"GSM\" family)");
  command.add_option("--absent-module", host.absentModules,
                     "a host module the host has not loaded: hls-filter, save-as or prim-view (default: all loaded)");
  command.add_option("--state", host.statePath,
                     "JSON file of the objects the host keeps between calls (read, then written)");
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"orbel: run, describe and decode the exports of the Orbel dialog library"};
  app.require_subcommand(1);
  app.set_version_flag("--version", std::string("orbel ") + ORBEL_VERSION_STRING, "show the version and exit");

  app.add_subcommand("exports", "list every export");
  app.add_subcommand("primitives", "list the described primitives and the arguments OrbelGetPsdlCmdBuffer takes");

  std::string exportName;
  cli::HostOptions host;
  std::vector<std::string> args;
  std::optional<std::string> len;
  bool nullLen = false;
  bool json = false;

  CLI::App* describe = app.add_subcommand("describe", "show the controls of the dialogs an export opens");
  describe->add_option("EXPORT", exportName, "export name")->required();
  addHostOptions(*describe, host);
  describe->add_option("--arg", args, "NAME=VALUE for a parameter of the export");

  CLI::App* run = app.add_subcommand("run", "call an export through the scripted toolkit");
  run->add_option("EXPORT", exportName, "export name")->required();
  addHostOptions(*run, host);
  CLI::Option* lenOption = run->add_option("--len", len, "value of *len on entry (a pre-set value for enquiries)");
  run->add_flag("--null-len", nullLen, "pass a null length pointer")->excludes(lenOption);
  run->add_option("--arg", args, "NAME=VALUE for a parameter of the export");
  run->add_flag("--json", json, "print one JSON object");

  std::string file;
  std::string hex;
  CLI::App* decode = app.add_subcommand("decode", "decode a diagnostic message");
  CLI::Option* fileOption = decode->add_option("FILE", file, "file holding the message");
  decode->add_option("--hex", hex, "the message as hex digits")->excludes(fileOption);
  std::string format;
  std::string formats;
  for (const FormatDecoder& decoder : formatDecoders()) formats += (formats.empty() ? "" : ", ") + std::string(decoder.name);
  decode->add_option("--as", format, "decode as this format (" + formats + "); default: recognise it");
  std::string decodeSimDefinitions;
  decode->add_option("--sim-definitions", decodeSimDefinitions, "SIM command definitions to decode SIM commands with");

  std::vector<std::string> filterPaths;
  CLI::App* diff =
      app.add_subcommand("diff", "compare two layer-1 filter files by name (exit 0: equal, 1: they differ)");
  diff->add_option("A B", filterPaths, "the two .flt_L1 files")->required()->expected(2);
  std::string textSource;
  CLI::App* exportText = app.add_subcommand("export-text", "print a layer-1 filter file as reviewable JSON text");
  exportText->add_option("FILE", textSource, "the .flt_L1 file")->required();
  std::string textTarget;
  CLI::App* importText =
      app.add_subcommand("import-text", "write the layer-1 filter file a JSON text describes");
  importText->add_option("JSON", textSource, "the text, as export-text prints it")->required();
  importText->add_option("OUT", textTarget, "the .flt_L1 file to write")->required();

  cli::TraceSearchRequest traceSearch;
  std::optional<std::size_t> searchFrom;
  CLI::App* search = app.add_subcommand("search", "search a trace file as the host does for search records");
  search->add_option("TRACE", traceSearch.tracePath, "trace file (JSON Lines)")->required();
  search->add_option("--record", traceSearch.records,
                     "JSON: a search record, a list of them, or what `orbel run SrchDlgGetSearchMethod --json` prints")
      ->required();
  search->add_option("--from", searchFrom, "index of the entry selected before the first search (default: none)");
  search->add_flag("--json", traceSearch.json, "print one JSON object");

  try {
    app.parse(argc, argv);
    if (search->parsed()) {
      traceSearch.from = searchFrom;
      traceSearch.tracePath = std::filesystem::absolute(traceSearch.tracePath).string();
      if (!std::filesystem::exists(traceSearch.tracePath))
        throw CLI::ValidationError("TRACE", "cannot read " + traceSearch.tracePath);
      try {
        cli::runTraceSearch(traceSearch, std::cout);
      } catch (const cli::RecordError& error) {
        std::cerr << "orbel: " << error.what() << '\n';
        return kUsageError;
      } catch (const std::runtime_error& error) {
        std::cerr << "orbel: " << error.what() << '\n';
        return kDataError;
      }
      return 0;
    }
    if (diff->parsed()) return cli::diffL1Filters(filterPaths[0], filterPaths[1], std::cout);
    if (exportText->parsed()) {
      cli::exportL1FilterTextCommand(textSource, std::cout);
      return 0;
    }
    if (importText->parsed()) {
      cli::importL1FilterTextCommand(textSource, textTarget);
      return 0;
    }
    if (app.got_subcommand("exports")) {
      cli::printExports(std::cout);
      return 0;
    }
    if (app.got_subcommand("primitives")) {
      cli::printPrimitives(std::cout);
      return 0;
    }
    if (decode->parsed()) {
      if (file.empty() && hex.empty()) throw CLI::ValidationError("decode", "give a FILE or --hex");
      cli::HostOptions decodeHost;
      decodeHost.simDefinitions = decodeSimDefinitions;
      cli::applyHostOptions(decodeHost);
      return decodeCommand(file.empty() ? file : std::filesystem::absolute(file).string(), hex, format);
    }
    const runner::ExportInfo& info = exportNamed(exportName);
    runner::ExportCall call = makeCall(info, args, lengthOnEntry(len), nullLen);
    cli::SessionResult result = cli::runSession(info, call, host);
    if (describe->parsed())
      cli::printDescription(std::cout, result);
    else if (json)
      cli::printRunJson(std::cout, info, result);
    else
      cli::printRunText(std::cout, result);
    // A file that could not be written outweighs a script fault: data was lost.
    if (!result.fileErrors.empty()) return kDataError;
    return result.errors.empty() ? 0 : kScriptError;
  } catch (const CLI::ParseError& error) {
    return app.exit(error) == 0 ? 0 : kUsageError;  // --help is not an error
  } catch (const cli::DataError& error) {
    std::cerr << "orbel: " << error.what() << '\n';
    return kDataError;
  } catch (const DecodeDataError& error) {
    std::cerr << "orbel: " << error.what() << '\n';
    return kDataError;
  } catch (const std::exception& error) {
    std::cerr << "orbel: " << error.what() << '\n';
    return kUsageError;
  }
}
