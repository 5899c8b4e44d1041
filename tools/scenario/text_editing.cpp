// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/scenario/text_editing.h"

#include <algorithm>

namespace avtosalon::scenario {
namespace {

bool Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

int Previous(const std::string& text, int at) {
  if (at <= 0) return 0;
  --at;
  while (at > 0 && Continuation(text[static_cast<std::size_t>(at)])) --at;
  return at;
}

int Next(const std::string& text, int at) {
  const int size = static_cast<int>(text.size());
  if (at >= size) return size;
  ++at;
  while (at < size && Continuation(text[static_cast<std::size_t>(at)])) ++at;
  return at;
}

}  // namespace

std::vector<std::string> Characters(std::string_view text) {
  std::vector<std::string> characters;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!Continuation(text[i]) || characters.empty()) characters.emplace_back();
    characters.back() += text[i];
  }
  return characters;
}

void EditLine::Insert(std::string_view characters) {
  caret = std::clamp(caret, 0, static_cast<int>(text.size()));
  text.insert(static_cast<std::size_t>(caret), characters);
  caret += static_cast<int>(characters.size());
}

bool EditLine::Apply(Key key) {
  caret = std::clamp(caret, 0, static_cast<int>(text.size()));
  switch (key) {
    case Key::kBackSpace: {
      const int from = Previous(text, caret);
      if (from == caret) return false;
      text.erase(static_cast<std::size_t>(from), static_cast<std::size_t>(caret - from));
      caret = from;
      return true;
    }
    case Key::kDelete: {
      const int to = Next(text, caret);
      if (to == caret) return false;
      text.erase(static_cast<std::size_t>(caret), static_cast<std::size_t>(to - caret));
      return true;
    }
    case Key::kHome:
      caret = 0;
      return false;
    case Key::kEnd:
      caret = static_cast<int>(text.size());
      return false;
    case Key::kLeft:
      caret = Previous(text, caret);
      return false;
    case Key::kRight:
      caret = Next(text, caret);
      return false;
  }
  return false;
}

}  // namespace avtosalon::scenario
