#pragma once

#include <functional>
#include <optional>
#include <string>

#include "shell/host.h"
#include "shell/runtime.h"
#include "tools/scenario/script.h"
#include "tools/scenario/shown_state.h"

namespace avtosalon::scenario {

// Carries out a player's steps against one fresh game, headless or in real windows.
// The player has checked beforehand that the step can be taken.
class Driver {
 public:
  virtual ~Driver() = default;

  // Starts the game; what the host shows from then on goes to the observer.
  virtual void Start(std::function<void(const HostEvent&)> observer) = 0;
  virtual Runtime& Game() = 0;

  virtual void Click(const Form& form, int control) = 0;
  virtual void Select(const Form& form, int list, int item) = 0;
  virtual void Type(const Form& form, int box, std::string_view text) = 0;
  virtual void Press(const Form& form, int box, Key key) = 0;
  virtual void Paste(const Form& form, int box, std::string_view text) = 0;
  virtual void Close(const Form& form) = 0;
  virtual void Wait(long long milliseconds) = 0;
  // Returns an error text when no picture could be taken.
  virtual std::optional<std::string> Snap(const std::string& file) = 0;
  // The control that has the keyboard focus in the window, -1 for none.
  virtual int Focus(const Form& form) = 0;
  // Everything the player sees now, as this host shows it.
  virtual ShownState State() = 0;
};

}  // namespace avtosalon::scenario
