// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "tools/scenario/script.h"

namespace avtosalon::scenario {

// One line of editable text with a caret, counted in bytes of UTF-8 but moved by characters.
struct EditLine {
  std::string text;
  int caret = 0;

  void Insert(std::string_view characters);
  // Returns whether the key changed the text.
  bool Apply(Key key);
};

// The UTF-8 characters of a text, one string each.
std::vector<std::string> Characters(std::string_view text);

}  // namespace avtosalon::scenario
