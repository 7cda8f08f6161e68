// Trace files and the host's search over them: every malformed line is
// refused with its number, and searches over the sample trace find what a
// user asks for in both directions, within ranges and with extra texts.
#include <gtest/gtest.h>

#include "runner/TraceFile.h"
#include "runner/TraceSearch.h"

namespace {

using namespace orbel::runner;

constexpr char kGoodLine[] =
    R"({"seq":7,"time":"08:15:02.345","dir":"UL","family":"GMM","message":"ATTACH REQUEST","summary":"P-TMSI 1","bytes":"0A0b"})";

TEST(TraceFile, ReadsEntriesSkippingBlankLinesAndCarriageReturns) {
  TraceRead read = parseTrace(std::string(kGoodLine) + "\r\n\n  \n" + kGoodLine);
  ASSERT_TRUE(read.ok()) << read.error;
  ASSERT_EQ(read.entries.size(), 2u);
  const TraceEntry& entry = read.entries.front();
  EXPECT_EQ(entry.sequence, 7u);
  EXPECT_EQ(entry.timeMs, (8 * 3600 + 15 * 60 + 2) * 1000u + 345);
  EXPECT_EQ(entry.direction, TraceDirection::Uplink);
  EXPECT_EQ(entry.bytes, (std::vector<std::uint8_t>{0x0A, 0x0B}));
  EXPECT_EQ(entry.searchText, "gmm attach request p-tmsi 1");
  EXPECT_EQ(formatTraceTime(entry.timeMs), "08:15:02.345");
}

TEST(TraceFile, RefusesEachMalformedLineByNumberAndKeepsNoEntry) {
  const std::pair<std::string, std::string> cases[] = {
      {"{", "not a JSON object"},
      {"[1]", "not a JSON object"},
      {R"({"seq":-1,"time":"08:15:02.345","dir":"UL","family":"","message":"","summary":""})", "\"seq\""},
      {R"({"seq":4294967296,"time":"08:15:02.345","dir":"UL","family":"","message":"","summary":""})", "\"seq\""},
      {R"({"time":"08:15:02.345","dir":"UL","family":"","message":"","summary":""})", "\"seq\""},
      {R"({"seq":1,"time":"8:15:02.345","dir":"UL","family":"","message":"","summary":""})", "\"time\""},
      {R"({"seq":1,"time":"24:00:00.000","dir":"UL","family":"","message":"","summary":""})", "\"time\""},
      {R"({"seq":1,"time":"08:60:00.000","dir":"UL","family":"","message":"","summary":""})", "\"time\""},
      {R"({"seq":1,"time":"08:15:02.3a5","dir":"UL","family":"","message":"","summary":""})", "\"time\""},
      {R"({"seq":1,"time":"08:15:02.345","dir":"up","family":"","message":"","summary":""})", "\"dir\""},
      {R"({"seq":1,"time":"08:15:02.345","dir":"UL","family":"","message":"","summary":7})", "\"summary\""},
      {R"({"seq":1,"time":"08:15:02.345","dir":"UL","family":"","message":"","summary":"","bytes":"0G"})", "\"bytes\""},
      {R"({"seq":1,"time":"08:15:02.345","dir":"UL","family":"","message":"","summary":"","bytes":"123"})", "\"bytes\""},
      {R"({"seq":1,"time":"08:15:02.345","dir":"UL","family":"","message":"","summary":"","extra":1})", "\"extra\""},
      {"{\"seq\":1,\"summary\":\"" + std::string(kTraceLineLimit, 'x') + "\"}", "longer than"},
  };
  for (const auto& [line, fault] : cases) {
    TraceRead read = parseTrace(std::string(kGoodLine) + "\n\n" + line + "\n" + kGoodLine);
    EXPECT_TRUE(read.entries.empty()) << line.substr(0, 80);
    EXPECT_EQ(read.error.rfind("line 3: ", 0), 0u) << read.error;
    EXPECT_NE(read.error.find(fault), std::string::npos) << read.error;
  }
}

class SampleTraceSearch : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    TraceRead read = readTraceFile(ORBEL_SAMPLE_TRACE);
    ASSERT_TRUE(read.ok()) << read.error;
    trace_ = new std::vector<TraceEntry>(std::move(read.entries));
  }
  static void TearDownTestSuite() { delete trace_; }

  static std::optional<TraceQuery> query(std::uint32_t method, std::string text, TraceSearchOptions options = {},
                                         std::uint8_t direction = 1, std::uint32_t start = 0, std::uint32_t end = 0) {
    TAG_KOVA_SERACH_METHOD_RECORD record;
    record.method = method;
    record.text = std::move(text);
    record.direction = direction;
    record.startValue = start;
    record.endValue = end;
    std::string refusal;
    return queryOfRecord(record, options, refusal);
  }
  static std::optional<std::size_t> next(const TraceQuery& q, std::optional<std::size_t> from) {
    return findNext(*trace_, q, from);
  }
  static const TraceEntry& at(std::size_t index) { return (*trace_)[index]; }

  static std::vector<TraceEntry>* trace_;
};

