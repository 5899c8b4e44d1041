// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <deque>
#include <ostream>
#include <string>

#include "tools/scenario/driver.h"
#include "tools/scenario/script.h"

namespace avtosalon::scenario {

// Plays one script against a fresh game and writes what happens, one line each:
// msgbox, fatal, ended, ignored and FAIL lines. Returns whether every check held.
bool Play(const Script& script, Driver& driver, std::ostream& out);

// The value of a property as a scenario writes it: texts as they are, true/false,
// numbers, a picture as the control that holds it in its design state.
std::string PropertyValue(const Form& form, int control, std::string_view property);

}  // namespace avtosalon::scenario
