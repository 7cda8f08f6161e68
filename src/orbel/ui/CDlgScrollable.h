// The scrollable pane of the SIM command form: 14 rows, each of a name
// label, a value edit field and a value drop-down list, with tips over them,
// in a vertically scrolling pane. The owning dialog registers the pane's
// controls as its own and shows the rows a command needs.
//
// Scrolling: the range is the height of the rows shown (all 14 rows make
// the designed height) and the page the pane's visible height, so the pane
// scrolls no further than its last shown row and not at all when they fit. A line step is a twentieth of the hidden height, a page
// step a tenth, and 5 pixels when either would be less than 6; steps up stop
// at the top, steps down at the hidden height; the thumb moves to where it
// is dragged. A resize sets range and page again and scrolls to the top.
#pragma once

#include <memory>
#include <vector>

#include "orbel/ui/CRichToolTipCtrl.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"
#include "toolkit/ScrollPane.h"

class CDlgScrollable {
 public:
  static constexpr int kRowCount = 14;
  // The pane as designed: every row shown (a name above its value), in pixels.
  static constexpr int kRowHeight = 52;
  static constexpr int kDesignedHeight = kRowCount * kRowHeight;
  // Below this a step would be too fine to notice.
  static constexpr int kSmallestStep = 6;
  static constexpr int kFallbackStep = 5;

  // Ids: "fields" for the pane, "row.N.name", "row.N.value" and
  // "row.N.list" for row N (0 to 13).
  struct Row {
    explicit Row(int index);
    tk::Label name;
    tk::Edit value;
    tk::ComboBox list;
  };

  CDlgScrollable();

  tk::ScrollPane& pane() { return m_pane; }
  Row& row(int index) { return *m_rows.at(static_cast<std::size_t>(index)); }
  CRichToolTipCtrl& toolTip() { return m_toolTip; }
  // The pane and every row's controls, for the owner to register.
  std::vector<tk::Control*> controls();

  // Places the pane over a placeholder `visibleHeight` pixels high, every
  // row hidden: nothing to scroll.
  void Create(int visibleHeight);
  // Hides every row's three controls and empties every drop-down list;
  // nothing is left to scroll.
  void HideAllRows();
  // The first `count` rows are shown: the range becomes their height and
  // the pane scrolls back to the top.
  void FitToRows(int count);

  int LineStep() const { return stepOf(m_pane.hidden() / 20); }
  int PageStep() const { return stepOf(m_pane.hidden() / 10); }

 protected:
  void OnVScroll(tk::ScrollRequest request, int thumbPosition);
  void OnSize(int visibleHeight);

 private:
  static int stepOf(int step) { return step < kSmallestStep ? kFallbackStep : step; }
  void scrollBy(int delta);

  tk::ScrollPane m_pane{"fields"};
  int m_contentHeight = 0;  // the shown rows' height
  std::vector<std::unique_ptr<Row>> m_rows;
  CRichToolTipCtrl m_toolTip;
};
