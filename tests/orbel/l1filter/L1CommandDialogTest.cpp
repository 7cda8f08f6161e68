// The exported port-setting and loop-test dialogs run as their host runs
// them (construct, modal run, read the frame pointer), and the frame check
// that locates the layer-1 message inside a command frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <numeric>

#include "orbel/filter/FilterTestSupport.h"
#include "orbel/l1filter/L1CommandFrame.h"
#include "orbel/l1filter/PhyFaComSet.h"
#include "orbel/l1filter/PhyFaLoopTest.h"
#include "orbel/wire/ByteOrder.h"
#include "orbel/wire/HexText.h"
#include "support/GuardedFifo.h"
#include "support/ScriptedHost.h"

namespace {

using namespace orbel;
using test::click;
using test::dialogScript;
using test::set;
namespace fs = std::filesystem;

struct HostRun {
  int code = 0;
  std::vector<std::uint8_t> frame;  // copied from the frame pointer after OK
  bool framePointerNull = true;
};

// What a host does with an exported command dialog.
template <class Dialog>
HostRun runAsHost() {
  Dialog dialog;
  HostRun run;
  run.code = dialog.DoModal();
  run.framePointerNull = dialog.m_pFrame == nullptr;
  if (run.code == tk::IDOK && dialog.m_pFrame != nullptr)
    run.frame.assign(dialog.m_pFrame, dialog.m_pFrame + readU16LE({dialog.m_pFrame, 2}, 0));
  return run;
}

std::string hexRange(const std::vector<std::uint8_t>& bytes, std::size_t from, std::size_t count) {
  return toHex(std::span(bytes).subspan(from, count));
}

bool zeroFrom(const std::vector<std::uint8_t>& bytes, std::size_t from) {
  return std::all_of(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.end(),
                     [](std::uint8_t b) { return b == 0; });
}

TEST(PhyFaComSet, SendsZeroWhileTheBoxIsTickedAndOneOnceUnticked) {
  struct Case {
    std::vector<tk::ScriptAction> actions;
    const char* firstBodyWord;
  };
  const Case cases[] = {{{click("ok")}, "00 00 00 00"}, {{click("option"), click("ok")}, "01 00 00 00"}};
  for (const Case& c : cases) {
    test::ScriptedHost host(dialogScript("PhyFaComSet", c.actions));
    const HostRun run = runAsHost<PhyFaComSet>();
    ASSERT_EQ(run.code, tk::IDOK);
    ASSERT_EQ(run.frame.size(), 1176u);
    EXPECT_EQ(hexRange(run.frame, 0, 24), "98 04 FF 00 BB 00 4B 71 00 00 05 00 82 BB 00 00 00 00 00 00 80 04 00 00");
    EXPECT_EQ(hexRange(run.frame, 24, 24), "F4 64 F3 64 34 02 00 00 00 00 00 00 00 00 00 00 05 00 82 80 00 00 00 00");
    EXPECT_EQ(hexRange(run.frame, 48, 4), c.firstBodyWord);
    EXPECT_TRUE(zeroFrom(run.frame, 52));
    EXPECT_TRUE(ValidateL1CommandFrame(run.frame));
    EXPECT_TRUE(host.messages().empty());
  }
}

TEST(PhyFaComSet, NoToolkitLeavesTheFramePointerNull) {
  const HostRun run = runAsHost<PhyFaComSet>();
  EXPECT_EQ(run.code, tk::kDialogNotCreated);
  EXPECT_TRUE(run.framePointerNull);
}

TEST(PhyFaComSet, ASecondRunReplacesTheFrameItHeld) {
  tk::Script script;
  script.dialogs = {{"PhyFaComSet", {click("ok")}}, {"PhyFaComSet", {click("option"), click("ok")}}};
  test::ScriptedHost host(script);
  PhyFaComSet dialog;
  ASSERT_EQ(dialog.DoModal(), tk::IDOK);
  ASSERT_EQ(dialog.DoModal(), tk::IDOK);  // the first frame is released, not leaked
  EXPECT_EQ(dialog.m_pFrame[48], 1);
}

class PhyFaLoopTestTest : public test::ScratchFolder {
 protected:
  void TearDown() override {
    EXPECT_EQ(fs::current_path(), start_);  // browsing never moves the current folder
    ScratchFolder::TearDown();
  }

