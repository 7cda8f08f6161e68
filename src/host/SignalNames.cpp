#include "host/SignalNames.h"

#include <array>
#include <iterator>
#include <utility>

namespace {

// RRC messages by logical channel. The dedicated downlink messages come from
// the codec instance (the "RRC DL-DCCH" family has no list of its own).
constexpr const char* kUlDcch[] = {
    "ActiveSetUpdateComplete", "CellChangeOrderFromUTRANFailure", "CounterCheckResponse",
    "HandoverToUTRANComplete", "InitialDirectTransfer", "HandoverFromUTRANFailure",
    "MeasurementControlFailure", "MeasurementReport", "PhysicalChannelReconfigurationComplete",
    "PhysicalChannelReconfigurationFailure", "RadioBearerReconfigurationComplete",
    "RadioBearerReconfigurationFailure", "RadioBearerReleaseComplete", "RadioBearerReleaseFailure",
    "RadioBearerSetupComplete", "RadioBearerSetupFailure", "RRCConnectionReleaseComplete",
    "RRCConnectionSetupComplete", "RRCStatus", "SecurityModeComplete", "SecurityModeFailure",
    "SignallingConnectionReleaseIndication", "TransportChannelReconfigurationComplete",
    "TransportChannelReconfigurationFailure", "UECapabilityInformation", "UplinkDirectTransfer",
    "UTRANMobilityInformationConfirm", "UTRANMobilityInformationFailure", "spare1"};
constexpr const char* kUlCcch[] = {"CellUpdate", "RRCConnectionRequest", "URAUpdate", "spare"};
constexpr const char* kDlCcch[] = {"CellUpdateConfirm", "RRCConnectionReject", "RRCConnectionRelease",
                                   "RRCConnectionSetup", "URAUpdateConfirm", "Reserved"};
constexpr const char* kBcchBch[] = {
    "MasterInformationBlock", "SystemInformationBlockType1", "SystemInformationBlockType2",
    "SystemInformationBlockType3", "SystemInformationBlockType5", "SystemInformationBlockType6",
    "SystemInformationBlockType7", "SystemInformationBlockType11", "SystemInformationBlockType12",
    "SchedulingBlock1", "Invalid"};
constexpr const char* kPcch[] = {"PagingType1", "Unknown"};

// NAS messages by protocol, as the terminal's trace names them.
constexpr const char* kMm[] = {
    "IMSI DETACH INDICATION", "LOCATION UPDATING ACCEPT", "LOCATION UPDATING REJECT", "LOCATION UPDATING REQUEST",
    "AUTHENTICATION REJECT", "AUTHENTICATION REQUEST", "AUTHENTICATION RESPONSE", "AUTHENTICATION FAILURE",
    "IDENTITY REQUEST", "IDENTITY RESPONSE", "TMSI REALLOCATION COMMAND", "TMSI REALLOCATION COMPLETE",
    "CM SERVICE ACCEPT", "CM SERVICE REJECT", "CM SERVICE ABORT", "CM SERVICE REQUEST", "CM SERVICE PROMPT",
    "CM REESTABLISHMENT REQUEST", "ABORT", "MM NULL", "MM STATUS", "MM INFORMATION", "Reserved (0x33)"};
constexpr const char* kGmm[] = {
    "ATTACH REQUEST", "ATTACH ACCEPT", "ATTACH COMPLETE", "ATTACH REJECT", "DETACH REQUEST", "DETACH ACCEPT",
    "ROUTING AREA UPDATE REQUEST", "ROUTING AREA UPDATE ACCEPT", "ROUTING AREA UPDATE COMPLETE",
    "ROUTING AREA UPDATE REJECT", "SERVICE REQUEST", "SERVICE ACCEPT", "SERVICE REJECT",
    "P-TMSI REALLOCATION COMMAND", "P-TMSI REALLOCATION COMPLETE", "AUTHENTICATION AND CIPHERING REQUEST",
    "AUTHENTICATION AND CIPHERING RESPONSE", "AUTHENTICATION AND CIPHERING REJECT",
    "AUTHENTICATION AND CIPHERING FAILURE", "IDENTITY REQUEST", "IDENTITY RESPONSE", "GMM STATUS",
    "GMM INFORMATION", "RESERVED"};
constexpr const char* kCc[] = {
    "ALERTING", "CALL CONFIRMED", "CALL PROCEEDING", "CONNECT", "CONNECT ACKNOWLEDGE", "EMERGENCY SETUP",
    "PROGRESS", "SETUP", "MODIFY", "MODIFY COMPLETE", "MODIFY REJECT", "DISCONNECT", "RELEASE",
    "RELEASE COMPLETE", "STATUS", "STATUS ENQUIRY", "START DTMF", "START DTMF ACKNOWLEDGE", "STOP DTMF",
    "STOP DTMF ACKNOWLEDGE", "FACILITY", "CC NULL"};
constexpr const char* kSm[] = {
    "ACTIVATE PDP CONTEXT REQUEST", "ACTIVATE PDP CONTEXT ACCEPT", "ACTIVATE PDP CONTEXT REJECT",
    "REQUEST PDP CONTEXT ACTIVATION", "MODIFY PDP CONTEXT REQUEST", "MODIFY PDP CONTEXT ACCEPT",
    "DEACTIVATE PDP CONTEXT REQUEST", "DEACTIVATE PDP CONTEXT ACCEPT", "SM STATUS", "Spare (0x56)"};

// GSM radio-resource messages.
constexpr const char* kGsm[] = {
    "SYSTEM INFORMATION TYPE 1", "SYSTEM INFORMATION TYPE 2", "SYSTEM INFORMATION TYPE 3",
    "SYSTEM INFORMATION TYPE 4", "PAGING REQUEST TYPE 1", "CHANNEL REQUEST", "IMMEDIATE ASSIGNMENT",
    "IMMEDIATE ASSIGNMENT REJECT", "CIPHERING MODE COMMAND", "CIPHERING MODE COMPLETE", "ASSIGNMENT COMMAND",
    "ASSIGNMENT COMPLETE", "HANDOVER COMMAND", "HANDOVER COMPLETE", "CHANNEL RELEASE", "MEASUREMENT REPORT",
    "CLASSMARK CHANGE", "RR STATUS", "unknown message type"};

// The dedicated downlink messages the RRC codec decodes, by message code.
constexpr std::array<std::pair<std::uint32_t, const char*>, CRrcMessageNames::kCount> kRrcCodecMessages{{
    {0x00, "ActiveSetUpdate"},
    {0x01, "AssistanceDataDelivery"},
    {0x02, "CellChangeOrderFromUTRAN"},
    {0x03, "CellUpdateConfirm"},
    {0x04, "CounterCheck"},
    {0x05, "DownlinkDirectTransfer"},
    {0x06, "HandoverFromUTRANCommand-GSM"},
    {0x07, "HandoverFromUTRANCommand-CDMA2000"},
    {0x08, "MeasurementControl"},
    {0x09, "PDCPCapabilityEnquiry"},
    {0x0A, "PhysicalChannelReconfiguration"},
    {0x0B, "PhysicalSharedChannelAllocation"},
    {0x0C, "RadioBearerReconfiguration"},
    {0x0D, "RadioBearerRelease"},
    {0x0E, "RadioBearerSetup"},
    {0x0F, "RRCConnectionRelease"},
    {0x10, "SecurityModeCommand"},
    {0x11, "SignallingConnectionRelease"},
    {0x12, "TransportChannelReconfiguration"},
    {0x13, "TransportFormatCombinationControl"},
    {0x14, "UECapabilityEnquiry"},
    {0x15, "UECapabilityInformationConfirm"},
    {0x16, "UplinkPhysicalChannelControl"},
    {0x17, "URAUpdateConfirm"},
    {0x18, "UTRANMobilityInformation"},
    {0x19, "HandoverFromUTRANCommand-GERANIu"},
    {0x1A, "MBMSModifiedServicesInformation"},
    {0x1B, "HandoverFromUTRANCommand-EUTRA"},
    {0x1C, "Extension NULL"},
    {0x1D, "spare3"},
    {0x1E, "spare2"},
    {0x1F, "spare1"},
}};

class GsmRrCodec : public IGsmCodec {
 public:
  const char* const* GetMessageNameList(int& count) const override {
    count = static_cast<int>(std::size(kGsm));
    return kGsm;
  }
};

GsmRrCodec gsmRrCodec;

template <std::size_t N>
constexpr SigNames family(const char* name, const char* const (&names)[N]) {
  return {name, names, static_cast<std::int32_t>(N)};
}

}  // namespace

