#pragma once

#include <any>
#include <string_view>

#include "shell/form.h"

namespace avtosalon {

// What a handler uses: windows and their named controls, message boxes, the end.
class Program {
 public:
  // The window's single instance, created in its design state on first use, as the
  // named handles its description finds. W names its window in W::kName.
  template <typename W>
  const W& Window() {
    return std::any_cast<const W&>(Instance(W::kName).Handles());
  }
  // Modal; returns when the player has closed the box.
  virtual void MsgBox(std::string_view prompt, int style, std::string_view title) = 0;
  // Ends the program at once; inside a handler it does not return.
  virtual void End() = 0;
  // The runtime's clock, in milliseconds.
  virtual std::int64_t Now() const = 0;

 protected:
  ~Program() = default;
  virtual Form& Instance(std::string_view name) = 0;
};

}  // namespace avtosalon
