// List controls in report view, through a table model that reads the control
// directly and redraws only the rows it says changed.
#include <QAbstractTableModel>
#include <QHeaderView>
#include <QStyle>
#include <QTreeView>

#include "toolkit-qt/Adapters.h"
#include "toolkit-qt/DialogWindow.h"
#include "toolkit/ListControl.h"

namespace tkqt {
namespace {

class ListAdapter;

class ListRowModel : public QAbstractTableModel {
 public:
  ListRowModel(tk::ListControl& list, ListAdapter& adapter) : list_(list), adapter_(adapter) {}

  void reset() {
    beginResetModel();
    endResetModel();
  }
  void rowChanged(int row) { emit dataChanged(index(row, 0), index(row, columnCount({}) - 1)); }

  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : list_.rowCount(); }
  int columnCount(const QModelIndex&) const override {
    return std::max(1, static_cast<int>(list_.columns().size()));
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.row() >= list_.rowCount()) return {};
    // A cell's tip is its whole text, for a column too narrow to show it.
    if ((role == Qt::DisplayRole || role == Qt::ToolTipRole) && static_cast<std::size_t>(index.column()) < std::max<std::size_t>(list_.columns().size(), 1))
      return QString::fromStdString(list_.itemText(index.row(), index.column()));
    if (role == Qt::CheckStateRole && index.column() == 0 && list_.checkBoxes())
      return list_.checked(index.row()) ? Qt::Checked : Qt::Unchecked;
    return {};
  }
  Qt::ItemFlags flags(const QModelIndex& index) const override {
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == 0 && list_.checkBoxes()) flags |= Qt::ItemIsUserCheckable;
    return flags;
  }
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        static_cast<std::size_t>(section) >= list_.columns().size())
      return {};
    return QString::fromStdString(list_.columns()[static_cast<std::size_t>(section)].title);
  }

 private:
  tk::ListControl& list_;
  ListAdapter& adapter_;
};

class ListAdapter : public ControlAdapter {
 public:
  ListAdapter(tk::ListControl& list, DialogWindow& window) : ControlAdapter(list, window), list_(list), model_(list, *this) {
    view_->setModel(&model_);
    view_->setRootIsDecorated(false);
    view_->setUniformRowHeights(true);
    view_->setAllColumnsShowFocus(true);
    QObject::connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, receiver(),
                     [this](const QModelIndex& current) {
                       if (!syncing_ && current.isValid() && current.row() != list_.selection())
                         rowAction(tk::ScriptAction::Verb::SelectItem, current.row());
                     });
    QObject::connect(view_, &QAbstractItemView::doubleClicked, receiver(), [this](const QModelIndex& index) {
      if (index.isValid()) rowAction(tk::ScriptAction::Verb::ActivateItem, index.row());
    });
  }
  QWidget* widget() override { return view_; }

  void rowAction(tk::ScriptAction::Verb verb, int row) {
    tk::ScriptAction made = action(verb);
    made.row = row;
    act(std::move(made));
  }

 protected:
  void refreshState() override {
    syncing_ = true;
    tk::ListControl::RowChanges changes = list_.takeRowChanges();
    if (changes.structure) {
      model_.reset();
      // The list is at least as wide as its columns, so no dialog cuts one off.
      int columnsWidth = 0;
      for (std::size_t c = 0; c < list_.columns().size(); ++c) {
        view_->setColumnWidth(static_cast<int>(c), list_.columns()[c].width);
        columnsWidth += list_.columns()[c].width;
      }
      if (!window().dialog().placesControls())
        view_->setMinimumWidth(columnsWidth + 2 * view_->frameWidth() +
                               view_->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    } else {
      for (int row : changes.rows) {
        model_.rowChanged(row);
        window().countItemRefresh();
      }
    }
    const QModelIndex selected = list_.selection() < 0 ? QModelIndex() : model_.index(list_.selection(), 0);
    if (view_->currentIndex().row() != list_.selection()) view_->setCurrentIndex(selected);
    syncing_ = false;
  }

 private:
  tk::ListControl& list_;
  ListRowModel model_;
  QTreeView* view_ = new QTreeView;  // owned by the dialog window once laid out
  bool syncing_ = false;
};

bool ListRowModel::setData(const QModelIndex& index, const QVariant&, int role) {
  if (role != Qt::CheckStateRole || !index.isValid()) return false;
  adapter_.rowAction(tk::ScriptAction::Verb::ClickItem, index.row());
  return true;
}

}  // namespace

std::unique_ptr<ControlAdapter> makeListAdapter(tk::ListControl& list, DialogWindow& window) {
  return std::make_unique<ListAdapter>(list, window);
}

}  // namespace tkqt