const SigNames g_RrcSigNames[] = {
    {"RRC DL-DCCH", nullptr, 0}, family("RRC UL-DCCH", kUlDcch), family("RRC UL-CCCH", kUlCcch),
    family("RRC DL-CCCH", kDlCcch), family("RRC BCCH-BCH", kBcchBch), family("RRC PCCH", kPcch),
};
const int g_RrcSigNamesNum = static_cast<int>(std::size(g_RrcSigNames));
const SigNames g_NasSigNames[] = {family("MM", kMm), family("GMM", kGmm), family("CC", kCc), family("SM", kSm)};
const int g_NasSigNamesNum = static_cast<int>(std::size(g_NasSigNames));

CRrcCodecLib* CRrcCodecLib::s_pInstance = nullptr;

std::uint32_t CRrcMessageNames::MessageCode(int index) const {
  if (index < 0 || index >= kCount) return 0xFFFFFFFF;
  return kRrcCodecMessages[static_cast<std::size_t>(index)].first;
}

const char* CRrcMessageNames::MessageName(std::uint32_t code) const {
  for (const auto& [known, name] : kRrcCodecMessages)
    if (known == code) return name;
  return "Unknown";
}

GsmCodecLib GsmCodecLib::sm_GsmCodecLib;

GsmCodecLib::GsmCodecLib() : interface_(&gsmRrCodec) {}

void GsmCodecLib::ApplyState(State state) { interface_ = state.present ? &gsmRrCodec : nullptr; }
