#include <algorithm>

#include "shell/runtime.h"

namespace avtosalon {

bool Runtime::MoveFocus(Form& form, int control) {
  if (ended_ || !form.CanFocus(control)) return false;
  if (form.Focus() != control) {
    form.SetFocus(control);
    host_.FocusChanged(form);
  }
  return true;
}

bool Runtime::Tab(Form& form, bool backwards) {
  if (ended_ || !form.Visible()) return false;
  const auto order = form.TabOrder();
  if (order.empty()) return false;
  auto at = std::find(order.begin(), order.end(), form.Focus());
  std::ptrdiff_t next = 0;
  if (at != order.end()) {
    const auto size = static_cast<std::ptrdiff_t>(order.size());
    next = ((at - order.begin()) + (backwards ? size - 1 : 1)) % size;
  }
  return MoveFocus(form, order[static_cast<std::size_t>(next)]);
}

bool Runtime::Click(Form& form, int control) {
  if (ended_ || !form.Reachable(control)) return false;
  Control& c = form.At(control);
  if (c.Kind() == ControlKind::kListBox || c.Kind() == ControlKind::kTimer ||
      c.Kind() == ControlKind::kLine) {
    return false;
  }
  if (form.TakesFocus(control)) MoveFocus(form, control);
  if (c.Kind() == ControlKind::kOptionButton) {
    for (int i = 0; i < static_cast<int>(form.Controls().size()); ++i) {
      Control& other = form.At(i);
      if (other.Kind() != ControlKind::kOptionButton || other.container != c.container) continue;
      const bool chosen = i == control;
      if (other.value == chosen) continue;
      other.value = chosen;
      host_.ControlChanged(form, i, Property::kValue);
    }
  }
  if (c.Kind() == ControlKind::kTextBox) return true;
  Raise(form, control, Event::kClick);
  return true;
}

bool Runtime::Select(Form& form, int list, int item) {
  if (ended_ || !form.Reachable(list)) return false;
  Control& c = form.At(list);
  if (c.Kind() != ControlKind::kListBox || item < 0 || item >= static_cast<int>(c.items.size())) {
    return false;
  }
  MoveFocus(form, list);
  SetListIndex(form, list, item);
  Raise(form, list, Event::kClick);
  return true;
}

bool Runtime::Edit(Form& form, int box, std::string_view text, int caret) {
  if (ended_ || !form.Reachable(box) || form.At(box).Kind() != ControlKind::kTextBox) {
    return false;
  }
  MoveFocus(form, box);
  Control& c = form.At(box);
  if (c.caption != text) {
    c.caption = std::string(text);
    c.caret = std::clamp(caret, 0, static_cast<int>(text.size()));
    host_.ControlChanged(form, box, Property::kText);
    Raise(form, box, Event::kChange);
  } else {
    c.caret = std::clamp(caret, 0, static_cast<int>(text.size()));
  }
  return true;
}

bool Runtime::Close(Form& form) {
  if (ended_ || !form.Visible()) return false;
  const std::string& as = project_.forms[static_cast<std::size_t>(form.Index())].close_as;
  if (as.empty()) {
    End();
    return true;
  }
  const auto control = form.Find(as);
  if (!control) return false;
  Raise(form, *control, Event::kClick);
  return true;
}

}  // namespace avtosalon
