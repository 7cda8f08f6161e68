// Primitive picker: the engineer finds a described primitive by typing part
// of its name, parameter type or identifier, and chooses it from the list.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "host/codec/PsdlDescriptions.h"
#include "toolkit/Dialog.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"
#include "toolkit/ListControl.h"

class CPrimitivePickerDlg : public tk::CDialog {
 public:
  // The description set to list, or why it cannot be read.
  using Descriptions = std::variant<std::shared_ptr<const psdl::DescriptionSet>, std::string>;

  explicit CPrimitivePickerDlg(Descriptions descriptions, tk::CWnd* parent = nullptr);

  // The primitive chosen with OK; null before that and after Cancel.
  const psdl::PrimitiveDesc* chosen() const;

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  void OnChangeFilterEdit();
  void OnSelectPrimitive();
  // A double-clicked primitive is chosen as OK chooses the selected one.
  void OnActivatePrimitive() { OnOK(); }

 private:
  // Fills the list with the primitives the filter keeps; the selected
  // primitive stays selected while it is kept.
  void listPrimitives();
  std::optional<std::size_t> selectedPrimitive() const;

  tk::Label m_filterLabel{"filter.label", "&Find:"};
  tk::Edit m_filterEdit{"filter"};
  tk::ListControl m_primitiveList{"primitives"};
  tk::Label m_statusLabel{"status", ""};

  std::shared_ptr<const psdl::DescriptionSet> m_set;  // null when unreadable
  std::string m_unreadable;                           // why there is no set
  std::optional<std::size_t> m_chosen;                // into m_set->primitives
};
