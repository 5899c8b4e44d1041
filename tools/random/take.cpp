#include "tools/random/take.h"

#include <type_traits>

namespace avtosalon::random_play {

bool TakeStep(scenario::Driver& driver, const scenario::Action& step) {
  Runtime& game = driver.Game();
  if (game.Ended()) return false;
  return std::visit(
      [&](const auto& action) -> bool {
        using T = std::decay_t<decltype(action)>;
        if constexpr (std::is_same_v<T, scenario::Click>) {
          const Form* form = game.FormAt(action.target.form);
          if (!form || !form->Reachable(action.target.control)) return false;
          driver.Click(*form, action.target.control);
          return true;
        } else if constexpr (std::is_same_v<T, scenario::Select>) {
          const Form* form = game.FormAt(action.target.form);
          if (!form || !form->Reachable(action.target.control)) return false;
          if (action.item >= static_cast<int>(form->At(action.target.control).items.size())) {
            return false;
          }
          driver.Select(*form, action.target.control, action.item);
          return true;
        } else if constexpr (std::is_same_v<T, scenario::Type> ||
                             std::is_same_v<T, scenario::Paste>) {
          const Form* form = game.FormAt(action.target.form);
          if (!form || !form->Reachable(action.target.control)) return false;
          if constexpr (std::is_same_v<T, scenario::Type>) {
            driver.Type(*form, action.target.control, action.text);
          } else {
            driver.Paste(*form, action.target.control, action.text);
          }
          return true;
        } else if constexpr (std::is_same_v<T, scenario::Press>) {
          const Form* form = game.FormAt(action.target.form);
          for (int i = 0; i < action.count; ++i) {
            if (game.Ended() || !form || !form->Reachable(action.target.control)) return i > 0;
            driver.Press(*form, action.target.control, action.key);
          }
          return true;
        } else if constexpr (std::is_same_v<T, scenario::Close>) {
          const Form* form = game.FormAt(action.form);
          if (!form || !form->Visible()) return false;
          driver.Close(*form);
          return true;
        } else if constexpr (std::is_same_v<T, scenario::Wait>) {
          driver.Wait(action.milliseconds);
          return true;
        } else {
          return false;
        }
      },
      step);
}

}  // namespace avtosalon::random_play
