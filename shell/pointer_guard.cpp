#include "shell/pointer_guard.h"

namespace avtosalon {

void PointerGuard::Appeared(int window, std::int64_t at_ms) { appeared_at_[window] = at_ms; }

bool PointerGuard::Accepts(int window, std::int64_t at_ms, std::int64_t double_click_ms) const {
  const auto appeared = appeared_at_.find(window);
  // A press stamped before the window appeared was made for what lay there then.
  return appeared == appeared_at_.end() || at_ms - appeared->second >= double_click_ms;
}

}  // namespace avtosalon
