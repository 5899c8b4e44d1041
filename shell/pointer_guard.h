#pragma once

#include <cstdint>
#include <map>

namespace avtosalon {

// A window that has just appeared, or come back from under a message box, may lie under a
// pointer that is still busy with a double click meant for what was there before: the second
// click would press whatever the new window has in that place (a «Выход» under «Купить>>»).
// So each window ignores pointer presses for one double-click interval after it appears. The
// keyboard is not affected. Times are in milliseconds on any clock the host keeps.
class PointerGuard {
 public:
  void Appeared(int window, std::int64_t at_ms);
  // Whether a pointer press on the window at that time reaches it, given the platform's
  // double-click interval.
  bool Accepts(int window, std::int64_t at_ms, std::int64_t double_click_ms) const;

 private:
  std::map<int, std::int64_t> appeared_at_;
};

}  // namespace avtosalon
