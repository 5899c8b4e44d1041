// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/scenario/script.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <sstream>

namespace avtosalon::scenario {
namespace {

constexpr std::array<std::pair<std::string_view, Key>, 6> kKeyNames{{{"BackSpace", Key::kBackSpace},
                                                                     {"Delete", Key::kDelete},
                                                                     {"Home", Key::kHome},
                                                                     {"End", Key::kEnd},
                                                                     {"Left", Key::kLeft},
                                                                     {"Right", Key::kRight}}};

struct Malformed {
  std::string reason;
};

std::vector<std::string> Tokenize(std::string_view line) {
  std::vector<std::string> tokens;
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
      ++i;
      continue;
    }
    std::string token;
    if (line[i] == '"') {
      ++i;
      bool closed = false;
      while (i < line.size()) {
        const char c = line[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c == '\\') {
          if (i >= line.size() || (line[i] != '"' && line[i] != '\\')) {
            throw Malformed{"a backslash escapes only \" and \\"};
          }
          token += line[i++];
        } else {
          token += c;
        }
      }
      if (!closed) throw Malformed{"unterminated text"};
      if (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
        throw Malformed{"text runs into the next word"};
      }
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
        if (line[i] == '"') throw Malformed{"a quote inside a word"};
        token += line[i++];
      }
    }
    tokens.push_back(std::move(token));
  }
  return tokens;
}

long long Number(const std::string& text, long long low, long long high) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || value < low || value > high) {
    throw Malformed{"not a number in range: \"" + text + "\""};
  }
  return value;
}

std::vector<std::string> Split(const std::string& name) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(name);
  while (std::getline(in, part, '.')) parts.push_back(part);
  return parts;
}

class LineParser {
 public:
  LineParser(std::vector<std::string> tokens, const Project& project)
      : tokens_(std::move(tokens)), project_(project) {}

