#pragma once

#include <string>
#include <string_view>

#include "shell/host.h"
#include "shell/runtime.h"

namespace avtosalon::web {

// The runtime's host in a web page: the page's script (page.js) draws every window
// as DOM elements, and passes the player's input back through the functions in
// web_main.cpp. Message boxes hold the handler while the page waits for OK.
class WebHost final : public Host {
 public:
  void Attach(Runtime& runtime) { runtime_ = &runtime; }

  void FormCreated(const Form& form) override;
  void FormVisibilityChanged(const Form& form) override;
  void ControlChanged(const Form& form, int control, Property property) override;
  void FocusChanged(const Form& form) override;
  void ShowMessage(const MessageBox& box) override;
  void ReportFatal(FailureKind kind) override;
  void ProgramEnded() override;
  void TimersChanged() override;
  Size MeasureText(const FontSpec& font, std::string_view text) const override;

  // Moves the runtime's clock up to the real time that has passed.
  void SyncClock();

 private:
  Runtime* runtime_ = nullptr;
  double synced_ms_ = -1;
};

}  // namespace avtosalon::web
