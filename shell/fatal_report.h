// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "game/failure.h"
#include "shell/types.h"

namespace avtosalon {

// The message box the runtime shows before a failure ends the program.
MessageBox FatalReport(FailureKind kind);

}  // namespace avtosalon
