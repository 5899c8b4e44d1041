#pragma once

#include <string_view>

#include "game/failure.h"
#include "shell/types.h"

namespace avtosalon {

class Form;

// What a host shows the player, in the order it happens.
struct HostEvent {
  enum class Kind { kMessage, kFatal, kEnded };
  Kind kind = Kind::kMessage;
  MessageBox message;     // kMessage
  FailureKind failure{};  // kFatal
};

// What the runtime needs of the world around it: a screen, message boxes, a way to
// end. The Qt host shows real windows; the headless host records and answers.
class Host {
 public:
  virtual ~Host() = default;

  virtual void FormCreated(const Form& form) = 0;
  virtual void FormVisibilityChanged(const Form& form) = 0;
  virtual void ControlChanged(const Form& form, int control, Property property) = 0;
  virtual void FocusChanged(const Form& form) = 0;

  // Both are modal: they return when the player has closed the box.
  virtual void ShowMessage(const MessageBox& box) = 0;
  virtual void ReportFatal(FailureKind kind) = 0;

  virtual void ProgramEnded() = 0;
  // The next timer tick may have moved; see Runtime::MillisecondsToNextTick.
  virtual void TimersChanged() = 0;
  // The size of one line of text, in layout units.
  virtual Size MeasureText(const FontSpec& font, std::string_view text) const = 0;
};

}  // namespace avtosalon
