#pragma once

#include "shell/project.h"

namespace avtosalon {

// The game's three windows, the main window first, with their layouts and event bindings.
const Project& GameProject();

}  // namespace avtosalon