std::vector<TraceEntry>* SampleTraceSearch::trace_ = nullptr;

TEST_F(SampleTraceSearch, MessageSearchFindsTheNameWithoutItsQuotesInBothDirectionsAndWraps) {
  std::optional<TraceQuery> forward = query(kMessageSearch, "\"ATTACH ACCEPT\"");
  ASSERT_TRUE(forward);
  std::optional<std::size_t> first = next(*forward, std::nullopt);
  ASSERT_TRUE(first);
  EXPECT_EQ(at(*first).message, "ATTACH ACCEPT");
  EXPECT_EQ(at(*first).family, "GMM");
  // The only attach of the trace: searching on from it wraps round to it again.
  EXPECT_EQ(next(*forward, first), first);
  std::optional<TraceQuery> backward = query(kMessageSearch, "\"ROUTING AREA UPDATE ACCEPT\"", {}, 0);
  std::optional<std::size_t> last = next(*backward, std::nullopt);
  ASSERT_TRUE(last);
  std::optional<std::size_t> before = next(*backward, last);
  ASSERT_TRUE(before);
  EXPECT_LT(*before, *last);
  for (std::size_t i = *last + 1; i < trace_->size(); ++i) EXPECT_NE(at(i).message, "ROUTING AREA UPDATE ACCEPT");
  // A message search compares whole names: "SETUP" is not "RadioBearerSetup".
  std::optional<std::size_t> setup = next(*query(kMessageSearch, "SETUP"), std::nullopt);
  ASSERT_TRUE(setup);
  EXPECT_EQ(at(*setup).message, "SETUP");
  // Find and Close searches in the direction the dialog shows.
  std::optional<TraceQuery> closing = query(kMessageSearch, "PagingType1", {0, {}, {}, 0}, kSearchDirectionClosing);
  ASSERT_TRUE(closing);
  EXPECT_FALSE(closing->forward);
}

TEST_F(SampleTraceSearch, StringSearchIgnoresCaseAndReadsFamilyMessageAndSummary) {
  std::optional<std::size_t> hit = next(*query(kStringSearch, "cmnet"), std::nullopt);
  ASSERT_TRUE(hit);
  EXPECT_EQ(at(*hit).message, "ACTIVATE PDP CONTEXT REQUEST");
  EXPECT_EQ(next(*query(kStringSearch, "no such text"), std::nullopt), std::nullopt);
}

TEST_F(SampleTraceSearch, RangesOfNumbersAndTimesLimitTheHits) {
  TraceSearchOptions numbers{kSearchRange | kSearchRangeNumbers, {}, {}, 1};
  std::optional<std::size_t> hit = next(*query(kMessageSearch, "MeasurementReport", numbers, 1, 1000, 2001), {});
  ASSERT_TRUE(hit);
  EXPECT_GE(at(*hit).sequence, 1000u);
  // Backward from the start of the trace wraps to the last hit inside the range.
  hit = next(*query(kMessageSearch, "MeasurementReport", numbers, 0, 1000, 2001), std::nullopt);
  ASSERT_TRUE(hit);
  EXPECT_LE(at(*hit).sequence, 2000u);
  EXPECT_EQ(next(*query(kMessageSearch, "\"ATTACH ACCEPT\"", numbers, 1, 1000, 2001), {}), std::nullopt);

  TraceSearchOptions times{kSearchRange | kSearchRangeTimes, {}, {}, 1};
  const std::uint32_t from = at(1500).timeMs;
  hit = next(*query(kStringSearch, "PagingType1", times, 1, from, from + 60000), std::nullopt);
  ASSERT_TRUE(hit);
  EXPECT_GE(at(*hit).timeMs, from);
  EXPECT_LT(at(*hit).timeMs, from + 60000);
}

