#include "shell/key_repeat.h"

namespace avtosalon {

bool KeyRepeat::Fresh(int key, std::uint64_t stamp, bool marked_repeat) const {
  if (marked_repeat) return false;
  return !(stamp != 0 && last_release_ && last_release_->key == key &&
           last_release_->stamp == stamp);
}

void KeyRepeat::Released(int key, std::uint64_t stamp, bool marked_repeat) {
  if (!marked_repeat) last_release_ = Release{key, stamp};
}

}  // namespace avtosalon
