// The scripted toolkit drives dialogs exactly through their controls and
// reports every way a script can fail to do what it says.
#include <gtest/gtest.h>

#include <memory>

#include "support/ScriptedHost.h"
#include "toolkit/Edit.h"
#include "toolkit/ResourceChain.h"

namespace {

using namespace orbel::test;

class ProbeDialog : public tk::CDialog {
 public:
  ProbeDialog() : CDialog({"probe", "ProbeDlg", "Probe"}, nullptr) {
    ask.onClicked = [this] { answer = MessageBox("Sure?", "Probe", tk::MB_YESNO); };
    nested.onClicked = [this] {
      ProbeDialog inner;
      nestedResult = inner.DoModal();
      nestedName = inner.name.text();
    };
    setLayout({tk::row({tk::item(name), tk::item(ask), tk::item(nested)})});
  }

  void OnOK() override {
    if (name.text().empty()) {
      MessageBox("Name?");
      return;
    }
    CDialog::OnOK();
  }

  tk::Edit name{"name"};
  tk::Button ask{"ask", "Ask"};
  tk::Button nested{"nested", "Nested"};
  int answer = 0;
  int nestedResult = 0;
  std::string nestedName;
};

class ScriptedToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override { tk::joinResourceChain("probe"); }
  void TearDown() override { tk::leaveResourceChain("probe"); }
};

TEST_F(ScriptedToolkitTest, WithoutToolkitOrTemplatesNoDialogIsCreated) {
  ProbeDialog dialog;
  EXPECT_EQ(dialog.DoModal(), tk::kDialogNotCreated);
  ScriptedHost host(dialogScript("ProbeDlg", {click("ok")}));
  tk::leaveResourceChain("probe");
  EXPECT_EQ(dialog.DoModal(), tk::kDialogNotCreated);
  EXPECT_TRUE(host.toolkit().dialogsRun().empty());
}

TEST_F(ScriptedToolkitTest, AValidationMessageKeepsTheDialogOpenUntilTheScriptEndsItAsCancel) {
  ScriptedHost host(dialogScript("ProbeDlg", {click("ok")}));
  ProbeDialog dialog;
  EXPECT_EQ(dialog.DoModal(), tk::IDCANCEL);
  EXPECT_EQ(host.messages(), std::vector<std::string>{"Name?"});
  EXPECT_TRUE(host.toolkit().errors().empty());
}

// A refused action is an error and stops the script of that dialog: the
// name it would set next stays empty.
TEST_F(ScriptedToolkitTest, RefusedActionsUnknownControlsWrongKindsAndUnexpectedDialogsAreErrors) {
  struct Case {
    tk::Script script;
    std::string fragment;
    std::string name;  // the name field's text afterwards
  };
  for (const Case& c : {
           Case{dialogScript("ProbeDlg", {click("nested"), set("name", "x")}), "disabled", ""},
           Case{dialogScript("ProbeDlg", {click("nope"), set("name", "x")}), "no control 'nope'", ""},
           Case{dialogScript("ProbeDlg", {type("ask", "1")}), "cannot type 'ask'", ""},
           Case{dialogScript("OtherDlg", {click("ok")}), "expects OtherDlg", ""},
           Case{dialogScript("ProbeDlg", {set("name", "n"), click("ok"), click("ok")}), "already closed", "n"},
       }) {
    ScriptedHost host(c.script);
    ProbeDialog dialog;
    dialog.nested.enable(false);
    dialog.DoModal();
    ASSERT_EQ(host.toolkit().errors().size(), 1u) << c.fragment;
    EXPECT_NE(host.toolkit().errors()[0].find(c.fragment), std::string::npos) << host.toolkit().errors()[0];
    EXPECT_EQ(dialog.name.text(), c.name) << c.fragment;
  }
}

TEST_F(ScriptedToolkitTest, NestedDialogsTakeTheirScriptsInTheOrderTheyOpen) {
  tk::Script script = dialogScript("ProbeDlg", {click("nested"), set("name", "outer"), click("ok")});
  script.dialogs.push_back({"ProbeDlg", {set("name", "inner"), click("ok")}});
  ScriptedHost host(script);
  ProbeDialog dialog;
  EXPECT_EQ(dialog.DoModal(), tk::IDOK);
  EXPECT_EQ(dialog.nestedResult, tk::IDOK);
  EXPECT_EQ(dialog.nestedName, "inner");
  EXPECT_EQ(dialog.name.text(), "outer");
}

TEST_F(ScriptedToolkitTest, QuestionBoxesTakeScriptedAnswersAndAMissingOneIsAnError) {
  tk::Script script = dialogScript("ProbeDlg", {click("ask"), click("ask")});
  script.answers = {tk::IDYES};
  ScriptedHost host(script);
  ProbeDialog dialog;
  dialog.DoModal();
  EXPECT_EQ(dialog.answer, tk::IDNO);  // the second question had no answer
  ASSERT_EQ(host.toolkit().messageBoxes().size(), 2u);
  EXPECT_EQ(host.toolkit().messageBoxes()[0].answer, tk::IDYES);
  EXPECT_EQ(host.toolkit().errors().size(), 1u);
}

TEST_F(ScriptedToolkitTest, AModelessDialogTakesItsScriptAndStaysOpenUntilDestroyed) {
  ScriptedHost host(dialogScript("ProbeDlg", {set("name", "kept")}));
  {
    ProbeDialog dialog;
    ASSERT_TRUE(dialog.Create());
    EXPECT_TRUE(dialog.Create());  // already created: no second run
    EXPECT_EQ(host.toolkit().dialogsRun().size(), 1u);
    EXPECT_EQ(dialog.name.text(), "kept");
    EXPECT_FALSE(dialog.hasEnded());
    dialog.DestroyWindow();
    EXPECT_FALSE(dialog.isModelessWindow());
    EXPECT_TRUE(host.toolkit().errors().empty());
  }
  // One destroyed with its window open is reported.
  auto open = std::make_unique<ProbeDialog>();
  ASSERT_TRUE(open->Create());
  open.reset();
  EXPECT_EQ(host.toolkit().errors(), std::vector<std::string>{"ProbeDlg was destroyed with its modeless window open"});
}

TEST_F(ScriptedToolkitTest, ChangedControlsAreReportedOnceEach) {
  ProbeDialog dialog;
  dialog.name.setText("a");
  dialog.name.setText("b");
  dialog.ask.enable(false);
  EXPECT_EQ(dialog.takeChangedControls(), (std::vector<tk::Control*>{&dialog.name, &dialog.ask}));
  EXPECT_TRUE(dialog.takeChangedControls().empty());
}

}  // namespace
