// Other-parameter configuration dialog: one tick box per reportable radio
// parameter. It remembers the last confirmed choice in the application
// profile and builds the command that tells the terminal which parameters to
// report. The host may also use the static configuration operations alone.
#pragma once

#include <deque>
#include <vector>

#include "orbel/Export.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Dialog.h"

// A configuration is a byte vector: byte 0 the number n of parameter codes,
// then the n codes in the order of the parameter table; never empty, never
// longer than 256 bytes.
class ORBEL_EXPORT COtherParamCfgDlg : public tk::CDialog {
 public:
  // Loads the stored configuration (LoadConfig).
  explicit COtherParamCfgDlg(tk::CWnd* parent = nullptr);
  ~COtherParamCfgDlg() override;

  // The configuration stored in the profile ("Settings", "OtherParamConfig"),
  // or the default when none is stored; normalised.
  static std::vector<unsigned char> LoadConfig();
  // Stores `config`'s bytes as they are.
  static void SaveConfig(const std::vector<unsigned char>& config);
  // The codes of every default row in table order, whatever the switches say.
  static std::vector<unsigned char> GetDefaultConfig();
  // Normalises: an empty vector becomes the single byte 0; a longer one is
  // cut to 256 bytes and its byte 0 set to the number of codes that follow.
  static void checkConfig(std::vector<unsigned char>& config);

  // Ticks each offered row when `all` is true or one of its codes is among
  // `config`'s codes (byte 1 onwards); rows whose switch is off are greyed
  // and unticked.
  void UpdateUi(const std::vector<unsigned char>& config, bool all);

  // Without `showDialog` builds the message from the loaded configuration;
  // otherwise runs the dialog and builds it from the confirmed one. The
  // message is malloc'ed and released by the caller with free(). Null with
  // `length` 0 on Cancel or when feature switch 143 is off.
  unsigned char* GetFullMsg(int showDialog, int& length);

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  // The message of the current configuration; null with `length` 0 when
  // feature switch 143 is off.
  unsigned char* generateMag(int& length);

  void OnSelectAll();
  void OnSelectNone();
  void OnSelectDefault();
  void OnRestore();

 private:
  std::deque<tk::CheckBox> m_paramChecks;  // one per table row, in table order
  tk::Button m_selectAllButton{"selectall", "Select &All"};
  tk::Button m_selectNoneButton{"selectnone", "Select &None"};
  tk::Button m_selectDefaultButton{"selectdefault", "&Default Selection"};
  tk::Button m_restoreButton{"restore", "&Restore"};

  std::vector<unsigned char> m_config;  // loaded at construction, replaced on OK
};
