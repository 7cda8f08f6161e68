// Trees and tree-lists, shown through an item model that reads the control
// directly: opening a large tree costs only what is visible, and a change
// redraws only the items the control says changed. A click on an item's tick
// box is the click on its state image; the dialog decides the new states. A
// tree-list row that offers choices is edited in a drop-down of them.
#include <QAbstractItemModel>
#include <QComboBox>
#include <QStyledItemDelegate>
#include <QApplication>
#include <QMouseEvent>
#include <QStyle>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QTreeView>

#include "toolkit-qt/Adapters.h"
#include "toolkit-qt/DialogWindow.h"
#include "toolkit/TreeListControl.h"

namespace tkqt {
namespace {

Qt::CheckState checkStateOf(int stateImage) {
  return stateImage == 2 ? Qt::Checked : stateImage == 3 ? Qt::PartiallyChecked : Qt::Unchecked;
}

class TreeAdapter;

// The in-place editor of a tree-list's value column: a drop-down of the
// row's choices where it offers some (an enumeration's names), the plain
// line edit otherwise. The chosen text goes through the model like a typed one.
class ValueChoiceDelegate : public QStyledItemDelegate {
 public:
  explicit ValueChoiceDelegate(const tk::TreeControl& tree) : tree_(tree) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const std::vector<std::string>* offered = choicesOf(index);
    if (offered == nullptr) return QStyledItemDelegate::createEditor(parent, option, index);
    auto* combo = new QComboBox(parent);
    combo->setObjectName("choices");
    for (const std::string& choice : *offered) combo->addItem(QString::fromStdString(choice));
    return combo;
  }
  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
      combo->setCurrentText(index.data(Qt::EditRole).toString());
      return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
  }
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
      if (combo->currentText() != index.data(Qt::EditRole).toString())
        model->setData(index, combo->currentText(), Qt::EditRole);
      return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
  }

 private:
  const std::vector<std::string>* choicesOf(const QModelIndex& index) const {
    if (tree_.kind() != tk::ControlKind::TreeList || index.column() != tk::TreeListControl::kValueColumn)
      return nullptr;
    const auto& treeList = static_cast<const tk::TreeListControl&>(tree_);
    const auto& offered = treeList.choices(static_cast<tk::TreeItem>(index.internalId()));
    return offered.empty() ? nullptr : &offered;
  }

  const tk::TreeControl& tree_;
};

class TreeItemModel : public QAbstractItemModel {
 public:
  TreeItemModel(tk::TreeControl& tree, TreeAdapter& adapter) : tree_(tree), adapter_(adapter) {}

  QModelIndex indexOf(tk::TreeItem item, int column = 0) const {
    return tree_.isItem(item) ? createIndex(tree_.row(item), column, static_cast<quintptr>(item)) : QModelIndex();
  }
  static tk::TreeItem itemOf(const QModelIndex& index) {
    return index.isValid() ? static_cast<tk::TreeItem>(index.internalId()) : tk::kTreeRoot;
  }
  void reset() {
    beginResetModel();
    endResetModel();
  }
  void itemChanged(tk::TreeItem item) { emit dataChanged(indexOf(item, 0), indexOf(item, tree_.columns() - 1)); }

  QModelIndex index(int row, int column, const QModelIndex& parent) const override {
    const auto& children = tree_.children(itemOf(parent));
    if (row < 0 || static_cast<std::size_t>(row) >= children.size() || column < 0 || column >= tree_.columns())
      return {};
    return createIndex(row, column, static_cast<quintptr>(children[static_cast<std::size_t>(row)]));
  }
  QModelIndex parent(const QModelIndex& child) const override {
    if (!child.isValid()) return {};
    return indexOf(tree_.parent(itemOf(child)));
  }
  int rowCount(const QModelIndex& parent) const override {
    if (parent.column() > 0) return 0;
    return static_cast<int>(tree_.children(itemOf(parent)).size());
  }
  int columnCount(const QModelIndex&) const override { return tree_.columns(); }

  QVariant data(const QModelIndex& index, int role) const override {
    const tk::TreeItem item = itemOf(index);
    if (!tree_.isItem(item)) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
      return QString::fromStdString(tree_.itemText(item, index.column()));
    if (role == Qt::CheckStateRole && index.column() == 0 && tree_.stateImage(item) > 0)
      return checkStateOf(tree_.stateImage(item));
    return {};
  }

