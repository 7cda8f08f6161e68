#include "host/CPsdlMBTree.h"

unsigned long CPsdlMBTree::SetStyle(unsigned long style) {
  const unsigned long previous = style_;
  style_ = style;
  return previous;
}

int CPsdlMBTree::InsertColumn(const std::string& title, unsigned long format, int width, int, int, int) {
  columns_.push_back({title, format, width});
  std::vector<std::string> titles;
  for (const Column& column : columns_) titles.push_back(column.title);
  setColumnTitles(std::move(titles));
  return static_cast<int>(columns_.size()) - 1;
}
