#pragma once

#include <any>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "game/failure.h"
#include "shell/form.h"
#include "shell/host.h"

namespace avtosalon {

// What tools and tests read: the windows as they are, and the record of what the player
// was shown. Nothing here changes the game.
class GameState {
 public:
  virtual const Project& GetProject() const = 0;
  virtual int FormCount() const = 0;
  // The window's instance, or nullptr while its reference is empty. Creates nothing.
  virtual const Form* FormAt(int index) const = 0;
  virtual std::optional<int> FormIndex(std::string_view name) const = 0;
  const Form* Find(std::string_view name) const {
    const auto index = FormIndex(name);
    return index ? FormAt(*index) : nullptr;
  }
  // The window's named handles, or nullptr while it does not exist.
  template <typename W>
  const W* Handles() const {
    const Form* form = Find(W::kName);
    return form ? std::any_cast<W>(&form->Handles()) : nullptr;
  }

  virtual bool Ended() const = 0;
  virtual std::optional<FailureKind> Fatal() const = 0;
  virtual std::int64_t Clock() const = 0;
  // When the next timer is due on the runtime's clock.
  virtual std::optional<std::int64_t> NextDue() const = 0;

  // Message boxes, the fatal report and the end, as they happened.
  virtual const std::vector<HostEvent>& Events() const = 0;
  // Told of each event as it happens, before a message box is shown.
  virtual void SetObserver(Observer observer) = 0;

 protected:
  ~GameState() = default;
};

}  // namespace avtosalon
