#pragma once

#include <cstdint>
#include <optional>

namespace avtosalon {

// One activation per press: a key held down on a button presses it once, however long it is
// held. The platform repeats a held key as releases and presses; most come marked as repeats,
// but a repeat the platform could not recognise in time still shows as a release and a press
// of the same key with the same time stamp. Stamps are the platform's, in milliseconds; 0
// means unknown.
class KeyRepeat {
 public:
  // Whether a press is the player's own rather than a repeat of a held key.
  bool Fresh(int key, std::uint64_t stamp, bool marked_repeat) const;
  void Released(int key, std::uint64_t stamp, bool marked_repeat);

 private:
  struct Release {
    int key = 0;
    std::uint64_t stamp = 0;
  };
  std::optional<Release> last_release_;
};

}  // namespace avtosalon
