// The trace search exports, run as a host runs them: the modeless dialog
// serves a record of the host's, and the host hears of each Find.
#include "orbel/builders/SearchExports.h"

#include <functional>
#include <string>
#include <utility>

#include "orbel/search/CTrcSrchDlg.h"
#include "runner/BuilderCall.h"
#include "runner/ExportGroups.h"
#include "toolkit/Toolkit.h"

namespace orbel::runner {
namespace {

// The value this host gives its search record, passed back with every notification.
constexpr std::uint32_t kHostParam = 1;

constexpr Parameter kTabs = parameterOf<int>("tabs", "1 string search, 2 message search, 3 both", 3);

// Passes everything to the toolkit installed before it and shows the host
// each notification as it is sent, while the sender's state is as it was then.
class NotificationTap : public tk::Toolkit {
 public:
  NotificationTap(tk::Toolkit& inner, std::function<void(const tk::HostNotification&)> heard)
      : inner_(inner), heard_(std::move(heard)) {}

  int runModal(tk::CDialog& dialog) override { return inner_.runModal(dialog); }
  bool createModeless(tk::CDialog& dialog) override { return inner_.createModeless(dialog); }
  void showModeless(tk::CDialog& dialog, bool visible) override { inner_.showModeless(dialog, visible); }
  void destroyModeless(tk::CDialog& dialog) override { inner_.destroyModeless(dialog); }
  void abandonModeless(tk::CDialog& dialog) override { inner_.abandonModeless(dialog); }
  int messageBox(tk::CDialog* owner, const std::string& text, const std::string& caption, unsigned style) override {
    return inner_.messageBox(owner, text, caption, style);
  }
  std::optional<std::string> chooseFile(const tk::FileDialogRequest& request) override {
    return inner_.chooseFile(request);
  }
  void fileSaveFailed(const std::string& error) override { inner_.fileSaveFailed(error); }
  void setClipboard(const std::string& text) override { inner_.setClipboard(text); }
  void notifyHost(const tk::HostNotification& notification) override {
    inner_.notifyHost(notification);
    heard_(notification);
  }
  tk::ProfileStore& profile() override { return inner_.profile(); }

 private:
  tk::Toolkit& inner_;
  std::function<void(const tk::HostNotification&)> heard_;
};

std::vector<std::pair<std::string, OutValue>> recordFields(const TAG_KOVA_SERACH_METHOD_RECORD& record) {
  return {{"method", std::int64_t{record.method}},       {"startValue", std::int64_t{record.startValue}},
          {"endValue", std::int64_t{record.endValue}},   {"direction", std::int64_t{record.direction}},
          {"hostParam", std::int64_t{record.hostParam}}, {"text", record.text}};
}

ExportOutcome runSearchMethod(const ExportCall& call) {
  TAG_KOVA_SERACH_METHOD_RECORD record;
  record.hostParam = kHostParam;
  ExportOutcome outcome;
  tk::Toolkit* installed = tk::installedToolkit();
  if (installed == nullptr) return outcome;
  NotificationTap tap(*installed, [&](const tk::HostNotification& notification) {
    if (notification.code != kSearchNotification) return;
    const auto* sent = reinterpret_cast<const TAG_KOVA_SERACH_METHOD_RECORD*>(notification.lParam);
    std::vector<std::pair<std::string, OutValue>> fields = recordFields(*sent);
    // The options a Find replaced in `method`, as the host reads them through the dialog.
    if (sent->dialog != nullptr) {
      const TraceSearchOptions options = sent->dialog->GetSearchOptions();
      fields.insert(fields.end(), {{"options", std::int64_t{options.bits}},
                                   {"extraText1", options.extraText1},
                                   {"extraText2", options.extraText2},
                                   {"searchDirection", std::int64_t{options.direction}}});
    }
    outcome.notifications.push_back(std::move(fields));
  });
  tk::ToolkitInstallation installation(tap);
  bool unused = false;
  outcome.returned = std::int64_t{SrchDlgGetSearchMethod(&record, static_cast<int>(arg(call, kTabs)), unused)};
  outcome.out = recordFields(record);
  // The host is done with the dialog: its window goes before the object.
  if (record.dialog != nullptr) {
    record.dialog->DestroyWindow();
    delete record.dialog;
  }
  return outcome;
}

ExportOutcome runSearchString(const ExportCall&) {
  tk::CString text;
  ExportOutcome outcome;
  outcome.returned = std::int64_t{SrchDlgGetSearchString(text)};
  outcome.out = {{"text", text}};
  return outcome;
}

}  // namespace

void addSearchExports(std::vector<ExportInfo>& table) {
  table.push_back(exportRow(ORBEL_SIGNATURE(SrchDlgGetSearchMethod, "record", "tabs", "unused"), "trace tools",
                            "modeless trace search dialog serving a search record; prints the record sent with "
                            "each notification 0x803 and the record at the end",
                            {kTabs}, runSearchMethod));
  table.push_back(exportRow(ORBEL_SIGNATURE(SrchDlgGetSearchString, "text"), "trace tools",
                            "modal trace search dialog; prints the search text confirmed", {}, runSearchString));
}

}  // namespace orbel::runner