  // A file of `size` bytes counting up from 1.
  std::string file(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{1});
    test::writeBytes(path("data" + std::to_string(size)), bytes);
    return path("data" + std::to_string(size));
  }
};

// The message grows in blocks of 1152 bytes; the box starts ticked, and
// unticked it sends the other command code.
TEST_F(PhyFaLoopTestTest, TheMessageGrowsInBlocksOf1152BytesAndTheBoxChoosesTheCode) {
  struct Case {
    std::size_t fileSize, messageLength;
    bool untick = false;
  };
  for (const Case& c :
       {Case{1, 1152}, Case{1124, 1152}, Case{1125, 2304}, Case{10240, 10368}, Case{3, 1152, true}}) {
    std::vector<tk::ScriptAction> actions{set("path", file(c.fileSize)), click("ok")};
    if (c.untick) actions.insert(actions.begin() + 1, click("option"));
    test::ScriptedHost host(dialogScript("PhyFaLoopTest", actions));
    const HostRun run = runAsHost<PhyFaLoopTest>();
    ASSERT_EQ(run.frame.size(), c.messageLength + 24) << c.fileSize;
    const std::span<const std::uint8_t> frame(run.frame);
    const std::uint32_t code = c.untick ? 4 : 3;
    EXPECT_EQ(readU16LE(frame, 20), c.messageLength);
    EXPECT_EQ(readU32LE(frame, 10), 0xBB820000u | code);
    EXPECT_EQ(readU16LE(frame, 28), (c.messageLength - 24) / 2);
    EXPECT_EQ(readU32LE(frame, 40), 0x80820000u | code);
    EXPECT_EQ(readU32LE(frame, 48), c.fileSize);
    EXPECT_EQ(run.frame[52], 1);
    EXPECT_EQ(run.frame[52 + c.fileSize - 1], static_cast<std::uint8_t>(c.fileSize));
    EXPECT_TRUE(zeroFrom(run.frame, 52 + c.fileSize));
    const L1FrameCheck check = ValidateL1CommandFrame(run.frame);
    ASSERT_TRUE(check);
    EXPECT_EQ(check.message.size(), c.messageLength);
  }
}

TEST_F(PhyFaLoopTestTest, RefusesFilesItCannotSendAndStaysOpen) {
  fs::create_directories(folder_ / "sub");
  test::GuardedFifo pipe(path("pipe"));
  struct Case {
    std::string path;
    const char* message;
  };
  const Case cases[] = {
      {file(10241), "file is too big(should <= 10K)"},
      {file(0), "file is empty"},
      {path("missing"), "open file fail"},
      {path("sub"), "open file fail"},
      {pipe.path(), "open file fail"},
      {"/dev/zero", "open file fail"},
      {"", "open file fail"},
  };
  for (const Case& c : cases) {
    // The user fixes the path after the message and confirms again.
    test::ScriptedHost host(
        dialogScript("PhyFaLoopTest", {set("path", c.path), click("ok"), set("path", file(5)), click("ok")}));
    const HostRun run = runAsHost<PhyFaLoopTest>();
    EXPECT_EQ(host.messages(), std::vector<std::string>{c.message}) << c.path;
    EXPECT_EQ(run.frame.size(), 1176u);
    EXPECT_TRUE(host.toolkit().errors().empty());
  }
  EXPECT_FALSE(pipe.blocked());
}

