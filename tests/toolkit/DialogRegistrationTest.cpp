// A dialog's template is its only declaration of its controls: setLayout
// registers what the template places, and a template that places a control
// twice, or two controls with one id, fails at construction.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "toolkit/Dialog.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"
#include "toolkit/PropertySheet.h"
#include "toolkit/ScrollPane.h"

namespace {

// Controls to place, and a way to place them that each case chooses.
class LayoutProbe : public tk::CDialog {
 public:
  using Placing = std::function<void(LayoutProbe&)>;
  explicit LayoutProbe(const Placing& placing) : CDialog({"probe", "LayoutProbe", "Probe"}, nullptr) { placing(*this); }

  using CDialog::setLayout;

  tk::Label label{"label", "Name:"};
  tk::Edit name{"name"};
  tk::Edit sameId{"name"};
  tk::Edit okLookalike{"ok"};
  tk::PropertySheet sheet{"sheet"};
  tk::Edit onPage{"page.field"};
  tk::ScrollPane pane{"pane"};
  tk::Edit inPane{"pane.field"};
};

std::vector<std::string> idsOf(const tk::CDialog& dialog) {
  std::vector<std::string> ids;
  for (const tk::Control* control : dialog.controls()) ids.push_back(control->id());
  return ids;
}

TEST(DialogRegistration, TheTemplateRegistersItsControlsInOrderWithPagesAndPanesAfterTheirHolder) {
  LayoutProbe dialog([](LayoutProbe& d) {
    d.sheet.addPage("First", tk::column({tk::item(d.onPage)}));
    d.pane.setContent(tk::column({tk::item(d.inPane)}));
    d.setLayout({tk::row({tk::item(d.pane), tk::item(d.label)}), tk::group("Sheet", {tk::item(d.sheet)}),
                 tk::item(d.name)});
  });
  EXPECT_EQ(idsOf(dialog),
            (std::vector<std::string>{"pane", "pane.field", "label", "sheet", "page.field", "name", "ok", "cancel"}));
  EXPECT_EQ(dialog.findControl("pane.field"), &dialog.inPane);  // scripts reach what a pane holds
}

TEST(DialogRegistration, AnExplicitOrderListsTheSameControlsInItsOwnOrder) {
  LayoutProbe dialog([](LayoutProbe& d) {
    d.setLayout({tk::row({tk::item(d.label), tk::item(d.name)})}, {&d.name, &d.label});
  });
  EXPECT_EQ(idsOf(dialog), (std::vector<std::string>{"name", "label", "ok", "cancel"}));
}

TEST(DialogRegistration, ATemplateThatDisagreesWithItselfFailsAtConstruction) {
  struct Case {
    const char* what;
    LayoutProbe::Placing placing;
    const char* message;  // part of the exception's text
  };
  const Case cases[] = {
      {"a control placed twice",
       [](LayoutProbe& d) { d.setLayout({tk::item(d.name), tk::row({tk::item(d.name)})}); }, "\"name\" is placed twice"},
      {"a control placed on a page and beside the sheet",
       [](LayoutProbe& d) {
         d.sheet.addPage("First", tk::column({tk::item(d.name)}));
         d.setLayout({tk::item(d.sheet), tk::item(d.name)});
       },
       "\"name\" is placed twice"},
      {"two controls with one id",
       [](LayoutProbe& d) { d.setLayout({tk::item(d.name), tk::item(d.sameId)}); }, "two controls have the id \"name\""},
      {"a control with the OK button's id",
       [](LayoutProbe& d) { d.setLayout({tk::item(d.okLookalike)}); }, "two controls have the id \"ok\""},
      {"a template set twice",
       [](LayoutProbe& d) {
         d.setLayout({tk::item(d.name)});
         d.setLayout({tk::item(d.label)});
       },
       "two controls have the id"},
      {"an order that leaves a placed control out",
       [](LayoutProbe& d) { d.setLayout({tk::item(d.label), tk::item(d.name)}, {&d.name}); },
       "names other controls than the template places"},
      {"an order that names a control the template does not place",
       [](LayoutProbe& d) { d.setLayout({tk::item(d.name)}, {&d.name, &d.label}); },
       "names other controls than the template places"},
      {"an order that names a control twice",
       [](LayoutProbe& d) { d.setLayout({tk::item(d.label), tk::item(d.name)}, {&d.name, &d.name}); },
       "names other controls than the template places"},
  };
  for (const Case& c : cases) {
    try {
      LayoutProbe dialog(c.placing);
      ADD_FAILURE() << c.what << " was accepted";
    } catch (const std::logic_error& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << c.what << ": " << error.what();
      EXPECT_NE(std::string(error.what()).find("LayoutProbe"), std::string::npos) << "names the dialog";
    }
  }
}

}  // namespace
