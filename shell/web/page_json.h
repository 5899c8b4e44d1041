// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "shell/form.h"

// What the page's script needs to draw a window and its controls, as JSON.
namespace avtosalon::web {

std::string WindowJson(const Form& form);
std::string FontJson(const FontSpec& font);
// The run-time state of one control: everything the game may change.
std::string ControlStateJson(const Form& form, int control);

}  // namespace avtosalon::web
