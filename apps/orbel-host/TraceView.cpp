#include "TraceView.h"

#include <QAbstractTableModel>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "orbel/builders/SearchExports.h"
#include "orbel/search/CTrcSrchDlg.h"
#include "orbel/wire/HexText.h"
#include "runner/TraceSearch.h"
#include "toolkit/Toolkit.h"

namespace orbel::host {

// The entries of a trace, one row each; rows are made on demand, so a trace
// of a million entries shows at once.
class TraceModel : public QAbstractTableModel {
 public:
  void reset(std::vector<runner::TraceEntry> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
  }
  const std::vector<runner::TraceEntry>& entries() const { return entries_; }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 6; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    const runner::TraceEntry& entry = entries_[static_cast<std::size_t>(index.row())];
    // The message bytes, where the trace has them, over the row.
    if (role == Qt::ToolTipRole && !entry.bytes.empty()) return QString::fromStdString(toHex(entry.bytes));
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
      case 0: return entry.sequence;
      case 1: return QString::fromStdString(runner::formatTraceTime(entry.timeMs));
      case 2: return runner::directionName(entry.direction);
      case 3: return QString::fromStdString(entry.family);
      case 4: return QString::fromStdString(entry.message);
      default: return QString::fromStdString(entry.summary);
    }
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    static const char* const kTitles[] = {"No.", "Time", "Dir", "Family", "Message", "Summary"};
    return kTitles[section];
  }

 private:
  std::vector<runner::TraceEntry> entries_;
};

TraceView::TraceView(QWidget* parent) : QWidget(parent), model_(new TraceModel), table_(new QTableView) {
  setWindowTitle("Trace");
  model_->setParent(this);
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().lineSpacing() + 4);
  table_->horizontalHeader()->setStretchLastSection(true);
  auto* open = new QPushButton("&Open trace...");
  connect(open, &QPushButton::clicked, this, [this] { chooseFile(); });
  auto* search = new QPushButton("&Search...");
  connect(search, &QPushButton::clicked, this, [this] { openSearch(); });
  status_ = new QLabel("No trace loaded");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(open);
  buttons->addWidget(search);
  buttons->addWidget(status_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(table_, 1);
  resize(900, 600);
}

TraceView::~TraceView() {
  if (record_.dialog == nullptr) return;
  record_.dialog->DestroyWindow();
  delete record_.dialog;
}

bool TraceView::load(const QString& path) {
  runner::TraceRead read = runner::readTraceFile(path.toStdString());
  if (!read.ok()) {
    say(QString::fromStdString(read.error));
    return false;
  }
  const std::size_t count = read.entries.size();
  model_->reset(std::move(read.entries));
  table_->resizeColumnsToContents();
  say(QString("%1 entries from %2").arg(count).arg(path));
  return true;
}

void TraceView::chooseFile() {
  const QString path = QFileDialog::getOpenFileName(this, "Open a trace", QString(), "Traces (*.jsonl);;All files (*)");
  if (!path.isEmpty()) load(path);
}

void TraceView::openSearch() {
  bool unused = false;
  SrchDlgGetSearchMethod(&record_, kStringSearchTab | kMessageSearchTab, unused);
}

bool TraceView::handleNotification(const tk::HostNotification& notification) {
  if (notification.code != kSearchNotification || notification.lParam != reinterpret_cast<std::uintptr_t>(&record_))
    return false;
  // A Find replaced the option bits of `method`: the dialog still has them.
  const TraceSearchOptions options =
      record_.dialog != nullptr ? record_.dialog->GetSearchOptions() : TraceSearchOptions{};
  std::string refusal;
  std::optional<runner::TraceQuery> query = runner::queryOfRecord(record_, options, refusal);
  if (!query) {
    say(QString::fromStdString("Cannot search: " + refusal));
    return true;
  }
  std::optional<std::size_t> hit = runner::findNext(model_->entries(), *query, currentEntry());
  if (!hit) {
    say(QString("Nothing was found for %1").arg(QString::fromStdString(record_.text)));
    return true;
  }
  const QModelIndex found = model_->index(static_cast<int>(*hit), 0);
  table_->selectionModel()->setCurrentIndex(found, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  table_->scrollTo(found, QAbstractItemView::PositionAtCenter);
  say(QString("Found entry %1").arg(model_->entries()[*hit].sequence));
  return true;
}

std::size_t TraceView::entryCount() const { return model_->entries().size(); }

const runner::TraceEntry* TraceView::entry(std::size_t index) const {
  return index < model_->entries().size() ? &model_->entries()[index] : nullptr;
}

std::optional<std::size_t> TraceView::currentEntry() const {
  const QModelIndex current = table_->selectionModel()->currentIndex();
  if (!current.isValid()) return std::nullopt;
  return static_cast<std::size_t>(current.row());
}

QString TraceView::statusText() const { return status_->text(); }

void TraceView::say(const QString& text) { status_->setText(text); }

}  // namespace orbel::host
