#include "tools/scenario/shown_state.h"

#include <cmath>

namespace avtosalon::scenario {
namespace {

std::string Bool(bool value) { return value ? "true" : "false"; }

int Pixels(int units) { return static_cast<int>(std::lround(units / double{kUnitsPerPixel})); }

void AddControl(ShownState& state, const Form& form, int index) {
  const Control& c = form.At(index);
  const auto put = [&](std::string_view property, std::string value) {
    state[StateKey(form, index, property)] = std::move(value);
  };
  put("Enabled", Bool(c.enabled));
  if (c.Kind() == ControlKind::kTimer) {
    put("Interval", std::to_string(c.interval));
    return;
  }
  put("Visible", Bool(c.visible));
  switch (c.Kind()) {
    case ControlKind::kTextBox:
      put("Text", c.caption);
      break;
    case ControlKind::kLabel:
    case ControlKind::kCommandButton:
    case ControlKind::kFrame:
      put("Caption", c.caption);
      break;
    case ControlKind::kOptionButton:
      put("Caption", c.caption);
      put("Value", Bool(c.value));
      break;
    case ControlKind::kListBox:
      put("ListIndex", std::to_string(c.list_index));
      break;
    case ControlKind::kPictureBox:
    case ControlKind::kImage:
      put("Picture", c.picture ? c.picture->resource : "");
      break;
    case ControlKind::kLine:
    case ControlKind::kTimer:
      return;  // a line is drawn from end to end, not in a rectangle
  }
  put("Position", std::to_string(Pixels(c.rect.left)) + "," + std::to_string(Pixels(c.rect.top)));
  put("Size", std::to_string(Pixels(c.rect.width)) + "x" + std::to_string(Pixels(c.rect.height)));
}

}  // namespace

std::string StateKey(const Form& form, int control, std::string_view property) {
  return form.Name() + "." + form.At(control).Name() + "." + std::string(property);
}

ShownState RuntimeState(const Runtime& game, const std::function<int(const Form&)>& focus) {
  ShownState state;
  state["program"] = game.Fatal()   ? "fatal " + std::string(FailureKindName(*game.Fatal()))
                     : game.Ended() ? "ended"
                                    : "running";
  for (int f = 0; f < game.FormCount(); ++f) {
    const Form* form = game.FormAt(f);
    const std::string& name = game.GetProject().forms[static_cast<std::size_t>(f)].spec.name;
    if (!form) {
      state[name] = "not created";
      continue;
    }
    state[name] = form->Visible() ? "visible" : "hidden";
    for (int c = 0; c < static_cast<int>(form->Controls().size()); ++c) AddControl(state, *form, c);
    if (form->Visible() && !game.Ended()) {
      const int focused = focus(*form);
      state[name + ".focus"] = focused >= 0 ? form->At(focused).Name() : "";
    }
  }
  return state;
}

}  // namespace avtosalon::scenario
