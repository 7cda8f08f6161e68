#include "orbel/ui/CRichToolTipCtrl.h"

#include <algorithm>

void CRichToolTipCtrl::UpdateTipText(std::string_view text, tk::Control& control) const {
  control.setTooltip(FormatTipText(text));
}

std::string CRichToolTipCtrl::FormatTipText(std::string_view text) const {
  std::string formatted;
  std::size_t lineStart = 0;
  while (lineStart <= text.size()) {
    const std::size_t lineEnd = std::min(text.find('\n', lineStart), text.size());
    const std::string_view line = text.substr(lineStart, lineEnd - lineStart);
    if (lineStart > 0) formatted += '\n';
    std::size_t column = 0;
    std::size_t at = 0;
    while (at < line.size()) {
      if (line[at] == ' ' || line[at] == '\t' || line[at] == '\r') {
        ++at;
        continue;
      }
      std::size_t end = at;
      while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != '\r') ++end;
      const std::size_t length = end - at;
      if (column > 0 && maxWidth_ > 0 && column + 1 + length > maxWidth_) {
        formatted += '\n';
        column = 0;
      } else if (column > 0) {
        formatted += ' ';
        ++column;
      }
      formatted.append(line.substr(at, length));
      column += length;
      at = end;
    }
    lineStart = lineEnd + 1;
  }
  return formatted;
}
