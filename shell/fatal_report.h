#pragma once

#include <string>

#include "game/failure.h"
#include "shell/types.h"

namespace avtosalon {

// The message box the runtime shows before a failure ends the program.
MessageBox FatalReport(FailureKind kind);

}  // namespace avtosalon
