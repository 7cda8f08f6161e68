// The demo host's trace view: a trace file shown as a table, searched through
// the library's modeless search dialog. On each search notification the view
// searches as the record (and the options its dialog tells) ask, then
// selects and scrolls to the entry found or says that nothing was found.
#pragma once

#include <QWidget>
#include <optional>

#include "orbel/search/SearchRecord.h"
#include "runner/TraceFile.h"

class QLabel;
class QTableView;

namespace tk {
struct HostNotification;
}

namespace orbel::host {

class TraceModel;

class TraceView : public QWidget {
 public:
  explicit TraceView(QWidget* parent = nullptr);
  // Ends the search dialog's window before the dialog and the record go.
  ~TraceView() override;

  // Loads the trace at `path`; on failure keeps the trace shown and says why.
  bool load(const QString& path);
  // Opens the search dialog for this view's record, replacing one already open.
  void openSearch();
  // Searches when `notification` is a Find for this view's record; false for any other.
  bool handleNotification(const tk::HostNotification& notification);

  std::size_t entryCount() const;
  const runner::TraceEntry* entry(std::size_t index) const;
  std::optional<std::size_t> currentEntry() const;
  QString statusText() const;
  const TAG_KOVA_SERACH_METHOD_RECORD& record() const { return record_; }

 private:
  void chooseFile();
  void say(const QString& text);

  TraceModel* model_;
  QTableView* table_;
  QLabel* status_;
  TAG_KOVA_SERACH_METHOD_RECORD record_;
};

}  // namespace orbel::host
