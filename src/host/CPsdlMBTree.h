// The tree-list control of the host's tree-list library into which the
// codec shows a variable's fields: the toolkit's tree-list control with the
// library's style word and column calls.
#pragma once

#include <string>

#include "toolkit/TreeListControl.h"

class CPsdlMBTree : public tk::TreeListControl {
 public:
  explicit CPsdlMBTree(std::string id) : TreeListControl(std::move(id)) {}

  // Sets the style word and returns the previous one. The model keeps it
  // for the host; the visual backend draws every tree-list alike.
  unsigned long SetStyle(unsigned long style);
  unsigned long GetStyle() const { return style_; }
  // Adds a column titled `title`; format and width are kept as given.
  int InsertColumn(const std::string& title, unsigned long format, int width, int subItem = -1, int image = 0,
                   int order = 0);
  void DeleteAllItems() { deleteAllItems(); }

  struct Column {
    std::string title;
    unsigned long format = 0;
    int width = 0;
  };
  const std::vector<Column>& insertedColumns() const { return columns_; }

 private:
  unsigned long style_ = 0;
  std::vector<Column> columns_;
};
