#include "shell/controls.h"

#include "shell/property_rules.h"

namespace avtosalon {

int Resolver::Find(std::string_view name, ControlKind kind) const {
  const auto index = form_.Find(name);
  if (!index || form_.At(*index).Kind() != kind) CallFailed();
  return *index;
}

}  // namespace avtosalon
