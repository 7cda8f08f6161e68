// Path helpers of the host's utility library: file paths cut into folder and
// name, and the application folders the library keeps its own files in.
#pragma once

#include <string>

class CPathResolver {
 public:
  // Cuts `path` to its folder part (without the trailing separator, except
  // for the root folder); `rest` receives the file name.
  static void splitFullPath(std::string& path, std::string& rest);

  // Fills `path` with the absolute application folder of `kind` (1: the
  // layer-2 configuration, 2: the layer-1 filter files), ending with a
  // separator, and creates the folder when it is missing. False when the kind
  // is unknown (`path` is then emptied) or the folder cannot be created.
  static bool getAbsPathApp(int kind, std::string& path);

  static CPathResolver& Instance();

  // The folder under which the application folders lie. Empty means the
  // user's data folder by XDG conventions: $XDG_DATA_HOME/orbel when that is
  // an absolute path, otherwise $HOME/.local/share/orbel. The host program
  // sets an absolute folder of its choice; tests set one for a scope through
  // ScopedHostState.
  struct State {
    std::string dataDir;
  };
  State CurrentState() const { return {dataDir_}; }
  void ApplyState(State state) { dataDir_ = std::move(state.dataDir); }
  void SetDataDir(std::string folder) { dataDir_ = std::move(folder); }
  // The folder in use, ending with a separator.
  std::string dataDir() const;

 private:
  CPathResolver() = default;

  std::string dataDir_;
};
