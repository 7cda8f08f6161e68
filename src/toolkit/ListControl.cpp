#include "toolkit/ListControl.h"

#include <algorithm>
#include <utility>

namespace tk {

int ListControl::insertColumn(std::string title, int width) {
  structureChanged();
  columns_.push_back({std::move(title), width});
  for (Row& row : rows_) row.cells.resize(columns_.size());
  return static_cast<int>(columns_.size()) - 1;
}

int ListControl::insertItem(std::string text) {
  structureChanged();
  Row row;
  row.cells.resize(std::max<std::size_t>(columns_.size(), 1));
  row.cells[0] = std::move(text);
  rows_.push_back(std::move(row));
  return rowCount() - 1;
}

void ListControl::setItemText(int row, int column, std::string text) {
  if (!isRow(row) || column < 0 || static_cast<std::size_t>(column) >= rows_[static_cast<std::size_t>(row)].cells.size())
    return;
  std::string& cell = rows_[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)];
  if (cell == text) return;
  cell = std::move(text);
  rowChanged(row);
}

void ListControl::deleteItem(int row) {
  if (!isRow(row)) return;
  structureChanged();
  rows_.erase(rows_.begin() + row);
  if (selection_ == row)
    selection_ = -1;
  else if (selection_ > row)
    --selection_;
}

void ListControl::deleteAllItems() {
  if (rows_.empty()) return;
  structureChanged();
  rows_.clear();
  selection_ = -1;
}

void ListControl::setCheck(int row, bool checked) {
  if (!isRow(row) || rows_[static_cast<std::size_t>(row)].checked == checked) return;
  rows_[static_cast<std::size_t>(row)].checked = checked;
  rowChanged(row);
}

void ListControl::setItemData(int row, std::uint64_t data) {
  if (isRow(row)) rows_[static_cast<std::size_t>(row)].data = data;
}

void ListControl::setSelection(int row) {
  const int next = isRow(row) ? row : -1;
  if (next == selection_) return;
  const int before = std::exchange(selection_, next);
  if (before >= 0) rowChanged(before);
  if (next >= 0) rowChanged(next);
}

const std::string& ListControl::itemText(int row, int column) const {
  return rows_.at(static_cast<std::size_t>(row)).cells.at(static_cast<std::size_t>(column));
}

int ListControl::find(const std::string& text) const {
  for (int row = 0; row < rowCount(); ++row)
    if (rows_[static_cast<std::size_t>(row)].cells[0] == text) return row;
  return -1;
}

bool ListControl::toggleCheck(int row) {
  if (!acceptsUserAction() || !checkBoxes_ || !isRow(row)) return false;
  setCheck(row, !checked(row));
  if (onCheckChanged) onCheckChanged(row);
  return true;
}

bool ListControl::select(int row) {
  if (!acceptsUserAction() || !isRow(row)) return false;
  setSelection(row);
  if (onSelChanged) onSelChanged();
  return true;
}

bool ListControl::activate(int row) {
  if (!select(row)) return false;
  if (onActivated) onActivated();
  return true;
}

std::string ListControl::stateText() const {
  int ticked = 0;
  for (const Row& row : rows_) ticked += row.checked ? 1 : 0;
  std::string text = std::to_string(rowCount()) + " rows";
  if (checkBoxes_) text += ", " + std::to_string(ticked) + " ticked";
  return text + ", selected " + (selection_ < 0 ? std::string("none") : std::to_string(selection_));
}

ListControl::RowChanges ListControl::takeRowChanges() {
  for (int row : changes_.rows)
    if (isRow(row)) rows_[static_cast<std::size_t>(row)].changed = false;
  return std::exchange(changes_, {});
}

void ListControl::rowChanged(int row) {
  Row& changedRow = rows_[static_cast<std::size_t>(row)];
  if (!changes_.structure && !changedRow.changed) {
    changedRow.changed = true;
    changes_.rows.push_back(row);
  }
  changed();
}

// Called before rows move, while the recorded row numbers are still valid.
void ListControl::structureChanged() {
  for (int row : changes_.rows) rows_[static_cast<std::size_t>(row)].changed = false;
  changes_ = {true, {}};
  changed();
}

}  // namespace tk
