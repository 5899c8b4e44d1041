#include "shell/pointer_guard.h"

#include <gtest/gtest.h>

namespace avtosalon {
namespace {

constexpr std::int64_t kDoubleClick = 400;

TEST(PointerGuard, AWindowIgnoresThePointerForOneDoubleClickIntervalAfterItAppears) {
  PointerGuard guard;
  EXPECT_TRUE(guard.Accepts(0, 0, kDoubleClick)) << "a window never shown is not guarded";
  guard.Appeared(0, 10'000);
  struct Case {
    std::int64_t at;
    bool accepted;
  };
  for (const Case c : {Case{9'990, false},  // pressed before it appeared, delivered after
                       Case{10'000, false}, Case{10'060, false}, Case{10'300, false},
                       Case{10'399, false}, Case{10'400, true}, Case{12'000, true}}) {
    EXPECT_EQ(guard.Accepts(0, c.at, kDoubleClick), c.accepted) << c.at;
  }
  EXPECT_TRUE(guard.Accepts(1, 10'060, kDoubleClick)) << "other windows are not guarded";
  EXPECT_TRUE(guard.Accepts(0, 10'100, 50)) << "the platform's interval counts";
}

TEST(PointerGuard, EachAppearanceStartsTheIntervalAgain) {
  PointerGuard guard;
  guard.Appeared(2, 0);
  EXPECT_TRUE(guard.Accepts(2, 5'000, kDoubleClick));
  guard.Appeared(2, 5'000);
  EXPECT_FALSE(guard.Accepts(2, 5'100, kDoubleClick));
  EXPECT_TRUE(guard.Accepts(2, 5'400, kDoubleClick));
}

}  // namespace
}  // namespace avtosalon