TEST_F(SampleTraceSearch, ExtraTextsMustAllAppearAndOnlyWhenTheirBitSaysSo) {
  TraceSearchOptions extra{kSearchExtraText1 | kSearchExtraText2, "cell 33", "RSCP", 1};
  std::optional<std::size_t> hit = next(*query(kMessageSearch, "MeasurementReport", extra), std::nullopt);
  ASSERT_TRUE(hit);
  EXPECT_NE(at(*hit).summary.find("cell 33 RSCP"), std::string::npos);
  TraceSearchOptions unset{0, "no such text", "", 1};  // a text without its bit does not apply
  EXPECT_TRUE(next(*query(kMessageSearch, "MeasurementReport", unset), std::nullopt));
}

TEST(TraceQuery, RefusesRecordsThatAskForNothingSearchable) {
  const auto refusal = [](std::uint32_t method, std::string text, std::uint32_t bits, std::uint32_t start,
                          std::uint32_t end) {
    TAG_KOVA_SERACH_METHOD_RECORD record;
    record.method = method;
    record.text = std::move(text);
    record.startValue = start;
    record.endValue = end;
    std::string why;
    EXPECT_FALSE(queryOfRecord(record, {bits, {}, {}, 1}, why));
    return why;
  };
  EXPECT_NE(refusal(0x50, "x", 0, 0, 1).find("no search"), std::string::npos);  // option bits, no kind
  EXPECT_NE(refusal(kStringSearch, "", 0, 0, 1).find("nothing"), std::string::npos);
  EXPECT_NE(refusal(kMessageSearch, "\"\"", 0, 0, 1).find("nothing"), std::string::npos);
  EXPECT_NE(refusal(kStringSearch, "x", kSearchRange | kSearchRangeNumbers, 0xFFFFFFFF, 5).find("numbers"),
            std::string::npos);
  EXPECT_NE(refusal(kStringSearch, "x", kSearchRange | kSearchRangeTimes, 5, 0xFFFFFFFF).find("times"),
            std::string::npos);
  EXPECT_NE(refusal(kStringSearch, "x", kSearchRange, 5, 5).find("ends before"), std::string::npos);
}

TEST(FindNext, StartsAfterTheCurrentEntryAndVisitsItLast) {
  std::vector<TraceEntry> entries;
  for (std::uint32_t i = 0; i < 4; ++i)
    entries.push_back(makeTraceEntry(i, i, TraceDirection::Internal, "F", i % 2 == 0 ? "even" : "odd", ""));
  TraceQuery even;
  even.messageSearch = true;
  even.text = "even";
  EXPECT_EQ(findNext(entries, even, std::nullopt), 0u);
  EXPECT_EQ(findNext(entries, even, 0), 2u);
  EXPECT_EQ(findNext(entries, even, 2), 0u);  // wraps
  EXPECT_EQ(findNext(entries, even, 9), 0u);  // a current entry past the end counts as none
  even.forward = false;
  EXPECT_EQ(findNext(entries, even, std::nullopt), 2u);
  EXPECT_EQ(findNext(entries, even, 2), 0u);
  EXPECT_EQ(findNext(entries, even, 0), 2u);  // wraps backward
  TraceQuery odd = even;
  odd.text = "odd";
  entries.resize(2);
  EXPECT_EQ(findNext(entries, odd, 1), 1u);  // the current entry is the only hit
  EXPECT_EQ(findNext({}, odd, std::nullopt), std::nullopt);
}

}  // namespace
