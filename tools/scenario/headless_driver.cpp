// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/scenario/headless_driver.h"

#include "tools/scenario/text_editing.h"

namespace avtosalon::scenario {

HeadlessDriver::HeadlessDriver(const Project& project) : runtime_(project, host_) {}

void HeadlessDriver::Start(std::function<void(const HostEvent&)> observer) {
  runtime_.SetObserver(std::move(observer));
  runtime_.Start();
}

void HeadlessDriver::Click(const Form& form, int control) { runtime_.Click(form.Index(), control); }

void HeadlessDriver::Select(const Form& form, int list, int item) {
  runtime_.Select(form.Index(), list, item);
}

void HeadlessDriver::Type(const Form& form, int box, std::string_view text) {
  for (const std::string& character : Characters(text)) {
    if (!form.Reachable(box)) return;  // a Change may have disabled the box on the way
    EditLine line{form.At(box).caption, form.At(box).caret};
    line.Insert(character);
    runtime_.Edit(form.Index(), box, line.text, line.caret);
  }
}

void HeadlessDriver::Press(const Form& form, int box, Key key) {
  EditLine line{form.At(box).caption, form.At(box).caret};
  line.Apply(key);
  runtime_.Edit(form.Index(), box, line.text, line.caret);
}

void HeadlessDriver::Paste(const Form& form, int box, std::string_view text) {
  runtime_.Edit(form.Index(), box, text, static_cast<int>(text.size()));
}

void HeadlessDriver::Close(const Form& form) { runtime_.Close(form.Index()); }

ShownState HeadlessDriver::State() {
  return RuntimeState(runtime_, [](const Form& form) { return form.Focus(); });
}

void HeadlessDriver::PlaceCaret(const Form& form, int box, int caret) {
  runtime_.Edit(form.Index(), box, form.At(box).caption, caret);
}

void HeadlessDriver::Wait(long long milliseconds) {
  runtime_.AdvanceClockTo(runtime_.Clock() + milliseconds);
}

}  // namespace avtosalon::scenario
