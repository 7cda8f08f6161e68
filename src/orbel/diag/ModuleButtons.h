// The module buttons of the catalogue dialogs: one radio button per row of a
// module catalogue, laid out under "Module", all answered by one handler that
// is told the row.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "toolkit/Layout.h"
#include "toolkit/RadioButton.h"

namespace orbel {

class ModuleButtons {
 public:
  // `captions` has one caption per catalogue row ("MAC" gives the id
  // "module.mac"); `perRow` buttons go on each row of the group.
  ModuleButtons(const std::vector<const char*>& captions, std::size_t perRow, std::function<void(int row)> onChosen);
  ModuleButtons(const ModuleButtons&) = delete;
  ModuleButtons& operator=(const ModuleButtons&) = delete;

  // The "Module" group of the dialog's template; a short last row ends in a stretch.
  tk::LayoutNode group();
  void check(int row);
  std::size_t size() const { return buttons_.size(); }

 private:
  tk::RadioGroup group_;
  std::vector<std::unique_ptr<tk::RadioButton>> buttons_;
  std::size_t perRow_;
};

}  // namespace orbel
