#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "game/failure.h"
#include "shell/types.h"

namespace avtosalon {

class Form;

// What the player is shown, and the end, in the order it happens. The runtime reports
// these itself, so every host and every tool sees the same record.
struct HostEvent {
  enum class Kind { kMessage, kFatal, kEnded };
  Kind kind = Kind::kMessage;
  MessageBox message;     // kMessage, and the report of kFatal
  FailureKind failure{};  // kFatal
};

using Observer = std::function<void(const HostEvent&)>;

// What the runtime needs of a toolkit: draw windows and controls as their state changes,
// show message boxes, keep time. A host turns its toolkit's input into PlayerInput calls
// and needs to know no rule of the game's controls.
class Host {
 public:
  virtual ~Host() = default;

  virtual void FormCreated(const Form& form) = 0;
  virtual void FormVisibilityChanged(const Form& form) = 0;
  virtual void ControlChanged(const Form& form, int control, Property property) = 0;
  // The focus to show, also when the host's own focus went somewhere the runtime refused.
  virtual void FocusChanged(const Form& form) = 0;

  // Modal: returns when the player has closed the box. The fatal report comes this way too.
  virtual void ShowMessage(const MessageBox& box) = 0;
  virtual void ProgramEnded() = 0;

  // The host's clock in milliseconds, read before each input so that timers due by then
  // run first; none: the clock moves only when PlayerInput::AdvanceClockTo is called.
  virtual std::optional<std::int64_t> Now() const = 0;
  // When the next timer is due on the runtime's clock; none: no timer is running.
  virtual void TimersChanged(std::optional<std::int64_t> next_due) = 0;
  // The size of one line of text, in layout units.
  virtual Size MeasureText(const FontSpec& font, std::string_view text) const = 0;
};

}  // namespace avtosalon
