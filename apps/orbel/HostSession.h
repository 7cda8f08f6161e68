// One call of an export as the headless host makes it: host settings
// (feature switches, host modules, profile), the scripted toolkit, the call,
// and everything the dialogs showed or wrote.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "runner/ExportTable.h"
#include "runner/HostObjects.h"
#include "toolkit/ProfileStore.h"
#include "toolkit/ScriptedToolkit.h"

namespace orbel::cli {

// A file the session reads or writes cannot be used: a profile that cannot be
// read whole, a script or profile that is a folder, not a regular file or too
// large. The CLI reports it as a data error.
struct DataError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Paths are taken as given; runSession makes them absolute against the
// current folder before anything runs.
struct HostOptions {
  std::string scriptPath;                // empty: no actions; "-": standard input
  std::string profilePath;               // empty: an in-memory profile
  std::optional<std::string> features;   // "113,124": the switches that are on
  std::optional<std::string> modules;    // "25,41": the host modules present
  std::string simDefinitions;            // empty: the SIM definitions the host finds by itself
  std::string dataDir;                   // empty: the application folders under the user's data folder
  bool withoutGsmCodec = false;          // the host's GSM codec is absent
  std::vector<std::string> absentModules;  // filter modules the host has not loaded: "hls-filter", "save-as"
  std::string statePath;                 // empty: each run starts from fresh host objects
};

struct ControlState {
  std::string id;
  std::string kind;
  std::string caption;
  bool enabled = true;
  bool visible = true;
  std::string state;
  std::string tooltip;
};

struct DialogState {
  std::string className;
  std::string title;
  std::string state;  // of the dialog itself: a placed dialog's client size
  std::vector<ControlState> controls;
};

struct SessionResult {
  runner::ExportOutcome outcome;
  std::vector<std::string> errors;      // script faults
  std::vector<std::string> fileErrors;  // files that could not be written: a dialog's save, the profile
  std::vector<std::string> dialogs;
  std::vector<tk::MessageBoxRecord> messageBoxes;
  std::vector<tk::FileDialogRecord> fileDialogs;
  std::vector<std::pair<std::string, std::string>> profileWrites;  // "Section/Key", value
  std::vector<DialogState> dialogStates;                           // after each dialog's actions
  std::vector<runner::HostObject> hostObjects;                     // what the host kept after the call
};

// The one place the CLI sets the host's state: the feature switches and host
// modules of `options`, else those `recorded` in the script, else none; the
// SIM definitions of the file `options` names (those the host finds by
// itself when none); the folder of the application folders; and the profile: the file `options` names, else the
// values `recorded` in the script, loaded into `profile`. Throws
// std::runtime_error for a bad number list, a profile or a definition file
// that cannot be used, naming the faulty entry.
void applyHostOptions(const HostOptions& options, const tk::HostState& recorded = {},
                      tk::ProfileStore* profile = nullptr);

// Applies `options`, runs `info` with `call` and collects the result, then
// releases the objects the host kept, so that each session starts afresh.
// With a state file the host's objects are read from it before the call
// (a missing file holds none) and written back after it; a file that cannot
// be read is a DataError, one that cannot be written a file error.
// Script entries the run never used are script faults. The profile is read
// whole before the run and saved after it only when the run wrote to it; a
// failed save is among the result's file errors, beside what the run did.
// Throws DataError for a script or profile that cannot be read (nothing has
// run then, and nothing is saved), std::runtime_error for another setting
// that cannot be used (a missing script, a SIM definition file, a bad number
// list).
SessionResult runSession(const runner::ExportInfo& info, const runner::ExportCall& call, const HostOptions& options);

}  // namespace orbel::cli