  Qt::ItemFlags flags(const QModelIndex& index) const override {
    const tk::TreeItem item = itemOf(index);
    if (!tree_.isItem(item)) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == 0 && tree_.stateImage(item) > 0) flags |= Qt::ItemIsUserCheckable;
    if (index.column() == tk::TreeListControl::kValueColumn && tree_.kind() == tk::ControlKind::TreeList &&
        static_cast<const tk::TreeListControl&>(tree_).editable(item))
      flags |= Qt::ItemIsEditable;
    return flags;
  }

  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    const auto& titles = tree_.columnTitles();
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        static_cast<std::size_t>(section) >= titles.size())
      return {};
    return QString::fromStdString(titles[static_cast<std::size_t>(section)]);
  }

 private:
  tk::TreeControl& tree_;
  TreeAdapter& adapter_;
};

class TreeAdapter : public ControlAdapter {
 public:
  TreeAdapter(tk::TreeControl& tree, DialogWindow& window)
      : ControlAdapter(tree, window), tree_(tree), model_(tree, *this), delegate_(tree) {
    view_->setModel(&model_);
    view_->setItemDelegate(&delegate_);
    view_->setUniformRowHeights(true);
    view_->setHeaderHidden(tree.columnTitles().empty());
    if (tree.columnTitles().empty() && tree.columns() > 1) {
      // Without titles the first column holds the labels and takes the room;
      // the others (counts, notes) take what their texts need. They are sized
      // when the items are drawn anew and widened for a changed item, not
      // measured on every change: that measures up to a thousand rows each time.
      view_->header()->setStretchLastSection(false);
      view_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
      fitsNarrowColumns_ = tree.columns() > 1;
    }
    view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::SelectedClicked);
    QObject::connect(view_, &QTreeView::expanded, receiver(),
                     [this](const QModelIndex& index) { userExpanded(index, true); });
    QObject::connect(view_, &QTreeView::collapsed, receiver(),
                     [this](const QModelIndex& index) { userExpanded(index, false); });
    QObject::connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, receiver(),
                     [this](const QModelIndex& current) { userSelected(current); });
    if (tree.labelClickTicks) view_->viewport()->installEventFilter(&labelClicks_);
  }
  QWidget* widget() override { return view_; }

  void itemAction(tk::ScriptAction::Verb verb, tk::TreeItem item, std::string text = {}) {
    tk::ScriptAction made = action(verb);
    made.item = item;
    made.path = tree_.pathOf(item);
    made.text = std::move(text);
    act(std::move(made));
  }

 protected:
  void refreshState() override {
    syncing_ = true;
    tk::TreeControl::ItemChanges changes = tree_.takeItemChanges();
    if (changes.structure) {
      model_.reset();
      view_->setHeaderHidden(tree_.columnTitles().empty());
      expandAll(tk::kTreeRoot);
      // A tree-list's names and values are read whole; the comment takes the rest.
      if (tree_.kind() == tk::ControlKind::TreeList)
        for (int column : {tk::TreeListControl::kNameColumn, tk::TreeListControl::kValueColumn})
          view_->resizeColumnToContents(column);
      hideAll(tk::kTreeRoot);
      if (fitsNarrowColumns_)
        for (int column = 1; column < tree_.columns(); ++column) view_->resizeColumnToContents(column);
    } else {
      for (tk::TreeItem item : changes.items) {
        model_.itemChanged(item);
        if (fitsNarrowColumns_) widenFor(item);
        window().countItemRefresh();
        const QModelIndex index = model_.indexOf(item);
        if (view_->isExpanded(index) != tree_.expanded(item)) view_->setExpanded(index, tree_.expanded(item));
        if (view_->isRowHidden(index.row(), index.parent()) != tree_.itemHidden(item))
          view_->setRowHidden(index.row(), index.parent(), tree_.itemHidden(item));
      }
    }
    // The current column is the user's; only a different item is corrected.
    if (TreeItemModel::itemOf(view_->currentIndex()) != tree_.selected() &&
        (tree_.isItem(tree_.selected()) || view_->currentIndex().isValid()))
      view_->setCurrentIndex(model_.indexOf(tree_.selected()));
    syncing_ = false;
  }

 private:
  void widenFor(tk::TreeItem item) {
    for (int column = 1; column < tree_.columns(); ++column) {
      const int wanted = view_->sizeHintForIndex(model_.indexOf(item, column)).width();
      if (wanted > view_->columnWidth(column)) view_->setColumnWidth(column, wanted);
    }
  }
  void expandAll(tk::TreeItem parent) {
    for (tk::TreeItem child : tree_.children(parent))
      if (tree_.expanded(child)) {
        view_->setExpanded(model_.indexOf(child), true);
        expandAll(child);
      }
  }
  void hideAll(tk::TreeItem parent) {
    for (tk::TreeItem child : tree_.children(parent)) {
      if (tree_.itemHidden(child)) view_->setRowHidden(tree_.row(child), model_.indexOf(parent), true);
      hideAll(child);
    }
  }
  void userExpanded(const QModelIndex& index, bool expanded) {
    const tk::TreeItem item = TreeItemModel::itemOf(index);
    if (!syncing_ && tree_.expanded(item) != expanded) {
      tk::ScriptAction made = action(tk::ScriptAction::Verb::Expand);
      made.item = item;
      made.path = tree_.pathOf(item);
      made.state = expanded ? 1 : 0;
      act(std::move(made));
    }
  }
  void userSelected(const QModelIndex& current) {
    const tk::TreeItem item = TreeItemModel::itemOf(current);
    if (!syncing_ && tree_.isItem(item) && item != tree_.selected()) itemAction(tk::ScriptAction::Verb::SelectItem, item);
  }

  // The part of an item's row that a click ticks: its tick box, icon and
  // label, not the expand button on its left nor the empty space on its right.
  bool onTickZone(const QPoint& at) const {
    const QModelIndex index = view_->indexAt(at);
    if (!index.isValid() || index.column() != 0 || tree_.stateImage(TreeItemModel::itemOf(index)) == 0) return false;
    const QRect item = view_->visualRect(index);
    QStyle* style = view_->style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view_) + 1;
    const int box = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, view_);
    const int label = view_->fontMetrics().horizontalAdvance(index.data().toString());
    return at.x() >= item.left() && at.x() < item.left() + box + label + 4 * margin;
  }

  // Takes the mouse presses on the tick zone of a filter tree: each ticks its
  // item through the state image; the release and a double click are taken
  // too, so the view neither toggles the box again nor selects the item.
  class LabelClicks : public QObject {
   public:
    explicit LabelClicks(TreeAdapter& adapter) : adapter_(adapter) {}
    bool eventFilter(QObject*, QEvent* event) override {
      const QEvent::Type type = event->type();
      if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
          type != QEvent::MouseButtonDblClick)
        return false;
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton || !adapter_.onTickZone(mouse->position().toPoint())) return false;
      if (type == QEvent::MouseButtonPress) {
        adapter_.view_->setFocus(Qt::MouseFocusReason);
        const QModelIndex index = adapter_.view_->indexAt(mouse->position().toPoint());
        adapter_.itemAction(tk::ScriptAction::Verb::ClickItem, TreeItemModel::itemOf(index));
      }
      return true;
    }

   private:
    TreeAdapter& adapter_;
  };

  tk::TreeControl& tree_;
  TreeItemModel model_;
  ValueChoiceDelegate delegate_;
  QTreeView* view_ = new QTreeView;  // owned by the dialog window once laid out
  bool syncing_ = false;
  bool fitsNarrowColumns_ = false;  // columns after the first take the width their texts need
  LabelClicks labelClicks_{*this};
};

bool TreeItemModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  const tk::TreeItem item = itemOf(index);
  if (!tree_.isItem(item)) return false;
  if (role == Qt::CheckStateRole) {
    adapter_.itemAction(tk::ScriptAction::Verb::ClickItem, item);
    return true;
  }
  if (role == Qt::EditRole && index.column() == tk::TreeListControl::kValueColumn) {
    adapter_.itemAction(tk::ScriptAction::Verb::SetValue, item, value.toString().toStdString());
    return true;
  }
  return false;
}

}  // namespace

std::unique_ptr<ControlAdapter> makeTreeAdapter(tk::TreeControl& tree, DialogWindow& window) {
  return std::make_unique<TreeAdapter>(tree, window);
}

}  // namespace tkqt
