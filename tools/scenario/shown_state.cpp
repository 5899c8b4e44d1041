// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/scenario/shown_state.h"

#include <cmath>

namespace avtosalon::scenario {
namespace {

std::string Bool(bool value) { return value ? "true" : "false"; }

int Pixels(int units) { return static_cast<int>(std::lround(units / double{kUnitsPerPixel})); }

void AddControl(ShownState& state, const Form& form, int index, const PropertyReader& reader) {
  const Control& c = form.At(index);
  const auto put = [&](std::string_view property, auto value) {
    std::optional<std::string> shown;
    if (reader) shown = reader(form, index, property);
    state.push_back(ShownEntry{form.Index(), index, property, shown ? *std::move(shown) : value()});
  };
  put("Enabled", [&] { return Bool(c.enabled); });
  if (c.Kind() == ControlKind::kTimer) {
    put("Interval", [&] { return std::to_string(c.interval); });
    return;
  }
  put("Visible", [&] { return Bool(c.visible); });
  switch (c.Kind()) {
    case ControlKind::kTextBox:
      put("Text", [&] { return c.caption; });
      put("Caret", [&] { return std::to_string(c.caret); });
      break;
    case ControlKind::kLabel:
    case ControlKind::kCommandButton:
    case ControlKind::kFrame:
      put("Caption", [&] { return c.caption; });
      break;
    case ControlKind::kOptionButton:
      put("Caption", [&] { return c.caption; });
      put("Value", [&] { return Bool(c.value); });
      break;
    case ControlKind::kListBox:
      put("ListIndex", [&] { return std::to_string(c.list_index); });
      break;
    case ControlKind::kPictureBox:
    case ControlKind::kImage:
      put("Picture", [&] { return c.picture ? c.picture->resource : std::string(); });
      break;
    case ControlKind::kLine:
    case ControlKind::kTimer:
      return;  // a line is drawn from end to end, not in a rectangle
  }
  put("Position", [&] {
    return std::to_string(Pixels(c.rect.left)) + "," + std::to_string(Pixels(c.rect.top));
  });
  put("Size", [&] {
    return std::to_string(Pixels(c.rect.width)) + "x" + std::to_string(Pixels(c.rect.height));
  });
}

}  // namespace

std::string KeyOf(const Project& project, const ShownEntry& entry) {
  if (entry.form < 0) return "program";
  const FormSpec& form = project.forms[static_cast<std::size_t>(entry.form)].spec;
  if (entry.control < 0) {
    return entry.property.empty() ? form.name : form.name + "." + std::string(entry.property);
  }
  return form.name + "." + form.controls[static_cast<std::size_t>(entry.control)].name + "." +
         std::string(entry.property);
}

ShownState RuntimeState(const Runtime& game, const std::function<int(const Form&)>& focus,
                        const PropertyReader& reader) {
  ShownState state;
  state.reserve(1024);
  state.push_back(ShownEntry{-1, -1, "",
                             game.Fatal()   ? "fatal " + std::string(FailureKindName(*game.Fatal()))
                             : game.Ended() ? "ended"
                                            : "running"});
  for (int f = 0; f < game.FormCount(); ++f) {
    const Form* form = game.FormAt(f);
    if (!form) {
      state.push_back(ShownEntry{f, -1, "", "not created"});
      continue;
    }
    std::optional<std::string> shown;
    if (reader) shown = reader(*form, -1, "");
    state.push_back(ShownEntry{f, -1, "",
                               shown             ? *std::move(shown)
                               : form->Visible() ? "visible"
                                                 : "hidden"});
    for (int c = 0; c < static_cast<int>(form->Controls().size()); ++c) {
      AddControl(state, *form, c, reader);
    }
    if (form->Visible() && !game.Ended()) {
      const int focused = focus(*form);
      state.push_back(ShownEntry{f, -1, "focus", focused >= 0 ? form->At(focused).Name() : ""});
    }
  }
  return state;
}

}  // namespace avtosalon::scenario
