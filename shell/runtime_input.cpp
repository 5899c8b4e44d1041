// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>

#include "shell/runtime.h"

// The rules of the player's input that hold whatever the toolkit. A rule about when input
// counts at all (say, a press that lands on a window in the instant it appeared) belongs in
// Target or at the top of the call it concerns, so every host gets it.
namespace avtosalon {
namespace {

// The item of a list that a key asks for, or -1 for none. The selection is the game's.
int WantedItem(const Control& list, Key key) {
  const int count = static_cast<int>(list.items.size());
  const int current = list.list_index;
  if (count == 0) return -1;
  switch (key) {
    case Key::kUp:
      return current <= 0 ? 0 : current - 1;
    case Key::kDown:
      return current < 0 ? 0 : std::min(current + 1, count - 1);
    case Key::kHome:
      return 0;
    case Key::kEnd:
      return count - 1;
    default:
      return -1;
  }
}

bool IsArrow(Key key) {
  return key == Key::kUp || key == Key::kDown || key == Key::kLeft || key == Key::kRight;
}

}  // namespace

Form* Runtime::Target(int form) {
  if (ended_ || form < 0 || form >= FormCount()) return nullptr;
  return forms_[static_cast<std::size_t>(form)].get();
}

bool Runtime::MoveFocus(Form& form, int control) {
  if (ended_ || !form.CanFocus(control)) return false;
  if (form.Focus() != control) {
    form.SetFocus(control);
    host_.FocusChanged(form);
  }
  return true;
}

bool Runtime::Tab(Form& form, bool backwards) {
  if (!form.Visible()) return false;
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

bool Runtime::Focus(int form_index, int control) {
  CatchUp();
  Form* form = Target(form_index);
  if (!form) return false;
  if (MoveFocus(*form, control)) return true;
  host_.FocusChanged(*form);  // the host's focus went where the game's cannot
  return false;
}

bool Runtime::Click(int form_index, int control) {
  CatchUp();
  Form* form = Target(form_index);
  if (!form || !form->Reachable(control)) return false;
  Control& c = form->At(control);
  if (c.Kind() == ControlKind::kListBox || c.Kind() == ControlKind::kTimer ||
      c.Kind() == ControlKind::kLine) {
    return false;
  }
  if (form->TakesFocus(control)) MoveFocus(*form, control);
  if (c.Kind() == ControlKind::kOptionButton) {
    for (int i = 0; i < static_cast<int>(form->Controls().size()); ++i) {
      Control& other = form->At(i);
      if (other.Kind() != ControlKind::kOptionButton || other.container != c.container) continue;
      const bool chosen = i == control;
      if (other.value == chosen) continue;
      other.value = chosen;
      host_.ControlChanged(*form, i, Property::kValue);
    }
  }
  if (c.Kind() == ControlKind::kTextBox) return true;
  Raise(*form, control, Event::kClick);
  return true;
}

bool Runtime::Select(int form_index, int list, int item) {
  CatchUp();
  Form* form = Target(form_index);
  if (!form || !form->Reachable(list)) return false;
  Control& c = form->At(list);
  if (c.Kind() != ControlKind::kListBox || item < 0 || item >= static_cast<int>(c.items.size())) {
    return false;
  }
  MoveFocus(*form, list);
  SetListIndex(*form, list, item);
  Raise(*form, list, Event::kClick);
  return true;
}

bool Runtime::Edit(int form_index, int box, std::string_view text, int caret) {
  CatchUp();
  Form* form = Target(form_index);
  if (!form) return false;
  const bool taken = form->Reachable(box) && form->At(box).Kind() == ControlKind::kTextBox;
  if (taken) {
    MoveFocus(*form, box);
    Control& c = form->At(box);
    const int at = std::clamp(caret, 0, static_cast<int>(text.size()));
    if (c.caption != text) {
      c.caption = std::string(text);
      c.caret = at;
      host_.ControlChanged(*form, box, Property::kText);
      Raise(*form, box, Event::kChange);
    } else {
      c.caret = at;
    }
  }
  // The edit was refused, or a Change wrote another text: the box shows the game's.
  if (!ended_ && form->At(box).Kind() == ControlKind::kTextBox && form->At(box).caption != text) {
    host_.ControlChanged(*form, box, Property::kText);
  }
  return taken;
}

bool Runtime::Press(int form_index, int control, Key key) {
  CatchUp();
  Form* form = Target(form_index);
  if (!form) return false;
  if (key == Key::kTab || key == Key::kBackTab) return Tab(*form, key == Key::kBackTab);
  if (control < 0 || !form->Reachable(control)) return false;
  const Control& c = form->At(control);
  const bool press = key == Key::kSpace || key == Key::kEnter;
  switch (c.Kind()) {
    case ControlKind::kCommandButton:
      return press && Click(form_index, control);
    case ControlKind::kLabel:  // one that answers a click takes the focus and these keys
      return press && form->TakesFocus(control) && Click(form_index, control);
    case ControlKind::kOptionButton:
      if (press) return Click(form_index, control);
      return IsArrow(key) && ChooseNeighbour(*form, control, key == Key::kUp || key == Key::kLeft);
    case ControlKind::kListBox:
      return StepList(*form, control, key);
    default:
      return false;
  }
}

// The arrow keys go round the options of one container in tab order, choosing as they go.
bool Runtime::ChooseNeighbour(Form& form, int option, bool backwards) {
  std::vector<int> group;
  for (const int i : form.TabOrder()) {
    const Control& c = form.At(i);
    if (c.Kind() == ControlKind::kOptionButton && c.container == form.At(option).container) {
      group.push_back(i);
    }
  }
  const auto at = std::find(group.begin(), group.end(), option);
  if (at == group.end()) return true;
  const auto size = static_cast<std::ptrdiff_t>(group.size());
  const std::ptrdiff_t next = ((at - group.begin()) + (backwards ? size - 1 : 1)) % size;
  Click(form.Index(), group[static_cast<std::size_t>(next)]);
  return true;
}

// Up, Down, Home and End ask for an item; asking for the selected one raises nothing.
bool Runtime::StepList(Form& form, int list, Key key) {
  if (key != Key::kUp && key != Key::kDown && key != Key::kHome && key != Key::kEnd) {
    return false;
  }
  const int wanted = WantedItem(form.At(list), key);
  if (wanted >= 0 && wanted != form.At(list).list_index) Select(form.Index(), list, wanted);
  return true;
}

bool Runtime::Close(int form_index) {
  CatchUp();
  Form* form = Target(form_index);
  if (!form || !form->Visible()) return false;
  const std::string& as = project_.forms[static_cast<std::size_t>(form_index)].close_as;
  if (as.empty()) {
    End();
    return true;
  }
  const auto control = form->Find(as);
  if (!control) return false;
  Raise(*form, *control, Event::kClick);
  return true;
}

}  // namespace avtosalon
