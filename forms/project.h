#pragma once

#include "shell/description.h"

namespace avtosalon {

// The game's three windows, the main window first, with their layouts and event bindings.
const Project& GameProject();

}  // namespace avtosalon
