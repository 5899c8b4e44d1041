#pragma once

#include <functional>
#include <map>
#include <string>

#include "shell/runtime.h"

namespace avtosalon::scenario {

// What a player sees of a game, one entry per window and per property of every control:
// "Form2" → "hidden", "Form1.Label1.Caption" → "1000000", "Form1.Label1.Position" → "8,32"
// (pixels), "Form1.focus" → "Command1", "program" → "running". Keys of the Caption, Text,
// Visible, Enabled, ListIndex and Value entries read as a scenario's expect lines.
using ShownState = std::map<std::string, std::string>;

// The state as the runtime records it; focus tells the control that has the keyboard focus in
// a window, -1 for none.
ShownState RuntimeState(const Runtime& game, const std::function<int(const Form&)>& focus);

// The key of one property of a control: "Form1.Label1.Caption".
std::string StateKey(const Form& form, int control, std::string_view property);

}  // namespace avtosalon::scenario
