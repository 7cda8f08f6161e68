// The trace search dialog through its exports: the record it fills, the
// history it keeps in the profile, the message names it offers and the
// notifications the host receives.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host/ScopedHostState.h"
#include "host/SignalNames.h"
#include "orbel/builders/ExportGuard.h"
#include "orbel/builders/SearchExports.h"
#include "orbel/search/CTrcSrchDlg.h"
#include "orbel/search/SignalFamilies.h"
#include "support/ScriptedHost.h"

namespace {

using namespace orbel::test;

constexpr std::uint32_t kHostParam = 0x1234;

// A host with one search record, holding a stale method, whose dialog shows
// `tabs` and runs `actions`, and which ends the dialog when it goes.
class SearchHost {
 public:
  explicit SearchHost(std::vector<tk::ScriptAction> actions, std::vector<tk::ProfileValue> profile = {},
                      int tabs = kStringSearchTab | kMessageSearchTab)
      : host_(dialogScript("CTrcSrchDlg", std::move(actions))) {
    for (const tk::ProfileValue& value : profile) host_.profile().restore(value.section, value.key, value.value);
    record.hostParam = kHostParam;
    record.method = 0x77;
    bool unused = false;
    EXPECT_EQ(SrchDlgGetSearchMethod(&record, tabs, unused), 0);
  }
  ~SearchHost() {
    if (record.dialog != nullptr) {
      record.dialog->DestroyWindow();
      delete record.dialog;
    }
  }

  ScriptedHost& host() { return host_; }
  std::string history() { return host_.profile().getString("Settings", "primsearch"); }
  const CTrcSrchDlg& dialog() { return *record.dialog; }

  TAG_KOVA_SERACH_METHOD_RECORD record;

