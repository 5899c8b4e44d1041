#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shell/host.h"

namespace avtosalon {

// No display: message boxes are recorded and answered OK at once, and the clock
// moves only when the caller advances it.
class HeadlessHost final : public Host {
 public:
  using Observer = std::function<void(const HostEvent&)>;

  void SetObserver(Observer observer) { observer_ = std::move(observer); }
  const std::vector<HostEvent>& Events() const { return events_; }

  void FormCreated(const Form&) override {}
  void FormVisibilityChanged(const Form&) override {}
  void ControlChanged(const Form&, int, Property) override {}
  void FocusChanged(const Form&) override {}
  void ShowMessage(const MessageBox& box) override;
  void ReportFatal(FailureKind kind) override;
  void ProgramEnded() override;
  void TimersChanged() override {}
  // Digits of the fonts the game uses are a little over half an em wide; that is
  // close enough for a host that draws nothing.
  Size MeasureText(const FontSpec& font, std::string_view text) const override;

 private:
  void Record(HostEvent event);
  Observer observer_;
  std::vector<HostEvent> events_;
};

}  // namespace avtosalon
