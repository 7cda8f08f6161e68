#include "orbel/search/SignalFamilies.h"

#include "host/SignalNames.h"
#include "host/Utility.h"

namespace orbel {
namespace {

constexpr char kGsmFamily[] = "GSM";

std::vector<std::string> namesOf(const char* const* names, int count) {
  std::vector<std::string> list;
  for (int i = 0; names != nullptr && i < count; ++i) list.emplace_back(names[i]);
  return list;
}

// The RRC codec's own list: the name of the code at each index.
std::vector<std::string> rrcCodecNames() {
  if (CRrcCodecLib::s_pInstance == nullptr) CRrcCodecLib::s_pInstance = new CRrcCodecLib;
  const CRrcMessageNames* source = CRrcCodecLib::s_pInstance->MessageObject();
  std::vector<std::string> list;
  for (int i = 0; source != nullptr && i < CRrcMessageNames::kCount; ++i)
    list.emplace_back(source->MessageName(source->MessageCode(i)));
  return list;
}

bool isPlaceholder(const std::string& name) {
  return CUtility::comparePartial(name, "Reserv", 6) == 0 || CUtility::comparePartial(name, "Unknow", 6) == 0 ||
         CUtility::comparePartial(name, "spare", 5) == 0 || CUtility::comparePartial(name, "Invalid", 0) == 0 ||
         name.find("NULL") != std::string::npos;
}

}  // namespace

std::vector<std::string> signalFamilyNames() {
  std::vector<std::string> families;
  for (int i = 0; i < g_RrcSigNamesNum; ++i) families.emplace_back(g_RrcSigNames[i].name);
  for (int i = 0; i < g_NasSigNamesNum; ++i) families.emplace_back(g_NasSigNames[i].name);
  if (GsmCodecLib::sm_GsmCodecLib.Interface() != nullptr) families.emplace_back(kGsmFamily);
  return families;
}

std::vector<std::string> messageNamesOfFamily(int position) {
  if (position < 0) return {};
  if (position < g_RrcSigNamesNum) {
    const SigNames& family = g_RrcSigNames[position];
    return family.count >= 1 ? namesOf(family.msgNames, family.count) : rrcCodecNames();
  }
  if (position < g_RrcSigNamesNum + g_NasSigNamesNum) {
    const SigNames& family = g_NasSigNames[position - g_RrcSigNamesNum];
    return namesOf(family.msgNames, family.count);
  }
  if (position == g_RrcSigNamesNum + g_NasSigNamesNum) {
    const IGsmCodec* gsm = GsmCodecLib::sm_GsmCodecLib.Interface();
    if (gsm == nullptr) return {};
    int count = 0;
    const char* const* names = gsm->GetMessageNameList(count);
    return namesOf(names, count);
  }
  return {};
}

std::vector<std::string> offeredMessageNames(const std::vector<std::string>& names) {
  std::vector<std::string> offered;
  for (const std::string& name : names) {
    if (isPlaceholder(name)) continue;
    offered.push_back(name.find(' ') != std::string::npos ? '"' + name + '"' : name);
  }
  return offered;
}

}  // namespace orbel
