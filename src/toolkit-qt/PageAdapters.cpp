// Tab strips, property sheets and scroll panes. Sheets and panes hold part of
// the dialog's template, built by the dialog window like the rest of it.
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>

#include "toolkit-qt/Adapters.h"
#include "toolkit-qt/DialogWindow.h"
#include "toolkit/PropertySheet.h"
#include "toolkit/ScrollPane.h"
#include "toolkit/TabControl.h"

namespace tkqt {
namespace {

class TabAdapter : public ControlAdapter {
 public:
  TabAdapter(tk::TabControl& tabs, DialogWindow& window) : ControlAdapter(tabs, window), tabs_(tabs) {
    QObject::connect(bar_, &QTabBar::currentChanged, receiver(), [this](int index) {
      if (index == tabs_.curSel()) return;
      tk::ScriptAction choice = action(tk::ScriptAction::Verb::Select);
      choice.index = index;
      act(std::move(choice));
    });
  }
  QWidget* widget() override { return bar_; }

 protected:
  void refreshState() override {
    QSignalBlocker quiet(bar_);
    const auto& captions = tabs_.captions();
    while (bar_->count() > static_cast<int>(captions.size())) bar_->removeTab(bar_->count() - 1);
    for (std::size_t i = 0; i < captions.size(); ++i) {
      const QString caption = QString::fromStdString(captions[i]);
      if (static_cast<int>(i) >= bar_->count())
        bar_->addTab(caption);
      else if (bar_->tabText(static_cast<int>(i)) != caption)
        bar_->setTabText(static_cast<int>(i), caption);
    }
    bar_->setCurrentIndex(tabs_.curSel());
  }

 private:
  tk::TabControl& tabs_;
  QTabBar* bar_ = new QTabBar;  // owned by the dialog window once laid out
};

class SheetAdapter : public ControlAdapter {
 public:
  SheetAdapter(tk::PropertySheet& sheet, DialogWindow& window) : ControlAdapter(sheet, window), sheet_(sheet) {
    for (const tk::PropertySheet::Page& page : sheet.pages()) {
      auto* content = new QWidget;
      content->setLayout(window.buildLayout(page.content));
      tabs_->addTab(content, QString::fromStdString(page.caption));
    }
    QObject::connect(tabs_, &QTabWidget::currentChanged, receiver(), [this](int index) {
      if (index == sheet_.activePage()) return;
      tk::ScriptAction choice = action(tk::ScriptAction::Verb::Select);
      choice.index = index;
      act(std::move(choice));
    });
  }
  QWidget* widget() override { return tabs_; }

 protected:
  void refreshState() override {
    QSignalBlocker quiet(tabs_);
    tabs_->setCurrentIndex(sheet_.activePage());
  }

 private:
  tk::PropertySheet& sheet_;
  QTabWidget* tabs_ = new QTabWidget;  // owned by the dialog window once laid out
};

// Scroll-bar requests go to the model, which decides the step; the bar then
// shows the model's position. The viewport's height is the pane's page.
class ScrollPaneAdapter : public ControlAdapter, public QObject {
 public:
  ScrollPaneAdapter(tk::ScrollPane& pane, DialogWindow& window) : ControlAdapter(pane, window), pane_(pane) {
    content_->setLayout(window.buildLayout(pane.content()));
    area_->setWidget(content_);
    area_->setWidgetResizable(true);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->viewport()->installEventFilter(this);
    QScrollBar* bar = area_->verticalScrollBar();
    QObject::connect(bar, &QScrollBar::actionTriggered, receiver(),
                     [this, bar](int request) { userScrolled(*bar, request); });
  }
  QWidget* widget() override { return area_; }

 protected:
  // The content is as tall as the pane's range, so Qt's own scroll range is
  // the model's hidden height whenever the page is the viewport's height, and
  // the scroll bar shows only when something is hidden.
  void refreshState() override {
    content_->setMinimumHeight(pane_.range());
    area_->verticalScrollBar()->setSliderPosition(pane_.position());
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == area_->viewport() && event->type() == QEvent::Resize) {
      const int height = static_cast<QResizeEvent*>(event)->size().height();
      if (height != pane_.page()) {
        tk::ScriptAction resize = action(tk::ScriptAction::Verb::Resize);
        resize.index = height;
        act(std::move(resize));
      }
    }
    return false;
  }

 private:
  void userScrolled(QScrollBar& bar, int request) {
    tk::ScrollRequest asked{};
    switch (request) {
      case QAbstractSlider::SliderSingleStepSub: asked = tk::ScrollRequest::LineUp; break;
      case QAbstractSlider::SliderSingleStepAdd: asked = tk::ScrollRequest::LineDown; break;
      case QAbstractSlider::SliderPageStepSub: asked = tk::ScrollRequest::PageUp; break;
      case QAbstractSlider::SliderPageStepAdd: asked = tk::ScrollRequest::PageDown; break;
      case QAbstractSlider::SliderMove: asked = tk::ScrollRequest::Thumb; break;
      default: return;
    }
    tk::ScriptAction scroll = action(tk::ScriptAction::Verb::Scroll);
    scroll.text = tk::scrollRequestName(asked);
    if (asked == tk::ScrollRequest::Thumb) scroll.index = bar.sliderPosition();
    act(std::move(scroll));
    bar.setSliderPosition(pane_.position());  // the model's step, not Qt's
  }

  tk::ScrollPane& pane_;
  QScrollArea* area_ = new QScrollArea;  // owned by the dialog window once laid out
  QWidget* content_ = new QWidget;
};

}  // namespace

std::unique_ptr<ControlAdapter> makeTabAdapter(tk::TabControl& tabs, DialogWindow& window) {
  return std::make_unique<TabAdapter>(tabs, window);
}
std::unique_ptr<ControlAdapter> makeSheetAdapter(tk::PropertySheet& sheet, DialogWindow& window) {
  return std::make_unique<SheetAdapter>(sheet, window);
}
std::unique_ptr<ControlAdapter> makeScrollPaneAdapter(tk::ScrollPane& pane, DialogWindow& window) {
  return std::make_unique<ScrollPaneAdapter>(pane, window);
}

}  // namespace tkqt
