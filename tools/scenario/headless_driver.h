// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include "shell/headless_host.h"
#include "tools/scenario/driver.h"

namespace avtosalon::scenario {

// Plays straight into the runtime: no display, message boxes answered at once, a
// clock that moves only on "wait".
class HeadlessDriver final : public Driver {
 public:
  explicit HeadlessDriver(const Project& project);

  void Start(std::function<void(const HostEvent&)> observer) override;
  Runtime& Game() override { return runtime_; }
  void Click(const Form& form, int control) override;
  void Select(const Form& form, int list, int item) override;
  void Type(const Form& form, int box, std::string_view text) override;
  void Press(const Form& form, int box, Key key) override;
  void Paste(const Form& form, int box, std::string_view text) override;
  void Close(const Form& form) override;
  void Wait(long long milliseconds) override;
  std::optional<std::string> Snap(const std::string&) override { return std::nullopt; }
  int Focus(const Form& form) override { return form.Focus(); }
  ShownState State() override;
  // Puts the caret where another host's pointer put it; caret in bytes of the box's text.
  void PlaceCaret(const Form& form, int box, int caret);

 private:
  HeadlessHost host_;
  Runtime runtime_;
};

}  // namespace avtosalon::scenario
