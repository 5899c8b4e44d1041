#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "shell/description.h"

// A scenario is what a player does and what they should see, one step a line.
namespace avtosalon::scenario {

enum class Key { kBackSpace, kDelete, kHome, kEnd, kLeft, kRight };
// "BackSpace", "Delete", "Home", "End", "Left", "Right": one table for reading and writing.
std::string_view KeyName(Key key);
std::optional<Key> KeyNamed(std::string_view name);

// A control named FORM.CONTROL, found in the project's design.
struct Target {
  int form = 0;
  int control = -1;  // -1: the window itself
  std::string name;  // as written, for messages
};

struct Click {
  Target target;
};
struct Select {
  Target target;
  int item = 0;
};
struct Type {
  Target target;
  std::string text;
};
struct Press {
  Target target;
  Key key;
  int count = 1;
};
struct Paste {
  Target target;
  std::string text;
};
struct Close {
  int form = 0;
};
struct Wait {
  long long milliseconds = 0;
};
struct Snap {
  std::string file;
};

// expect FORM.CONTROL.PROPERTY VALUE, expect FORM.Visible / FORM.Created VALUE
struct ExpectProperty {
  Target target;
  std::string property;
  std::string value;
};
struct ExpectOnlyVisible {
  int form = 0;
};
struct ExpectFocus {
  Target target;
};
struct ExpectMessage {
  int style = 0;
  std::string title;
  std::string prompt;
};
struct ExpectNoMessage {};
struct ExpectFatal {
  std::string kind;
};
struct ExpectEnded {};
struct ExpectRunning {};
struct Print {
  Target target;
  std::string property;
};

using Action = std::variant<Click, Select, Type, Press, Paste, Close, Wait, Snap, ExpectProperty,
                            ExpectOnlyVisible, ExpectFocus, ExpectMessage, ExpectNoMessage,
                            ExpectFatal, ExpectEnded, ExpectRunning, Print>;

struct Step {
  int line = 0;
  Action action;
};

struct Script {
  std::string file;
  std::vector<Step> steps;
};

// Reads a scenario; on a malformed line, the error names FILE:LINE and the reason.
struct ParseResult {
  std::optional<Script> script;
  std::string error;
};
ParseResult Parse(const std::string& file, std::string_view text, const Project& project);
ParseResult Load(const std::filesystem::path& path, const Project& project);

// Texts are written back in the form they are read: "quoted", with \" and \\ escaped.
std::string Quote(std::string_view text);

}  // namespace avtosalon::scenario
