#include "shell/key_repeat.h"

#include <gtest/gtest.h>

namespace avtosalon {
namespace {

constexpr int kEnter = 1;
constexpr int kSpace = 2;

TEST(KeyRepeat, AHeldKeyPressesOnceHoweverItsRepeatsCome) {
  KeyRepeat keys;
  EXPECT_TRUE(keys.Fresh(kEnter, 100, false));
  // Marked repeats.
  keys.Released(kEnter, 600, true);
  EXPECT_FALSE(keys.Fresh(kEnter, 600, true));
  // A repeat the platform did not recognise: a release and a press with one stamp.
  keys.Released(kEnter, 633, false);
  EXPECT_FALSE(keys.Fresh(kEnter, 633, false));
  // Let go, then pressed again: a new press.
  keys.Released(kEnter, 700, false);
  EXPECT_TRUE(keys.Fresh(kEnter, 900, false));
  EXPECT_TRUE(keys.Fresh(kSpace, 700, false)) << "another key at the same moment";
}

TEST(KeyRepeat, UnknownStampsNeverMakeARepeat) {
  KeyRepeat keys;
  keys.Released(kSpace, 0, false);
  EXPECT_TRUE(keys.Fresh(kSpace, 0, false));
}

TEST(KeyRepeat, AReleaseThatNeverArrivedDoesNotLockTheKey) {
  KeyRepeat keys;
  EXPECT_TRUE(keys.Fresh(kEnter, 100, false));
  // The release went to another program; the next press is the player's own.
  EXPECT_TRUE(keys.Fresh(kEnter, 5000, false));
}

}  // namespace
}  // namespace avtosalon
