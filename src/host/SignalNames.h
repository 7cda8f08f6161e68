// The signal-name tables of the host's codec library: the RRC and NAS signal
// families with their message names, the RRC codec's own list of message
// names and the GSM codec's list, which is absent when GSM decoding is.
#pragma once

#include <cstdint>

// One signal family: its name and its message names. A family whose count is
// not positive has no list of its own (the RRC codec instance supplies one).
struct SigNames {
  const char* name;
  const char* const* msgNames;
  std::int32_t count;
};

extern const SigNames g_RrcSigNames[];
extern const int g_RrcSigNamesNum;
extern const SigNames g_NasSigNames[];
extern const int g_NasSigNamesNum;

// The names of the RRC messages the RRC codec decodes: a message code for
// each index from 0 to kCount - 1, and a name for each code.
class CRrcMessageNames {
 public:
  static constexpr int kCount = 32;
  // The code at `index`, 0xFFFFFFFF outside 0 to kCount - 1.
  std::uint32_t MessageCode(int index) const;
  // The name of `code`, "Unknown" for a code the codec does not know.
  const char* MessageName(std::uint32_t code) const;
};

class CRrcCodecLib {
 public:
  // The process's RRC codec; null until a caller constructs one and stores it here.
  static CRrcCodecLib* s_pInstance;

  // The codec's message-name source; null when the codec has none.
  const CRrcMessageNames* MessageObject() const { return &messageNames_; }

 private:
  CRrcMessageNames messageNames_;
};

// The GSM codec's interface.
class IGsmCodec {
 public:
  virtual ~IGsmCodec() = default;
  // The names of the GSM messages it decodes; their number goes to `count`.
  virtual const char* const* GetMessageNameList(int& count) const = 0;
};

// The host's GSM codec. Its interface is null when GSM decoding is absent;
// the host program says which (the CLI and the Qt host offer a setting,
// tests change it for one scope through ScopedHostState).
class GsmCodecLib {
 public:
  static GsmCodecLib sm_GsmCodecLib;

  IGsmCodec* Interface() const { return interface_; }

  struct State {
    bool present = true;
  };
  State CurrentState() const { return {interface_ != nullptr}; }
  void ApplyState(State state);

 private:
  GsmCodecLib();

  IGsmCodec* interface_;
};
