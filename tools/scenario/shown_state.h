#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/runtime.h"

namespace avtosalon::scenario {

// One thing a player sees: a property of a control, a window's visibility, the focus in a
// window, or whether the program runs.
struct ShownEntry {
  int form = -1;              // -1: the program
  int control = -1;           // -1: the window itself
  std::string_view property;  // "Caption", "Visible", "Position" (pixels), ...; "" for a
                              // window's visibility, "focus" for a window's focus
  std::string value;
};

// Everything a player sees of a game, in one fixed order for a given set of created windows.
using ShownState = std::vector<ShownEntry>;

// What a host shows of one property of a control (of the window's visibility for control -1,
// property ""), or nullopt where it shows the runtime's record as it is.
using PropertyReader =
    std::function<std::optional<std::string>(const Form&, int control, std::string_view property)>;

// The state as the runtime records it, each control's property read through the reader when
// there is one; focus tells the control that has the keyboard focus in a window, -1 for none.
ShownState RuntimeState(const Runtime& game, const std::function<int(const Form&)>& focus,
                        const PropertyReader& reader = {});

// The entry's name, as a scenario's expect line names it where it can: "Form1.Label1.Caption",
// "Form2" (visible or hidden), "Form1.focus", "program".
std::string KeyOf(const Project& project, const ShownEntry& entry);

}  // namespace avtosalon::scenario
