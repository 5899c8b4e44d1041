// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "shell/game_state.h"
#include "shell/host.h"

namespace avtosalon::web {

// The runtime's host in a web page: the page's script (page.js) draws every window
// as DOM elements, and passes the player's input back through the functions in
// web_main.cpp. Message boxes hold the handler while the page waits for OK. The clock is
// the page's: milliseconds since the host was made.
class WebHost final : public Host {
 public:
  WebHost();
  // The windows whose timers the page shows, and whose fatal report it names.
  void Attach(const GameState& state) { state_ = &state; }

  void FormCreated(const Form& form) override;
  void FormVisibilityChanged(const Form& form) override;
  void ControlChanged(const Form& form, int control, Property property) override;
  void FocusChanged(const Form& form) override;
  void ShowMessage(const MessageBox& box) override;
  void ProgramEnded() override;
  std::optional<std::int64_t> Now() const override;
  void TimersChanged(std::optional<std::int64_t> next_due) override;
  Size MeasureText(const FontSpec& font, std::string_view text) const override;

 private:
  const GameState* state_ = nullptr;
  double start_ms_;
};

}  // namespace avtosalon::web
