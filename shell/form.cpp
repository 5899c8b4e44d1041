// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/form.h"

#include <algorithm>
#include <memory>

namespace avtosalon {

Form::Form(const FormDescription& description, int index, std::int32_t& next_handle)
    : description_(description), index_(index) {
  const auto& specs = description.spec.controls;
  controls_.reserve(specs.size());
  for (const ControlSpec& spec : specs) {
    Control control;
    control.spec = &spec;
    control.caption = spec.caption;
    control.items = spec.items;
    control.visible = spec.visible;
    control.enabled = spec.enabled;
    control.interval = spec.interval;
    control.rect = spec.rect;
    control.caret = static_cast<int>(spec.caption.size());
    if (!spec.picture.empty()) {
      control.picture = std::make_shared<const Picture>(
          Picture{spec.picture, description.spec.name + "." + spec.name, next_handle++});
    }
    by_name_.emplace(spec.name, static_cast<int>(controls_.size()));
    controls_.push_back(std::move(control));
  }
  for (Control& control : controls_) {
    if (!control.spec->container.empty()) control.container = Find(control.spec->container).value();
  }
}

std::optional<int> Form::Find(std::string_view name) const {
  const auto found = by_name_.find(name);
  if (found == by_name_.end()) return std::nullopt;
  return found->second;
}

bool Form::Reachable(int index) const {
  if (!visible_) return false;
  for (int i = index; i >= 0; i = At(i).container) {
    if (!At(i).visible || !At(i).enabled) return false;
  }
  return true;
}

Handler Form::HandlerFor(std::string_view control, Event event) const {
  for (const Binding& binding : description_.bindings) {
    if (binding.control == control && binding.event == event) return binding.handler;
  }
  return nullptr;
}

bool Form::TakesFocus(int index) const {
  const Control& control = At(index);
  // A label the game reacts to is reachable from the keyboard too.
  return avtosalon::TakesFocus(control.Kind()) ||
         (control.Kind() == ControlKind::kLabel && HandlerFor(control.Name(), Event::kClick));
}

bool Form::CanFocus(int index) const {
  return index >= 0 && TakesFocus(index) && At(index).spec->tab_index >= 0 && Reachable(index);
}

const FontSpec& Form::FontOf(int control) const {
  for (int i = control; i >= 0; i = At(i).container) {
    if (At(i).spec->font) return *At(i).spec->font;
  }
  return Spec().font;
}

std::vector<int> Form::TabOrder() const {
  std::vector<int> order;
  for (int i = 0; i < static_cast<int>(controls_.size()); ++i) {
    if (CanFocus(i)) order.push_back(i);
  }
  std::stable_sort(order.begin(), order.end(),
                   [this](int a, int b) { return At(a).spec->tab_index < At(b).spec->tab_index; });
  return order;
}

}  // namespace avtosalon
