#pragma once

#include <any>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "shell/description.h"
#include "shell/picture.h"

namespace avtosalon {

// A control's run-time state. The design data stays in its spec.
struct Control {
  const ControlSpec* spec = nullptr;
  int container = -1;   // index of the containing control, -1 for the window
  std::string caption;  // Caption, or a text box's Text
  std::vector<std::string> items;
  int list_index = -1;
  bool visible = true;
  bool enabled = true;
  bool value = false;  // option buttons
  PictureRef picture;
  int interval = 0;
  Rect rect;
  int caret = 0;  // text boxes: where typed characters go

  ControlKind Kind() const { return spec->kind; }
  const std::string& Name() const { return spec->name; }
};

// One window instance: created once in its design state, never destroyed before the end.
class Form {
 public:
  // Pictures of the design state get handles counted on from next_handle.
  Form(const FormDescription& description, int index, std::int32_t& next_handle);

  const FormSpec& Spec() const { return description_.spec; }
  const std::string& Name() const { return description_.spec.name; }
  int Index() const { return index_; }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  bool EverShown() const { return ever_shown_; }
  void MarkShown() { ever_shown_ = true; }
  // The first focus is chosen once the switch that shows the window has finished.
  bool FocusPending() const { return focus_pending_; }
  void SetFocusPending(bool pending) { focus_pending_ = pending; }

  std::vector<Control>& Controls() { return controls_; }
  const std::vector<Control>& Controls() const { return controls_; }
  std::optional<int> Find(std::string_view name) const;
  Control& At(int index) { return controls_[static_cast<std::size_t>(index)]; }
  const Control& At(int index) const { return controls_[static_cast<std::size_t>(index)]; }

  // A control can take input when it, every container around it and the window are shown and
  // enabled.
  bool Reachable(int index) const;
  Handler HandlerFor(std::string_view control, Event event) const;

  int Focus() const { return focus_; }
  void SetFocus(int index) { focus_ = index; }
  // Focusable controls in tab order, for Tab and the first focus.
  std::vector<int> TabOrder() const;
  bool CanFocus(int index) const;
  // Buttons, text boxes, lists, options, and labels that answer a click.
  bool TakesFocus(int index) const;
  // The font a control draws with: its own, else its container's, else the window's.
  const FontSpec& FontOf(int control) const;

  // The window's named control handles, found once when it is created.
  const std::any& Handles() const { return handles_; }
  void SetHandles(std::any handles) { handles_ = std::move(handles); }

 private:
  const FormDescription& description_;
  int index_;
  bool visible_ = false;
  bool ever_shown_ = false;
  bool focus_pending_ = false;
  int focus_ = -1;
  std::vector<Control> controls_;
  std::unordered_map<std::string_view, int> by_name_;
  std::any handles_;
};

}  // namespace avtosalon