 private:
  ScriptedHost host_;
};

std::vector<tk::ProfileValue> storedHistory(std::string text) { return {{"Settings", "primsearch", std::move(text)}}; }

TEST(TraceSearchHistory, KeepsSixteenTextsMostRecentFirstWithoutRepeats) {
  std::string sixteen;
  for (int i = 1; i <= 16; ++i) sixteen += (i == 1 ? "" : "+") + std::to_string(i);
  const std::string fifteen = sixteen.substr(0, sixteen.rfind('+'));
  const struct {
    std::string stored, searched, expected;
  } cases[] = {
      {"", "abc", "abc"},             // first search: no trailing separator
      {"x+abc+y", "abc", "abc+x+y"},  // a repeat moves to the front
      {"x+y", "abc", "abc+x+y"},
      {sixteen, "abc", "abc+" + fifteen},  // the oldest entry drops out
      {"x", "  abc  ", "abc+x"},           // stored trimmed
      {"x+y", "   ", "x+y"},               // a blank text is not stored
      {"X+abc", "ABC", "ABC+X+abc"},       // repeats are exact
  };
  for (const auto& c : cases) {
    SearchHost search({set("history", c.searched), click("find")},
                      c.stored.empty() ? std::vector<tk::ProfileValue>{} : storedHistory(c.stored));
    EXPECT_TRUE(search.host().toolkit().errors().empty()) << c.stored;
    EXPECT_EQ(search.history(), c.expected) << c.stored << " + " << c.searched;
  }
  // Typed into the list's field, with a backspace, after choosing a stored text.
  SearchHost typed({select("history", "x"), type("history", "yz\bw"), click("find")}, storedHistory("x+abc"));
  EXPECT_TRUE(typed.host().toolkit().errors().empty());
  EXPECT_EQ(typed.history(), "xyw+x+abc");
}

TEST(TraceSearchHistory, TheListOffersTheStoredTextsWithoutEmptyEntries) {
  SearchHost search({}, storedHistory("one++two"));
  const auto* history = static_cast<const tk::ComboBox*>(search.dialog().findControl("history"));
  ASSERT_EQ(history->count(), 2);
  EXPECT_EQ(history->item(1).text, "two");
  EXPECT_TRUE(search.host().profile().written().empty());  // showing the history stores nothing
}

std::vector<std::string> offeredNames(const char* family) {
  SearchHost search({select("tabs", 1), select("family", family)});
  EXPECT_TRUE(search.host().toolkit().errors().empty());
  std::vector<std::string> names;
  for (const auto& item : static_cast<const tk::ComboBox*>(search.dialog().findControl("message"))->items())
    names.push_back(item.text);
  return names;
}

bool offers(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(TraceSearchMessages, PlaceholdersAreDroppedAndNamesWithBlanksQuoted) {
  EXPECT_EQ(orbel::offeredMessageNames({"RESERVED", "reserv x", "Unknown", "SPARE1", "Invalid", "invalid",
                                        "MM NULL", "Msg A", "Invalid message", "Null", "Go"}),
            (std::vector<std::string>{"\"Msg A\"", "\"Invalid message\"", "Null", "Go"}));
  const std::vector<std::string> mm = offeredNames("MM");
  EXPECT_EQ(mm.front(), "\"IMSI DETACH INDICATION\"");
  EXPECT_FALSE(offers(mm, "\"MM NULL\""));
  EXPECT_FALSE(offers(mm, "\"Reserved (0x33)\""));
  EXPECT_TRUE(offers(mm, "ABORT"));  // no blank: no quotes
}

TEST(TraceSearchMessages, TheRrcFamilyWithoutNamesTakesThemFromTheCodecInstance) {
  const std::vector<std::string> names = offeredNames("RRC DL-DCCH");
  // 32 codec names less "Extension NULL" and three spares.
  EXPECT_EQ(names.size(), 28u);
  EXPECT_EQ(names.front(), "ActiveSetUpdate");
  EXPECT_NE(CRrcCodecLib::s_pInstance, nullptr);
}

TEST(TraceSearchMessages, GsmIsOfferedOnlyWhileItsCodecIsPresent) {
  EXPECT_TRUE(offers(orbel::signalFamilyNames(), "GSM"));
  EXPECT_TRUE(offers(offeredNames("GSM"), "\"HANDOVER COMMAND\""));
  ScopedHostState<GsmCodecLib> absent(GsmCodecLib::sm_GsmCodecLib, {false});
  EXPECT_FALSE(offers(orbel::signalFamilyNames(), "GSM"));
  EXPECT_TRUE(orbel::messageNamesOfFamily(g_RrcSigNamesNum + g_NasSigNamesNum).empty());
}

TEST(TraceSearchRecord, ControlsWriteTheRecordAtOnce) {
  struct Case {
    std::vector<tk::ScriptAction> actions;
    std::uint32_t method;
    std::uint32_t start;
    std::uint32_t end;
  };
  const Case cases[] = {
      {{click("range")}, 0x50, 0xFFFFFFFF, 0xFFFFFFFF},
      {{click("range"), set("start", "10"), set("end", "20")}, 0x50, 10, 21},
      {{click("range"), click("format.time"), set("start", "0:1:0"), set("end", "1:2")}, 0x30, 60000, 0xFFFFFFFF},
      // Switching the format reads both fields again in the new one.
      {{click("range"), set("start", "0:1:0"), click("format.time")}, 0x30, 60000, 0xFFFFFFFF},
      {{click("range"), click("format.time"), click("range")}, 0x00, 0xFFFFFFFF, 0xFFFFFFFF},
      {{click("extra.1")}, 0x10000, 0, 0},
      {{click("extra.1"), set("extra.1.text", "cause"), click("extra.2"), set("extra.2.text", "x"),
        set("extra.2.text", "")},
       0x10000, 0, 0},
  };
  for (const Case& c : cases) {
    SearchHost search(c.actions);
    EXPECT_TRUE(search.host().toolkit().errors().empty());
    EXPECT_EQ(search.record.method, c.method);
    EXPECT_EQ(search.record.startValue, c.start);
    EXPECT_EQ(search.record.endValue, c.end);
  }
}

TEST(TraceSearchRecord, FindReplacesTheOptionBitsByTheKindAndTheDialogStillTellsThem) {
  SearchHost search({click("range"), set("start", "5"), click("extra.1"), set("extra.1.text", "cause"),
                     click("direction.0"), click("find")});
  ASSERT_EQ(search.host().toolkit().notifications().size(), 1u);
  const tk::HostNotification& sent = search.host().toolkit().notifications().front();
  EXPECT_EQ(sent.code, 0x803);
  EXPECT_EQ(sent.wParam, kHostParam);
  EXPECT_EQ(sent.lParam, reinterpret_cast<std::uintptr_t>(&search.record));
  EXPECT_EQ(search.record.method, kStringSearch);  // hosts compare it with 1 and 2
  EXPECT_EQ(search.record.direction, 0);
  const TraceSearchOptions options = search.dialog().GetSearchOptions();
  EXPECT_EQ(options.bits, kSearchRange | kSearchRangeNumbers | kSearchExtraText1);
  EXPECT_EQ(options.extraText1, "cause");
  EXPECT_EQ(options.direction, 0);
  EXPECT_TRUE(std::all_of(std::begin(search.record.hostArea), std::end(search.record.hostArea),
                          [](std::uint8_t byte) { return byte == 0; }));
}

TEST(TraceSearchRecord, MessageSearchSendsTheQuotedNameAndFindAndCloseDirection255) {
  SearchHost search({select("tabs", 1), select("family", "GMM"), select("message", "\"ATTACH COMPLETE\""),
                     click("find.close"), click("find")});
  // The second Find comes after the dialog has closed: refused.
  EXPECT_EQ(search.host().toolkit().errors().size(), 1u);
  ASSERT_EQ(search.host().toolkit().notifications().size(), 1u);
  EXPECT_EQ(search.record.method, kMessageSearch);
  EXPECT_EQ(search.record.text, "\"ATTACH COMPLETE\"");
  EXPECT_EQ(search.record.direction, kSearchDirectionClosing);
  EXPECT_EQ(search.dialog().GetSearchOptions().direction, 1);  // the buttons' choice survives
  EXPECT_TRUE(search.history().empty());  // a message search keeps no history
}

TEST(TraceSearchRecord, CallingTheExportAgainLeavesExactlyOneDialog) {
  tk::Script script = dialogScript("CTrcSrchDlg", {set("history", "first")});
  script.dialogs.push_back({"CTrcSrchDlg", {set("history", "second"), click("find")}});
  ScriptedHost host(script);
  TAG_KOVA_SERACH_METHOD_RECORD record;
  bool unused = false;
  SrchDlgGetSearchMethod(&record, kStringSearchTab, unused);
  const CTrcSrchDlg* first = record.dialog;
  ASSERT_NE(first, nullptr);
  SrchDlgGetSearchMethod(&record, kStringSearchTab, unused);
  ASSERT_NE(record.dialog, nullptr);
  EXPECT_EQ(record.text, "second");
  EXPECT_EQ(host.toolkit().dialogsRun().size(), 2u);
  record.dialog->DestroyWindow();
  delete record.dialog;
  // The first dialog's window was ended before its object went.
  EXPECT_TRUE(host.toolkit().errors().empty());
}

TEST(TraceSearchRecord, WithOnlyTheMessageTabTheDialogStartsThereAndNamesTheFirstMessage) {
  SearchHost search({}, {}, kMessageSearchTab);
  EXPECT_EQ(search.record.method, 0u);  // attaching starts the options afresh
  EXPECT_FALSE(search.dialog().findControl("history")->visible());
  EXPECT_TRUE(search.dialog().findControl("message")->visible());
  EXPECT_EQ(search.record.text, "ActiveSetUpdate");
}

TEST(SearchString, ReturnsTheSearchTextOnlyWhenConfirmed) {
  const std::pair<std::vector<tk::ScriptAction>, std::pair<int, std::string>> cases[] = {
      {{set("history", " needle "), click("ok")}, {0, "needle"}},
      {{select("tabs", 1), select("family", "CC"), click("find.close")}, {0, "ALERTING"}},
      {{set("history", "needle"), click("find"), click("cancel")}, {-1, "before"}},
  };
  for (const auto& [actions, expected] : cases) {
    ScriptedHost host(dialogScript("CTrcSrchDlg", actions));
    tk::CString text = "before";
    EXPECT_EQ(SrchDlgGetSearchString(text), expected.first);
    EXPECT_EQ(text, expected.second);
    EXPECT_TRUE(host.toolkit().errors().empty());
  }
}

TEST(SearchString, AFailureInsideGivesTheCancelResultAndTellsTheUser) {
  ScriptedHost host;
  host.toolkit().failWith(std::make_exception_ptr(std::bad_alloc()));
  tk::CString text = "before";
  EXPECT_EQ(SrchDlgGetSearchString(text), -1);
  EXPECT_EQ(text, "before");
  EXPECT_EQ(host.messages(), std::vector<std::string>{orbel::kOutOfMemoryMessage});
}

}  // namespace
