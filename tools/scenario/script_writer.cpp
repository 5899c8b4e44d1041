#include "tools/scenario/script_writer.h"

#include <type_traits>

namespace avtosalon::scenario {

Target TargetOf(const Project& project, int form, int control) {
  const FormSpec& spec = project.forms[static_cast<std::size_t>(form)].spec;
  return Target{form, control,
                spec.name + "." + spec.controls[static_cast<std::size_t>(control)].name};
}

std::string StepLine(const Project& project, const Action& step) {
  return std::visit(
      [&](const auto& action) -> std::string {
        using T = std::decay_t<decltype(action)>;
        if constexpr (std::is_same_v<T, Click>) {
          return "click " + action.target.name;
        } else if constexpr (std::is_same_v<T, Select>) {
          return "select " + action.target.name + " " + std::to_string(action.item);
        } else if constexpr (std::is_same_v<T, Type>) {
          return "type " + action.target.name + " " + Quote(action.text);
        } else if constexpr (std::is_same_v<T, Paste>) {
          return "paste " + action.target.name + " " + Quote(action.text);
        } else if constexpr (std::is_same_v<T, Press>) {
          return "key " + action.target.name + " " + std::string(KeyName(action.key)) +
                 (action.count == 1 ? "" : " " + std::to_string(action.count));
        } else if constexpr (std::is_same_v<T, Close>) {
          return "close " + project.forms[static_cast<std::size_t>(action.form)].spec.name;
        } else if constexpr (std::is_same_v<T, Wait>) {
          return "wait " + std::to_string(action.milliseconds);
        } else {
          return "# (not a player's step)";
        }
      },
      step);
}

std::string ScenarioText(const Project& project, const std::vector<Action>& steps,
                         const std::vector<std::string>& comments,
                         const std::vector<std::string>& closing) {
  std::string text;
  for (const std::string& comment : comments) text += "# " + comment + "\n";
  for (const Action& step : steps) text += StepLine(project, step) + "\n";
  for (const std::string& line : closing) text += line + "\n";
  return text;
}

}  // namespace avtosalon::scenario
