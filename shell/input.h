#pragma once

#include <cstdint>
#include <string_view>

namespace avtosalon {

// The keys whose meaning the runtime decides. Typing and caret keys inside a text box are
// the toolkit's; what they produce arrives as an Edit.
enum class Key { kSpace, kEnter, kUp, kDown, kLeft, kRight, kHome, kEnd, kTab, kBackTab };

// What a host feeds in: the player's input, in the host's window and control indices.
// Each call returns whether it was taken; a refused call raises nothing. Before each, the
// runtime runs the timers that are due by the host's clock.
class PlayerInput {
 public:
  // A pointer click on a control; a click on a text box only moves the focus there.
  virtual bool Click(int form, int control) = 0;
  // A pointer press on a list item.
  virtual bool Select(int form, int list, int item) = 0;
  // The text box's new text after the player's edit; caret in bytes. If a Change handler
  // leaves another text, the host is told to show it.
  virtual bool Edit(int form, int box, std::string_view text, int caret) = 0;
  // A key pressed while the control has the focus. False: the runtime gives it no meaning,
  // and the toolkit may handle it.
  virtual bool Press(int form, int control, Key key) = 0;
  // The pointer put the focus on a control. Refused: the host is told the focus to show.
  virtual bool Focus(int form, int control) = 0;
  // The window's close box.
  virtual bool Close(int form) = 0;
  // Moves the clock on to now (milliseconds), running due timer events in order.
  virtual void AdvanceClockTo(std::int64_t now) = 0;

 protected:
  ~PlayerInput() = default;
};

}  // namespace avtosalon
