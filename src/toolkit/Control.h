// Base of every control of the toolkit model: identity, caption, enabled and
// visible state, tooltip and a change counter that a visual backend uses to
// refresh only what changed.
#pragma once

#include <cstdint>
#include <string>

namespace tk {

enum class ControlKind {
  Label,
  Edit,
  Button,
  CheckBox,
  RadioButton,
  ComboBox,
  List,
  Tree,
  TreeList,
  Tab,
  PropertySheet,
  ScrollPane,
};

const char* controlKindName(ControlKind kind);

class Control;

// Told of every state change of the controls it watches (the owning dialog).
class ChangeSink {
 public:
  virtual void controlChanged(Control& control) = 0;

 protected:
  ~ChangeSink() = default;
};

class Control {
 public:
  Control(std::string id, ControlKind kind, std::string caption = {});
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& id() const { return id_; }
  ControlKind kind() const { return kind_; }

  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);

  bool enabled() const { return enabled_; }
  void enable(bool on);  // EnableWindow
  bool visible() const { return visible_; }
  void show(bool on);  // ShowWindow
  const std::string& tooltip() const { return tooltip_; }
  void setTooltip(std::string text);

  // A disabled or hidden control refuses user actions.
  bool acceptsUserAction() const { return enabled_ && visible_; }

  std::uint64_t changeCount() const { return changeCount_; }
  void watch(ChangeSink* sink) { sink_ = sink; }

  // The control's own state in one line, for describing a dialog.
  virtual std::string stateText() const = 0;

 protected:
  // Every state change goes through here.
  void changed();

 private:
  std::string id_;
  ControlKind kind_;
  std::string caption_;
  std::string tooltip_;
  bool enabled_ = true;
  bool visible_ = true;
  std::uint64_t changeCount_ = 0;
  ChangeSink* sink_ = nullptr;
};

}  // namespace tk
