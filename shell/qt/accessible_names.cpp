#include "shell/qt/accessible_names.h"

#include <string_view>

namespace avtosalon::qt {
namespace {

constexpr std::string_view kShown = "{}";

// The name of the control that holds the shown picture in its design state.
std::string PictureName(const Form& form, const Control& control) {
  if (!control.picture) return {};
  const std::string_view origin = control.picture->origin;
  const auto dot = origin.find('.');
  if (dot == std::string_view::npos || origin.substr(0, dot) != form.Name()) return {};
  const auto holder = form.Find(origin.substr(dot + 1));
  if (!holder || &form.At(*holder) == &control) return {};
  return AccessibleName(form, *holder);
}

}  // namespace

std::string AccessibleName(const Form& form, int index) {
  const Control& control = form.At(index);
  const std::string& pattern = control.spec->accessible_name;
  if (pattern.empty()) return control.caption;
  const auto at = pattern.find(kShown);
  if (at == std::string::npos) return pattern;
  const std::string shown =
      control.Kind() == ControlKind::kImage ? PictureName(form, control) : control.caption;
  if (shown.empty()) {
    const auto end = pattern.find_last_not_of(": ", at == 0 ? 0 : at - 1);
    return at == 0 || end == std::string::npos ? std::string() : pattern.substr(0, end + 1);
  }
  return pattern.substr(0, at) + shown + pattern.substr(at + kShown.size());
}

}  // namespace avtosalon::qt