  Action Parse() {
    const std::string& verb = Word(0);
    if (verb == "click") {
      const Target target = Control(1);
      Arity(2);
      const ControlKind kind = KindOf(target);
      if (kind == ControlKind::kListBox || kind == ControlKind::kTimer ||
          kind == ControlKind::kLine) {
        throw Malformed{target.name + " cannot be clicked"};
      }
      return Click{target};
    }
    if (verb == "select") {
      const Target target = Control(1, ControlKind::kListBox);
      Arity(3);
      return Select{target, static_cast<int>(Number(Word(2), 0, 1'000'000))};
    }
    if (verb == "type" || verb == "paste") {
      const Target target = Control(1, ControlKind::kTextBox);
      Arity(3);
      if (verb == "type") return Type{target, Word(2)};
      return Paste{target, Word(2)};
    }
    if (verb == "key") {
      const Target target = Control(1, ControlKind::kTextBox);
      if (tokens_.size() != 3 && tokens_.size() != 4)
        throw Malformed{"key takes a key and a count"};
      const int count = tokens_.size() == 4 ? static_cast<int>(Number(Word(3), 1, 100000)) : 1;
      return Press{target, KeyOrFault(Word(2)), count};
    }
    if (verb == "close") {
      Arity(2);
      return Close{FormNamed(Word(1))};
    }
    if (verb == "wait") {
      Arity(2);
      return Wait{Number(Word(1), 0, 1'000'000'000)};
    }
    if (verb == "snap") {
      Arity(2);
      return Snap{Word(1)};
    }
    if (verb == "print") {
      Arity(2);
      auto [target, property] = PropertyOf(Word(1));
      return Print{target, property};
    }
    if (verb == "expect") return ParseExpect();
    throw Malformed{"unknown step \"" + verb + "\""};
  }

 private:
  Action ParseExpect() {
    const std::string& what = Word(1);
    if (what == "visible") {
      Arity(3);
      return ExpectOnlyVisible{FormNamed(Word(2))};
    }
    if (what == "focus") {
      Arity(3);
      return ExpectFocus{Control(2)};
    }
    if (what == "msgbox") {
      Arity(5);
      const int style = static_cast<int>(Number(Word(2), 0, 1 << 20));
      return ExpectMessage{style, Word(3), Word(4)};
    }
    if (what == "no") {
      Arity(3);
      if (Word(2) != "msgbox") throw Malformed{"expect no msgbox"};
      return ExpectNoMessage{};
    }
    if (what == "fatal") {
      Arity(3);
      static constexpr std::array kKinds{"TypeMismatch", "Overflow", "FloatingPointFault",
                                         "CallFailure"};
      if (std::find(kKinds.begin(), kKinds.end(), Word(2)) == kKinds.end()) {
        throw Malformed{"unknown failure kind \"" + Word(2) + "\""};
      }
      return ExpectFatal{Word(2)};
    }
    if (what == "ended" || what == "running") {
      Arity(2);
      if (what == "ended") return ExpectEnded{};
      return ExpectRunning{};
    }
    Arity(3);
    auto [target, property] = PropertyOf(what);
    const std::string& value = Word(2);
    if (property == "Visible" || property == "Enabled" || property == "Created" ||
        property == "Value") {
      if (value != "true" && value != "false") throw Malformed{"expected true or false"};
    } else if (property != "Caption" && property != "Text" && property != "Picture") {
      Number(value, -2'000'000'000, 2'000'000'000);
    }
    return ExpectProperty{target, property, value};
  }

  const std::string& Word(std::size_t i) const {
    if (i >= tokens_.size()) throw Malformed{"too few words"};
    return tokens_[i];
  }
  void Arity(std::size_t n) const {
    if (tokens_.size() != n) throw Malformed{"expected " + std::to_string(n - 1) + " words"};
  }

  int FormNamed(const std::string& name) const {
    for (std::size_t i = 0; i < project_.forms.size(); ++i) {
      if (project_.forms[i].spec.name == name) return static_cast<int>(i);
    }
    throw Malformed{"unknown window \"" + name + "\""};
  }

  Target ControlIn(int form, const std::string& control, const std::string& full) const {
    const auto& controls = project_.forms[static_cast<std::size_t>(form)].spec.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      if (controls[i].name == control) return Target{form, static_cast<int>(i), full};
    }
    throw Malformed{"unknown control \"" + full + "\""};
  }

  Target Control(std::size_t i) const {
    const auto parts = Split(Word(i));
    if (parts.size() != 2) throw Malformed{"expected FORM.CONTROL, got \"" + Word(i) + "\""};
    return ControlIn(FormNamed(parts[0]), parts[1], Word(i));
  }

  Target Control(std::size_t i, ControlKind kind) const {
    const Target target = Control(i);
    if (KindOf(target) != kind) throw Malformed{target.name + " is not the right kind of control"};
    return target;
  }

  ControlKind KindOf(const Target& target) const {
    return project_.forms[static_cast<std::size_t>(target.form)]
        .spec.controls[static_cast<std::size_t>(target.control)]
        .kind;
  }

  std::pair<Target, std::string> PropertyOf(const std::string& name) const {
    const auto parts = Split(name);
    if (parts.size() == 2) {
      if (parts[1] != "Visible" && parts[1] != "Created") {
        throw Malformed{"unknown window property \"" + name + "\""};
      }
      return {Target{FormNamed(parts[0]), -1, name}, parts[1]};
    }
    if (parts.size() != 3) throw Malformed{"expected FORM.CONTROL.PROPERTY, got \"" + name + "\""};
    static constexpr std::array kProperties{"Caption",   "Text",    "Visible",  "Enabled",
                                            "ListIndex", "Picture", "Interval", "Left",
                                            "Top",       "Width",   "Height"};
    if (std::find(kProperties.begin(), kProperties.end(), parts[2]) == kProperties.end()) {
      throw Malformed{"unknown property \"" + name + "\""};
    }
    return {ControlIn(FormNamed(parts[0]), parts[1], name), parts[2]};
  }

  static Key KeyOrFault(const std::string& name) {
    if (const auto key = KeyNamed(name)) return *key;
    throw Malformed{"unknown key \"" + name + "\""};
  }

  std::vector<std::string> tokens_;
  const Project& project_;
};

}  // namespace

std::string_view KeyName(Key key) {
  for (const auto& [name, named] : kKeyNames) {
    if (named == key) return name;
  }
  return "";
}

std::optional<Key> KeyNamed(std::string_view name) {
  for (const auto& [key_name, key] : kKeyNames) {
    if (name == key_name) return key;
  }
  return std::nullopt;
}

ParseResult Parse(const std::string& file, std::string_view text, const Project& project) {
  Script script{file, {}};
  std::istringstream in{std::string(text)};
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos || line[first] == '#') continue;
    try {
      script.steps.push_back(Step{number, LineParser(Tokenize(line), project).Parse()});
    } catch (const Malformed& malformed) {
      return {std::nullopt, file + ":" + std::to_string(number) + ": " + malformed.reason};
    }
  }
  return {std::move(script), ""};
}

ParseResult Load(const std::filesystem::path& path, const Project& project) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {std::nullopt, path.string() + ":0: cannot be read"};
  std::ostringstream text;
  text << in.rdbuf();
  return Parse(path.string(), text.str(), project);
}

std::string Quote(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace avtosalon::scenario
