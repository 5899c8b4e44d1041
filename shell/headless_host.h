#pragma once

#include "shell/host.h"

namespace avtosalon {

// No display: message boxes are answered OK at once, and the clock moves only when the
// caller advances it. What the player would see is read from the runtime's GameState.
class HeadlessHost : public Host {
 public:
  void FormCreated(const Form&) override {}
  void FormVisibilityChanged(const Form&) override {}
  void ControlChanged(const Form&, int, Property) override {}
  void FocusChanged(const Form&) override {}
  void ShowMessage(const MessageBox&) override {}
  void ProgramEnded() override {}
  std::optional<std::int64_t> Now() const override { return std::nullopt; }
  void TimersChanged(std::optional<std::int64_t>) override {}
  // Digits of the fonts the game uses are a little over half an em wide; that is
  // close enough for a host that draws nothing.
  Size MeasureText(const FontSpec& font, std::string_view text) const override;
};

}  // namespace avtosalon
