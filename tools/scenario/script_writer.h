#pragma once

#include <string>
#include <vector>

#include "shell/description.h"
#include "tools/scenario/script.h"

// Steps written as Parse reads them, for the random player's reproductions.
namespace avtosalon::scenario {

Target TargetOf(const Project& project, int form, int control);

// One scenario line: "click Form1.Command1", "paste Form1.Text1 \"100\"", "wait 3000", ...
std::string StepLine(const Project& project, const Action& step);

// A whole scenario: "# " comment lines, the steps, then the closing lines as they are.
std::string ScenarioText(const Project& project, const std::vector<Action>& steps,
                         const std::vector<std::string>& comments,
                         const std::vector<std::string>& closing);

}  // namespace avtosalon::scenario