TEST_F(PhyFaLoopTestTest, BrowseFillsThePathFromAnOpenFileDialog) {
  tk::Script script = dialogScript("PhyFaLoopTest", {click("browse"), click("browse"), click("ok")});
  script.files = {file(2), std::nullopt};  // the second browse is cancelled
  test::ScriptedHost host(script);
  const HostRun run = runAsHost<PhyFaLoopTest>();
  ASSERT_EQ(host.toolkit().fileDialogs().size(), 2u);
  const tk::FileDialogRequest& request = host.toolkit().fileDialogs()[0].request;
  EXPECT_FALSE(request.save);
  EXPECT_EQ(request.filter, "all file(*.*)|*.*||");
  EXPECT_EQ(request.defaultExt, "");
  EXPECT_EQ(readU32LE(run.frame, 48), 2u);
  EXPECT_EQ(host.toolkit().fileDialogs()[1].request.folder, folder_.string());  // where the first was confirmed
}

TEST(L1FrameCheck, RefusesEveryInconsistency) {
  CommandBuffer built = buildPortSettingFrame(true);
  const std::vector<std::uint8_t> good(built.bytes().begin(), built.bytes().end());
  struct Case {
    const char* what;
    std::size_t offset;
    std::vector<std::uint8_t> bytes;  // written at offset
    L1FrameError error;
  };
  const Case cases[] = {
      {"another command code", 10, {0x06, 0x00, 0x82, 0xBB}, L1FrameError::CodeMismatch},
      {"not routed to layer 1", 13, {0xBA}, L1FrameError::NotLayer1},
      {"a message offset", 18, {0x01}, L1FrameError::MessageOffset},
      {"a message shorter than its header", 20, {23, 0}, L1FrameError::MessageTooShort},
      {"a spare word", 22, {0, 1}, L1FrameError::SpareNotZero},
      {"more body words than the message holds", 28, {0x35, 0x02}, L1FrameError::BodyLengthMismatch},
      {"a message longer than the frame", 20, {0x81, 0x04}, L1FrameError::Truncated},
      {"no body although the message has one", 43, {0xC0}, L1FrameError::BodyLengthMismatch},
      {"a different code word", 40, {0x06}, L1FrameError::CodeMismatch},
  };
  for (const Case& c : cases) {
    std::vector<std::uint8_t> frame = good;
    std::copy(c.bytes.begin(), c.bytes.end(), frame.begin() + static_cast<std::ptrdiff_t>(c.offset));
    const L1FrameError error = ValidateL1CommandFrame(frame).error;
    EXPECT_EQ(error, c.error) << c.what;
    // Only a message longer than the frame ran out of bytes; every other error is a contradiction.
    EXPECT_EQ(faultOf(error), c.error == L1FrameError::Truncated ? ReadFault::Truncated : ReadFault::Malformed)
        << c.what;
  }
  for (std::size_t length : {0u, 23u, 24u, 1175u}) {  // no header, or not the whole message
    const L1FrameError error = ValidateL1CommandFrame(std::span(good).first(length)).error;
    EXPECT_EQ(error, L1FrameError::Truncated) << length;
    EXPECT_EQ(faultOf(error), ReadFault::Truncated) << length;
  }
}

TEST(L1FrameCheck, WhatItLeavesUnchecked) {
  CommandBuffer built = buildPortSettingFrame(false);
  std::vector<std::uint8_t> frame(built.bytes().begin(), built.bytes().end());
  frame[0] = 0x12;  // the total-length word
  frame[6] = 0x00;  // the group
  frame.push_back(0xEE);
  const L1FrameCheck check = ValidateL1CommandFrame(frame);
  ASSERT_TRUE(check);
  EXPECT_EQ(check.message.data(), frame.data() + 24);
  EXPECT_EQ(check.message.size(), 1152u);

  // A message flagged as bodiless is just its header.
  std::vector<std::uint8_t> bare(frame.begin(), frame.begin() + 48);
  bare[20] = 24;
  bare[21] = 0;
  bare[43] = 0xC0;
  EXPECT_TRUE(ValidateL1CommandFrame(bare));
}

}  // namespace
