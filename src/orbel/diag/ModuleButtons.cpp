#include "orbel/diag/ModuleButtons.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace orbel {
namespace {

std::string moduleButtonId(std::string caption) {
  std::transform(caption.begin(), caption.end(), caption.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return "module." + caption;
}

}  // namespace

ModuleButtons::ModuleButtons(const std::vector<const char*>& captions, std::size_t perRow,
                             std::function<void(int row)> onChosen)
    : perRow_(perRow) {
  for (std::size_t row = 0; row < captions.size(); ++row) {
    tk::RadioButton& button = *buttons_.emplace_back(
        std::make_unique<tk::RadioButton>(moduleButtonId(captions[row]), captions[row], group_));
    button.onClicked = [onChosen, row] { onChosen(static_cast<int>(row)); };
  }
}

tk::LayoutNode ModuleButtons::group() {
  std::vector<tk::LayoutNode> rows;
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (i % perRow_ == 0) rows.push_back(tk::row({}));
    rows.back().children.push_back(tk::item(*buttons_[i]));
  }
  if (!rows.empty() && rows.back().children.size() < perRow_) rows.back().children.push_back(tk::stretch());
  return tk::group("Module", std::move(rows));
}

void ModuleButtons::check(int row) { group_.check(*buttons_.at(static_cast<std::size_t>(row))); }

}  // namespace orbel
