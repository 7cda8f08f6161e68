// List control in report view: columns, rows of texts, optional tick boxes,
// item data and a single selection. Like the tree, it records which rows
// changed so a backend redraws only those.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/Control.h"

namespace tk {

class ListControl : public Control {
 public:
  struct Column {
    std::string title;
    int width = 80;
  };

  ListControl(std::string id, bool checkBoxes = false)
      : Control(std::move(id), ControlKind::List), checkBoxes_(checkBoxes) {}

  // From code; none of these notifies the dialog.
  int insertColumn(std::string title, int width);
  int insertItem(std::string text);  // appended; returns its row
  void setItemText(int row, int column, std::string text);
  void deleteItem(int row);
  void deleteAllItems();
  void setCheck(int row, bool checked);
  void setItemData(int row, std::uint64_t data);
  void setSelection(int row);

  bool checkBoxes() const { return checkBoxes_; }
  const std::vector<Column>& columns() const { return columns_; }
  int rowCount() const { return static_cast<int>(rows_.size()); }
  const std::string& itemText(int row, int column) const;
  bool checked(int row) const { return rows_.at(static_cast<std::size_t>(row)).checked; }
  std::uint64_t itemData(int row) const { return rows_.at(static_cast<std::size_t>(row)).data; }
  int selection() const { return selection_; }
  // The first row whose first column is `text`, or -1.
  int find(const std::string& text) const;

  // User actions: inverting a row's tick box, selecting a row; then notify.
  bool toggleCheck(int row);
  bool select(int row);
  // User action: a double-click on a row, which selects it (as select does)
  // and then activates it.
  bool activate(int row);

  std::string stateText() const override;

  struct RowChanges {
    bool structure = false;  // rows or columns inserted or deleted
    std::vector<int> rows;
  };
  RowChanges takeRowChanges();

  std::function<void(int)> onCheckChanged;
  std::function<void()> onSelChanged;
  std::function<void()> onActivated;

 private:
  struct Row {
    std::vector<std::string> cells;
    bool checked = false;
    bool changed = false;
    std::uint64_t data = 0;
  };
  bool isRow(int row) const { return row >= 0 && row < rowCount(); }
  void rowChanged(int row);
  void structureChanged();

  bool checkBoxes_;
  std::vector<Column> columns_;
  std::vector<Row> rows_;
  int selection_ = -1;
  RowChanges changes_;
};

}  // namespace tk
